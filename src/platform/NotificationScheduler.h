#pragma once

#include "core/CalendarTriggerRule.h"
#include "core/NotificationCenter.h"

#include <QHash>
#include <QObject>
#include <QTimer>

namespace tavlen {

class Clock;

// One pending request with the wall time of its next occurrence (none: it never fires).
// Wall times are kept rather than moments so a time-zone change moves the moment
// along with the local clock.
struct ScheduledRequest {
    NotificationRequest request;
    std::optional<WallTime> next;
    friend bool operator==(const ScheduledRequest&, const ScheduledRequest&) = default;
};

// Everything the scheduler needs to survive a restart.
struct SchedulerState {
    QList<ScheduledRequest> pending;
    QHash<QString, WallTime> lastFired; // identifier -> wall time of the last occurrence fired
    // Fired, but no notification server took them; `next` is the wall time they fell due.
    QList<ScheduledRequest> undelivered;
    friend bool operator==(const SchedulerState&, const SchedulerState&) = default;
};

// Decides when pending requests fire, by the wall clock: checked at least every 30
// seconds and whenever check() is called (after resume from suspend), never by one
// long timer. Each occurrence fires once; a repeating request fires at most once per
// check, so a long suspend gives no burst, and an occurrence at or before the last one
// fired is never fired again when the clock is set back. A one-time request found due
// on a later day than its own is dropped unshown, unless its showUntil lies ahead.
class NotificationScheduler : public QObject {
    Q_OBJECT
public:
    static constexpr int maxCheckIntervalMs = 30'000;

    explicit NotificationScheduler(const Clock& clock, QObject* parent = nullptr);

    // Takes over a state kept from an earlier run. One-time requests that fell due
    // meanwhile leave the list and, if still true today, are returned to be delivered
    // once, as are the undelivered ones; repeating ones that were missed move on to
    // their next occurrence without firing. Each returned entry's `next` is when it
    // fell due.
    QList<ScheduledRequest> restore(SchedulerState state);
    const SchedulerState& state() const { return m_state; }

    QList<NotificationRequest> pending() const;
    void add(const NotificationRequest& request); // replaces one with the same identifier
    void remove(const QStringList& identifiers);

    // A fired request that could not be shown, kept until a notification server is
    // there (replaces one kept with the same identifier).
    void keepUndelivered(const ScheduledRequest& fired);
    void dropUndelivered(const QStringList& identifiers);
    // The kept ones that are still true now, leaving the list; stale ones are dropped.
    QList<ScheduledRequest> takeUndelivered();

    // Starts the regular re-checks (tests drive check() by hand instead).
    void start();

public Q_SLOTS:
    void check();

Q_SIGNALS:
    void due(const tavlen::NotificationRequest& request, const tavlen::WallTime& at);
    void changed(); // the state to keep on disk changed

private:
    std::optional<WallTime> nextOccurrence(const NotificationRequest& request,
                                           const QDateTime& now) const;
    WallTime floorFor(const QString& identifier, const WallTime& wallNow) const;
    bool isStale(const ScheduledRequest& fired, const QDateTime& now) const;
    void armTimer();
    void armTimerFor(const ScheduledRequest& entry);
    void reindex();

    const Clock& m_clock;
    SchedulerState m_state;
    QHash<QString, qsizetype> m_index; // identifier -> position in m_state.pending
    QDateTime m_lastCheck;
    bool m_started = false;
    QTimer m_timer;
};

} // namespace tavlen
