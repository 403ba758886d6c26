#include "PendingNotificationsFile.h"

#include "core/DurableFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tavlen {

namespace {

constexpr int formatVersion = 1;
const QString wallFormat = QStringLiteral("yyyy-MM-ddTHH:mm");

QJsonValue wallToJson(const std::optional<WallTime>& wall) {
    return wall ? QJsonValue(wall->toString(wallFormat)) : QJsonValue();
}

std::optional<WallTime> wallFromJson(const QJsonValue& value, bool& ok) {
    if (value.isNull() || value.isUndefined())
        return std::nullopt;
    const QDateTime parsed = QDateTime::fromString(value.toString(), wallFormat);
    if (!parsed.isValid()) {
        ok = false;
        return std::nullopt;
    }
    return wallTime(parsed.date(), parsed.time());
}

void putComponent(QJsonObject& object, const char* key, const std::optional<int>& value) {
    if (value)
        object.insert(QLatin1String(key), *value);
}

std::optional<int> component(const QJsonObject& object, const char* key, bool& ok) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isDouble() || value.toDouble() != double(value.toInt())) {
        ok = false;
        return std::nullopt;
    }
    return value.toInt();
}

QString text(const QJsonObject& object, const char* key, bool& ok) {
    const QJsonValue value = object.value(QLatin1String(key));
    ok = ok && value.isString();
    return value.toString();
}

} // namespace

PendingNotificationsFile::PendingNotificationsFile(QString directory)
    : m_directory(std::move(directory)) {}

QString PendingNotificationsFile::path() const {
    return QDir(m_directory).filePath(QStringLiteral("pending-notifications.json"));
}

namespace {

QJsonObject entryToJson(const ScheduledRequest& entry) {
    const NotificationRequest& r = entry.request;
    QJsonObject trigger;
    putComponent(trigger, "year", r.trigger.year);
    putComponent(trigger, "month", r.trigger.month);
    putComponent(trigger, "day", r.trigger.day);
    putComponent(trigger, "hour", r.trigger.hour);
    putComponent(trigger, "minute", r.trigger.minute);
    trigger.insert(QStringLiteral("repeats"), r.trigger.repeats);
    QJsonObject object{{QStringLiteral("identifier"), r.identifier},
                       {QStringLiteral("title"), r.title},
                       {QStringLiteral("body"), r.body},
                       {QStringLiteral("defaultSound"), r.defaultSound},
                       {QStringLiteral("trigger"), trigger},
                       {QStringLiteral("next"), wallToJson(entry.next)}};
    if (r.showUntil)
        object.insert(QStringLiteral("showUntil"), r.showUntil->toString(Qt::ISODateWithMs));
    if (!r.actions.isEmpty()) {
        QJsonArray actions;
        for (const NotificationAction& action : r.actions)
            actions.append(QJsonObject{{QStringLiteral("key"), action.key},
                                       {QStringLiteral("label"), action.label}});
        object.insert(QStringLiteral("actions"), actions);
    }
    return object;
}

std::optional<ScheduledRequest> entryFromJson(const QJsonValue& item) {
    bool ok = item.isObject();
    const QJsonObject object = item.toObject();
    const QJsonObject trigger = object.value(QStringLiteral("trigger")).toObject();
    ScheduledRequest entry;
    NotificationRequest& r = entry.request;
    r.identifier = text(object, "identifier", ok);
    r.title = text(object, "title", ok);
    r.body = text(object, "body", ok);
    r.defaultSound = object.value(QStringLiteral("defaultSound")).toBool(true);
    r.trigger.year = component(trigger, "year", ok);
    r.trigger.month = component(trigger, "month", ok);
    r.trigger.day = component(trigger, "day", ok);
    r.trigger.hour = component(trigger, "hour", ok);
    r.trigger.minute = component(trigger, "minute", ok);
    r.trigger.repeats = trigger.value(QStringLiteral("repeats")).toBool(false);
    entry.next = wallFromJson(object.value(QStringLiteral("next")), ok);
    if (const QJsonValue until = object.value(QStringLiteral("showUntil")); !until.isUndefined()) {
        r.showUntil = QDateTime::fromString(until.toString(), Qt::ISODateWithMs);
        ok = ok && r.showUntil->isValid();
    }
    // Files from before actions existed have none.
    for (const QJsonValue& action : object.value(QStringLiteral("actions")).toArray()) {
        const QJsonObject a = action.toObject();
        r.actions.append({text(a, "key", ok), text(a, "label", ok)});
    }
    if (!ok || r.identifier.isEmpty())
        return std::nullopt;
    return entry;
}

std::optional<QList<ScheduledRequest>> entriesFromJson(const QJsonValue& value) {
    QList<ScheduledRequest> entries;
    for (const QJsonValue& item : value.toArray()) {
        auto entry = entryFromJson(item);
        if (!entry)
            return std::nullopt;
        entries.append(*entry);
    }
    return entries;
}

} // namespace

QByteArray PendingNotificationsFile::encode(const SchedulerState& state) {
    QJsonArray pending;
    for (const ScheduledRequest& entry : state.pending)
        pending.append(entryToJson(entry));
    QJsonObject fired;
    for (auto it = state.lastFired.cbegin(); it != state.lastFired.cend(); ++it)
        fired.insert(it.key(), wallToJson(it.value()));
    QJsonObject root{{QStringLiteral("version"), formatVersion},
                     {QStringLiteral("pending"), pending},
                     {QStringLiteral("lastFired"), fired}};
    if (!state.undelivered.isEmpty()) {
        QJsonArray undelivered;
        for (const ScheduledRequest& entry : state.undelivered)
            undelivered.append(entryToJson(entry));
        root.insert(QStringLiteral("undelivered"), undelivered);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<SchedulerState> PendingNotificationsFile::decode(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("version")).toInt() != formatVersion ||
        !root.value(QStringLiteral("pending")).isArray())
        return std::nullopt;

    SchedulerState state;
    auto pending = entriesFromJson(root.value(QStringLiteral("pending")));
    auto undelivered = entriesFromJson(root.value(QStringLiteral("undelivered")));
    if (!pending || !undelivered)
        return std::nullopt;
    state.pending = std::move(*pending);
    state.undelivered = std::move(*undelivered);
    bool ok = true;
    const QJsonObject fired = root.value(QStringLiteral("lastFired")).toObject();
    for (auto it = fired.constBegin(); it != fired.constEnd(); ++it) {
        if (const auto wall = wallFromJson(it.value(), ok); wall && ok)
            state.lastFired.insert(it.key(), *wall);
    }
    if (!ok)
        return std::nullopt;
    return state;
}

SchedulerState PendingNotificationsFile::load() const {
    QFile file(path());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    file.close();
    if (auto state = decode(bytes))
        return *state;
    const QString aside = path() + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(path(), aside);
    return {};
}

bool PendingNotificationsFile::save(const SchedulerState& state) const {
    if (!QDir().mkpath(m_directory))
        return false;
    return durable::writeAtomically(path(), encode(state));
}

} // namespace tavlen
