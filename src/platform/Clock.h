#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace tavlen {

// The source of "now" and of the time zone that calendar days are counted in.
// Every rule that reads the current moment or "today" takes a Clock, so tests
// can fix both and cover daylight-saving changes.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;      // UTC
    virtual QTimeZone timeZone() const = 0; // zone for calendar days

    // The system clock in the system time zone, for the running program.
    static const Clock& system();
};

// A clock that stands still until told otherwise.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime now, QTimeZone zone = QTimeZone("Europe/Copenhagen"))
        : m_now(now.toUTC()), m_zone(std::move(zone)) {}

    QDateTime now() const override { return m_now; }
    QTimeZone timeZone() const override { return m_zone; }

    void setNow(const QDateTime& now) { m_now = now.toUTC(); }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    void setTimeZone(const QTimeZone& zone) { m_zone = zone; }

private:
    QDateTime m_now;
    QTimeZone m_zone;
};

} // namespace tavlen
