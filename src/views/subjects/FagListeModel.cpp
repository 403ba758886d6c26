#include "FagListeModel.h"

#include "model/FagRegler.h"
#include "model/LektieStore.h"
#include "views/AppContext.h"

#include <algorithm>

namespace tavlen {

FagListeModel::FagListeModel(QObject* parent)
    : KeyedListModel(parent), m_store(AppContext::instance()->store()) {
    sync(oenskede());
    connect(m_store, &LektieStore::fagChanged, this, &FagListeModel::syncFag);
    connect(m_store, &LektieStore::lektierChanged, this, &FagListeModel::syncAntal);
}

QVariant FagListeModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Raekke& r = rows().at(index.row());
    switch (role) {
    case IdRole:
        return uuidTekst(r.fag.id);
    case Qt::DisplayRole:
    case NavnRole:
        return r.fag.navn;
    case IkonNavnRole:
        return r.fag.ikonNavn;
    case FarveHexRole:
        return r.fag.farveHex;
    case AabneLektierRole:
        return r.aabneLektier;
    default:
        return {};
    }
}

QHash<int, QByteArray> FagListeModel::roleNames() const {
    return {{IdRole, "id"},
            {NavnRole, "navn"},
            {IkonNavnRole, "ikonNavn"},
            {FarveHexRole, "farveHex"},
            {AabneLektierRole, "aabneLektier"}};
}

QList<FagListeRaekke> FagListeModel::oenskede() const {
    QList<Raekke> raekker;
    for (const Fag& fag : m_store->fag())
        raekker.append({fag, fagregler::aabneLektier(m_store->lektier(), fag.id)});
    return raekker;
}

void FagListeModel::syncFag() {
    const int antalFoer = antal();
    sync(oenskede());
    if (antal() != antalFoer)
        Q_EMIT antalChanged();
}

void FagListeModel::syncAntal() {
    for (int i = 0; i < antal(); ++i) {
        Raekke ny = rows().at(i);
        ny.aabneLektier = fagregler::aabneLektier(m_store->lektier(), ny.fag.id);
        update(i, ny);
    }
}

QList<int> FagListeModel::changedRoles(const Raekke& r, const Raekke& ny) const {
    QList<int> roller;
    if (r.fag.navn != ny.fag.navn)
        roller << NavnRole << Qt::DisplayRole;
    if (r.fag.ikonNavn != ny.fag.ikonNavn)
        roller << IkonNavnRole;
    if (r.fag.farveHex != ny.fag.farveHex)
        roller << FarveHexRole;
    if (r.aabneLektier != ny.aabneLektier)
        roller << AabneLektierRole;
    return roller;
}

QString FagListeModel::sletKnapTekst() const {
    return fagregler::sletKnapTekst(m_fagTilSletning);
}

void FagListeModel::bedOmSletning(const QString& fagId) {
    m_fagTilSletning = m_store->fagMedId(QUuid(fagId));
    Q_EMIT sletningChanged();
}

void FagListeModel::bekraeftSletning() {
    const std::optional<Fag> fag = std::exchange(m_fagTilSletning, std::nullopt);
    if (fag)
        m_store->sletFag(fag->id);
    Q_EMIT sletningChanged();
}

void FagListeModel::afslutSletning() {
    if (!m_fagTilSletning)
        return;
    m_fagTilSletning.reset();
    Q_EMIT sletningChanged();
}

} // namespace tavlen
