#include "NotificationScheduler.h"

#include "core/Clock.h"

#include <QSet>

#include <algorithm>

namespace tavlen {

namespace {
// Enough steps to get past any run of readings a clock change or overlap put behind us.
constexpr int maxSteps = 4 * 60;
// Checks are timed a little past a due moment, so the wall clock has surely reached it.
constexpr qint64 checkSlackMs = 20;
} // namespace

// A one-time reminder speaks of its own day ("i dag", "i morgen"); shown on a later
// day it would tell the pupil something false, so it then leaves without being shown.
bool NotificationScheduler::isStale(const ScheduledRequest& fired, const QDateTime& now) const {
    if (!fired.next || fired.next->date() >= wallTimeAt(now, m_clock.timeZone()).date())
        return false;
    return !fired.request.showUntil || *fired.request.showUntil <= now;
}

NotificationScheduler::NotificationScheduler(const Clock& clock, QObject* parent)
    : QObject(parent), m_clock(clock) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &NotificationScheduler::check);
}

WallTime NotificationScheduler::floorFor(const QString& identifier, const WallTime& wallNow) const {
    const auto fired = m_state.lastFired.constFind(identifier);
    // A last firing more than a day ahead of the clock belongs to a clock that was
    // wrong; holding on to it would silence the request for that long.
    if (fired != m_state.lastFired.constEnd() && *fired <= wallNow.addDays(1))
        return std::max(wallNow, *fired);
    return wallNow;
}

std::optional<WallTime> NotificationScheduler::nextOccurrence(const NotificationRequest& request,
                                                              const QDateTime& now) const {
    const QTimeZone zone = m_clock.timeZone();
    WallTime floor = floorFor(request.identifier, wallTimeAt(now, zone));
    for (int i = 0; i < maxSteps; ++i) {
        const auto match = nextMatch(request.trigger, floor);
        if (!match || momentOf(*match, zone) > now)
            return match;
        floor = *match;
    }
    return std::nullopt;
}

QList<ScheduledRequest> NotificationScheduler::restore(SchedulerState state) {
    const QDateTime now = m_clock.now();
    const QTimeZone zone = m_clock.timeZone();
    m_state = SchedulerState{{}, std::move(state.lastFired), {}};
    m_index.clear();
    QList<ScheduledRequest> dueNow;
    for (const ScheduledRequest& kept : std::as_const(state.undelivered)) {
        if (!isStale(kept, now))
            dueNow.append(kept);
    }
    for (ScheduledRequest& entry : state.pending) {
        if (m_index.contains(entry.request.identifier))
            continue;
        if (entry.request.trigger.repeats) {
            // Missed occurrences are not replayed; the history keeps fired ones from
            // coming back.
            entry.next = nextOccurrence(entry.request, now);
        } else if (entry.next && momentOf(*entry.next, zone) <= now) {
            m_state.lastFired.insert(entry.request.identifier, *entry.next);
            if (!isStale(entry, now))
                dueNow.append(entry);
            continue;
        }
        m_index.insert(entry.request.identifier, m_state.pending.size());
        m_state.pending.append(entry);
    }
    m_lastCheck = now;
    return dueNow;
}

void NotificationScheduler::keepUndelivered(const ScheduledRequest& fired) {
    m_state.undelivered.removeIf([&](const ScheduledRequest& e) {
        return e.request.identifier == fired.request.identifier;
    });
    m_state.undelivered.append(fired);
    Q_EMIT changed();
}

void NotificationScheduler::dropUndelivered(const QStringList& identifiers) {
    if (m_state.undelivered.removeIf([&](const ScheduledRequest& e) {
            return identifiers.contains(e.request.identifier);
        }) > 0)
        Q_EMIT changed();
}

QList<ScheduledRequest> NotificationScheduler::takeUndelivered() {
    if (m_state.undelivered.isEmpty())
        return {};
    const QDateTime now = m_clock.now();
    QList<ScheduledRequest> taken;
    for (const ScheduledRequest& kept : std::exchange(m_state.undelivered, {})) {
        if (!isStale(kept, now))
            taken.append(kept);
    }
    Q_EMIT changed();
    return taken;
}

QList<NotificationRequest> NotificationScheduler::pending() const {
    QList<NotificationRequest> requests;
    requests.reserve(m_state.pending.size());
    for (const ScheduledRequest& entry : m_state.pending)
        requests.append(entry.request);
    return requests;
}

