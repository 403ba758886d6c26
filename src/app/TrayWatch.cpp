#include "TrayWatch.h"

namespace tavlen {

TrayWatch::TrayWatch(Probe probe, Timing timing, QObject* parent)
    : QObject(parent), m_probe(std::move(probe)), m_timing(timing) {
    connect(&m_timer, &QTimer::timeout, this, &TrayWatch::poll);
}

void TrayWatch::start() {
    if (m_probe())
        return;
    m_waitedMs = 0;
    m_graceOver = false;
    m_timer.start(m_timing.pollMs);
}

void TrayWatch::poll() {
    if (m_probe()) {
        m_timer.stop();
        Q_EMIT appeared();
        return;
    }
    if (m_graceOver)
        return;
    m_waitedMs += m_timing.pollMs;
    if (m_waitedMs >= m_timing.graceMs) {
        m_graceOver = true;
        m_timer.start(m_timing.slowPollMs);
        Q_EMIT graceExpired();
    }
}

} // namespace tavlen
