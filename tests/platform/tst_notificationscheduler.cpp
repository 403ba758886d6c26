#include "platform/NotificationScheduler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

namespace {
const QTimeZone cph("Europe/Copenhagen");
const QTimeZone london("Europe/London");
const QTimeZone helsinki("Europe/Helsinki");

QDateTime at(int mo, int d, int h, int mi, int s = 0, const QTimeZone& zone = cph) {
    return QDateTime(QDate(2026, mo, d), QTime(h, mi, s), zone);
}

NotificationRequest once(const QString& id, int mo, int d, int h, int mi) {
    return {id, "t", "b", true, CalendarTrigger{2026, mo, d, h, mi, false}};
}

// Like the reminder three days ahead: it names no day, so it is true until the deadline.
NotificationRequest approaching(const QString& id, int mo, int d, const QDateTime& deadline) {
    NotificationRequest r = once(id, mo, d, 16, 0);
    r.showUntil = deadline;
    return r;
}

ScheduledRequest fired(const NotificationRequest& r, int mo, int d, int h) {
    return {r, wallTime(QDate(2026, mo, d), QTime(h, 0))};
}

QStringList ids(const QList<ScheduledRequest>& entries) {
    QStringList out;
    for (const ScheduledRequest& e : entries)
        out.append(e.request.identifier);
    return out;
}

NotificationRequest daily(int hour = 18, int minute = 0) {
    return {"daily-summary", "t", "b", true, CalendarTrigger{{}, {}, {}, hour, minute, true}};
}

struct Fixture {
    ManualClock clock;
    NotificationScheduler s{clock};
    QStringList fired;
    explicit Fixture(const QDateTime& now, const QTimeZone& zone = cph) : clock(now, zone) {
        QObject::connect(&s, &NotificationScheduler::due,
                         [this](const NotificationRequest& r) { fired.append(r.identifier); });
    }
    void checkAt(const QDateTime& now) {
        clock.setNow(now);
        s.check();
    }
    // The regular 30-second checks for the given number of minutes.
    void run(int minutes) {
        for (int step = 0; step < 2 * minutes; ++step) {
            clock.advance(30);
            s.check();
        }
    }
    QStringList pending() const { return ids(s.state().pending); }
};
} // namespace

class TestNotificationScheduler : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneTimeFiresOnceAndDailyOncePerDay() {
        Fixture f(at(5, 4, 15, 0));
        f.s.add(once("a", 5, 4, 17, 0));
        f.s.add(once("b", 5, 4, 16, 0));
        f.s.add(once("past", 5, 4, 11, 0)); // stays but never fires
        f.s.add(once("a", 5, 4, 16, 0));    // replaced in place
        f.s.remove({"b", "nothing"});
        f.checkAt(at(5, 4, 15, 59, 59));
        QCOMPARE(f.fired, QStringList{});
        f.checkAt(at(5, 4, 16, 0, 0));
        QCOMPARE(f.fired, QStringList{"a"});
        QCOMPARE(f.pending(), QStringList{"past"});

