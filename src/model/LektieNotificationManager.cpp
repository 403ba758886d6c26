#include "LektieNotificationManager.h"

#include "core/CalendarTriggerRule.h"
#include "core/Clock.h"

#include <QPointer>
#include <QSet>
#include <algorithm>
#include <vector>

namespace tavlen {

namespace {

struct ReminderRow {
    int daysBefore;
    int hour;
    int minute;
};
constexpr ReminderRow reminderRows[] = {{3, 16, 0}, {1, 16, 0}, {0, 8, 0}};

bool isManaged(const QString& identifier) {
    return identifier == LektieNotificationManager::dailySummaryIdentifier ||
           identifier.startsWith(LektieNotificationManager::lektieReminderPrefix);
}

} // namespace

// The lists one refresh works on, and who waits for it.
struct LektieNotificationManager::Pending {
    QList<Lektie> lektier;
    QList<Fag> fag;
    std::vector<std::function<void()>> done;
};

struct LektieNotificationManager::Run {
    Pending job;
    int outstandingAdds = 0;
};

LektieNotificationManager::LektieNotificationManager(NotificationCenter& center, const Clock& clock,
                                                     QObject* parent)
    : QObject(parent), m_center(center), m_clock(clock) {}

LektieNotificationManager::~LektieNotificationManager() = default;

bool LektieNotificationManager::isIdle() const {
    return !m_running && !m_pending;
}

// Refreshes run one at a time: two interleaved runs could let an older run's adds
// land after a newer run's removal. Only the newest waiting lists are kept.
void LektieNotificationManager::refreshNotifications(const QList<Lektie>& lektier,
                                                     const QList<Fag>& fag,
                                                     std::function<void()> done) {
    if (!m_pending)
        m_pending = std::make_unique<Pending>();
    m_pending->lektier = lektier;
    m_pending->fag = fag;
    if (done)
        m_pending->done.push_back(std::move(done));
    if (!m_running)
        startNext();
}

void LektieNotificationManager::startNext() {
    if (!m_pending)
        return;
    auto run = std::make_shared<Run>();
    run->job = std::move(*m_pending);
    m_pending.reset();
    m_running = true;

    QPointer<LektieNotificationManager> self(this);
    m_center.authorizationStatus([self, run](AuthorizationStatus status) {
        if (!self)
            return;
        const bool mayAdd =
            status == AuthorizationStatus::Authorized || status == AuthorizationStatus::Provisional;
        self->removeManaged(run, mayAdd);
    });
}

void LektieNotificationManager::removeManaged(const std::shared_ptr<Run>& run, bool mayAdd) {
    QPointer<LektieNotificationManager> self(this);
    m_center.pendingRequests([self, run, mayAdd](const QList<NotificationRequest>& pending) {
        if (!self)
            return;
        QStringList managed;
        for (const NotificationRequest& request : pending) {
            if (isManaged(request.identifier))
                managed.append(request.identifier);
        }
        self->m_center.removePending(managed, [self, run, mayAdd] {
            if (self)
                self->withdrawStale(run, mayAdd);
        });
    });
}

void LektieNotificationManager::withdrawStale(const std::shared_ptr<Run>& run, bool mayAdd) {
    QPointer<LektieNotificationManager> self(this);
    m_center.shownIdentifiers([self, run, mayAdd](const QStringList& shown) {
        if (!self)
            return;
        if (const QStringList gone = stale(shown, run->job.lektier); !gone.isEmpty())
            self->m_center.withdraw(gone);
        if (mayAdd)
            self->scheduleAll(run);
        else
            self->finish(run);
    });
}

void LektieNotificationManager::scheduleAll(const std::shared_ptr<Run>& run) {
    QList<Lektie> aktive;
    for (const Lektie& lektie : run->job.lektier) {
        if (!lektie.erFaerdig)
            aktive.append(lektie);
    }
    if (aktive.isEmpty()) {
        finish(run);
        return;
    }
    std::stable_sort(aktive.begin(), aktive.end(),
                     [](const Lektie& a, const Lektie& b) { return a.deadline < b.deadline; });

    // Held until every add is issued, so completions that arrive early cannot end the run.
    ++run->outstandingAdds;
    scheduleDailySummary(run, aktive);
    for (const Lektie& lektie : std::as_const(aktive))
        scheduleDeadlineReminders(run, lektie);
    if (--run->outstandingAdds == 0)
        finish(run);
}

void LektieNotificationManager::scheduleDailySummary(const std::shared_ptr<Run>& run,
                                                     const QList<Lektie>& aktive) {
    const Lektie& naeste = aktive.first();
    NotificationRequest request;
    request.identifier = dailySummaryIdentifier;
    request.title = QStringLiteral("Husk dine lektier");
    request.body = QStringLiteral("Du har ") + QString::number(aktive.size()) +
                   QStringLiteral(" aktive lektier. Næste er ") + naeste.titel +
                   QStringLiteral(" i ") + subjectName(naeste.fagId, run->job.fag) +
                   QStringLiteral(".");
    request.trigger.hour = 18;
    request.trigger.minute = 0;
    request.trigger.repeats = true;
    addRequest(run, request);
}

void LektieNotificationManager::scheduleDeadlineReminders(const std::shared_ptr<Run>& run,
                                                          const Lektie& lektie) {
    const QTimeZone zone = m_clock.timeZone();
    const QDateTime now = m_clock.now();
    const QDate deadlineDay = lektie.deadline.toTimeZone(zone).date();
    for (const ReminderRow& row : reminderRows) {
        const QDate day = deadlineDay.addDays(-row.daysBefore);
        if (!day.isValid())
            continue;
        const QDateTime fire(day, QTime(row.hour, row.minute), zone);
        if (!fire.isValid() || fire <= now)
            continue;

        NotificationRequest request;
        request.identifier = reminderIdentifier(lektie, row.daysBefore);
        request.title = reminderTitle(row.daysBefore);
        request.body = reminderBody(lektie, run->job.fag, row.daysBefore);
        request.trigger.year = day.year();
        request.trigger.month = day.month();
        request.trigger.day = day.day();
        request.trigger.hour = row.hour;
        request.trigger.minute = row.minute;
        request.trigger.repeats = false;
        // "nærmer sig deadline" names no day: it stays true until the deadline.
        if (row.daysBefore == 3)
            request.showUntil = lektie.deadline;
        request.actions = {{markerFaerdigAction, QStringLiteral("Markér som færdig")}};
        addRequest(run, request);
    }
}

void LektieNotificationManager::addRequest(const std::shared_ptr<Run>& run,
                                           const NotificationRequest& request) {
    ++run->outstandingAdds;
    QPointer<LektieNotificationManager> self(this);
    // An error from adding is dropped: that one request is simply missing.
    m_center.add(request, [self, run](const QString&) {
        if (self && --run->outstandingAdds == 0)
            self->finish(run);
    });
}

void LektieNotificationManager::finish(const std::shared_ptr<Run>& run) {
    m_running = false;
    const auto done = std::move(run->job.done);
    run->job.done.clear();
    for (const auto& callback : done)
        callback();
    Q_EMIT refreshFinished();
    if (!m_running)
        startNext();
}

QString LektieNotificationManager::reminderIdentifier(const Lektie& lektie, int daysBefore) {
    return lektieReminderPrefix + uuidTekst(lektie.id) + QLatin1Char('-') +
           QString::number(daysBefore);
}

QString LektieNotificationManager::reminderTitle(int daysBefore) {
    switch (daysBefore) {
    case 1:
        return QStringLiteral("Lektie i morgen");
    case 0:
        return QStringLiteral("Lektie i dag");
    default:
        return QStringLiteral("Lektie snart");
    }
}

QString LektieNotificationManager::reminderBody(const Lektie& lektie, const QList<Fag>& fag,
                                                int daysBefore) {
    QString ending;
    switch (daysBefore) {
    case 1:
        ending = QStringLiteral(" har deadline i morgen.");
        break;
    case 0:
        ending = QStringLiteral(" skal laves i dag.");
        break;
    default:
        ending = QStringLiteral(" nærmer sig deadline.");
        break;
    }
    return lektie.titel + QStringLiteral(" i ") + subjectName(lektie.fagId, fag) + ending;
}

std::optional<QUuid> LektieNotificationManager::lektieIdOf(const QString& identifier) {
    if (!identifier.startsWith(lektieReminderPrefix))
        return std::nullopt;
    // The prefix, the id, a dash and the days before.
    const QUuid id = QUuid::fromString(
        QStringView(identifier).mid(lektieReminderPrefix.size(), uuidTekst(QUuid()).size()));
    if (id.isNull())
        return std::nullopt;
    return id;
}

QStringList LektieNotificationManager::stale(const QStringList& shown,
                                             const QList<Lektie>& lektier) {
    QSet<QUuid> aabne;
    for (const Lektie& lektie : lektier) {
        if (!lektie.erFaerdig)
            aabne.insert(lektie.id);
    }
    QStringList gone;
    for (const QString& identifier : shown) {
        const std::optional<QUuid> id = lektieIdOf(identifier);
        bool forGammel = false;
        if (identifier == dailySummaryIdentifier)
            forGammel = aabne.isEmpty();
        else if (id)
            forGammel = !aabne.contains(*id);
        if (forGammel && !gone.contains(identifier))
            gone.append(identifier);
    }
    return gone;
}

std::optional<LektieNotificationManager::Next>
LektieNotificationManager::next(const QList<NotificationRequest>& pending, const QDateTime& now,
                                const QTimeZone& zone) {
    std::optional<Next> first;
    for (const NotificationRequest& request : pending) {
        if (!isManaged(request.identifier))
            continue;
        const std::optional<QDateTime> at = nextFireMoment(request.trigger, zone, now);
        if (at && (!first || *at < first->at))
            first = Next{*at, request};
    }
    return first;
}

QString LektieNotificationManager::subjectName(const QUuid& fagId, const QList<Fag>& fag) {
    for (const Fag& f : fag) {
        if (f.id == fagId)
            return f.navn;
    }
    return QStringLiteral("Ukendt fag");
}

} // namespace tavlen
