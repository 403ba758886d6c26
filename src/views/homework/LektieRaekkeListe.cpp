#include "LektieRaekkeListe.h"

#include "model/LektieStore.h"
#include "views/AppContext.h"

namespace tavlen {

LektieRaekkeListe::LektieRaekkeListe(LektieStore& store, QObject* parent)
    : KeyedListModel(parent), m_store(store) {}

QVariant LektieRaekkeListe::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LektieRaekkeData& r = rows().at(index.row());
    switch (role) {
    case IdRole:
        return uuidTekst(r.lektie.id);
    case Qt::DisplayRole:
    case TitelRole:
        return r.lektie.titel;
    case BeskrivelseRole:
        return r.lektie.beskrivelse;
    case ErFaerdigRole:
        return r.lektie.erFaerdig;
    case FagFundetRole:
        return r.fag.has_value();
    case FagNavnRole:
        return r.fag ? r.fag->navn : QString();
    case FagIkonRole:
        return r.fag ? r.fag->ikonNavn : QString();
    case FagFarveRole:
        return r.fag ? r.fag->farveHex : QString();
    case DeadlineTekstRole:
        return r.deadlineTekst;
    case DeadlineFarveRole:
        return int(r.deadlineFarve);
    case GruppeRole:
        return r.gruppe;
    default:
        return {};
    }
}

QHash<int, QByteArray> LektieRaekkeListe::roleNames() const {
    return {{IdRole, "id"},
            {TitelRole, "titel"},
            {BeskrivelseRole, "beskrivelse"},
            {ErFaerdigRole, "erFaerdig"},
            {FagFundetRole, "fagFundet"},
            {FagNavnRole, "fagNavn"},
            {FagIkonRole, "fagIkon"},
            {FagFarveRole, "fagFarve"},
            {DeadlineTekstRole, "deadlineTekst"},
            {DeadlineFarveRole, "deadlineFarve"},
            {GruppeRole, "gruppe"}};
}

void LektieRaekkeListe::vis(const QList<Lektie>& lektier, const QList<Fag>& fag,
                            const Clock& clock) {
    vis({{QString(), lektier}}, fag, clock);
}

void LektieRaekkeListe::vis(const QList<std::pair<QString, QList<Lektie>>>& grupper,
                            const QList<Fag>& fag, const Clock& clock) {
    QList<LektieRaekkeData> raekker;
    for (const auto& [gruppe, lektier] : grupper) {
        for (const Lektie& l : lektier) {
            LektieRaekkeData r{l, std::nullopt, raekke::deadlineTekst(l, clock),
                               raekke::deadlineFarve(l, clock), gruppe};
            for (const Fag& f : fag) {
                if (f.id == l.fagId) {
                    r.fag = f;
                    break;
                }
            }
            raekker.append(std::move(r));
        }
    }
    const int foer = antal();
    sync(raekker);
    if (antal() != foer)
        Q_EMIT antalChanged();
}

void LektieRaekkeListe::skiftFaerdig(const QString& id) {
    m_store.skiftFaerdig(QUuid::fromString(id));
}

void LektieRaekkeListe::slet(const QString& id) {
    m_store.slet(QUuid::fromString(id));
}

void LektieRaekkeListe::aabn(const QString& id) {
    AppContext::instance()->visDetalje(id);
}

QList<int> LektieRaekkeListe::changedRoles(const LektieRaekkeData& r,
                                           const LektieRaekkeData& ny) const {
    QList<int> roller;
    if (r.lektie.titel != ny.lektie.titel)
        roller << TitelRole << Qt::DisplayRole;
    if (r.lektie.beskrivelse != ny.lektie.beskrivelse)
        roller << BeskrivelseRole;
    if (r.lektie.erFaerdig != ny.lektie.erFaerdig)
        roller << ErFaerdigRole;
    if (r.fag.has_value() != ny.fag.has_value())
        roller << FagFundetRole;
    if (r.fag.value_or(Fag{}).navn != ny.fag.value_or(Fag{}).navn)
        roller << FagNavnRole;
    if (r.fag.value_or(Fag{}).ikonNavn != ny.fag.value_or(Fag{}).ikonNavn)
        roller << FagIkonRole;
    if (r.fag.value_or(Fag{}).farveHex != ny.fag.value_or(Fag{}).farveHex)
        roller << FagFarveRole;
    if (r.deadlineTekst != ny.deadlineTekst)
        roller << DeadlineTekstRole;
    if (r.deadlineFarve != ny.deadlineFarve)
        roller << DeadlineFarveRole;
    if (r.gruppe != ny.gruppe)
        roller << GruppeRole;
    return roller;
}

} // namespace tavlen
