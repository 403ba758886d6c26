#pragma once

#include "core/NotificationCenter.h"

#include <QHash>
#include <deque>

namespace tavlen {

// A notification center that only keeps its pending requests in memory, for
// tests and benchmarks. Queued (default): each operation and its completion run
// from the event loop, in call order. Immediate: both run inside the call (for
// benchmarks only; callers must cope with a completion that arrives before the
// call returns). Manual: each operation waits until the test releases it, in any
// order; its effect and its completion happen then.
class InMemoryNotificationCenter : public NotificationCenter {
    Q_OBJECT
public:
    enum class Mode { Queued, Immediate, Manual };

    explicit InMemoryNotificationCenter(QObject* parent = nullptr);

    void authorizationStatus(StatusCompletion done) override;
    void requestAuthorization(AuthorizationCompletion done) override;
    void pendingRequests(PendingCompletion done) override;
    void add(const NotificationRequest& request, AddCompletion done) override;
    void removePending(const QStringList& identifiers, Completion done) override;
    void post(const NotificationRequest& request, AddCompletion done) override;
    void shownIdentifiers(IdentifiersCompletion done) override;
    void withdraw(const QStringList& identifiers) override;
    void server(ServerCompletion done) override;

    // Test controls.
    void setShown(const QStringList& identifiers) { m_shown = identifiers; } // "fired" ones
    QStringList shown() const { return m_shown; }
    void setServer(const NotificationServer& server) { m_server = server; }
    void setMode(Mode mode) { m_mode = mode; }
    void setStatus(AuthorizationStatus status) { m_status = status; }
    void setAddError(const QString& error) { m_addError = error; } // every add and post fails
    int authorizationRequests() const { return m_authorizationRequests; }

    QList<NotificationRequest> pending() const; // in order of first addition
    std::optional<NotificationRequest> pendingRequest(const QString& identifier) const;
    QList<NotificationRequest> posted() const { return m_posted; } // shown at once, in order

    // Manual mode: each operation takes effect when its completion is released.
    int heldCompletions() const { return int(m_held.size()); }
    void releaseNewest();
    void releaseAll(); // oldest first

private:
    void complete(std::function<void()> effectAndCompletion);

    Mode m_mode = Mode::Queued;
    AuthorizationStatus m_status = AuthorizationStatus::Authorized;
    QString m_addError;
    int m_authorizationRequests = 0;
    QStringList m_order;
    QHash<QString, NotificationRequest> m_requests;
    QList<NotificationRequest> m_posted;
    QStringList m_shown;
    NotificationServer m_server{true, QStringLiteral("Testserver"), true};
    std::deque<std::function<void()>> m_held;
};

} // namespace tavlen
