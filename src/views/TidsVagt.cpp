#include "TidsVagt.h"

#include "core/Clock.h"
#include "model/LektieStore.h"
#include "model/OversigtRegler.h"

#include <QCoreApplication>

#include <algorithm>

namespace tavlen {

TidsVagt::TidsVagt(const LektieStore& store, const Clock& clock, QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TidsVagt::vaagn);
    connect(&store, &LektieStore::lektierChanged, this, &TidsVagt::planlaeg);
    planlaeg();
}

void TidsVagt::planlaeg() {
    m_naeste = oversigt::naesteOmgruppering(m_store.kommendeLektier(), m_clock);
    // A little after the moment, so the rules see it as passed.
    const qint64 ms = m_clock.now().msecsTo(m_naeste) + 50;
    // A watch made before the application (a test's fixture) starts with the first change.
    if (QCoreApplication::instance())
        m_timer.start(int(std::clamp<qint64>(ms, 0, laengsteVentMs)));
}

void TidsVagt::vaagn() {
    planlaeg();
    Q_EMIT vaagnet();
}

void TidsVagt::tjek() {
    if (m_clock.now() >= m_naeste)
        vaagn();
}

} // namespace tavlen
