#include "DesktopNotificationCenter.h"

#include "NotificationDelivery.h"
#include "NotificationScheduler.h"
#include "PendingNotificationsFile.h"
#include "SleepWatcher.h"
#include "XdgDirs.h"

#include <QDir>

namespace tavlen {

namespace {
// Changes from one refresh arrive one by one; one write after the burst is enough.
constexpr int saveDelayMs = 250;
} // namespace

DesktopNotificationCenter::DesktopNotificationCenter(const Clock& clock, const QString& stateDir,
                                                     QObject* parent)
    : DesktopNotificationCenter(clock, stateDir, QDBusConnection::sessionBus(), parent) {}

DesktopNotificationCenter::DesktopNotificationCenter(const Clock& clock, const QString& stateDir,
                                                     const QDBusConnection& notificationBus,
                                                     QObject* parent)
    : NotificationCenter(parent), m_file(std::make_unique<PendingNotificationsFile>(stateDir)),
      m_scheduler(new NotificationScheduler(clock, this)),
      m_delivery(new NotificationDelivery(notificationBus, this)) {
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(saveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &DesktopNotificationCenter::saveNow);
    connect(m_scheduler, &NotificationScheduler::changed, this, [this] {
        m_dirty = true;
        if (!m_saveTimer.isActive())
            m_saveTimer.start();
    });
    connect(m_scheduler, &NotificationScheduler::due, this, &DesktopNotificationCenter::deliver);
    connect(m_delivery, &NotificationDelivery::activated, this,
            &DesktopNotificationCenter::activated);
    auto* sleep = new SleepWatcher(QDBusConnection::systemBus(), this);
    connect(sleep, &SleepWatcher::resumed, m_scheduler, &NotificationScheduler::check);

    const QList<NotificationRequest> missed = m_scheduler->restore(m_file->load());
    m_dirty = true;
    saveNow(); // before delivering, so a crash now cannot deliver them twice
    for (const NotificationRequest& request : missed)
        m_delivery->deliver(request.title, request.body, request.defaultSound);
    m_scheduler->start();
}

DesktopNotificationCenter::~DesktopNotificationCenter() {
    saveNow();
}

QString DesktopNotificationCenter::stateDirFromEnvironment() {
    return xdgHome("XDG_STATE_HOME", ".local/state") + QStringLiteral("/Tavlen");
}

void DesktopNotificationCenter::later(std::function<void()> job) {
    QMetaObject::invokeMethod(this, std::move(job), Qt::QueuedConnection);
}

void DesktopNotificationCenter::authorizationStatus(StatusCompletion done) {
    // The desktop's own settings decide what is shown; there is nothing to ask.
    later([done = std::move(done)] {
        if (done)
            done(AuthorizationStatus::Authorized);
    });
}

void DesktopNotificationCenter::requestAuthorization(AuthorizationCompletion done) {
    later([done = std::move(done)] {
        if (done)
            done(true, QString());
    });
}

void DesktopNotificationCenter::pendingRequests(PendingCompletion done) {
    later([done = std::move(done), pending = m_scheduler->pending()] {
        if (done)
            done(pending);
    });
}

void DesktopNotificationCenter::add(const NotificationRequest& request, AddCompletion done) {
    QString error;
    if (request.identifier.isEmpty())
        error = QStringLiteral("A notification request needs an identifier.");
    else
        m_scheduler->add(request);
    later([done = std::move(done), error] {
        if (done)
            done(error);
    });
}

void DesktopNotificationCenter::removePending(const QStringList& identifiers, Completion done) {
    m_scheduler->remove(identifiers);
    later([done = std::move(done)] {
        if (done)
            done();
    });
}

void DesktopNotificationCenter::checkNow() {
    m_scheduler->check();
}

void DesktopNotificationCenter::deliver(const NotificationRequest& request) {
    saveNow(); // the list without it is on disk before it is shown
    m_delivery->deliver(request.title, request.body, request.defaultSound);
}

void DesktopNotificationCenter::saveNow() {
    m_saveTimer.stop();
    if (!m_dirty)
        return;
    // A failed write is retried with the next change; reminders keep working meanwhile.
    m_dirty = !m_file->save(m_scheduler->state());
}

} // namespace tavlen
