#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace tavlen {

class Clock;
class LektieStore;

// The one watch over time for every screen: wakes when what a screen shows changes by time
// alone (midnight, an open item's deadline passing), not only when the store changes, and
// at least every few minutes, so a changed wall clock or a suspended machine is caught up
// with soon. Screens refresh on vaagnet().
class TidsVagt : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 laengsteVentMs = 5 * 60 * 1000;

    TidsVagt(const LektieStore& store, const Clock& clock, QObject* parent = nullptr);

    // The next moment at which something shown changes by time.
    QDateTime naeste() const { return m_naeste; }
    // Wakes now if the clock has reached the next moment without the timer noticing (a
    // clock that jumps, as a test's does).
    void tjek();

Q_SIGNALS:
    void vaagnet();

private:
    void planlaeg();
    void vaagn();

    const LektieStore& m_store;
    const Clock& m_clock;
    QTimer m_timer;
    QDateTime m_naeste;
};

} // namespace tavlen
