#include "TidsVagt.h"

#include "platform/Clock.h"

#include <algorithm>

namespace tavlen {

TidsVagt::TidsVagt(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TidsVagt::vaagnet);
}

void TidsVagt::vaagnVed(const QDateTime& naar, const Clock& clock) {
    m_naeste = naar;
    // A little after the moment, so the rules see it as passed.
    const qint64 ms = clock.now().msecsTo(naar) + 50;
    m_timer.start(int(std::clamp<qint64>(ms, 0, laengsteVentMs)));
}

} // namespace tavlen
