#include "OversigtModel.h"

#include "model/LektieStore.h"
#include "model/OversigtRegler.h"
#include "views/AppContext.h"

namespace tavlen {

OversigtModel::OversigtModel(QObject* parent)
    : QObject(parent), m_store(*AppContext::instance()->store()), m_forfaldne(m_store),
      m_iDag(m_store), m_iMorgen(m_store), m_senere(m_store) {
    connect(&m_store, &LektieStore::lektierChanged, this, &OversigtModel::opdater);
    connect(&m_store, &LektieStore::fagChanged, this, &OversigtModel::opdater);
    connect(&m_vagt, &TidsVagt::vaagnet, this, &OversigtModel::opdater);
    opdater();
}

void OversigtModel::opdater() {
    const Clock& clock = AppContext::instance()->clock();
    const QList<Lektie> kommende = m_store.kommendeLektier();
    const oversigt::Grupper g =
        oversigt::grupper(m_store.forfaldneLektier(), kommende, m_store.lektier(), clock);
    const QList<Fag> fag = m_store.fag();
    m_forfaldne.vis(g.forfaldne, fag, clock);
    m_iDag.vis(g.iDag, fag, clock);
    m_iMorgen.vis(g.iMorgen, fag, clock);
    m_senere.vis(g.senere, fag, clock);
    m_kommende = g.kommende;
    m_faerdige = g.faerdige;
    m_tom = g.tom;
    m_vagt.vaagnVed(oversigt::naesteOmgruppering(kommende, clock), clock);
    Q_EMIT changed();
}

} // namespace tavlen
