#pragma once

#include "core/Clock.h"

namespace tavlen {

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

namespace test {

// A wall-clock time in Copenhagen, where the manual clock lives unless told otherwise.
inline QDateTime kbh(int aar, int maaned, int dag, int time = 12, int minut = 0) {
    return QDateTime(QDate(aar, maaned, dag), QTime(time, minut), QTimeZone("Europe/Copenhagen"));
}

} // namespace test

} // namespace tavlen
