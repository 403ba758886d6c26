#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tavlen::test {

// Stands in for a desktop notification server on a test bus and records every Notify.
class FakeNotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    const QString m_name = QStringLiteral("org.freedesktop.Notifications");
    const QString m_path = QStringLiteral("/org/freedesktop/Notifications");
    QDBusConnection m_bus;

public:
    struct Received {
        QString appName;
        uint replacesId;
        QString appIcon, summary, body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout;
    };
    QStringList capabilities{QStringLiteral("body"), QStringLiteral("actions")};
    bool failNotify = false;
    QList<Received> received;
    int capabilityQueries = 0;

    explicit FakeNotificationServer(QDBusConnection bus) : m_bus(std::move(bus)) {}

    bool start() {
        return m_bus.registerObject(m_path, this, QDBusConnection::ExportAllSlots) &&
               m_bus.registerService(m_name);
    }
    void stop() {
        m_bus.unregisterService(m_name);
        m_bus.unregisterObject(m_path);
    }
    void invokeAction(uint id, const QString& key) {
        QDBusMessage signal =
            QDBusMessage::createSignal(m_path, m_name, QStringLiteral("ActionInvoked"));
        m_bus.send(signal << id << key);
    }

public Q_SLOTS:
    QStringList GetCapabilities() {
        ++capabilityQueries;
        return capabilities;
    }
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout) {
        if (failNotify) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("refused"));
            return 0;
        }
        received.append(
            {appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
        return uint(received.size()) + 100;
    }
};

} // namespace tavlen::test
