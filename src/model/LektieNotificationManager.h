#pragma once

#include "Records.h"
#include "core/NotificationCenter.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace tavlen {

class Clock;

// Keeps the desktop's pending notifications in line with the homework: a daily
// summary at 18:00 and up to three reminders before each open deadline. Every
// refresh throws away the requests it made earlier and schedules them anew.
// Overlapping refreshes are run one after another, and a refresh that is still
// waiting to start is replaced by a newer one, so the schedule left when all
// are done matches the lists of the last call.
class LektieNotificationManager : public QObject {
    Q_OBJECT
public:
    static inline const QString dailySummaryIdentifier = QStringLiteral("daily-summary");
    static inline const QString lektieReminderPrefix = QStringLiteral("lektie-reminder-");
    static inline const QString markerFaerdigAction = QStringLiteral("marker-faerdig");

    LektieNotificationManager(NotificationCenter& center, const Clock& clock,
                              QObject* parent = nullptr);
    ~LektieNotificationManager() override;

    NotificationCenter& center() const { return m_center; }

    // Asynchronous; `done` (optional) is called once a refresh that saw these
    // lists, or newer ones, has finished.
    void refreshNotifications(const QList<Lektie>& lektier, const QList<Fag>& fag,
                              std::function<void()> done = {});

    bool isIdle() const;

    static QString reminderIdentifier(const Lektie& lektie, int daysBefore);
    static QString reminderTitle(int daysBefore);
    static QString reminderBody(const Lektie& lektie, const QList<Fag>& fag, int daysBefore);
    static QString subjectName(const QUuid& fagId, const QList<Fag>& fag); // "Ukendt fag" if none
    // The homework item a reminder's identifier names; none for the daily summary and
    // anything else.
    static std::optional<QUuid> lektieIdOf(const QString& identifier);
    // Which of the shown reminders no longer say something true: those of items that are
    // done or gone, and the daily summary once nothing is open.
    static QStringList stale(const QStringList& shown, const QList<Lektie>& lektier);
    // The pending request that fires first after `now`, and when.
    struct Next {
        QDateTime at;
        NotificationRequest request;
    };
    static std::optional<Next> next(const QList<NotificationRequest>& pending, const QDateTime& now,
                                    const QTimeZone& zone);

Q_SIGNALS:
    void refreshFinished();

private:
    struct Run;
    void startNext();
    void removeManaged(const std::shared_ptr<Run>& run, bool mayAdd);
    void withdrawStale(const std::shared_ptr<Run>& run, bool mayAdd);
    void scheduleAll(const std::shared_ptr<Run>& run);
    void scheduleDailySummary(const std::shared_ptr<Run>& run, const QList<Lektie>& aktive);
    void scheduleDeadlineReminders(const std::shared_ptr<Run>& run, const Lektie& lektie);
    void addRequest(const std::shared_ptr<Run>& run, const NotificationRequest& request);
    void finish(const std::shared_ptr<Run>& run);

    NotificationCenter& m_center;
    const Clock& m_clock;
    bool m_running = false;
    struct Pending;
    std::unique_ptr<Pending> m_pending;
};

} // namespace tavlen
