#include "platform/CalendarTriggerRule.h"

#include <QTest>

using namespace tavlen;

namespace {
const QTimeZone cph("Europe/Copenhagen");

QDateTime local(int y, int mo, int d, int h, int mi, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), cph);
}
QDateTime utc(int y, int mo, int d, int h, int mi) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC);
}
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
    void oneTime_data() {
        QTest::addColumn<CalendarTrigger>("trigger");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<QDateTime>("expected"); // invalid: never

        QTest::newRow("later today, winter")
            << once(2026, 1, 14, 16, 0) << local(2026, 1, 14, 9, 0) << utc(2026, 1, 14, 15, 0);
        QTest::newRow("summer offset")
            << once(2026, 7, 1, 8, 0) << local(2026, 6, 28, 12, 0) << utc(2026, 7, 1, 6, 0);
        QTest::newRow("exactly now is not after")
            << once(2026, 1, 14, 16, 0) << local(2026, 1, 14, 16, 0) << QDateTime();
        QTest::newRow("a second before")
            << once(2026, 1, 14, 16, 0) << local(2026, 1, 14, 15, 59, 59)
            << utc(2026, 1, 14, 15, 0);
        QTest::newRow("in the past")
            << once(2026, 1, 14, 16, 0) << local(2026, 1, 15, 9, 0) << QDateTime();
        QTest::newRow("last minute of the year")
            << once(2026, 12, 31, 23, 59) << local(2026, 12, 31, 23, 0)
            << utc(2026, 12, 31, 22, 59);
        QTest::newRow("new year's first minute")
            << once(2027, 1, 1, 0, 0) << local(2026, 12, 31, 23, 59) << utc(2026, 12, 31, 23, 0);
        QTest::newRow("end of february")
            << once(2027, 2, 28, 8, 0) << local(2027, 1, 31, 8, 0) << utc(2027, 2, 28, 7, 0);
        QTest::newRow("30 february never")
            << once(2027, 2, 30, 8, 0) << local(2027, 1, 1, 8, 0) << QDateTime();
        QTest::newRow("month out of range")
            << once(2027, 13, 1, 8, 0) << local(2027, 1, 1, 8, 0) << QDateTime();
        QTest::newRow("hour out of range")
            << once(2027, 1, 2, 24, 0) << local(2027, 1, 1, 8, 0) << QDateTime();
        // 2026-03-29 02:00 -> 03:00: 02:30 does not exist and fires at 03:00 (01:00 UTC).
        QTest::newRow("spring gap")
            << once(2026, 3, 29, 2, 30) << local(2026, 3, 28, 12, 0) << utc(2026, 3, 29, 1, 0);
        QTest::newRow("spring gap start")
            << once(2026, 3, 29, 2, 0) << local(2026, 3, 28, 12, 0) << utc(2026, 3, 29, 1, 0);
        QTest::newRow("just after the gap")
            << once(2026, 3, 29, 3, 1) << local(2026, 3, 28, 12, 0) << utc(2026, 3, 29, 1, 1);
        // 2026-10-25 03:00 -> 02:00: 02:30 happens at 00:30 and 01:30 UTC; first one.
        QTest::newRow("fall overlap")
            << once(2026, 10, 25, 2, 30) << local(2026, 10, 24, 12, 0) << utc(2026, 10, 25, 0, 30);
        QTest::newRow("fall overlap, first passed")
            << once(2026, 10, 25, 2, 30) << utc(2026, 10, 25, 0, 45) << QDateTime();
        QTest::newRow("after the overlap")
            << once(2026, 10, 25, 3, 0) << local(2026, 10, 24, 12, 0) << utc(2026, 10, 25, 2, 0);
    }
    void oneTime() {
        QFETCH(CalendarTrigger, trigger);
        QFETCH(QDateTime, after);
        QFETCH(QDateTime, expected);
        const auto next = nextFireMoment(trigger, cph, after);
        if (!expected.isValid()) {
            QVERIFY2(!next, qPrintable(next ? next->toString(Qt::ISODate) : QString()));
            return;
        }
        QVERIFY(next);
        QCOMPARE(next->toUTC(), expected);
    }

    void dailyAt18_data() {
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("before 18:00") << local(2026, 5, 4, 9, 0) << utc(2026, 5, 4, 16, 0);
        QTest::newRow("just after 18:00") << local(2026, 5, 4, 18, 0, 1) << utc(2026, 5, 5, 16, 0);
        QTest::newRow("after 18:00") << local(2026, 5, 4, 21, 30) << utc(2026, 5, 5, 16, 0);
        QTest::newRow("month end") << local(2026, 4, 30, 19, 0) << utc(2026, 5, 1, 16, 0);
        QTest::newRow("year end") << local(2026, 12, 31, 18, 30) << utc(2027, 1, 1, 17, 0);
        QTest::newRow("leap day") << local(2028, 2, 28, 18, 30) << utc(2028, 2, 29, 17, 0);
        QTest::newRow("into summer time") << local(2026, 3, 28, 18, 30) << utc(2026, 3, 29, 16, 0);
        QTest::newRow("out of summer time")
            << local(2026, 10, 24, 18, 30) << utc(2026, 10, 25, 17, 0);
    }
    void dailyAt18() {
        QFETCH(QDateTime, after);
        QFETCH(QDateTime, expected);
        const auto next = nextFireMoment(daily(18, 0), cph, after);
        QVERIFY(next);
        QCOMPARE(next->toUTC(), expected);
    }

    void dailyThroughTheNightOfTheChanges() {
        // A daily 02:30 on the spring day fires at 03:00, the next day at 02:30 again.
        auto next = nextFireMoment(daily(2, 30), cph, local(2026, 3, 28, 12, 0));
        QCOMPARE(next->toUTC(), utc(2026, 3, 29, 1, 0));
        next = nextFireMoment(daily(2, 30), cph, *next);
        QCOMPARE(next->toUTC(), utc(2026, 3, 30, 0, 30));

        // On the autumn day it fires once: after the first 02:30 comes the next day's.
        next = nextFireMoment(daily(2, 30), cph, local(2026, 10, 24, 12, 0));
        QCOMPARE(next->toUTC(), utc(2026, 10, 25, 0, 30));
        next = nextFireMoment(daily(2, 30), cph, *next);
        QCOMPARE(next->toUTC(), utc(2026, 10, 26, 1, 30));
    }

    void otherZones() {
        const QTimeZone tokyo("Asia/Tokyo");
        const auto next = nextFireMoment(daily(18, 0), tokyo, utc(2026, 5, 4, 12, 0));
        QCOMPARE(next->toUTC(), utc(2026, 5, 5, 9, 0));
        // Half-hour overlap (Lord Howe Island moves its clocks by 30 minutes).
        const QTimeZone lordHowe("Australia/Lord_Howe");
        QVERIFY(lordHowe.isValid());
        const auto overlap =
            nextFireMoment(once(2026, 4, 5, 1, 45), lordHowe, utc(2026, 4, 4, 0, 0));
        QCOMPARE(overlap->toUTC(), utc(2026, 4, 4, 14, 45)); // first 01:45, at +11:00
    }

    void partialComponents() {
        // Only a minute: every hour at :15.
        const CalendarTrigger quarter{{}, {}, {}, {}, 15, true};
        QCOMPARE(nextMatch(quarter, wallTime(QDate(2026, 5, 4), QTime(9, 20))),
                 wallTime(QDate(2026, 5, 4), QTime(10, 15)));
        QCOMPARE(nextMatch(quarter, wallTime(QDate(2026, 5, 4), QTime(23, 20))),
                 wallTime(QDate(2026, 5, 5), QTime(0, 15)));
        // Month and day without a year: the next 29 February.
        const CalendarTrigger leap{{}, 2, 29, 12, 0, true};
        QCOMPARE(nextMatch(leap, wallTime(QDate(2026, 3, 1), QTime(0, 0))),
                 wallTime(QDate(2028, 2, 29), QTime(12, 0)));
        // Day 31 skips the short months.
        const CalendarTrigger lastDay{{}, {}, 31, 8, 0, true};
        QCOMPARE(nextMatch(lastDay, wallTime(QDate(2026, 4, 1), QTime(0, 0))),
                 wallTime(QDate(2026, 5, 31), QTime(8, 0)));
        // A year far ahead is reached without walking day by day from now.
        QCOMPARE(nextMatch(once(2040, 6, 1, 8, 0), wallTime(QDate(2026, 1, 1), QTime(0, 0))),
                 wallTime(QDate(2040, 6, 1), QTime(8, 0)));
        QVERIFY(!nextMatch({2030, 2, 31, {}, {}, false}, wallTime(QDate(2026, 1, 1), QTime())));
    }

    void wallTimesInTheZone() {
        QCOMPARE(wallTimeAt(utc(2026, 7, 1, 6, 0), cph), wallTime(QDate(2026, 7, 1), QTime(8, 0)));
        QCOMPARE(momentOf(wallTime(QDate(2026, 3, 29), QTime(2, 59)), cph), utc(2026, 3, 29, 1, 0));
        QCOMPARE(momentOf(wallTime(QDate(2026, 10, 25), QTime(2, 0)), cph),
                 utc(2026, 10, 25, 0, 0));
        QCOMPARE(momentOf(wallTime(QDate(2026, 10, 25), QTime(1, 59)), cph),
                 utc(2026, 10, 24, 23, 59));
    }
};

QTEST_GUILESS_MAIN(TestCalendarTriggerRule)
#include "tst_calendartriggerrule.moc"
