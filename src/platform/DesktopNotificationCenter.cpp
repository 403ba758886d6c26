#include "DesktopNotificationCenter.h"

#include "Logging.h"
#include "NotificationDelivery.h"
#include "NotificationScheduler.h"
#include "PendingNotificationsFile.h"
#include "SleepWatcher.h"
#include "core/XdgDirs.h"

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
    connect(m_delivery, &NotificationDelivery::actionInvoked, this,
            &NotificationCenter::actionInvoked);
    connect(m_delivery, &NotificationDelivery::delivered, this, [this](quint64 ticket) {
        m_inFlight.remove(ticket);
        if (const AddCompletion done = m_posting.take(ticket))
            done(QString());
    });
    connect(m_delivery, &NotificationDelivery::dropped, this, [this](quint64 ticket) {
        if (const AddCompletion done = m_posting.take(ticket))
            done(QStringLiteral("No notification server showed it."));
        const auto it = m_inFlight.constFind(ticket);
        if (it == m_inFlight.constEnd())
            return;
        qCInfo(lcNotify).noquote()
            << "Keeping" << it->request.identifier << "until a notification server appears";
        m_scheduler->keepUndelivered({it->request, it->dueAt});
        m_inFlight.erase(it);
        saveNow();
    });
    connect(m_delivery, &NotificationDelivery::serverAppeared, this,
            &DesktopNotificationCenter::deliverUndelivered);
    auto* sleep = new SleepWatcher(QDBusConnection::systemBus(), this);
    connect(sleep, &SleepWatcher::resumed, m_scheduler, &NotificationScheduler::check);

    const QList<ScheduledRequest> missed = m_scheduler->restore(m_file->load());
    m_dirty = true;
    saveNow(); // before delivering, so a crash now cannot deliver them twice
    for (const ScheduledRequest& entry : missed)
        deliver(entry.request, *entry.next);
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

void DesktopNotificationCenter::post(const NotificationRequest& request, AddCompletion done) {
    if (request.identifier.isEmpty()) {
        later([done = std::move(done)] {
            if (done)
                done(QStringLiteral("A notification request needs an identifier."));
        });
        return;
    }
    // Not in flight: one that no server took is dropped, not kept for later.
    const quint64 ticket = ++m_lastTicket;
    if (done)
        m_posting.insert(ticket, std::move(done));
    m_delivery->deliver(ticket, request);
}

void DesktopNotificationCenter::shownIdentifiers(IdentifiersCompletion done) {
    QStringList shown = m_delivery->shownIdentifiers();
    for (const ScheduledRequest& kept : m_scheduler->state().undelivered)
        shown.append(kept.request.identifier);
    later([done = std::move(done), shown] {
        if (done)
            done(shown);
    });
}

void DesktopNotificationCenter::withdraw(const QStringList& identifiers) {
    m_delivery->withdraw(identifiers);
    m_scheduler->dropUndelivered(identifiers);
}

void DesktopNotificationCenter::server(ServerCompletion done) {
    m_delivery->askServer(std::move(done));
}

void DesktopNotificationCenter::checkNow() {
    m_scheduler->check();
}

void DesktopNotificationCenter::deliver(const NotificationRequest& request, const WallTime& dueAt) {
    saveNow(); // the list without it is on disk before it is shown
    const quint64 ticket = ++m_lastTicket;
    m_inFlight.insert(ticket, {request, dueAt});
    m_delivery->deliver(ticket, request);
}

void DesktopNotificationCenter::deliverUndelivered() {
    const QList<ScheduledRequest> kept = m_scheduler->takeUndelivered();
    for (const ScheduledRequest& entry : kept)
        deliver(entry.request, *entry.next);
}

void DesktopNotificationCenter::saveNow() {
    m_saveTimer.stop();
    if (!m_dirty)
        return;
    // A failed write is retried with the next change; reminders keep working meanwhile.
    m_dirty = !m_file->save(m_scheduler->state());
    if (m_dirty)
        qCWarning(lcNotify).noquote()
            << "Could not keep the pending reminders in" << m_file->path();
}

} // namespace tavlen
