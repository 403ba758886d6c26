#pragma once

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tavlen::test {

// Stands in for a desktop notification server on a test bus and records every
// Notify it is sent.
class FakeNotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Received {
        QString appName;
        uint replacesId;
        QString appIcon;
        QString summary;
        QString body;
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
        return m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                    QDBusConnection::ExportAllSlots) &&
               m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void stop() {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        m_bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
    }

    void invokeAction(uint id, const QString& key) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        signal << id << key;
        m_bus.send(signal);
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

private:
    QDBusConnection m_bus;
};

} // namespace tavlen::test