void NotificationScheduler::add(const NotificationRequest& request) {
    const ScheduledRequest entry{request, nextOccurrence(request, m_clock.now())};
    const auto known = m_index.constFind(request.identifier);
    if (known != m_index.constEnd()) {
        m_state.pending[*known] = entry;
    } else {
        m_index.insert(request.identifier, m_state.pending.size());
        m_state.pending.append(entry);
    }
    Q_EMIT changed();
    armTimerFor(entry);
}

void NotificationScheduler::remove(const QStringList& identifiers) {
    const QSet<QString> gone(identifiers.cbegin(), identifiers.cend());
    const auto removed = m_state.pending.removeIf(
        [&](const ScheduledRequest& e) { return gone.contains(e.request.identifier); });
    if (removed > 0) {
        reindex();
        Q_EMIT changed();
    }
}

void NotificationScheduler::reindex() {
    m_index.clear();
    for (qsizetype i = 0; i < m_state.pending.size(); ++i)
        m_index.insert(m_state.pending.at(i).request.identifier, i);
}

void NotificationScheduler::start() {
    m_started = true;
    check();
}

void NotificationScheduler::check() {
    const QDateTime now = m_clock.now();
    const QTimeZone zone = m_clock.timeZone();
    const WallTime wallNow = wallTimeAt(now, zone);
    bool stateChanged = false;

    if (m_lastCheck.isValid() && now < m_lastCheck) {
        // The clock was set back: repeating requests start again from the new reading,
        // still never at or before what they last fired.
        for (ScheduledRequest& entry : m_state.pending) {
            if (!entry.request.trigger.repeats)
                continue;
            const auto next = nextOccurrence(entry.request, now);
            stateChanged = stateChanged || next != entry.next;
            entry.next = next;
        }
    }
    m_lastCheck = now;

    const auto pruned = m_state.lastFired.removeIf(
        [&](const auto& fired) { return fired.value() < wallNow.addDays(-2); });
    const auto expired =
        m_state.undelivered.removeIf([&](const ScheduledRequest& e) { return isStale(e, now); });
    stateChanged = stateChanged || pruned > 0 || expired > 0;

    struct Due {
        QDateTime moment;
        qsizetype position;
    };
    QList<Due> dueList;
    for (qsizetype i = 0; i < m_state.pending.size(); ++i) {
        const ScheduledRequest& entry = m_state.pending.at(i);
        if (!entry.next)
            continue;
        const QDateTime moment = momentOf(*entry.next, zone);
        if (moment <= now)
            dueList.append({moment, i});
    }
    std::stable_sort(dueList.begin(), dueList.end(),
                     [](const Due& a, const Due& b) { return a.moment < b.moment; });

    QList<ScheduledRequest> fired; // each with the wall time it fell due
    QSet<QString> done;            // one-time requests that leave the list
    for (const Due& due : std::as_const(dueList)) {
        ScheduledRequest& entry = m_state.pending[due.position];
        m_state.lastFired.insert(entry.request.identifier, *entry.next);
        if (entry.request.trigger.repeats) {
            fired.append(entry);
            entry.next = nextOccurrence(entry.request, now);
        } else {
            if (!isStale(entry, now))
                fired.append(entry);
            done.insert(entry.request.identifier);
        }
    }
    if (!done.isEmpty()) {
        m_state.pending.removeIf(
            [&](const ScheduledRequest& e) { return done.contains(e.request.identifier); });
        reindex();
    }

    if (stateChanged || !dueList.isEmpty())
        Q_EMIT changed();
    for (const ScheduledRequest& entry : std::as_const(fired))
        Q_EMIT due(entry.request, *entry.next);
    armTimer();
}

void NotificationScheduler::armTimerFor(const ScheduledRequest& entry) {
    // Only the new entry can make the next check earlier; a full scan per add would
    // make a refresh of many requests quadratic.
    if (!m_started || !entry.next)
        return;
    const qint64 wait =
        m_clock.now().msecsTo(momentOf(*entry.next, m_clock.timeZone())) + checkSlackMs;
    if (!m_timer.isActive() || wait < m_timer.remainingTime())
        m_timer.start(int(std::clamp<qint64>(wait, checkSlackMs, maxCheckIntervalMs)));
}

void NotificationScheduler::armTimer() {
    if (!m_started)
        return;
    const QDateTime now = m_clock.now();
    const QTimeZone zone = m_clock.timeZone();
    qint64 wait = maxCheckIntervalMs;
    for (const ScheduledRequest& entry : std::as_const(m_state.pending)) {
        if (entry.next)
            wait = std::min(wait, now.msecsTo(momentOf(*entry.next, zone)));
    }
    m_timer.start(int(std::clamp<qint64>(wait + checkSlackMs, checkSlackMs, maxCheckIntervalMs)));
}

} // namespace tavlen
