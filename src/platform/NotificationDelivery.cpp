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
                m_capabilities.reset();
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

void NotificationDelivery::deliver(quint64 ticket, const NotificationRequest& request) {
    if (!m_bus.isConnected()) {
        qCWarning(lcNotify) << "No session bus: a notification cannot be shown";
        Q_EMIT dropped(ticket);
        return;
    }
    const Pending notification{ticket, request};
    if (m_capabilities) {
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
    m_capabilities = reply.value();
    for (const Pending& notification : waiting)
        send(notification);
}

void NotificationDelivery::send(const Pending& notification) {
    const NotificationRequest& request = notification.request;
    QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
    if (request.defaultSound)
        hints.insert(QStringLiteral("sound-name"), soundName);
    const bool markup = m_capabilities->contains(QStringLiteral("body-markup"));
    const QString body = markup ? escapeMarkup(request.body) : request.body;
    QStringList actions{NotificationCenter::defaultAction, QStringLiteral("Åbn Tavlen")};
    // A server without buttons would show their labels as text, or nothing to click.
    if (m_capabilities->contains(QStringLiteral("actions"))) {
        for (const NotificationAction& action : request.actions)
            actions << action.key << action.label;
    }

    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interfaceName, QStringLiteral("Notify"));
    call << appName << uint(0) << appId << request.title << body << actions << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    const quint64 ticket = notification.ticket;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, ticket, identifier = request.identifier](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError()) {
                    qCWarning(lcNotify).noquote()
                        << "The notification server refused a notification:"
                        << reply.error().message();
                    Q_EMIT dropped(ticket);
                    return;
                }
                m_shown.insert(reply.value(), identifier);
                Q_EMIT delivered(ticket, reply.value());
            });
}

void NotificationDelivery::onActionInvoked(uint id, const QString& actionKey) {
    const auto shown = m_shown.constFind(id);
    if (shown == m_shown.constEnd())
        return;
    const QString identifier = *shown;
    // Acted on, it has said what it had to; not every server takes it away by itself.
    close(id);
    Q_EMIT actionInvoked(identifier, actionKey);
}

void NotificationDelivery::close(uint id) {
    m_shown.remove(id);
    m_bus.send(QDBusMessage::createMethodCall(service, path, interfaceName,
                                              QStringLiteral("CloseNotification"))
               << id);
}

void NotificationDelivery::withdraw(const QStringList& identifiers) {
    const QList<uint> ids = m_shown.keys();
    for (const uint id : ids) {
        if (identifiers.contains(m_shown.value(id)))
            close(id);
    }
}

QStringList NotificationDelivery::shownIdentifiers() const {
    return m_shown.values();
}

void NotificationDelivery::askServer(NotificationCenter::ServerCompletion done) {
    const QDBusMessage info = QDBusMessage::createMethodCall(
        service, path, interfaceName, QStringLiteral("GetServerInformation"));
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(info, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, done = std::move(done)](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QString, QString, QString, QString> reply = *w;
                if (reply.isError()) {
                    done({});
                    return;
                }
                const QDBusMessage caps = QDBusMessage::createMethodCall(
                    service, path, interfaceName, QStringLiteral("GetCapabilities"));
                auto* next =
                    new QDBusPendingCallWatcher(m_bus.asyncCall(caps, callTimeoutMs), this);
                connect(next, &QDBusPendingCallWatcher::finished, this,
                        [this, done, name = reply.argumentAt<0>()](QDBusPendingCallWatcher* c) {
                            c->deleteLater();
                            const QDBusPendingReply<QStringList> capabilities = *c;
                            if (capabilities.isValid())
                                m_capabilities = capabilities.value();
                            done({true, name,
                                  capabilities.isValid() &&
                                      capabilities.value().contains(QStringLiteral("actions"))});
                        });
            });
}

void NotificationDelivery::onNotificationClosed(uint id, uint) {
    m_shown.remove(id);
}

} // namespace tavlen
