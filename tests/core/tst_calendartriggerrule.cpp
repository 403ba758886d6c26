#include "core/CalendarTriggerRule.h"
#include "support/TestMain.h"

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
    // `after` is Copenhagen's local time, or UTC with a "Z";
    // `expected` is UTC, empty for never.
    void nextFireMoment_data() {
        test::columns<CalendarTrigger>({"trigger"});
        test::columns<QString>({"after", "expected"});
        const auto row = [](const char* name, CalendarTrigger t, const char* after,
                            const char* expected) {
            test::row(name, t, QString(after), QString(expected));
        };
        row("later today, winter", once(2026, 1, 14, 16, 0), "2026-01-14 09:00", "01-14 15:00");
        row("exactly now is not after", once(2026, 1, 14, 16, 0), "2026-01-14 16:00", "");
        row("year's first minute", once(2027, 1, 1, 0, 0), "2026-12-31 23:59", "12-31 23:00");
        row("end of february", once(2027, 2, 28, 8, 0), "2027-01-31 08:00", "2027-02-28 07:00");
        row("31 february never", {{}, 2, 31, 8, 0, true}, "2027-01-01 08:00", "");
        // 2026-03-29 02:00 -> 03:00: readings in the gap fire at 03:00 (01:00 UTC).
        row("spring gap", once(2026, 3, 29, 2, 30), "2026-03-28 12:00", "03-29 01:00");
        // 2026-10-25 03:00 -> 02:00: 02:30 happens at 00:30 and 01:30 UTC; first one only.
        row("fall overlap", once(2026, 10, 25, 2, 30), "2026-10-24 12:00", "10-25 00:30");
        row("overlap, first passed", once(2026, 10, 25, 2, 30), "2026-10-25 00:45Z", "");
        row("daily just after 18:00", daily(18, 0), "2026-05-04 18:00:01", "05-05 16:00");
        row("daily at year end", daily(18, 0), "2026-12-31 18:30", "2027-01-01 17:00");
        row("daily into summer time", daily(18, 0), "2026-03-28 18:30", "03-29 16:00");
        // A daily 02:30 fires at 03:00 on the spring day, at 02:30 again the day after;
        // on the autumn day once, then the next day.
        row("daily in the gap", daily(2, 30), "2026-03-28 12:00", "03-29 01:00");
        row("daily after the overlap", daily(2, 30), "2026-10-25 00:30Z", "10-26 01:30");
        row("day 31 skips short months", {{}, {}, 31, 8, 0, true}, "2026-04-01 00:00",
            "05-31 06:00");
    }
    void nextFireMoment() {
        auto [trigger, after, expected] =
            test::fetch<CalendarTrigger, QString, QString>("trigger", "after", "expected");
        const QTimeZone cph("Europe/Copenhagen");
        QDateTime from = QDateTime::fromString(QString(after).replace(' ', 'T'), Qt::ISODate);
        if (!after.endsWith('Z'))
            from.setTimeZone(cph);
        QVERIFY(from.isValid());
        if (expected.size() == 11) // the year of `after`
            expected.prepend(after.left(5));
        const auto next = tavlen::nextFireMoment(trigger, cph, from);
        QCOMPARE(next ? next->toUTC().toString("yyyy-MM-dd HH:mm:ss") : QString(),
                 expected.isEmpty() ? expected : expected + ":00");
    }
};

TAVLEN_TEST(TestCalendarTriggerRule)
#include "tst_calendartriggerrule.moc"
