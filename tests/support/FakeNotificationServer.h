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
    QDBusConnection m_bus;

public:
    static constexpr auto kPath = "/org/freedesktop/Notifications";
    struct Received {
        QString appName, appIcon, summary, body;
        QStringList actions;
        QVariantMap hints;
    };
    QStringList capabilities{QStringLiteral("body"), QStringLiteral("actions")};
    bool failNotify = false;
    QList<Received> received; // the n-th has the id 101 + n
    QList<uint> closed;

    explicit FakeNotificationServer(QDBusConnection bus) : m_bus(std::move(bus)) {}

    bool start() {
        return m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots) &&
               m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void invokeAction(uint id, const QString& key) {
        m_bus.send(QDBusMessage::createSignal(kPath,
                                              QStringLiteral("org.freedesktop.Notifications"),
                                              QStringLiteral("ActionInvoked"))
                   << id << key);
    }

public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities; }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Tavlen tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("Testserver");
    }
    void CloseNotification(uint id) { closed.append(id); }
    uint Notify(const QString& appName, uint, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int) {
        if (failNotify) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("refused"));
            return 0;
        }
        received.append({appName, appIcon, summary, body, actions, hints});
        return uint(received.size()) + 100;
    }
};

} // namespace tavlen::test
