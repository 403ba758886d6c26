#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// The settings' backups, newest first: each by date and time in Danish ("mandag 7. december
// 2026 kl. 08:12") with what it holds ("3 fag, 12 lektier"); one is chosen, confirmed and
// brought back.
class SikkerhedskopierModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int antal READ antal NOTIFY antalChanged)
    Q_PROPERTY(QString valgtTekst READ valgtTekst NOTIFY valgtChanged) // empty: none chosen
public:
    enum Role { TekstRole = Qt::UserRole + 1, IndholdRole };

    explicit SikkerhedskopierModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int antal() const { return int(m_kopier.size()); }
    QString valgtTekst() const;

    Q_INVOKABLE void vaelg(int row); // -1: none
    Q_INVOKABLE bool gendanValgt();

Q_SIGNALS:
    void antalChanged();
    void valgtChanged();

private:
    struct Kopi {
        QString sti, tekst, indhold;
    };
    void opdater();

    LektieStore* m_store;
    QList<Kopi> m_kopier;
    int m_valgt = -1;
};

} // namespace tavlen
