#include "CalendarTriggerRule.h"

#include <algorithm>
#include <array>

namespace tavlen {

namespace {

constexpr qint64 msPerHour = 3600 * 1000;

qint64 offsetMs(const QTimeZone& zone, qint64 utcMs) {
    return qint64(zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC))) * 1000;
}

bool inRange(const std::optional<int>& value, int low, int high) {
    return !value || (*value >= low && *value <= high);
}

bool matchesDate(const CalendarTrigger& t, const QDate& d) {
    return (!t.year || *t.year == d.year()) && (!t.month || *t.month == d.month()) &&
           (!t.day || *t.day == d.day());
}

// The first time of day at or after `from` that matches the trigger's hour and minute.
std::optional<QTime> firstTimeFrom(const CalendarTrigger& t, const QTime& from) {
    const int firstHour = t.hour ? *t.hour : from.hour();
    if (firstHour < from.hour())
        return std::nullopt;
    const int lastHour = t.hour ? *t.hour : 23;
    for (int h = firstHour; h <= lastHour; ++h) {
        const int minMinute = h == from.hour() ? from.minute() : 0;
        if (t.minute) {
            if (*t.minute >= minMinute)
                return QTime(h, *t.minute);
        } else {
            return QTime(h, minMinute);
        }
    }
    return std::nullopt;
}

} // namespace

WallTime wallTime(const QDate& date, const QTime& time) {
    return QDateTime(date, time, Qt::UTC);
}

WallTime wallTimeAt(const QDateTime& moment, const QTimeZone& zone) {
    const qint64 utc = moment.toMSecsSinceEpoch();
    return QDateTime::fromMSecsSinceEpoch(utc + offsetMs(zone, utc), Qt::UTC);
}

QDateTime momentOf(const WallTime& wall, const QTimeZone& zone) {
    const qint64 local = wall.toMSecsSinceEpoch();
    // Zone offsets change at most a few times a year, so the offsets in force half a
    // day and a day around the reading cover both sides of any transition near it.
    const std::array<qint64, 5> probes{local - 24 * msPerHour, local - 12 * msPerHour, local,
                                       local + 12 * msPerHour, local + 24 * msPerHour};
    std::optional<qint64> best;
    for (qint64 probe : probes) {
        const qint64 offset = offsetMs(zone, probe);
        const qint64 utc = local - offset;
        if (offsetMs(zone, utc) == offset && (!best || utc < *best))
            best = utc;
    }
    if (best)
        return QDateTime::fromMSecsSinceEpoch(*best, Qt::UTC);

    // In a gap: the first moment whose wall reading is at or past the one asked for.
    qint64 low = local / 1000 - 18 * 3600;  // reading surely before
    qint64 high = local / 1000 + 18 * 3600; // reading surely after
    while (high - low > 1) {
        const qint64 mid = low + (high - low) / 2;
        if (mid * 1000 + offsetMs(zone, mid * 1000) >= local)
            high = mid;
        else
            low = mid;
    }
    return QDateTime::fromSecsSinceEpoch(high, Qt::UTC);
}

std::optional<WallTime> nextMatch(const CalendarTrigger& t, const WallTime& after) {
    if (!inRange(t.year, 1, 9999) || !inRange(t.month, 1, 12) || !inRange(t.day, 1, 31) ||
        !inRange(t.hour, 0, 23) || !inRange(t.minute, 0, 59))
        return std::nullopt;

    const QTime afterTime = after.time();
    const WallTime start =
        wallTime(after.date(), QTime(afterTime.hour(), afterTime.minute())).addSecs(60);

    QDate date = start.date();
    QTime from = start.time();
    if (t.year && *t.year > date.year()) {
        date = QDate(*t.year, 1, 1);
        from = QTime(0, 0);
    }
    if (t.year && t.month && t.day) {
        const QDate only(*t.year, *t.month, *t.day);
        if (!only.isValid() || only < date)
            return std::nullopt;
        if (only > date)
            from = QTime(0, 0);
        date = only;
    }

    // Eight years cover every month/day combination, 29 February included.
    constexpr int maxDays = 366 * 8 + 2;
    for (int i = 0; i < maxDays && date.isValid(); ++i) {
        if (t.year && date.year() > *t.year)
            break;
        if (matchesDate(t, date)) {
            if (const auto time = firstTimeFrom(t, from))
                return wallTime(date, *time);
        }
        date = date.addDays(1);
        from = QTime(0, 0);
    }
    return std::nullopt;
}

std::optional<QDateTime> nextFireMoment(const CalendarTrigger& trigger, const QTimeZone& zone,
                                        const QDateTime& after) {
    // Start a little before the current reading: in an autumn overlap the reading is
    // behind readings whose (first) moment has already passed.
    WallTime floor = wallTimeAt(after, zone).addSecs(-3 * 3600);
    for (int i = 0; i < 4 * 60 + 2; ++i) {
        const auto match = nextMatch(trigger, floor);
        if (!match)
            return std::nullopt;
        const QDateTime moment = momentOf(*match, zone);
        if (moment > after)
            return moment;
        floor = *match;
    }
    return std::nullopt;
}

} // namespace tavlen
