#include "model/LektieNotificationManager.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {

const QTimeZone copenhagen("Europe/Copenhagen");

QDateTime cph(int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min), copenhagen);
}

const Fag dansk = Fag::ny("Dansk", "book.fill", "E8704A");
const Fag matematik = Fag::ny("Matematik", "function", "3B82F6");
const Fag skygge = Fag::ny("Skygge", "book.fill", "E8704A", dansk.id); // the first match names
const Fag ukendt = Fag::ny("Ukendt", "x", "000000");                   // not in the list

QHash<QString, QString> names; // upper-case id -> title, to show identifiers readably

Lektie lektie(const QString& titel, const QDateTime& deadline, const Fag& fag, bool done = false) {
    static const ManualClock created(cph(2026, 1, 1, 0, 0));
    Lektie l = Lektie::ny(fag.id, titel, QString(), {}, deadline, created);
    l.erFaerdig = done;
    names.insert(uuidTekst(l.id), titel);
    return l;
}

struct Planner {
    explicit Planner(const QDateTime& now) : clock(now) {}
    ManualClock clock;
    InMemoryNotificationCenter center;
    LektieNotificationManager manager{center, clock};
    [[nodiscard]] bool refresh(const QList<Lektie>& lektier) {
        bool done = false;
        manager.refreshNotifications(lektier, {dansk, skygge, matematik}, [&] { done = true; });
        return QTest::qWaitFor([&] { return done && manager.isIdle(); });
    }
    // Every pending request in the order it was added: the daily summary as its body,
    // reminders as title-days date time.
    QStringList schedule() const {
        QStringList out;
        for (const NotificationRequest& r : center.pending()) {
            const CalendarTrigger& t = r.trigger;
            const QString uuid = r.identifier.mid(16, 36);
            QString line = r.identifier.startsWith("lektie-reminder-") && names.contains(uuid)
                               ? names.value(uuid) + r.identifier.mid(52)
                               : r.identifier;
            line += ' ' + (t.repeats ? QStringLiteral("daily")
                                     : QDate(*t.year, *t.month, *t.day).toString(Qt::ISODate));
            line += ' ' + QTime(*t.hour, *t.minute).toString("HH:mm");
            out << (line == "daily-summary daily 18:00" ? r.body : line) +
                       (r.defaultSound ? "" : " (silent)");
        }
        return out;
    }
};

} // namespace

class TestLektieNotificationManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void schedule_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<Lektie>>("items");
        QTest::addColumn<QString>("expected");
        const QString one = "Du har 1 aktive lektier. Næste er %1 | ";
        const QList<Lektie> l = {lektie("L", cph(2026, 12, 7, 9, 0), dansk)};
        // A reminder due at this very moment is no longer ahead.
        QTest::newRow("tomorrow 09:00 refreshed 16:00")
            << cph(2026, 12, 6, 16, 0) << l << one.arg("L i Dansk.") + "L-0 2026-12-07 08:00";
        QTest::newRow("tomorrow 09:00 refreshed 15:59")
            << cph(2026, 12, 6, 15, 59) << l
            << one.arg("L i Dansk.") + "L-1 2026-12-06 16:00 | L-0 2026-12-07 08:00";
        QTest::newRow("today 07:30 refreshed 06:00")
            << cph(2026, 12, 6, 6, 0) << QList<Lektie>{lektie("M", cph(2026, 12, 6, 7, 30), dansk)}
            << one.arg("M i Dansk.") + "M-0 2026-12-06 08:00";
        QTest::newRow("overdue named in summary")
            << cph(2026, 12, 6, 10, 0)
            << QList<Lektie>{lektie("Senere", cph(2026, 12, 20, 10, 0), dansk),
                             lektie("Gammel stil", cph(2026, 12, 1, 10, 0), dansk),
                             lektie("Færdig", cph(2026, 11, 1, 10, 0), matematik, true),
                             lektie("Endnu ældre", cph(2026, 11, 20, 10, 0), matematik)}
            << "Du har 3 aktive lektier. Næste er Endnu ældre i Matematik. | Senere-3 2026-12-17 "
               "16:00 | Senere-1 2026-12-19 16:00 | Senere-0 2026-12-20 08:00";
        // Equal deadlines keep the list order; requests go out in deadline order.
        QTest::newRow("three-item body")
            << cph(2026, 12, 6, 10, 0)
            << QList<Lektie>{lektie("Senere", cph(2026, 12, 8, 10, 0), dansk),
                             lektie("Først", cph(2026, 12, 7, 10, 0), ukendt),
                             lektie("Sidst", cph(2026, 12, 7, 10, 0), matematik)}
            << "Du har 3 aktive lektier. Næste er Først i Ukendt fag. | Først-1 2026-12-06 16:00 | "
               "Først-0 2026-12-07 08:00 | Sidst-1 2026-12-06 16:00 | Sidst-0 2026-12-07 08:00 | "
               "Senere-1 2026-12-07 16:00 | Senere-0 2026-12-08 08:00";
        // Reminders fall on calendar days: 2026-03-29 has 23 hours.
        QTest::newRow("spring change")
            << cph(2026, 3, 20, 12, 0) << QList<Lektie>{lektie("P", cph(2026, 3, 30, 0, 30), dansk)}
            << one.arg("P i Dansk.") +
                   "P-3 2026-03-27 16:00 | P-1 2026-03-29 16:00 | P-0 2026-03-30 08:00";
        QTest::newRow("only done homework")
            << cph(2026, 12, 6, 10, 0)
            << QList<Lektie>{lektie("F", cph(2026, 12, 11, 10, 0), dansk, true)} << QString();
    }
    void schedule() {
        QFETCH(QDateTime, now);
        QFETCH(QList<Lektie>, items);
        QFETCH(QString, expected);
        Planner p(now);
        QVERIFY(p.refresh(items));
        QCOMPARE(p.schedule().join(" | "), expected);
    }

    void textsOfEveryRequest() {
        Planner p(cph(2026, 12, 6, 10, 0));
        QVERIFY(p.refresh({lektie("Brøker", cph(2026, 12, 11, 10, 0), ukendt)}));
        QStringList texts; // title: body
        for (const NotificationRequest& r : p.center.pending())
            texts << r.title + ": " + r.body;
        QCOMPARE(texts,
                 QStringList(
                     {"Husk dine lektier: Du har 1 aktive lektier. Næste er Brøker i Ukendt fag.",
                      "Lektie snart: Brøker i Ukendt fag nærmer sig deadline.",
                      "Lektie i morgen: Brøker i Ukendt fag har deadline i morgen.",
                      "Lektie i dag: Brøker i Ukendt fag skal laves i dag."}));
        const QList<NotificationRequest> pending = p.center.pending();
        // Every day at 18:00 and nothing else: a stray date component would make it one day.
        QCOMPARE(pending.at(0).trigger, (CalendarTrigger{{}, {}, {}, 18, 0, true}));
        // Only the reminder that names no day may be shown on a later day, until the deadline.
        QCOMPARE(pending.at(1).showUntil, std::optional(cph(2026, 12, 11, 10, 0)));
        QCOMPARE(pending.at(2).showUntil, std::nullopt);
        QCOMPARE(pending.at(3).showUntil, std::nullopt);
        // The reminders can be ticked off from the notification; the summary names no item.
        QCOMPARE(pending.at(0).actions, QList<NotificationAction>{});
        const QList<NotificationAction> tick{{"marker-faerdig", "Markér som færdig"}};
        for (int i = 1; i < 4; ++i)
            QCOMPARE(pending.at(i).actions, tick);
    }

    // Shown reminders that no longer say something true are taken back at the next refresh.
    void staleRemindersAreWithdrawn_data() {
        QTest::addColumn<QList<Lektie>>("items");
        QTest::addColumn<QString>("left"); // shown after the refresh
        const Lektie a = lektie("A", cph(2026, 12, 11, 10, 0), dansk);
        const Lektie b = lektie("B", cph(2026, 12, 12, 10, 0), dansk);
        Lektie aDone = a;
        aDone.erFaerdig = true;
        Lektie bDone = b;
        bDone.erFaerdig = true;
        QTest::newRow("all open") << QList<Lektie>{a, b} << "A-3 A-1 B-0 daily-summary andet ?";
        QTest::newRow("A ticked off") << QList<Lektie>{aDone, b} << "B-0 daily-summary andet ?";
        QTest::newRow("A deleted") << QList<Lektie>{b} << "B-0 daily-summary andet ?";
        QTest::newRow("nothing open") << QList<Lektie>{aDone, bDone} << "andet ?";
        QTest::newRow("reset") << QList<Lektie>{} << "andet ?";
    }
    void staleRemindersAreWithdrawn() {
        QFETCH(QList<Lektie>, items);
        QFETCH(QString, left);
        Planner p(cph(2026, 12, 6, 10, 0));
        const auto id = [&](const char* titel, int days) {
            for (auto it = names.cbegin(); it != names.cend(); ++it) {
                if (it.value() == titel)
                    return "lektie-reminder-" + it.key().toLower() + "-" + QString::number(days);
            }
            return QString();
        };
        // A reminder whose id cannot be read is not the planner's to judge.
        p.center.setShown({id("A", 3), id("A", 1), id("B", 0), "daily-summary", "andet",
                           "lektie-reminder-ulaeseligt-id-0"});
        QVERIFY(p.refresh(items));
        QStringList shown;
        for (const QString& identifier : p.center.shown()) {
            const auto lektieId = LektieNotificationManager::lektieIdOf(identifier);
            shown << (lektieId ? names.value(uuidTekst(*lektieId).toUpper()) + identifier.right(2)
                               : identifier);
        }
        QCOMPARE(shown.join(' ').replace("lektie-reminder-ulaeseligt-id-0", "?"), left);
    }

    // The settings name the next reminder: the earliest of the summary and the reminders.
    void nextReminder_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<Lektie>>("items");
        QTest::addColumn<QString>("expected"); // when, and the request's title
        const Lektie l = lektie("L", cph(2026, 12, 8, 10, 0), dansk);
        QTest::newRow("summary first")
            << cph(2026, 12, 6, 10, 0) << QList<Lektie>{l} << "2026-12-06 18:00 Husk dine lektier";
        QTest::newRow("a reminder at 16:00 first")
            << cph(2026, 12, 7, 10, 0) << QList<Lektie>{l} << "2026-12-07 16:00 Lektie i morgen";
        QTest::newRow("evening: tomorrow 08:00")
            << cph(2026, 12, 7, 18, 0) << QList<Lektie>{l} << "2026-12-08 08:00 Lektie i dag";
        // 18:00 on the day the clocks go forward is still 18:00 on the wall.
        QTest::newRow("spring change")
            << cph(2026, 3, 29, 12, 0) << QList<Lektie>{lektie("P", cph(2026, 4, 20, 10, 0), dansk)}
            << "2026-03-29 18:00 Husk dine lektier";
        QTest::newRow("nothing open") << cph(2026, 12, 6, 10, 0) << QList<Lektie>{} << "none";
    }
    void nextReminder() {
        QFETCH(QDateTime, now);
        QFETCH(QList<Lektie>, items);
        QFETCH(QString, expected);
        Planner p(now);
        QVERIFY(p.refresh(items));
        NotificationRequest foreign; // not the planner's, however soon
        foreign.identifier = "andet-program";
        foreign.trigger = {{}, {}, {}, 10, 1, true};
        const auto next =
            LektieNotificationManager::next(p.center.pending() << foreign, now, copenhagen);
        QCOMPARE(next ? next->at.toTimeZone(copenhagen).toString("yyyy-MM-dd HH:mm") + ' ' +
                            next->request.title
                      : "none",
                 expected);
    }

    // Only the planner's own requests are replaced; without permission it only removes.
    void refreshReplacesOnlyItsOwnRequests_data() {
        QTest::addColumn<bool>("adds"); // authorized
        QTest::newRow("denied") << false;
        QTest::newRow("authorized") << true;
    }
    void refreshReplacesOnlyItsOwnRequests() {
        QFETCH(bool, adds);
        Planner p(cph(2026, 12, 6, 10, 0));
        const Lektie a = lektie("A", cph(2026, 12, 11, 10, 0), dansk);
        QVERIFY(p.refresh({a}));
        NotificationRequest foreign;
        for (const char* id : {"andet-program", "daily-summary-x"}) { // the second looks like ours
            foreign.identifier = id;
            p.center.add(foreign, [](const QString&) {});
        }
        p.center.setStatus(adds ? AuthorizationStatus::Authorized : AuthorizationStatus::Denied);
        QVERIFY(p.refresh({lektie("B", cph(2026, 12, 20, 10, 0), dansk), a}));
        QCOMPARE(p.center.pending().size(), adds ? 2 + 7 : 2);
        QCOMPARE(p.center.pendingRequest("andet-program").has_value(), true);
        QCOMPARE(p.center.pendingRequest("daily-summary-x").has_value(), true);
        QCOMPARE(p.center.authorizationRequests(), 0); // asking is not the planner's job
    }

    void overlappingRefreshesCompletingOutOfOrderLeaveTheLastSchedule() {
        Planner p(cph(2026, 12, 6, 10, 0));
        QSignalSpy finished(&p.manager, &LektieNotificationManager::refreshFinished);
        const Lektie a = lektie("A", cph(2026, 12, 11, 10, 0), dansk);
        const Lektie b = lektie("B", cph(2026, 12, 12, 10, 0), dansk);
        const Lektie c = lektie("C", cph(2026, 12, 13, 10, 0), dansk);
        QVERIFY(p.refresh({a}));
        finished.clear();

        p.center.setMode(InMemoryNotificationCenter::Mode::Manual);
        QStringList order; // who heard, and how many runs had finished then
        const auto note = [&](const char* who) {
            return [&order, &finished, who] { order << who + QString::number(finished.size()); };
        };
        p.manager.refreshNotifications({b}, {dansk}, note("b"));
        // The first run gets as far as its adds before newer lists arrive.
        for (int i = 0; i < 4; ++i) // status, pending list, removal, shown ones
            p.center.releaseNewest();
        QCOMPARE(p.center.heldCompletions(), 4);
        p.manager.refreshNotifications({a, b}, {dansk}, note("ab"));
        p.manager.refreshNotifications({c}, {dansk}, note("c"));
        while (p.center.heldCompletions() > 0)
            p.center.releaseNewest();
        // {a, b} was replaced by {c} while waiting; its caller hears when {c} is done.
        QCOMPARE(order, QStringList({"b0", "ab1", "c1"}));
        QCOMPARE(finished.size(), 2);
        QStringList left = p.schedule();
        left.sort();
        QCOMPARE(left.join(" | "), "C-0 2026-12-13 08:00 | C-1 2026-12-12 16:00 | C-3 2026-12-10 "
                                   "16:00 | Du har 1 aktive lektier. Næste er C i Dansk.");
    }

    void failedAddsCompletionsInsideTheCallAndAfterDestruction() {
        Planner p(cph(2026, 12, 6, 10, 0));
        const Lektie a = lektie("A", cph(2026, 12, 11, 10, 0), dansk);
        p.center.setAddError("fuld"); // each failed add is dropped on its own
        QVERIFY(p.refresh({a}));
        QVERIFY(p.center.pending().isEmpty());
        p.center.setAddError(QString());
        p.center.setMode(InMemoryNotificationCenter::Mode::Immediate);
        int done = 0;
        p.manager.refreshNotifications({a}, {dansk}, [&] { ++done; });
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
