#include "support/InMemoryNotificationCenter.h"

#include <QMetaObject>

namespace tavlen {

InMemoryNotificationCenter::InMemoryNotificationCenter(QObject* parent)
    : NotificationCenter(parent) {}

// Queued: the operation and its completion run together from the event loop, in
// call order. Immediate: both run inside the call; this breaks the promise that a
// completion never runs from inside its call and exists only so benchmarks can
// measure the callers without event-loop overhead. Manual: held until released.
void InMemoryNotificationCenter::complete(std::function<void()> effectAndCompletion) {
    switch (m_mode) {
    case Mode::Immediate:
        effectAndCompletion();
        return;
    case Mode::Manual:
        m_held.push_back(std::move(effectAndCompletion));
        return;
    case Mode::Queued:
        QMetaObject::invokeMethod(
            this, [job = std::move(effectAndCompletion)] { job(); }, Qt::QueuedConnection);
        return;
    }
}

void InMemoryNotificationCenter::authorizationStatus(StatusCompletion done) {
    complete([this, done = std::move(done)] { done(m_status); });
}

void InMemoryNotificationCenter::requestAuthorization(AuthorizationCompletion done) {
    complete([this, done = std::move(done)] {
        ++m_authorizationRequests;
        if (m_status == AuthorizationStatus::NotDetermined)
            m_status = AuthorizationStatus::Authorized;
        const bool granted = m_status == AuthorizationStatus::Authorized ||
                             m_status == AuthorizationStatus::Provisional;
        done(granted, QString());
    });
}

void InMemoryNotificationCenter::pendingRequests(PendingCompletion done) {
    complete([this, done = std::move(done)] { done(pending()); });
}

void InMemoryNotificationCenter::add(const NotificationRequest& request, AddCompletion done) {
    complete([this, request, done = std::move(done)] {
        if (!m_addError.isEmpty()) {
            done(m_addError);
            return;
        }
        if (!m_requests.contains(request.identifier))
            m_order.append(request.identifier);
        m_requests.insert(request.identifier, request);
        done(QString());
    });
}

void InMemoryNotificationCenter::removePending(const QStringList& identifiers, Completion done) {
    complete([this, identifiers, done = std::move(done)] {
        bool removedAny = false;
        for (const QString& id : identifiers)
            removedAny = m_requests.remove(id) || removedAny;
        // One pass over the order, so removing thousands stays linear.
        if (removedAny)
            m_order.removeIf([this](const QString& id) { return !m_requests.contains(id); });
        done();
    });
}

void InMemoryNotificationCenter::post(const NotificationRequest& request, AddCompletion done) {
    complete([this, request, done = std::move(done)] {
        if (m_addError.isEmpty() && m_server.running)
            m_posted.append(request);
        if (done)
            done(m_server.running ? m_addError : QStringLiteral("no server"));
    });
}

void InMemoryNotificationCenter::shownIdentifiers(IdentifiersCompletion done) {
    complete([this, done = std::move(done)] { done(m_shown); });
}

void InMemoryNotificationCenter::withdraw(const QStringList& identifiers) {
    m_shown.removeIf([&](const QString& id) { return identifiers.contains(id); });
}

void InMemoryNotificationCenter::server(ServerCompletion done) {
    complete([this, done = std::move(done)] { done(m_server); });
}

QList<NotificationRequest> InMemoryNotificationCenter::pending() const {
    QList<NotificationRequest> result;
    result.reserve(m_order.size());
    for (const QString& id : m_order)
        result.append(m_requests.value(id));
    return result;
}

std::optional<NotificationRequest>
InMemoryNotificationCenter::pendingRequest(const QString& identifier) const {
    const auto it = m_requests.constFind(identifier);
    if (it == m_requests.constEnd())
        return std::nullopt;
    return *it;
}

void InMemoryNotificationCenter::releaseNewest() {
    if (m_held.empty())
        return;
    auto job = std::move(m_held.back());
    m_held.pop_back();
    job();
}

// Also releases what the released completions start, until nothing is held.
void InMemoryNotificationCenter::releaseAll() {
    while (!m_held.empty()) {
        auto job = std::move(m_held.front());
        m_held.pop_front();
        job();
    }
}

} // namespace tavlen
