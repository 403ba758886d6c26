#include "model/LektieNotificationManager.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSignalSpy>

using namespace tavlen;
using test::kbh;
using test::row;

namespace {

const Fag kDansk = Fag::ny("Dansk", "book.fill", "E8704A");
const Fag kMatematik = Fag::ny("Matematik", "function", "3B82F6");
const Fag kSkygge = Fag::ny("Skygge", "book.fill", "E8704A", kDansk.id); // the first match names
const Fag kUkendt = Fag::ny("Ukendt", "x", "000000");                    // not in the list

QHash<QUuid, QString> titelAf; // to show identifiers readably

Lektie lektie(const QString& titel, const QDateTime& deadline, const Fag& fag = kDansk,
              bool done = false) {
    Lektie l = Lektie::ny(fag.id, titel, QString(), {}, deadline, ManualClock(kbh(2026, 1, 1, 0)));
    l.erFaerdig = done;
    titelAf.insert(l.id, titel);
    return l;
}

const Lektie kA = lektie("A", kbh(2026, 12, 11, 10));
const Lektie kB = lektie("B", kbh(2026, 12, 12, 10));

// A reminder's identifier as "<title>-<days before>", anything else as it is.
QString navn(const QString& identifier) {
    const auto id = LektieNotificationManager::lektieIdOf(identifier);
    return id ? titelAf.value(*id) + identifier.sliced(identifier.lastIndexOf('-')) : identifier;
}

struct Planner {
    explicit Planner(const QDateTime& now) : clock(now) {}
    ManualClock clock;
    InMemoryNotificationCenter center;
    LektieNotificationManager manager{center, clock};
    [[nodiscard]] bool refresh(const QList<Lektie>& lektier) {
        bool done = false;
        manager.refreshNotifications(lektier, {kDansk, kSkygge, kMatematik}, [&] { done = true; });
        return QTest::qWaitFor([&] { return done && manager.isIdle(); });
    }
    // Every pending request in the order it was added: the daily summary as its body,
    // reminders as title-days date time.
    QString schedule() const {
        QStringList out;
        for (const NotificationRequest& r : center.pending()) {
            const CalendarTrigger& t = r.trigger;
            QString line = r.identifier == LektieNotificationManager::dailySummaryIdentifier
                               ? r.body
                               : navn(r.identifier) + ' ' +
                                     QDate(*t.year, *t.month, *t.day).toString(Qt::ISODate) + ' ' +
                                     QTime(*t.hour, *t.minute).toString("HH:mm");
            out << line + (r.defaultSound ? "" : " (silent)");
        }
        return out.join(" | ");
    }
};

} // namespace

class TestLektieNotificationManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The requests, then the one the settings name as next: the earliest of the planner's.
    void schedule_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<Lektie>>("items");
        test::columns<QString>({"expected", "next"}); // next: when, and the request's title
        const QString one = "Du har 1 aktive lektier. Næste er %1 | ";
        const QString summary = " 18:00 Husk dine lektier";
        const QList<Lektie> l = {lektie("L", kbh(2026, 12, 7, 9))};
        // A reminder due at this very moment is no longer ahead.
        row("tomorrow 09:00 refreshed 16:00", kbh(2026, 12, 6, 16), l,
            one.arg("L i Dansk.") + "L-0 2026-12-07 08:00", "2026-12-06" + summary);
        row("tomorrow 09:00 refreshed 15:59", kbh(2026, 12, 6, 15, 59), l,
            one.arg("L i Dansk.") + "L-1 2026-12-06 16:00 | L-0 2026-12-07 08:00",
            "2026-12-06 16:00 Lektie i morgen");
        row("today 07:30 refreshed 06:00", kbh(2026, 12, 6, 6),
            QList{lektie("M", kbh(2026, 12, 6, 7, 30))},
            one.arg("M i Dansk.") + "M-0 2026-12-06 08:00", "2026-12-06 08:00 Lektie i dag");
        row("overdue named in summary", kbh(2026, 12, 6, 10),
            QList{lektie("Senere", kbh(2026, 12, 20, 10)),
                  lektie("Gammel stil", kbh(2026, 12, 1, 10)),
                  lektie("Færdig", kbh(2026, 11, 1, 10), kMatematik, true),
                  lektie("Endnu ældre", kbh(2026, 11, 20, 10), kMatematik)},
            "Du har 3 aktive lektier. Næste er Endnu ældre i Matematik. | Senere-3 2026-12-17 "
            "16:00 | Senere-1 2026-12-19 16:00 | Senere-0 2026-12-20 08:00",
            "2026-12-06" + summary);
        // Equal deadlines keep the list order; requests go out in deadline order.
        row("three-item body", kbh(2026, 12, 6, 10),
            QList{lektie("Senere", kbh(2026, 12, 8, 10)),
                  lektie("Først", kbh(2026, 12, 7, 10), kUkendt),
                  lektie("Sidst", kbh(2026, 12, 7, 10), kMatematik)},
            "Du har 3 aktive lektier. Næste er Først i Ukendt fag. | Først-1 2026-12-06 16:00 | "
            "Først-0 2026-12-07 08:00 | Sidst-1 2026-12-06 16:00 | Sidst-0 2026-12-07 08:00 | "
            "Senere-1 2026-12-07 16:00 | Senere-0 2026-12-08 08:00",
            "2026-12-06 16:00 Lektie i morgen");
        // Reminders fall on calendar days: 2026-03-29 has 23 hours.
        row("spring change", kbh(2026, 3, 20, 12), QList{lektie("P", kbh(2026, 3, 30, 0, 30))},
            one.arg("P i Dansk.") +
                "P-3 2026-03-27 16:00 | P-1 2026-03-29 16:00 | P-0 2026-03-30 08:00",
            "2026-03-20" + summary);
        row("only done homework", kbh(2026, 12, 6, 10),
            QList{lektie("F", kbh(2026, 12, 11, 10), kDansk, true)}, QString(), "none");
    }
    void schedule() {
        const auto [now, items, expected, next] =
            test::fetch<QDateTime, QList<Lektie>, QString, QString>("now", "items", "expected",
                                                                    "next");
        Planner p(now);
        QVERIFY(p.refresh(items));
        QCOMPARE(p.schedule(), expected);
        NotificationRequest foreign; // not the planner's, however soon
        foreign.identifier = "andet-program";
        foreign.trigger = {{}, {}, {}, 10, 1, true};
        const auto first =
            LektieNotificationManager::next(p.center.pending() << foreign, now, p.clock.timeZone());
        QCOMPARE(first ? first->at.toTimeZone(p.clock.timeZone()).toString("yyyy-MM-dd HH:mm ") +
                             first->request.title
                       : "none",
                 next);
    }

    void textsOfEveryRequest() {
        Planner p(kbh(2026, 12, 6, 10));
        QVERIFY(p.refresh({lektie("Brøker", kbh(2026, 12, 11, 10), kUkendt)}));
        const QList<NotificationRequest> pending = p.center.pending();
        QStringList texts; // title: body
        for (const NotificationRequest& r : pending)
            texts << r.title + ": " + r.body;
        QCOMPARE(texts,
                 QStringList(
                     {"Husk dine lektier: Du har 1 aktive lektier. Næste er Brøker i Ukendt fag.",
                      "Lektie snart: Brøker i Ukendt fag nærmer sig deadline.",
                      "Lektie i morgen: Brøker i Ukendt fag har deadline i morgen.",
                      "Lektie i dag: Brøker i Ukendt fag skal laves i dag."}));
        // Every day at 18:00 and nothing else: a stray date component would make it one day.
        QCOMPARE(pending.at(0).trigger, (CalendarTrigger{{}, {}, {}, 18, 0, true}));
        // Only the reminder that names no day may be shown on a later day, until the deadline.
        QCOMPARE(pending.at(1).showUntil, std::optional(kbh(2026, 12, 11, 10)));
        QCOMPARE(pending.at(2).showUntil, std::nullopt);
        QCOMPARE(pending.at(3).showUntil, std::nullopt);
        // The reminders can be ticked off from the notification; the summary names no item.
        QCOMPARE(pending.at(0).actions, QList<NotificationAction>{});
        for (int i = 1; i < 4; ++i)
            QCOMPARE(pending.at(i).actions,
                     QList<NotificationAction>({{"marker-faerdig", "Markér som færdig"}}));
    }

    // Shown reminders that no longer say something true are taken back at the next refresh;
    // one whose id cannot be read is not the planner's to judge. Only the planner's own
    // requests are replaced; without permission it only removes.
    void aRefreshReplacesOnlyItsOwn_data() {
        QTest::addColumn<QList<Lektie>>("items");
        QTest::addColumn<bool>("authorized");
        QTest::addColumn<QString>("left"); // shown after the refresh
        QTest::addColumn<int>("planned");  // the planner's requests then
        Lektie aDone = kA, bDone = kB;
        aDone.erFaerdig = bDone.erFaerdig = true;
        const QString fremmede = "andet lektie-reminder-ulaeseligt-id-0";
        row("all open", QList{kA, kB}, true, "A-3 A-1 B-0 daily-summary " + fremmede, 7);
        row("denied", QList{kA, kB}, false, "A-3 A-1 B-0 daily-summary " + fremmede, 0);
        row("A ticked off", QList{aDone, kB}, true, "B-0 daily-summary " + fremmede, 4);
        row("A deleted", QList{kB}, true, "B-0 daily-summary " + fremmede, 4);
        row("nothing open", QList{aDone, bDone}, true, fremmede, 0);
        row("reset", QList<Lektie>{}, true, fremmede, 0);
    }
    void aRefreshReplacesOnlyItsOwn() {
        const auto [items, authorized, left, planned] =
            test::fetch<QList<Lektie>, bool, QString, int>("items", "authorized", "left",
                                                           "planned");
        Planner p(kbh(2026, 12, 6, 10));
        QVERIFY(p.refresh({kA}));
        NotificationRequest foreign;
        for (const char* id : {"andet-program", "daily-summary-x"}) { // the second looks like ours
            foreign.identifier = id;
            p.center.add(foreign, [](const QString&) {});
        }
        p.center.setStatus(authorized ? AuthorizationStatus::Authorized
                                      : AuthorizationStatus::Denied);
        const auto id = [](const Lektie& l, int dage) { // as another program may write it
            return LektieNotificationManager::reminderIdentifier(l, dage).toLower();
        };
        p.center.setShown({id(kA, 3), id(kA, 1), id(kB, 0), "daily-summary", "andet",
                           "lektie-reminder-ulaeseligt-id-0"});
        QVERIFY(p.refresh(items));
        QStringList efter;
        for (const QString& identifier : p.center.shown())
            efter << navn(identifier);
        QCOMPARE(efter.join(' '), left);
        QCOMPARE(p.center.pending().size(), 2 + planned);
        QCOMPARE(p.center.pendingRequest("andet-program").has_value(), true);
        QCOMPARE(p.center.pendingRequest("daily-summary-x").has_value(), true);
        QCOMPARE(p.center.authorizationRequests(), 0); // asking is not the planner's job
    }

    void overlappingRefreshesCompletingOutOfOrderLeaveTheLastSchedule() {
        Planner p(kbh(2026, 12, 6, 10));
        QSignalSpy finished(&p.manager, &LektieNotificationManager::refreshFinished);
        QVERIFY(p.refresh({kA}));
        finished.clear();

        p.center.setMode(InMemoryNotificationCenter::Mode::Manual);
        QStringList order; // who heard, and how many runs had finished then
        const auto note = [&](const char* who) {
            return [&order, &finished, who] { order << who + QString::number(finished.size()); };
        };
        p.manager.refreshNotifications({kB}, {kDansk}, note("b"));
        // The first run gets as far as its adds before newer lists arrive.
        for (int i = 0; i < 4; ++i) // status, pending list, removal, shown ones
            p.center.releaseNewest();
        QCOMPARE(p.center.heldCompletions(), 4);
        p.manager.refreshNotifications({kA, kB}, {kDansk}, note("ab"));
        p.manager.refreshNotifications({lektie("C", kbh(2026, 12, 13, 10))}, {kDansk}, note("c"));
        while (p.center.heldCompletions() > 0)
            p.center.releaseNewest();
        // {a, b} was replaced by {c} while waiting; its caller hears when {c} is done.
        QCOMPARE(order, QStringList({"b0", "ab1", "c1"}));
        QCOMPARE(finished.size(), 2);
        QStringList left = p.schedule().split(" | "); // in the order the adds completed
        left.sort();
        QCOMPARE(left.join(" | "), "C-0 2026-12-13 08:00 | C-1 2026-12-12 16:00 | C-3 2026-12-10 "
                                   "16:00 | Du har 1 aktive lektier. Næste er C i Dansk.");
    }

    void failedAddsCompletionsInsideTheCallAndAfterDestruction() {
        Planner p(kbh(2026, 12, 6, 10));
        p.center.setAddError("fuld"); // each failed add is dropped on its own
        QVERIFY(p.refresh({kA}));
        QVERIFY(p.center.pending().isEmpty());
        p.center.setAddError(QString());
        p.center.setMode(InMemoryNotificationCenter::Mode::Immediate);
        int done = 0;
        p.manager.refreshNotifications({kA}, {kDansk}, [&] { ++done; });
        QCOMPARE(done, 1);
        QCOMPARE(p.manager.isIdle(), true);
        QCOMPARE(p.center.pending().size(), 4);

        p.center.setMode(InMemoryNotificationCenter::Mode::Manual);
        {
            LektieNotificationManager gone(p.center, p.clock);
            gone.refreshNotifications({}, {}, [&] { ++done; });
        }
        p.center.releaseAll();
        QCOMPARE(done, 1);
    }
};

TAVLEN_TEST(TestLektieNotificationManager)
#include "tst_lektienotificationmanager.moc"