        f.s.add(daily());
        f.run(3 * 24 * 60);
        QCOMPARE(f.fired, (QStringList{"a", "daily-summary", "daily-summary", "daily-summary"}));
        QCOMPARE(f.pending().last(), QString("daily-summary"));
    }

    void suspendGivesEachDueRequestOnceWithoutBurst() {
        Fixture f(at(5, 4, 15, 0));
        f.s.add(daily());
        f.s.add(once("a", 5, 4, 16, 0));
        f.s.add(once("b", 5, 5, 8, 0));
        f.s.add(approaching("c", 5, 5, at(5, 8, 9, 0)));
        f.s.add(approaching("d", 5, 5, at(5, 7, 12, 0)));
        f.checkAt(at(5, 4, 19, 30)); // lid closed for the afternoon
        f.s.check();
        QCOMPARE(f.fired, (QStringList{"a", "daily-summary"})); // by due moment
        QCOMPARE(f.pending(), (QStringList{"daily-summary", "b", "c", "d"}));

        f.checkAt(at(5, 7, 20, 0)); // and then for three days
        // "b" was for the 5th; on the 7th its "today" would be false, so it is dropped.
        // "c" names no day and its deadline is ahead: shown once; "d"'s deadline passed.
        QCOMPARE(f.fired.mid(2), (QStringList{"c", "daily-summary"}));
        QCOMPARE(f.pending(), QStringList{"daily-summary"});
    }

    // Fired requests no server took are handed out again while what they say is true,
    // at a later start as well.
    void undeliveredAreKeptWhileTheyAreTrue() {
        Fixture f(at(5, 4, 9, 0));
        f.s.keepUndelivered(fired(once("yesterday", 5, 3, 8, 0), 5, 3, 8));
        f.s.keepUndelivered(fired(daily(), 5, 3, 18));
        f.s.keepUndelivered(fired(once("today", 5, 4, 8, 0), 5, 4, 8));
        f.s.keepUndelivered(fired(approaching("ahead", 5, 1, at(5, 4, 12, 0)), 5, 1, 16));
        f.s.keepUndelivered(fired(approaching("passed", 5, 1, at(5, 4, 8, 0)), 5, 1, 16));
        f.s.keepUndelivered(fired(once("today", 5, 4, 8, 0), 5, 4, 8)); // kept once
        f.s.check();                                                    // prunes the stale
        QCOMPARE(ids(f.s.state().undelivered), (QStringList{"ahead", "today"}));

        NotificationScheduler restarted(f.clock);
        QCOMPARE(ids(restarted.restore(f.s.state())), (QStringList{"ahead", "today"}));
        QCOMPARE(restarted.state().undelivered.size(), 0);

        QCOMPARE(ids(f.s.takeUndelivered()), (QStringList{"ahead", "today"}));
        QCOMPARE(f.s.takeUndelivered().size(), 0);
        f.s.keepUndelivered(fired(once("today", 5, 4, 8, 0), 5, 4, 8));
        f.clock.setNow(at(5, 5, 7, 0)); // the next day it would say something false
        QCOMPARE(f.s.takeUndelivered().size(), 0);
    }

    void clockSetBackFiresNothingTwiceAndSkipsNothing() {
        Fixture f(at(5, 4, 17, 0));
        f.s.add(daily());
        f.s.add(once("r", 5, 4, 18, 0));
        f.checkAt(at(5, 4, 18, 0, 10));
        f.checkAt(at(5, 4, 17, 30)); // set back past both
        f.s.add(once("a", 5, 4, 17, 45));
        f.s.add(once("r", 5, 4, 18, 0)); // the start-up refresh adds them again
        f.s.add(daily());
        f.run(60);
        QCOMPARE(f.fired, (QStringList{"daily-summary", "r", "a"}));
        f.checkAt(at(5, 5, 18, 0));
        QCOMPARE(f.fired.size(), 4);

        // A clock days ahead when the summary last fired does not silence it once put right.
        Fixture g(at(5, 10, 17, 0));
        g.s.add(daily());
        g.checkAt(at(5, 10, 18, 0, 10));
        g.checkAt(at(5, 4, 17, 0));
        g.run(61);
        QCOMPARE(g.fired, (QStringList{"daily-summary", "daily-summary"}));
    }

    void timeZoneChange() {
        // Eastwards: local 16:00 and 18:00 become past at once; each fires once.
        Fixture f(at(5, 4, 14, 30, 0, london), london);
        f.s.add(daily());
        f.s.add(once("a", 5, 4, 16, 0));
        f.clock.advance(2 * 3600);     // 16:30 in London
        f.clock.setTimeZone(helsinki); // 18:30 there
        f.s.check();
        f.s.check();
        QCOMPARE(f.fired, (QStringList{"a", "daily-summary"}));

        // Westwards after firing: London's 18:00 the same day is the same occurrence,
        // while a one-time request follows the local clock (18:45 there, not 16:45).
        f.clock.setTimeZone(london); // 16:30
        f.run(3 * 60);
        QCOMPARE(f.fired.size(), 2);
        f.checkAt(at(5, 5, 18, 0, 0, london));
        QCOMPARE(f.fired.size(), 3);
    }

    void daylightSavingNights() {
        Fixture f(at(3, 28, 12, 0));
        f.s.add(daily(2, 30));
        while (f.fired.isEmpty() && f.clock.now() < at(3, 30, 0, 0))
            f.run(1);
        // At the first valid moment, 03:00 (01:00 UTC).
        QCOMPARE(f.clock.now(), QDateTime(QDate(2026, 3, 29), QTime(1, 0), Qt::UTC));
        f.checkAt(at(10, 24, 12, 0)); // the missed days give one, no burst
        QCOMPARE(f.fired.size(), 2);
        f.run(24 * 60); // through the doubled hour
        QCOMPARE(f.fired.size(), 3);
    }
};

TAVLEN_TEST(TestNotificationScheduler)
#include "tst_notificationscheduler.moc"
