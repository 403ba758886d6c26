#pragma once

#include "model/LektieRaekkeRegler.h"
#include "model/Records.h"

#include "views/KeyedListModel.h"

#include <QtQml/qqml.h>
#include <optional>

namespace tavlen {

class Clock;
class LektieStore;

struct LektieRaekkeData {
    Lektie lektie;
    std::optional<Fag> fag; // none when the subject is gone
    QString deadlineTekst;
    raekke::DeadlineFarve deadlineFarve = raekke::DeadlineFarve::Sekundaer;
    QString gruppe; // the page's section the row is listed under, if it has sections
};

// The rows of one list of homework on a main window page, by the item's id, with what a
// row shows worked out here; ticking and deleting go to the store.
class LektieRaekkeListe : public KeyedListModel<LektieRaekkeData> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A page makes its lists.")
    Q_PROPERTY(int antal READ antal NOTIFY antalChanged)
public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        TitelRole,
        BeskrivelseRole,
        ErFaerdigRole,
        FagFundetRole,
        FagNavnRole,
        FagIkonRole,
        FagFarveRole,
        DeadlineTekstRole,
        DeadlineFarveRole, // a DeadlineFarve
        GruppeRole,
    };
    Q_ENUM(Role)
    // The deadline line's colour, as QML compares it: LektieRaekkeListe.Roed.
    enum DeadlineFarve {
        Sekundaer = int(raekke::DeadlineFarve::Sekundaer),
        Roed = int(raekke::DeadlineFarve::Roed),
        Orange = int(raekke::DeadlineFarve::Orange),
    };
    Q_ENUM(DeadlineFarve)

    explicit LektieRaekkeListe(LektieStore& store, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int antal() const { return int(rows().size()); }
    void vis(const QList<Lektie>& lektier, const QList<Fag>& fag, const Clock& clock);
    // One list in sections: each group's items in order, under the group's key.
    void vis(const QList<std::pair<QString, QList<Lektie>>>& grupper, const QList<Fag>& fag,
             const Clock& clock);

    Q_INVOKABLE void skiftFaerdig(const QString& id);
    Q_INVOKABLE void slet(const QString& id);
    // Shows the item's detail over the main window.
    Q_INVOKABLE void aabn(const QString& id);

Q_SIGNALS:
    void antalChanged();

protected:
    QUuid keyOf(const LektieRaekkeData& r) const override { return r.lektie.id; }
    QList<int> changedRoles(const LektieRaekkeData& r, const LektieRaekkeData& ny) const override;

private:
    LektieStore& m_store;
};

} // namespace tavlen
