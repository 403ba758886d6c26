#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace tavlen {

// The source of "now" and of the time zone that calendar days are counted in.
// Every rule that reads the current moment or "today" takes a Clock, so tests
// can fix both and cover daylight-saving changes (tests/support/ManualClock.h).
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;      // UTC
    virtual QTimeZone timeZone() const = 0; // zone for calendar days

    // The system clock in the system time zone, for the running program.
    static const Clock& system();
};

// A moment as it names the files Tavlen keeps copies in: "20261207T081200Z".
inline const QString kUtcStempel = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");
inline QString utcStempel(const QDateTime& moment) {
    return moment.toUTC().toString(kUtcStempel);
}

} // namespace tavlen
