#include "FagListeModel.h"

#include "model/FagRegler.h"
#include "model/LektieStore.h"
#include "views/AppContext.h"

#include <algorithm>

namespace tavlen {

FagListeModel::FagListeModel(QObject* parent)
    : QAbstractListModel(parent), m_store(AppContext::instance()->store()) {
    for (const Fag& fag : m_store->fag())
        m_raekker.append({fag, fagregler::aabneLektier(m_store->lektier(), fag.id)});
    connect(m_store, &LektieStore::fagChanged, this, &FagListeModel::syncFag);
    connect(m_store, &LektieStore::lektierChanged, this, &FagListeModel::syncAntal);
}

int FagListeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : antal();
}

QVariant FagListeModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Raekke& r = m_raekker.at(index.row());
    switch (role) {
    case IdRole:
        return r.fag.id.toString(QUuid::WithoutBraces);
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

// Rows follow the store by id, so a row that stays keeps its delegate, focus and scroll.
void FagListeModel::syncFag() {
    const QList<Fag>& fag = m_store->fag();
    const qsizetype antalFoer = m_raekker.size();
    for (int row = int(m_raekker.size()) - 1; row >= 0; --row) {
        const QUuid id = m_raekker.at(row).fag.id;
        if (std::none_of(fag.cbegin(), fag.cend(), [&](const Fag& f) { return f.id == id; })) {
            beginRemoveRows({}, row, row);
            m_raekker.removeAt(row);
            endRemoveRows();
        }
    }
    for (int i = 0; i < fag.size(); ++i) {
        const Raekke ny{fag.at(i), fagregler::aabneLektier(m_store->lektier(), fag.at(i).id)};
        const auto fundet = std::find_if(m_raekker.cbegin() + i, m_raekker.cend(),
                                         [&](const Raekke& r) { return r.fag.id == ny.fag.id; });
        if (fundet == m_raekker.cend()) {
            beginInsertRows({}, i, i);
            m_raekker.insert(i, ny);
            endInsertRows();
            continue;
        }
        if (const int fra = int(fundet - m_raekker.cbegin()); fra != i) {
            beginMoveRows({}, fra, fra, {}, i);
            m_raekker.move(fra, i);
            endMoveRows();
        }
        opdater(i, ny);
    }
    // Left over only when the store held one id twice.
    if (m_raekker.size() > fag.size()) {
        beginRemoveRows({}, int(fag.size()), int(m_raekker.size()) - 1);
        m_raekker.resize(fag.size());
        endRemoveRows();
    }
    if (m_raekker.size() != antalFoer)
        Q_EMIT antalChanged();
}

void FagListeModel::syncAntal() {
    for (int i = 0; i < m_raekker.size(); ++i) {
        Raekke ny = m_raekker.at(i);
        ny.aabneLektier = fagregler::aabneLektier(m_store->lektier(), ny.fag.id);
        opdater(i, ny);
    }
}

void FagListeModel::opdater(int row, const Raekke& ny) {
    Raekke& r = m_raekker[row];
    QList<int> roller;
    if (r.fag.navn != ny.fag.navn)
        roller << NavnRole << Qt::DisplayRole;
    if (r.fag.ikonNavn != ny.fag.ikonNavn)
        roller << IkonNavnRole;
    if (r.fag.farveHex != ny.fag.farveHex)
        roller << FarveHexRole;
    if (r.aabneLektier != ny.aabneLektier)
        roller << AabneLektierRole;
    if (roller.isEmpty())
        return;
    r = ny;
    Q_EMIT dataChanged(index(row), index(row), roller);
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
