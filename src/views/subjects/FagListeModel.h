#pragma once

#include "model/Records.h"

#include "views/KeyedListModel.h"

#include <QAbstractListModel>
#include <QtQml/qqml.h>

#include <optional>

namespace tavlen {

class LektieStore;

struct FagListeRaekke {
    Fag fag;
    int aabneLektier = 0;
};

// The subject settings: one row per subject in the store's order with its number of open
// homework items, and the subject the pupil asked to delete while the confirmation shows.
class FagListeModel : public KeyedListModel<FagListeRaekke> {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int antal READ antal NOTIFY antalChanged)
    Q_PROPERTY(bool visAdvarselsDialog READ visAdvarselsDialog NOTIFY sletningChanged)
    Q_PROPERTY(QString sletKnapTekst READ sletKnapTekst NOTIFY sletningChanged)
    // The subject whose "Rediger" was pressed, while its form is open; empty otherwise.
    Q_PROPERTY(QString redigeres MEMBER m_redigeres NOTIFY redigeresChanged)
public:
    enum Role { IdRole = Qt::UserRole + 1, NavnRole, IkonNavnRole, FarveHexRole, AabneLektierRole };
    Q_ENUM(Role)

    explicit FagListeModel(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // At once, where a view over the rows counts them only when it next lays out.
    int antal() const { return int(rows().size()); }
    bool visAdvarselsDialog() const { return m_fagTilSletning.has_value(); }
    QString sletKnapTekst() const;

    // The trash button of a row: holds the subject and shows the confirmation.
    Q_INVOKABLE void bedOmSletning(const QString& fagId);
    // Deletes the held subject with all its homework.
    Q_INVOKABLE void bekraeftSletning();
    Q_INVOKABLE void afslutSletning();

Q_SIGNALS:
    void redigeresChanged();
    void antalChanged();
    void sletningChanged();

protected:
    QUuid keyOf(const FagListeRaekke& raekke) const override { return raekke.fag.id; }
    QList<int> changedRoles(const FagListeRaekke& r, const FagListeRaekke& ny) const override;

private:
    QString m_redigeres;
    using Raekke = FagListeRaekke;
    QList<Raekke> oenskede() const;
    void syncFag();
    void syncAntal();

    LektieStore* m_store;
    std::optional<Fag> m_fagTilSletning;
};

// Qt 6.4 describes no QAbstractItemModel to qmllint, so list models would stay unresolved.
struct QAbstractItemModelForeign {
    Q_GADGET
    QML_FOREIGN(QAbstractItemModel)
    QML_ANONYMOUS
};

} // namespace tavlen
