#include "platform/CalendarTriggerRule.h"

#include <QTest>

using namespace tavlen;

namespace {
CalendarTrigger once(int y, int mo, int d, int h, int mi) {
    return {y, mo, d, h, mi, false};
}
CalendarTrigger daily(int h, int mi) {
    return {{}, {}, {}, h, mi, true};
}
} // namespace

class TestCalendarTriggerRule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // `after` is local time in the zone (Copenhagen unless named), or UTC with a "Z";
    // `expected` is UTC, empty for never.
    void nextFireMoment_data() {
        QTest::addColumn<CalendarTrigger>("trigger");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("zone");
        const auto row = [](const char* name, CalendarTrigger t, const char* after,
                            const char* expected, const char* zone = "Europe/Copenhagen") {
            QTest::newRow(name) << t << QString(after) << QString(expected) << QString(zone);
        };
        const CalendarTrigger hourly{{}, {}, {}, {}, 15, true};
        row("later today, winter", once(2026, 1, 14, 16, 0), "2026-01-14 09:00", "01-14 15:00");
        row("summer offset", once(2026, 7, 1, 8, 0), "2026-06-28 12:00", "07-01 06:00");
        row("exactly now is not after", once(2026, 1, 14, 16, 0), "2026-01-14 16:00", "");
        row("a second before", once(2026, 1, 14, 16, 0), "2026-01-14 15:59:59", "01-14 15:00");
        row("in the past", once(2026, 1, 14, 16, 0), "2026-01-15 09:00", "");
        row("year's last minute", once(2026, 12, 31, 23, 59), "2026-12-31 23:00", "12-31 22:59");
        row("year's first minute", once(2027, 1, 1, 0, 0), "2026-12-31 23:59", "12-31 23:00");
        row("end of february", once(2027, 2, 28, 8, 0), "2027-01-31 08:00", "2027-02-28 07:00");
        row("30 february never", once(2027, 2, 30, 8, 0), "2027-01-01 08:00", "");
        row("31 february never", {{}, 2, 31, 8, 0, true}, "2027-01-01 08:00", "");
        row("month out of range", once(2027, 13, 1, 8, 0), "2027-01-01 08:00", "");
        row("hour out of range", once(2027, 1, 2, 24, 0), "2027-01-01 08:00", "");
        row("far year", once(2040, 6, 1, 8, 0), "2026-01-01 00:00", "2040-06-01 06:00");
        // 2026-03-29 02:00 -> 03:00: readings in the gap fire at 03:00 (01:00 UTC).
        row("spring gap", once(2026, 3, 29, 2, 30), "2026-03-28 12:00", "03-29 01:00");
        row("spring gap start", once(2026, 3, 29, 2, 0), "2026-03-28 12:00", "03-29 01:00");
        row("just after the gap", once(2026, 3, 29, 3, 1), "2026-03-28 12:00", "03-29 01:01");
        // 2026-10-25 03:00 -> 02:00: 02:30 happens at 00:30 and 01:30 UTC; first one only.
        row("fall overlap", once(2026, 10, 25, 2, 30), "2026-10-24 12:00", "10-25 00:30");
        row("overlap, first passed", once(2026, 10, 25, 2, 30), "2026-10-25 00:45Z", "");
        row("after the overlap", once(2026, 10, 25, 3, 0), "2026-10-24 12:00", "10-25 02:00");
        row("daily before 18:00", daily(18, 0), "2026-05-04 09:00", "05-04 16:00");
        row("daily just after 18:00", daily(18, 0), "2026-05-04 18:00:01", "05-05 16:00");
        row("daily at month end", daily(18, 0), "2026-04-30 19:00", "05-01 16:00");
        row("daily at year end", daily(18, 0), "2026-12-31 18:30", "2027-01-01 17:00");
        row("daily into a leap day", daily(18, 0), "2028-02-28 18:30", "2028-02-29 17:00");
        row("daily into summer time", daily(18, 0), "2026-03-28 18:30", "03-29 16:00");
        row("daily out of summer time", daily(18, 0), "2026-10-24 18:30", "10-25 17:00");
        // A daily 02:30 fires at 03:00 on the spring day, at 02:30 again the day after;
        // on the autumn day once, then the next day.
        row("daily in the gap", daily(2, 30), "2026-03-28 12:00", "03-29 01:00");
        row("daily after the gap", daily(2, 30), "2026-03-29 03:00", "03-30 00:30");
        row("daily in the overlap", daily(2, 30), "2026-10-24 12:00", "10-25 00:30");
        row("daily after the overlap", daily(2, 30), "2026-10-25 00:30Z", "10-26 01:30");
        row("hourly at :15", hourly, "2026-05-04 09:20", "05-04 08:15");
        row("hourly past midnight", hourly, "2026-05-04 23:20", "05-04 22:15");
        row("next 29 february", {{}, 2, 29, 12, 0, true}, "2026-03-01 00:00", "2028-02-29 11:00");
        row("day 31 skips short months", {{}, {}, 31, 8, 0, true}, "2026-04-01 00:00",
            "05-31 06:00");
        row("tokyo", daily(18, 0), "2026-05-04 21:00", "05-05 09:00", "Asia/Tokyo");
        // Lord Howe Island moves its clocks by 30 minutes: the first 01:45, at +11:00.
        row("half-hour overlap", once(2026, 4, 5, 1, 45), "2026-04-04 11:00", "04-04 14:45",
            "Australia/Lord_Howe");
    }
    void nextFireMoment() {
        QFETCH(CalendarTrigger, trigger);
        QFETCH(QString, after);
        QFETCH(QString, expected);
        QFETCH(QString, zone);
        const QTimeZone tz(zone.toUtf8());
        QVERIFY(tz.isValid());
        const QDate date = QDate::fromString(after.left(10), Qt::ISODate);
        const QTime time = QTime::fromString(after.mid(11).remove('Z'), Qt::ISODate);
        const QDateTime from =
            after.endsWith('Z') ? QDateTime(date, time, Qt::UTC) : QDateTime(date, time, tz);
        QVERIFY(from.isValid());
        if (expected.size() == 11) // the year of `after`
            expected.prepend(after.left(5));
        const auto next = tavlen::nextFireMoment(trigger, tz, from);
        QCOMPARE(next ? next->toUTC().toString("yyyy-MM-dd HH:mm:ss") : QString(),
                 expected.isEmpty() ? expected : expected + ":00");
    }
};

QTEST_GUILESS_MAIN(TestCalendarTriggerRule)
#include "tst_calendartriggerrule.moc"
