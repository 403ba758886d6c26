#pragma once

#include "core/CalendarTriggerRule.h"
#include "core/NotificationCenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QTimer>
#include <memory>

namespace tavlen {

class Clock;
class NotificationDelivery;
class NotificationScheduler;
class PendingNotificationsFile;

// The Linux notification center: keeps the pending requests (also on disk, so a
// reminder that fell due while Tavlen was not running is delivered at the next
// start), checks the wall clock regularly and delivers due requests through the
// freedesktop notification service on the session bus. A reminder that no server
// took is kept and sent once when one appears, while what it says is still true.
// (Public surface agreed with the application shell; internals are free.)
class DesktopNotificationCenter : public NotificationCenter {
    Q_OBJECT
public:
    // stateDir: where the pending list is kept, normally $XDG_STATE_HOME/Tavlen.
    // Loading happens here: one-time requests that fell due while the program was
    // not running are delivered once, before anything else can change the list.
    DesktopNotificationCenter(const Clock& clock, const QString& stateDir,
                              QObject* parent = nullptr);
    // The same, delivering on the given bus instead of the session bus.
    DesktopNotificationCenter(const Clock& clock, const QString& stateDir,
                              const QDBusConnection& notificationBus, QObject* parent = nullptr);
    ~DesktopNotificationCenter() override;

    static QString stateDirFromEnvironment(); // $XDG_STATE_HOME/Tavlen or ~/.local/state/Tavlen

    void authorizationStatus(StatusCompletion done) override;
    void requestAuthorization(AuthorizationCompletion done) override;
    void pendingRequests(PendingCompletion done) override;
    void add(const NotificationRequest& request, AddCompletion done) override;
    void removePending(const QStringList& identifiers, Completion done) override;
    void post(const NotificationRequest& request, AddCompletion done) override;
    void shownIdentifiers(IdentifiersCompletion done) override;
    void withdraw(const QStringList& identifiers) override;
    void server(ServerCompletion done) override;

    // Looks at the clock now instead of at the next regular check (tests, resume).
    void checkNow();

private:
    void later(std::function<void()> job);
    void deliver(const NotificationRequest& request, const WallTime& dueAt);
    void deliverUndelivered();
    void saveNow();

    std::unique_ptr<PendingNotificationsFile> m_file;
    NotificationScheduler* m_scheduler;
    NotificationDelivery* m_delivery;
    QTimer m_saveTimer;
    bool m_dirty = false;
    struct InFlight {
        NotificationRequest request;
        WallTime dueAt;
    };
    QHash<quint64, InFlight> m_inFlight;     // handed to the server, no answer yet
    QHash<quint64, AddCompletion> m_posting; // posted, no answer yet
    quint64 m_lastTicket = 0;
};

} // namespace tavlen
