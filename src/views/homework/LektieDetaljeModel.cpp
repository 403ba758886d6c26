#include "LektieDetaljeModel.h"

#include "core/UrlOpener.h"
#include "model/DetaljeRegler.h"
#include "model/LektieStore.h"
#include "model/LinkRegler.h"
#include "views/AppContext.h"

namespace tavlen {

int LektieLinksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_raekker.size());
}

QVariant LektieLinksModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Raekke& r = m_raekker.at(index.row());
    switch (role) {
    case TekstRole:
    case Qt::DisplayRole:
        return r.tekst;
    case HarMaalRole:
        return r.maal.has_value();
    default:
        return {};
    }
}

QHash<int, QByteArray> LektieLinksModel::roleNames() const {
    return {{TekstRole, "tekst"}, {HarMaalRole, "harMaal"}};
}

void LektieLinksModel::setLinks(const QStringList& links) {
    if (links == m_links)
        return;
    beginResetModel();
    m_links = links;
    m_raekker.clear();
    for (const QString& link : links)
        m_raekker.append({links::linkTekst(link), links::adresse(link)});
    endResetModel();
}

std::optional<QUrl> LektieLinksModel::maal(int row) const {
    if (row < 0 || row >= m_raekker.size())
        return std::nullopt;
    return m_raekker.at(row).maal;
}

LektieDetaljeModel::LektieDetaljeModel(QObject* parent)
    : QObject(parent), m_links(new LektieLinksModel(this)) {
    if (AppContext* context = AppContext::instance()) {
        m_store = context->store();
        m_clock = &context->clock();
        connect(m_store, &LektieStore::lektierChanged, this, &LektieDetaljeModel::opdater);
        connect(m_store, &LektieStore::fagChanged, this, &LektieDetaljeModel::opdater);
        // "I dag", "I morgen" and "FORFALDT" follow midnight and the deadline.
        connect(&context->tid(), &TidsVagt::vaagnet, this, &LektieDetaljeModel::opdater);
    }
}

void LektieDetaljeModel::setLektieId(const QUuid& id) {
    if (id == m_lektieId)
        return;
    m_lektieId = id;
    Q_EMIT lektieIdChanged();
    opdater();
}

void LektieDetaljeModel::setLektieIdVariant(const QVariant& id) {
    setLektieId(id.metaType() == QMetaType::fromType<QUuid>() ? id.value<QUuid>()
                                                              : QUuid(id.toString()));
}

bool LektieDetaljeModel::visBeskrivelse() const {
    return m_lektie && detalje::visBeskrivelse(m_lektie->beskrivelse);
}

bool LektieDetaljeModel::visTomNote() const {
    return m_lektie && !visBeskrivelse() && m_links->rowCount() == 0;
}

void LektieDetaljeModel::skiftFaerdig() {
    if (m_store && m_lektie)
        m_store->skiftFaerdig(m_lektie->id);
}

void LektieDetaljeModel::slet() {
    if (m_store && m_lektie)
        m_store->slet(m_lektie->id);
}

void LektieDetaljeModel::aabnLink(int index) {
    const std::optional<QUrl> url = m_links->maal(index);
    if (!url || !AppContext::instance())
        return;
    const bool fejl = !AppContext::instance()->urls().open(*url);
    if (fejl != m_linkFejl) {
        m_linkFejl = fejl;
        Q_EMIT linkFejlChanged();
    }
}

void LektieDetaljeModel::opdater() {
    m_lektie.reset();
    m_fag.reset();
    if (const Lektie* lektie = m_store ? m_store->lektie(m_lektieId) : nullptr) {
        m_lektie = *lektie;
        m_fag = m_store->fagMedId(lektie->fagId);
    }
    if (m_lektie) {
        m_deadlineTekst = detalje::deadlineTekst(m_lektie->deadline, *m_clock);
        m_erForfaldt = detalje::erForfaldt(*m_lektie, *m_clock);
        m_links->setLinks(links::gyldigeLinks(m_lektie->links));
    } else {
        m_deadlineTekst.clear();
        m_erForfaldt = false;
        m_links->setLinks({});
    }
    Q_EMIT changed();
}

} // namespace tavlen
