#pragma once

#include "core/NotificationCenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <optional>

class QDBusPendingCallWatcher;

namespace tavlen {

// Shows notifications through the freedesktop notification service
// (org.freedesktop.Notifications) on the given bus. Every call is asynchronous and
// ends in delivered() or dropped() with the caller's ticket; without a server, or
// when it answers with an error, the notification is dropped, and serverAppeared()
// says when it is worth trying again.
class NotificationDelivery : public QObject {
    Q_OBJECT
public:
    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");
    static inline const QString appName = QStringLiteral("Tavlen");
    static inline const QString appId = QStringLiteral("dk.tavlen.Tavlen");
    static inline const QString soundName = QStringLiteral("message-new-instant");

    explicit NotificationDelivery(const QDBusConnection& bus, QObject* parent = nullptr);

    // The request's actions go along only where the server shows actions.
    void deliver(quint64 ticket, const NotificationRequest& request);
    // Closes the shown notifications of these requests.
    void withdraw(const QStringList& identifiers);
    QStringList shownIdentifiers() const; // one entry per notification shown
    void askServer(NotificationCenter::ServerCompletion done);

    // Body text for a server that reads markup: &, < and > escaped.
    static QString escapeMarkup(const QString& text);

Q_SIGNALS:
    void actionInvoked(const QString& identifier, const QString& actionKey);
    void delivered(quint64 ticket, uint id); // the server accepted a notification
    void dropped(quint64 ticket);            // a notification could not be shown
    void serverAppeared();                   // a notification server took the bus name

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    struct Pending {
        quint64 ticket;
        NotificationRequest request;
    };
    void queryCapabilities();
    void onCapabilities(QDBusPendingCallWatcher* watcher);
    void send(const Pending& notification);
    void close(uint id);

    QDBusConnection m_bus;
    std::optional<QStringList> m_capabilities; // unknown until the server answered
    bool m_querying = false;
    QList<Pending> m_waiting;
    QHash<uint, QString> m_shown; // the server's id -> the request's identifier
};

} // namespace tavlen
