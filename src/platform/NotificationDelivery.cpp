#include "NotificationDelivery.h"

#include "Logging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QVariantMap>

namespace tavlen {

namespace {
const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");
constexpr int callTimeoutMs = 10'000;
} // namespace

NotificationDelivery::NotificationDelivery(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_bus(bus) {
    if (!m_bus.isConnected())
        return;
    m_bus.connect(QString(), path, interfaceName, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(QString(), path, interfaceName, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
    // Another server may bring other capabilities.
    auto* watcher =
        new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                m_bodyMarkup.reset();
                m_shown.clear();
                if (!newOwner.isEmpty())
                    Q_EMIT serverAppeared();
            });
}

QString NotificationDelivery::escapeMarkup(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

void NotificationDelivery::deliver(quint64 ticket, const QString& title, const QString& body,
                                   bool defaultSound) {
    if (!m_bus.isConnected()) {
        qCWarning(lcNotify) << "No session bus: a notification cannot be shown";
        Q_EMIT dropped(ticket);
        return;
    }
    const Pending notification{ticket, title, body, defaultSound};
    if (m_bodyMarkup) {
        send(notification);
        return;
    }
    m_waiting.append(notification);
    queryCapabilities();
}

void NotificationDelivery::queryCapabilities() {
    if (m_querying)
        return;
    m_querying = true;
    const QDBusMessage call = QDBusMessage::createMethodCall(service, path, interfaceName,
                                                             QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* w) { onCapabilities(w); });
}

void NotificationDelivery::onCapabilities(QDBusPendingCallWatcher* watcher) {
    watcher->deleteLater();
    m_querying = false;
    const QDBusPendingReply<QStringList> reply = *watcher;
    const QList<Pending> waiting = std::exchange(m_waiting, {});
    if (reply.isError()) {
        // No server to ask: nothing can be shown now; ask again next time.
        qCWarning(lcNotify).noquote()
            << "No notification server answers:" << reply.error().message();
        for (const Pending& notification : waiting)
            Q_EMIT dropped(notification.ticket);
        return;
    }
    m_bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
    for (const Pending& notification : waiting)
        send(notification);
}

void NotificationDelivery::send(const Pending& notification) {
    QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
    if (notification.defaultSound)
        hints.insert(QStringLiteral("sound-name"), soundName);
    const QString body =
        m_bodyMarkup.value_or(false) ? escapeMarkup(notification.body) : notification.body;

    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interfaceName, QStringLiteral("Notify"));
    call << appName << uint(0) << appId << notification.title << body
         << QStringList{QStringLiteral("default"), QStringLiteral("Åbn Tavlen")} << hints
         << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    const quint64 ticket = notification.ticket;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, ticket](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError()) {
                    qCWarning(lcNotify).noquote()
                        << "The notification server refused a notification:"
                        << reply.error().message();
                    Q_EMIT dropped(ticket);
                    return;
                }
                m_shown.insert(reply.value());
                Q_EMIT delivered(ticket, reply.value());
            });
}

void NotificationDelivery::onActionInvoked(uint id, const QString& actionKey) {
    if (actionKey == QStringLiteral("default") && m_shown.contains(id))
        Q_EMIT activated();
}

void NotificationDelivery::onNotificationClosed(uint id, uint) {
    m_shown.remove(id);
}

} // namespace tavlen
