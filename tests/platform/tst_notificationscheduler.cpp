#include "model/Clock.h"
#include "platform/NotificationScheduler.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
const QTimeZone cph("Europe/Copenhagen");
const QTimeZone london("Europe/London");
const QTimeZone helsinki("Europe/Helsinki");

QDateTime at(int y, int mo, int d, int h, int mi, int s = 0, const QTimeZone& zone = cph) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), zone);
}

NotificationRequest once(const QString& id, const QDateTime& local) {
    const QDate d = local.date();
    const QTime t = local.time();
    return {id, "Lektie i dag", "Dansk i Dansk skal laves i dag.", true,
            CalendarTrigger{d.year(), d.month(), d.day(), t.hour(), t.minute(), false}};
}

NotificationRequest daily(int hour = 18, int minute = 0) {
    return {"daily-summary", "Husk dine lektier", "Du har 1 aktive lektier.", true,
            CalendarTrigger{{}, {}, {}, hour, minute, true}};
}

QStringList firedIds(const QSignalSpy& spy) {
    QStringList ids;
    for (const auto& args : spy)
        ids.append(args.at(0).value<NotificationRequest>().identifier);
    return ids;
}

QStringList ids(const QList<NotificationRequest>& requests) {
    QStringList result;
    for (const auto& r : requests)
        result.append(r.identifier);
    return result;
}

QStringList pendingIds(const NotificationScheduler& s) {
    return ids(s.pending());
}
} // namespace

