#include "model/Clock.h"
#include "model/LektieNotificationManager.h"
#include "platform/InMemoryNotificationCenter.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {

const QTimeZone copenhagen("Europe/Copenhagen");

QDateTime cph(int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min), copenhagen);
}

CalendarTrigger onceAt(int y, int m, int d, int h, int min) {
    CalendarTrigger t;
    t.year = y;
    t.month = m;
    t.day = d;
    t.hour = h;
    t.minute = min;
    return t;
}

NotificationRequest foreign(const QString& id) {
    NotificationRequest r;
    r.identifier = id;
    r.title = QStringLiteral("Fremmed");
    r.trigger.hour = 7;
    r.trigger.repeats = true;
    return r;
}

QStringList identifiers(const QList<NotificationRequest>& requests) {
    QStringList ids;
    for (const auto& r : requests)
        ids.append(r.identifier);
    ids.sort();
    return ids;
}

} // namespace

class TestLektieNotificationManager : public QObject {
    Q_OBJECT

    Fag matematik =
        Fag::ny(QStringLiteral("Matematik"), QStringLiteral("function"), QStringLiteral("3B82F6"));
    Fag dansk =
        Fag::ny(QStringLiteral("Dansk"), QStringLiteral("book.fill"), QStringLiteral("E8704A"));

    Lektie lektie(const QString& titel, const QDateTime& deadline, const Fag& fag,
                  const ManualClock& clock, bool faerdig = false) {
        Lektie l = Lektie::ny(fag.id, titel, QString(), {}, deadline, clock);
        l.erFaerdig = faerdig;
        return l;
    }

    void refreshAndWait(LektieNotificationManager& manager, const QList<Lektie>& lektier,
                        const QList<Fag>& fag) {
        bool done = false;
        manager.refreshNotifications(lektier, fag, [&] { done = true; });
        QTRY_VERIFY(done);
        QVERIFY(manager.isIdle());
    }

    void addDirectly(InMemoryNotificationCenter& center, const NotificationRequest& r) {
        bool added = false;
        center.add(r, [&](const QString&) { added = true; });
        QTRY_VERIFY(added);
    }

private Q_SLOTS:
    void fiveDaysAheadGetsThreeRemindersAndSummary() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l =
            lektie(QStringLiteral("Brøker"), cph(2026, 12, 11, 10, 0), matematik, clock);
        refreshAndWait(manager, {l}, {dansk, matematik});

        const QString base =
            QStringLiteral("lektie-reminder-") + l.id.toString(QUuid::WithoutBraces).toUpper();
        QCOMPARE(
            identifiers(center.pending()),
            QStringList({QStringLiteral("daily-summary"), base + "-0", base + "-1", base + "-3"}));
        QVERIFY(base.size() == 16 + 36);
        QVERIFY(base.mid(16) == base.mid(16).toUpper());

        const auto summary = center.pendingRequest(QStringLiteral("daily-summary"));
        QVERIFY(summary);
        QCOMPARE(summary->title, QStringLiteral("Husk dine lektier"));
        QCOMPARE(summary->body,
                 QStringLiteral("Du har 1 aktive lektier. Næste er Brøker i Matematik."));
        CalendarTrigger daily;
        daily.hour = 18;
        daily.minute = 0;
        daily.repeats = true;
        QCOMPARE(summary->trigger, daily);
        QVERIFY(summary->defaultSound);

