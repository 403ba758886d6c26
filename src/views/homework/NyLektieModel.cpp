#include "NyLektieModel.h"

#include "core/Clock.h"
#include "model/LektieStore.h"
#include "views/AppContext.h"

namespace tavlen {

// ---- FagValgModel --------------------------------------------------------------

FagValgModel::FagValgModel(QObject* parent) : KeyedListModel(parent) {}

QVariant FagValgModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Fag& f = rows().at(index.row());
    switch (role) {
    case IdRole:
        return f.id;
    case NavnRole:
        return f.navn;
    case IkonNavnRole:
        return f.ikonNavn;
    case FarveHexRole:
        return f.farveHex;
    case ErValgtRole:
        return f.id == m_valgt;
    default:
        return {};
    }
}

QHash<int, QByteArray> FagValgModel::roleNames() const {
    return {{IdRole, "fagId"},
            {NavnRole, "navn"},
            {IkonNavnRole, "ikonNavn"},
            {FarveHexRole, "farveHex"},
            {ErValgtRole, "erValgt"}};
}

void FagValgModel::setValgt(const QUuid& id) {
    if (id == m_valgt)
        return;
    m_valgt = id;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {ErValgtRole});
}

QList<int> FagValgModel::changedRoles(const Fag& foer, const Fag& efter) const {
    QList<int> roller;
    if (foer.navn != efter.navn)
        roller << NavnRole;
    if (foer.ikonNavn != efter.ikonNavn)
        roller << IkonNavnRole;
    if (foer.farveHex != efter.farveHex)
        roller << FarveHexRole;
    return roller;
}

// ---- LinkFelterModel -----------------------------------------------------------

LinkFelterModel::LinkFelterModel(QObject* parent) : QAbstractListModel(parent) {}

int LinkFelterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant LinkFelterModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != TekstRole)
        return {};
    return m_links.at(index.row());
}

QHash<int, QByteArray> LinkFelterModel::roleNames() const {
    return {{TekstRole, "tekst"}};
}

void LinkFelterModel::tilfoej() {
    beginInsertRows({}, count(), count());
    m_links.append(QString());
    endInsertRows();
    Q_EMIT countChanged();
}

