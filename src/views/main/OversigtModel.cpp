#include "OversigtModel.h"

#include "model/LektieStore.h"
#include "model/OversigtRegler.h"
#include "views/AppContext.h"

namespace tavlen {

OversigtModel::OversigtModel(QObject* parent)
    : QObject(parent), m_store(*AppContext::instance()->store()), m_raekker(m_store) {
    connect(&m_store, &LektieStore::lektierChanged, this, &OversigtModel::opdater);
    connect(&m_store, &LektieStore::fagChanged, this, &OversigtModel::opdater);
    connect(&AppContext::instance()->tid(), &TidsVagt::vaagnet, this, &OversigtModel::opdater);
    opdater();
}

void OversigtModel::opdater() {
    const Clock& clock = AppContext::instance()->clock();
    const QList<Lektie> kommende = m_store.kommendeLektier();
    const oversigt::Grupper g =
        oversigt::grupper(m_store.forfaldneLektier(), kommende, m_store.lektier(), clock);
    m_raekker.vis({{QStringLiteral("forfaldne"), g.forfaldne},
                   {QStringLiteral("iDag"), g.iDag},
                   {QStringLiteral("iMorgen"), g.iMorgen},
                   {QStringLiteral("senere"), g.senere}},
                  m_store.fag(), clock);
    m_kommende = g.kommende;
    m_forfaldneAntal = int(g.forfaldne.size());
    m_faerdige = g.faerdige;
    m_tom = g.tom;
    Q_EMIT changed();
}

} // namespace tavlen
