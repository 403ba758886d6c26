#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

class QDBusPendingCallWatcher;

namespace tavlen {

// Shows notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on the given bus. Every call is asynchronous;
// without a server, or when it answers with an error, the notification is dropped.
class NotificationDelivery : public QObject {
    Q_OBJECT
public:
    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");
    static inline const QString appName = QStringLiteral("Tavlen");
    static inline const QString appId = QStringLiteral("dk.tavlen.Tavlen");
    static inline const QString soundName = QStringLiteral("message-new-instant");

    explicit NotificationDelivery(const QDBusConnection& bus, QObject* parent = nullptr);

    void deliver(const QString& title, const QString& body, bool defaultSound);

    // Body text for a server that reads markup: &, < and > escaped.
    static QString escapeMarkup(const QString& text);

Q_SIGNALS:
    void activated();        // the default action of one of our notifications was invoked
    void delivered(uint id); // the server accepted a notification
    void dropped();          // a notification could not be shown

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    struct Pending {
        QString title;
        QString body;
        bool defaultSound;
    };
    void queryCapabilities();
    void onCapabilities(QDBusPendingCallWatcher* watcher);
    void send(const Pending& notification);

    QDBusConnection m_bus;
    std::optional<bool> m_bodyMarkup; // unknown until the server answered
    bool m_querying = false;
    QList<Pending> m_waiting;
    QSet<uint> m_shown;
};

} // namespace tavlen