void LinkFelterModel::fjern(int row) {
    if (count() < 2 || row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    m_links.removeAt(row);
    endRemoveRows();
    Q_EMIT countChanged();
}

void LinkFelterModel::saetAlle(const QStringList& links) {
    beginResetModel();
    m_links = links.isEmpty() ? QStringList{QString()} : links;
    endResetModel();
    Q_EMIT countChanged();
}

// The field itself shows what was typed; no dataChanged, which would reset its cursor.
void LinkFelterModel::saet(int row, const QString& tekst) {
    if (row >= 0 && row < count())
        m_links[row] = tekst;
}

// ---- NyLektieModel -------------------------------------------------------------

NyLektieModel::NyLektieModel(QObject* parent) : QObject(parent) {
    AppContext* context = AppContext::instance();
    m_deadline = nylektie::hurtigValg(context->clock().now()).first().dato;
    // Which quick pick is the chosen day changes at midnight.
    connect(&context->tid(), &TidsVagt::vaagnet, this, &NyLektieModel::hurtigValgChanged);
    LektieStore& s = store();
    m_fag.opdater(s.fag());
    connect(&s, &LektieStore::fagChanged, this, [this] {
        m_fag.opdater(store().fag());
        Q_EMIT fagChanged();
        Q_EMIT valgtFagIdChanged(); // its colour may have gone with it
    });
}

LektieStore& NyLektieModel::store() const {
    return *AppContext::instance()->store();
}

// When the form is shown: the item's fields when it edits one; else the preset subject,
// else the first one.
void NyLektieModel::componentComplete() {
    m_vist = true;
    if (!indlaesRedigering())
        vaelgFag(nylektie::startFag(m_standardFagId, store().fag()));
}

std::optional<Lektie> NyLektieModel::redigeret() const {
    if (const Lektie* lektie = m_redigerId ? store().lektie(*m_redigerId) : nullptr)
        return *lektie;
    return std::nullopt;
}

bool NyLektieModel::indlaesRedigering() {
    const auto it = redigeret();
    if (!it)
        return false;
    vaelgFag(it->fagId);
    setTitel(it->titel);
    m_beskrivelse = it->beskrivelse;
    Q_EMIT beskrivelseChanged();
    m_links.saetAlle(it->links);
    setDeadline(it->deadline);
    return true;
}

void NyLektieModel::setRedigerId(const QVariant& id) {
    const QUuid uuid = id.typeId() == QMetaType::QUuid ? id.toUuid() : QUuid(id.toString());
    const std::optional<QUuid> ny = uuid.isNull() ? std::nullopt : std::optional(uuid);
    if (ny == m_redigerId)
        return;
    m_redigerId = ny;
    if (m_vist)
        indlaesRedigering();
    Q_EMIT redigerIdChanged();
}

QVariant NyLektieModel::standardFagId() const {
    return m_standardFagId ? QVariant(*m_standardFagId) : QVariant();
}

void NyLektieModel::setStandardFagId(const QVariant& id) {
    const QUuid uuid = id.typeId() == QMetaType::QUuid ? id.toUuid() : QUuid(id.toString());
    m_standardFagId = uuid.isNull() ? std::nullopt : std::optional(uuid);
}

void NyLektieModel::setTitel(const QString& titel) {
    if (titel == m_titel)
        return;
    const bool fejl = visTitelFejl();
    m_titel = titel;
    Q_EMIT titelChanged();
    if (fejl != visTitelFejl())
        Q_EMIT titelFejlChanged();
}

void NyLektieModel::setDeadline(const QDateTime& deadline) {
    if (deadline == m_deadline || !deadline.isValid())
        return;
    m_deadline = deadline;
    Q_EMIT deadlineChanged();
    Q_EMIT hurtigValgChanged();
}

QString NyLektieModel::fagFarve() const {
    const auto fag = store().fagMedId(m_valgtFagId);
    return fag ? fag->farveHex : QStringLiteral("3B82F6");
}

bool NyLektieModel::harFag() const {
    return !store().fag().isEmpty();
}

QVariantList NyLektieModel::hurtigValg() const {
    const Clock& clock = AppContext::instance()->clock();
    QVariantList out;
    for (const nylektie::HurtigValg& valg : nylektie::hurtigValg(clock.now())) {
        out.append(QVariantMap{
            {QStringLiteral("label"), valg.label},
            {QStringLiteral("valgt"), nylektie::erValgt(valg.dato, m_deadline, clock.timeZone())}});
    }
    return out;
}

void NyLektieModel::vaelgFag(const QUuid& id) {
    m_fag.setValgt(id);
    if (id == m_valgtFagId)
        return;
    m_valgtFagId = id;
    Q_EMIT valgtFagIdChanged();
}

void NyLektieModel::vaelgHurtigValg(int index) {
    const auto valg = nylektie::hurtigValg(AppContext::instance()->clock().now());
    if (index >= 0 && index < valg.size())
        setDeadline(valg.at(index).dato);
}

bool NyLektieModel::gem() {
    Lektie lektie;
    const Clock& clock = AppContext::instance()->clock();
    const auto original = redigeret();
    if (m_redigerId && !original)
        return false; // deleted while the form was open: nothing to put it in place of
    if (original)
        lektie = *original;
    const auto udfald = m_redigerId
                            ? nylektie::rediger(store().fag(), m_valgtFagId, m_titel, m_beskrivelse,
                                                m_links.links(), m_deadline, clock, &lektie)
                            : nylektie::byg(store().fag(), m_valgtFagId, m_titel, m_beskrivelse,
                                            m_links.links(), m_deadline, clock, &lektie);
    if (udfald == nylektie::Udfald::TomTitel && !m_visFejl) {
        m_visFejl = true;
        Q_EMIT titelFejlChanged();
    }
    if (udfald != nylektie::Udfald::Gemt)
        return false;
    return m_redigerId ? store().erstat(lektie) : store().tilfoej(lektie);
}

} // namespace tavlen