class TestNotificationScheduler : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<NotificationRequest>(); }

    void oneTimeFiresOnceThenLeaves() {
        ManualClock clock(at(2026, 5, 4, 15, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(once("a", at(2026, 5, 4, 16, 0)));

        clock.setNow(at(2026, 5, 4, 15, 59, 59));
        s.check();
        QCOMPARE(due.count(), 0);
        clock.setNow(at(2026, 5, 4, 16, 0, 0));
        s.check();
        QCOMPARE(firedIds(due), QStringList{"a"});
        QVERIFY(s.pending().isEmpty());
        clock.advance(30);
        s.check();
        QCOMPARE(due.count(), 1);
    }

    void dailySummaryOncePerDay() {
        ManualClock clock(at(2026, 5, 4, 12, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(daily());
        for (int step = 0; step < 3 * 24 * 120; ++step) { // three days, every 30 seconds
            clock.advance(30);
            s.check();
        }
        QCOMPARE(due.count(), 3);
        QCOMPARE(pendingIds(s), QStringList{"daily-summary"});
    }

    void suspendGivesEachDueRequestOnceWithoutBurst() {
        ManualClock clock(at(2026, 5, 4, 15, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(daily());
        s.add(once("a", at(2026, 5, 4, 16, 0)));
        s.add(once("b", at(2026, 5, 5, 8, 0)));
        s.add(once("later", at(2026, 5, 9, 8, 0)));

        clock.setNow(at(2026, 5, 4, 19, 30)); // lid closed for the afternoon
        s.check();
        QCOMPARE(firedIds(due), (QStringList{"a", "daily-summary"})); // by due moment
        QCOMPARE(pendingIds(s), (QStringList{"daily-summary", "b", "later"}));
        s.check();
        QCOMPARE(due.count(), 2);

        clock.setNow(at(2026, 5, 7, 20, 0)); // and then for three days
        s.check();
        // "b" was for the 5th; on the 7th its "today" would be false, so it is dropped.
        QCOMPARE(firedIds(due).mid(2), QStringList{"daily-summary"});
        QCOMPARE(pendingIds(s), (QStringList{"daily-summary", "later"}));

        clock.setNow(at(2026, 5, 8, 18, 0, 5));
        s.check();
        QCOMPARE(firedIds(due).mid(3), QStringList{"daily-summary"});
    }

    void clockSetBackFiresNothingTwiceAndSkipsNothing() {
        ManualClock clock(at(2026, 5, 4, 17, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(daily());
        clock.setNow(at(2026, 5, 4, 18, 0, 10));
        s.check();
        QCOMPARE(due.count(), 1);

        clock.setNow(at(2026, 5, 4, 17, 30)); // set back past the summary
        s.check();
        s.add(once("a", at(2026, 5, 4, 17, 45)));
        s.add(daily());                             // the start-up refresh adds it again
        for (int step = 0; step < 60 * 2; ++step) { // until 18:30
            clock.advance(30);
            s.check();
        }
        QCOMPARE(firedIds(due), (QStringList{"daily-summary", "a"}));

        clock.setNow(at(2026, 5, 5, 18, 0));
        s.check();
        QCOMPARE(due.count(), 3);
    }

    void oneTimeAddedAgainAfterFiringDoesNotRepeat() {
        ManualClock clock(at(2026, 5, 4, 7, 59));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(once("r", at(2026, 5, 4, 8, 0)));
        clock.setNow(at(2026, 5, 4, 8, 0, 20));
        s.check();
        clock.setNow(at(2026, 5, 4, 7, 59, 50)); // clock corrected by half a minute
        s.check();
        s.add(once("r", at(2026, 5, 4, 8, 0)));
        clock.setNow(at(2026, 5, 4, 8, 1));
        s.check();
        QCOMPARE(due.count(), 1);
    }

    void clockSetBackByDaysStartsAfresh() {
        ManualClock clock(at(2026, 5, 10, 17, 59));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(daily());
        clock.setNow(at(2026, 5, 10, 18, 0));
        s.check();
        clock.setNow(at(2026, 5, 7, 12, 0)); // the clock had run days ahead
        s.check();
        clock.setNow(at(2026, 5, 7, 18, 0, 30));
        s.check();
        QCOMPARE(due.count(), 2);
    }

    void timeZoneChange() {
        // Eastwards: local 16:00 and 18:00 become past at once; each fires once.
        ManualClock clock(at(2026, 5, 4, 14, 30, 0, london), london);
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(daily());
        s.add(once("a", at(2026, 5, 4, 16, 0, 0, london)));
        s.check();
        QCOMPARE(due.count(), 0);
        clock.advance(2 * 3600);     // 16:30 in London
        clock.setTimeZone(helsinki); // 18:30 there
        s.check();
        QCOMPARE(firedIds(due), (QStringList{"a", "daily-summary"}));
        s.check();
        QCOMPARE(due.count(), 2);

        // Westwards after firing: London's 18:00 the same day is the same occurrence.
        clock.setNow(at(2026, 5, 4, 18, 40, 0, helsinki));
        clock.setTimeZone(london); // 16:40
        for (int step = 0; step < 3 * 120; ++step) {
            clock.advance(30);
            s.check();
        }
        QCOMPARE(due.count(), 2);
        clock.setNow(at(2026, 5, 5, 18, 0, 0, london));
        s.check();
        QCOMPARE(due.count(), 3);
    }

    void oneTimeFollowsTheLocalClockWestwards() {
        ManualClock clock(at(2026, 5, 4, 15, 0), cph);
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(once("a", at(2026, 5, 4, 16, 0)));
        clock.setTimeZone(london);
        clock.setNow(at(2026, 5, 4, 15, 30, 0, london)); // 16:30 in Copenhagen
        s.check();
        QCOMPARE(due.count(), 0);
        clock.setNow(at(2026, 5, 4, 16, 0, 0, london));
        s.check();
        QCOMPARE(due.count(), 1);
    }

    void daylightSavingNights() {
        ManualClock clock(at(2026, 3, 28, 12, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(daily(2, 30));
        s.add({"gap", "t", "b", true, CalendarTrigger{2026, 3, 29, 2, 0, false}});
        for (int step = 0; step < 24 * 120; ++step) {
            clock.advance(30);
            s.check();
            if (due.count() == 2)
                break;
        }
        // Both fire at the first valid moment, 03:00 (01:00 UTC).
        QCOMPARE(clock.now(), QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC));
        QCOMPARE(firedIds(due), (QStringList{"daily-summary", "gap"}));

        clock.setNow(at(2026, 10, 24, 12, 0));
        s.check();
        const int before = int(due.count());
        for (int step = 0; step < 24 * 120; ++step) { // through the doubled hour
            clock.advance(30);
            s.check();
        }
        QCOMPARE(due.count() - before, 1);
    }

    void replaceAndRemoveTouchOnlyTheirIdentifiers() {
        ManualClock clock(at(2026, 5, 4, 12, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        QSignalSpy changed(&s, &NotificationScheduler::changed);
        s.add(once("a", at(2026, 5, 4, 13, 0)));
        s.add(once("foreign", at(2026, 5, 4, 13, 0)));
        auto replacement = once("a", at(2026, 5, 4, 14, 0));
        replacement.title = "Ny titel";
        s.add(replacement);
        QCOMPARE(pendingIds(s), (QStringList{"a", "foreign"}));
        QCOMPARE(s.pending().first().title, QString("Ny titel"));

        s.remove({"daily-summary", "nothing"});
        QCOMPARE(pendingIds(s), (QStringList{"a", "foreign"}));
        const auto changes = changed.count();
        s.remove({"nothing"});
        QCOMPARE(changed.count(), changes); // no change, nothing to write

        clock.setNow(at(2026, 5, 4, 13, 0));
        s.check();
        QCOMPARE(firedIds(due), QStringList{"foreign"});
        clock.setNow(at(2026, 5, 4, 14, 0));
        s.check();
        QCOMPARE(due.last().at(0).value<NotificationRequest>().title, QString("Ny titel"));
    }

    void pastOrImpossibleTriggersStayPendingButNeverFire() {
        ManualClock clock(at(2026, 5, 4, 12, 0));
        NotificationScheduler s(clock);
        QSignalSpy due(&s, &NotificationScheduler::due);
        s.add(once("past", at(2026, 5, 4, 11, 0)));
        auto impossible = once("impossible", at(2026, 5, 4, 13, 0));
        impossible.trigger.day = 31;
        impossible.trigger.month = 2;
        s.add(impossible);
        clock.advance(400 * 24 * 3600);
        s.check();
        QCOMPARE(due.count(), 0);
        QCOMPARE(pendingIds(s), (QStringList{"past", "impossible"}));
    }

    void restoreDeliversMissedOneTimeOnceAndDoesNotReplaySummary() {
        ManualClock clock(at(2026, 5, 3, 15, 0));
        SchedulerState kept;
        {
            NotificationScheduler before(clock);
            before.add(daily());
            before.add(once("yesterday", at(2026, 5, 3, 16, 0)));
            before.add(once("missed", at(2026, 5, 4, 16, 0)));
            before.add(once("future", at(2026, 5, 6, 16, 0)));
            kept = before.state();
        }
        clock.setNow(at(2026, 5, 4, 19, 0)); // not running over night and past 18:00
        NotificationScheduler after(clock);
        QSignalSpy due(&after, &NotificationScheduler::due);
        const auto missed = after.restore(kept);
        QCOMPARE(ids(missed), QStringList{"missed"}); // yesterday's is stale
        QCOMPARE(pendingIds(after), (QStringList{"daily-summary", "future"}));
        after.check();
        QCOMPARE(due.count(), 0);

        // The state now on disk would not deliver it again.
        NotificationScheduler third(clock);
        QVERIFY(third.restore(after.state()).isEmpty());
    }

    void restoreAfterCrashRightAfterFiringDoesNotRepeat() {
        ManualClock clock(at(2026, 5, 4, 17, 59));
        NotificationScheduler s(clock);
        s.add(daily());
        clock.setNow(at(2026, 5, 4, 18, 0, 5));
        SchedulerState kept = s.state(); // written before the check, as if crashed
        s.check();
        kept.lastFired = s.state().lastFired;
        clock.setNow(at(2026, 5, 4, 18, 0, 40));
        NotificationScheduler again(clock);
        QSignalSpy due(&again, &NotificationScheduler::due);
        QVERIFY(again.restore(kept).isEmpty());
        again.check();
        QCOMPARE(due.count(), 0);
        QCOMPARE(again.state().pending.first().next, wallTime(QDate(2026, 5, 5), QTime(18, 0)));
    }
};

QTEST_GUILESS_MAIN(TestNotificationScheduler)
#include "tst_notificationscheduler.moc"
