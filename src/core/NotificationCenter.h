#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tavlen {

enum class AuthorizationStatus { NotDetermined, Denied, Authorized, Provisional, Ephemeral };

// Date components of a calendar trigger in local time; absent components match any
// value. A repeating trigger fires every time its components match.
struct CalendarTrigger {
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
    std::optional<int> hour;
    std::optional<int> minute;
    bool repeats = false;
    friend bool operator==(const CalendarTrigger&, const CalendarTrigger&) = default;
};

// A button on a notification besides the click (the default action), where the server
// shows buttons at all.
struct NotificationAction {
    QString key;
    QString label;
    friend bool operator==(const NotificationAction&, const NotificationAction&) = default;
};

struct NotificationRequest {
    QString identifier;
    QString title;
    QString body;
    bool defaultSound = true;
    CalendarTrigger trigger;
    // A one-time request speaks of its own day ("i dag", "i morgen"), so one found due
    // on a later day (after a suspend or a restart) is dropped unshown; one with this
    // moment set still says something true until then, and is shown once until then.
    std::optional<QDateTime> showUntil = std::nullopt;
    QList<NotificationAction> actions{};
    friend bool operator==(const NotificationRequest&, const NotificationRequest&) = default;
};

// The desktop's notification server as far as reminders care.
struct NotificationServer {
    bool running = false;
    QString name; // as the server names itself
    bool showsActions = false;
};

// The desktop's queue of pending local notifications. Every completion is called
// later on the main thread, never from inside the call that started it.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using StatusCompletion = std::function<void(AuthorizationStatus)>;
    using AuthorizationCompletion = std::function<void(bool granted, QString error)>;
    using PendingCompletion = std::function<void(QList<NotificationRequest>)>;
    using AddCompletion = std::function<void(QString error)>; // empty error on success
    using Completion = std::function<void()>;
    using IdentifiersCompletion = std::function<void(QStringList)>;
    using ServerCompletion = std::function<void(NotificationServer)>;
    static inline const QString defaultAction = QStringLiteral("default");

    explicit NotificationCenter(QObject* parent = nullptr) : QObject(parent) {}
    ~NotificationCenter() override = default;

    virtual void authorizationStatus(StatusCompletion done) = 0;
    virtual void requestAuthorization(AuthorizationCompletion done) = 0;
    virtual void pendingRequests(PendingCompletion done) = 0;
    // Replaces a pending request with the same identifier.
    virtual void add(const NotificationRequest& request, AddCompletion done) = 0;
    // Removes the pending requests with these identifiers; others are never touched.
    virtual void removePending(const QStringList& identifiers, Completion done) = 0;
    // Shows a notification at once, its trigger unused. It never joins the pending
    // requests, so no removal of pending ones can take it back, and a notice that no
    // server took is not shown later: it speaks of the moment it was posted. `done`
    // hears an error when no server showed it.
    virtual void post(const NotificationRequest& request, AddCompletion done) = 0;

    // The identifiers of fired requests still on the screen or in the server's list,
    // and of those waiting for a server to appear.
    virtual void shownIdentifiers(IdentifiersCompletion done) = 0;
    // Takes fired requests back: closed where shown, never shown where still waiting.
    virtual void withdraw(const QStringList& identifiers) = 0;
    virtual void server(ServerCompletion done) = 0;

Q_SIGNALS:
    // The pupil clicked a shown notification (defaultAction) or one of its actions.
    void actionInvoked(const QString& identifier, const QString& actionKey);
};

} // namespace tavlen