        const auto r3 = center.pendingRequest(base + "-3");
        QCOMPARE(r3->title, QStringLiteral("Lektie snart"));
        QCOMPARE(r3->body, QStringLiteral("Brøker i Matematik nærmer sig deadline."));
        QCOMPARE(r3->trigger, onceAt(2026, 12, 8, 16, 0));
        const auto r1 = center.pendingRequest(base + "-1");
        QCOMPARE(r1->title, QStringLiteral("Lektie i morgen"));
        QCOMPARE(r1->body, QStringLiteral("Brøker i Matematik har deadline i morgen."));
        QCOMPARE(r1->trigger, onceAt(2026, 12, 10, 16, 0));
        const auto r0 = center.pendingRequest(base + "-0");
        QCOMPARE(r0->title, QStringLiteral("Lektie i dag"));
        QCOMPARE(r0->body, QStringLiteral("Brøker i Matematik skal laves i dag."));
        QCOMPARE(r0->trigger, onceAt(2026, 12, 11, 8, 0));
        QVERIFY(r0->defaultSound);
    }

    void textRules() {
        QCOMPARE(LektieNotificationManager::reminderTitle(2), QStringLiteral("Lektie snart"));
        QCOMPARE(LektieNotificationManager::reminderTitle(-1), QStringLiteral("Lektie snart"));
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        const Lektie l = lektie(QStringLiteral("Stil"), cph(2026, 12, 9, 10, 0), dansk, clock);
        QCOMPARE(LektieNotificationManager::reminderBody(l, {matematik}, 1),
                 QStringLiteral("Stil i Ukendt fag har deadline i morgen."));
        QCOMPARE(LektieNotificationManager::reminderBody(l, {dansk}, 7),
                 QStringLiteral("Stil i Dansk nærmer sig deadline."));
        // The first subject with the id gives the name.
        Fag skygge = dansk;
        skygge.navn = QStringLiteral("Skygge");
        QCOMPARE(LektieNotificationManager::subjectName(dansk.id, {dansk, skygge}),
                 QStringLiteral("Dansk"));
    }

    void unknownSubjectIsNamedInSummaryAndReminders() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l =
            lektie(QStringLiteral("Ordklasser"), cph(2026, 12, 7, 12, 0), dansk, clock);
        refreshAndWait(manager, {l}, {matematik});
        QCOMPARE(center.pendingRequest(QStringLiteral("daily-summary"))->body,
                 QStringLiteral("Du har 1 aktive lektier. Næste er Ordklasser i Ukendt fag."));
        QCOMPARE(center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, 1))->body,
                 QStringLiteral("Ordklasser i Ukendt fag har deadline i morgen."));
    }

    void onlyDoneHomeworkRemovesManagedAndKeepsForeign() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l =
            lektie(QStringLiteral("Brøker"), cph(2026, 12, 11, 10, 0), matematik, clock);
        refreshAndWait(manager, {l}, {matematik});
        addDirectly(center, foreign(QStringLiteral("andet-program")));
        addDirectly(center, foreign(QStringLiteral("daily-summary-x")));
        QCOMPARE(center.pending().size(), 6);

        Lektie faerdig = l;
        faerdig.erFaerdig = true;
        refreshAndWait(manager, {faerdig}, {matematik});
        // "daily-summary-x" only starts like the summary id: it is not ours.
        QCOMPARE(identifiers(center.pending()),
                 QStringList({QStringLiteral("andet-program"), QStringLiteral("daily-summary-x")}));
        QCOMPARE(center.lastRemoved().size(), 4);

        refreshAndWait(manager, {}, {});
        QCOMPARE(center.pending().size(), 2);
        QCOMPARE(center.lastRemoved(), QStringList()); // removal is still asked for
    }

    void withoutPermissionOnlyRemoves_data() {
        QTest::addColumn<AuthorizationStatus>("status");
        QTest::addColumn<bool>("adds");
        QTest::newRow("not determined") << AuthorizationStatus::NotDetermined << false;
        QTest::newRow("denied") << AuthorizationStatus::Denied << false;
        QTest::newRow("ephemeral") << AuthorizationStatus::Ephemeral << false;
        QTest::newRow("provisional") << AuthorizationStatus::Provisional << true;
        QTest::newRow("authorized") << AuthorizationStatus::Authorized << true;
    }
    void withoutPermissionOnlyRemoves() {
        QFETCH(AuthorizationStatus, status);
        QFETCH(bool, adds);
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l =
            lektie(QStringLiteral("Brøker"), cph(2026, 12, 11, 10, 0), matematik, clock);
        refreshAndWait(manager, {l}, {matematik});
        addDirectly(center, foreign(QStringLiteral("andet-program")));

        center.setStatus(status);
        Lektie ny = lektie(QStringLiteral("Ny"), cph(2026, 12, 20, 10, 0), matematik, clock);
        refreshAndWait(manager, {l, ny}, {matematik});
        QCOMPARE(center.pending().size(), adds ? 8 : 1);
        QVERIFY(center.pendingRequest(QStringLiteral("andet-program")));
        QCOMPARE(center.authorizationRequests(), 0); // asking is not the planner's job
    }

    void tomorrowMorningRefreshedThisEvening() {
        ManualClock clock(cph(2026, 12, 6, 17, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l = lektie(QStringLiteral("Læsning"), cph(2026, 12, 7, 9, 0), dansk, clock);
        refreshAndWait(manager, {l}, {dansk});
        QCOMPARE(identifiers(center.pending()),
                 QStringList({QStringLiteral("daily-summary"),
                              LektieNotificationManager::reminderIdentifier(l, 0)}));
        QCOMPARE(
            center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, 0))->trigger,
            onceAt(2026, 12, 7, 8, 0));
    }

    void reminderAtExactlyNowIsSkipped() {
        ManualClock clock(cph(2026, 12, 6, 16, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l = lektie(QStringLiteral("Læsning"), cph(2026, 12, 7, 9, 0), dansk, clock);
        refreshAndWait(manager, {l}, {dansk});
        QVERIFY(!center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, 1)));
        clock.advance(-1);
        refreshAndWait(manager, {l}, {dansk});
        QVERIFY(center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, 1)));
    }

    void sameDayReminderAfterEarlyDeadline() {
        ManualClock clock(cph(2026, 12, 6, 6, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l =
            lektie(QStringLiteral("Morgenlektie"), cph(2026, 12, 6, 7, 30), dansk, clock);
        refreshAndWait(manager, {l}, {dansk});
        QCOMPARE(center.pending().size(), 2);
        QCOMPARE(
            center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, 0))->trigger,
            onceAt(2026, 12, 6, 8, 0));
    }

    void overdueIsCountedAndNamedButNotReminded() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie senere =
            lektie(QStringLiteral("Senere"), cph(2026, 12, 20, 10, 0), dansk, clock);
        const Lektie forfalden =
            lektie(QStringLiteral("Gammel stil"), cph(2026, 12, 1, 10, 0), dansk, clock);
        const Lektie ogsaaForfalden =
            lektie(QStringLiteral("Endnu ældre"), cph(2026, 11, 20, 10, 0), matematik, clock);
        const Lektie faerdig =
            lektie(QStringLiteral("Færdig"), cph(2026, 11, 1, 10, 0), matematik, clock, true);
        refreshAndWait(manager, {senere, forfalden, faerdig, ogsaaForfalden}, {dansk, matematik});
        QCOMPARE(center.pendingRequest(QStringLiteral("daily-summary"))->body,
                 QStringLiteral("Du har 3 aktive lektier. Næste er Endnu ældre i Matematik."));
        QCOMPARE(center.pending().size(), 4); // summary + three for "Senere"
        for (const Lektie& l : {forfalden, ogsaaForfalden, faerdig})
            for (int days : {0, 1, 3})
                QVERIFY(
                    !center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, days)));
    }

    void equalDeadlinesKeepListOrderInSummary() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const QDateTime same = cph(2026, 12, 9, 10, 0);
        const Lektie sidst =
            lektie(QStringLiteral("Senere"), cph(2026, 12, 12, 10, 0), dansk, clock);
        const Lektie a = lektie(QStringLiteral("Først tilføjet"), same, dansk, clock);
        const Lektie b = lektie(QStringLiteral("Sidst tilføjet"), same, matematik, clock);
        refreshAndWait(manager, {sidst, a, b}, {dansk, matematik});
        QCOMPARE(center.pendingRequest(QStringLiteral("daily-summary"))->body,
                 QStringLiteral("Du har 3 aktive lektier. Næste er Først tilføjet i Dansk."));
        // The requests are added in deadline order, the summary first.
        const auto pending = center.pending();
        QCOMPARE(pending.first().identifier, QStringLiteral("daily-summary"));
        QCOMPARE(pending.at(1).identifier, LektieNotificationManager::reminderIdentifier(a, 3));
        QCOMPARE(pending.last().identifier,
                 LektieNotificationManager::reminderIdentifier(sidst, 0));
    }

    void remindersFollowCalendarDaysAcrossDaylightSaving_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("deadline");
        QTest::addColumn<QDate>("threeBefore");
        QTest::addColumn<QDate>("oneBefore");
        // 2026-03-29 has 23 hours; a deadline just after midnight on the next day.
        QTest::newRow("spring") << cph(2026, 3, 20, 12, 0) << cph(2026, 3, 30, 0, 30)
                                << QDate(2026, 3, 27) << QDate(2026, 3, 29);
        // 2026-10-25 has 25 hours; a deadline late the next evening.
        QTest::newRow("autumn") << cph(2026, 10, 20, 12, 0) << cph(2026, 10, 26, 23, 30)
                                << QDate(2026, 10, 23) << QDate(2026, 10, 25);
    }
    void remindersFollowCalendarDaysAcrossDaylightSaving() {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, deadline);
        QFETCH(QDate, threeBefore);
        QFETCH(QDate, oneBefore);
        ManualClock clock(now);
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l = lektie(QStringLiteral("Projekt"), deadline, dansk, clock);
        refreshAndWait(manager, {l}, {dansk});
        const auto components = [&](int days) {
            return center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, days))
                ->trigger;
        };
        QCOMPARE(components(3),
                 onceAt(threeBefore.year(), threeBefore.month(), threeBefore.day(), 16, 0));
        QCOMPARE(components(1),
                 onceAt(oneBefore.year(), oneBefore.month(), oneBefore.day(), 16, 0));
        const QDate day = deadline.toTimeZone(copenhagen).date();
        QCOMPARE(components(0), onceAt(day.year(), day.month(), day.day(), 8, 0));
    }

    void dayOfChangeStillGetsItsReminderAfterTheGap() {
        // Now is 07:30 summer time on the spring change day; 08:00 lies ahead.
        ManualClock clock(cph(2026, 3, 29, 7, 30));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        const Lektie l = lektie(QStringLiteral("Projekt"), cph(2026, 3, 29, 20, 0), dansk, clock);
        refreshAndWait(manager, {l}, {dansk});
        QCOMPARE(
            center.pendingRequest(LektieNotificationManager::reminderIdentifier(l, 0))->trigger,
            onceAt(2026, 3, 29, 8, 0));
    }

    void addErrorsAreDroppedOneByOne() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        center.setAddError(QStringLiteral("fuld"));
        const Lektie l =
            lektie(QStringLiteral("Brøker"), cph(2026, 12, 11, 10, 0), matematik, clock);
        refreshAndWait(manager, {l}, {matematik});
        QVERIFY(center.pending().isEmpty());
        center.setAddError(QString());
        refreshAndWait(manager, {l}, {matematik});
        QCOMPARE(center.pending().size(), 4);
    }

    void overlappingRefreshesLeaveTheLastSchedule() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        LektieNotificationManager manager(center, clock);
        QSignalSpy finished(&manager, &LektieNotificationManager::refreshFinished);
        const Lektie a = lektie(QStringLiteral("A"), cph(2026, 12, 11, 10, 0), dansk, clock);
        const Lektie b = lektie(QStringLiteral("B"), cph(2026, 12, 12, 10, 0), dansk, clock);
        const Lektie c = lektie(QStringLiteral("C"), cph(2026, 12, 13, 10, 0), dansk, clock);
        refreshAndWait(manager, {a}, {dansk});
        finished.clear();

        center.setMode(InMemoryNotificationCenter::Mode::Manual);
        QStringList order;
        manager.refreshNotifications({b}, {dansk}, [&] { order << "b"; });
        // Let the first run get as far as its adds before newer lists arrive.
        center.releaseNewest(); // status
        center.releaseNewest(); // pending list
        center.releaseNewest(); // removal
        QVERIFY(center.heldCompletions() == 4);
        manager.refreshNotifications({a, b}, {dansk}, [&] { order << "ab"; });
        manager.refreshNotifications({c}, {dansk}, [&] { order << "c"; });
        QVERIFY(!manager.isIdle());
        while (center.heldCompletions() > 0)
            center.releaseNewest();
        QVERIFY(manager.isIdle());
        QCOMPARE(order, QStringList({"b", "ab", "c"}));
        QCOMPARE(finished.size(), 2); // the waiting {a, b} was replaced by {c}
        QCOMPARE(identifiers(center.pending()),
                 QStringList({QStringLiteral("daily-summary"),
                              LektieNotificationManager::reminderIdentifier(c, 0),
                              LektieNotificationManager::reminderIdentifier(c, 1),
                              LektieNotificationManager::reminderIdentifier(c, 3)}));
        QCOMPARE(center.pendingRequest(QStringLiteral("daily-summary"))->body,
                 QStringLiteral("Du har 1 aktive lektier. Næste er C i Dansk."));
    }

    void doneWaitsForTheRunThatCoveredTheCall() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Manual);
        LektieNotificationManager manager(center, clock);
        const Lektie a = lektie(QStringLiteral("A"), cph(2026, 12, 11, 10, 0), dansk, clock);
        bool firstDone = false;
        bool secondDone = false;
        manager.refreshNotifications({a}, {dansk}, [&] { firstDone = true; });
        center.releaseOldest();
        manager.refreshNotifications({}, {dansk}, [&] { secondDone = true; });
        while (!firstDone && center.heldCompletions() > 0)
            center.releaseOldest();
        QVERIFY(firstDone);
        QVERIFY(!secondDone);
        QCOMPARE(center.pending().size(), 4);
        center.releaseAll();
        QVERIFY(secondDone);
        QVERIFY(center.pending().isEmpty());
    }

    void synchronousCompletionsFinishInsideTheCall() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Immediate);
        LektieNotificationManager manager(center, clock);
        const Lektie a = lektie(QStringLiteral("A"), cph(2026, 12, 11, 10, 0), dansk, clock);
        int done = 0;
        manager.refreshNotifications({a}, {dansk}, [&] { ++done; });
        QCOMPARE(done, 1);
        QVERIFY(manager.isIdle());
        QCOMPARE(center.pending().size(), 4);
    }

    void destroyedManagerIgnoresLateCompletions() {
        ManualClock clock(cph(2026, 12, 6, 10, 0));
        InMemoryNotificationCenter center;
        center.setMode(InMemoryNotificationCenter::Mode::Manual);
        bool done = false;
        {
            LektieNotificationManager manager(center, clock);
            manager.refreshNotifications({}, {}, [&] { done = true; });
        }
        center.releaseAll();
        QVERIFY(!done);
    }
};

QTEST_GUILESS_MAIN(TestLektieNotificationManager)
#include "tst_lektienotificationmanager.moc"
