#include "model/OversigtRegler.h"
#include "support/TempStore.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::kbh;
using test::row;

class TestOversigtRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The groups an item lands in, from a store as the overview gets its lists: overdue,
    // today, tomorrow, later. Tomorrow is the next calendar day, whether the night is 23 or
    // 25 hours (2027: 28 March and 31 October in Copenhagen).
    void grupper_data() {
        test::columns<QDateTime>({"nu", "deadline"});
        QTest::addColumn<bool>("faerdig");
        QTest::addColumn<QString>("grupper");
        const QDateTime nu = kbh(2026, 12, 6, 10);
        row("passed today", nu, kbh(2026, 12, 6, 9, 59), false, "L - - -");
        row("due this moment", nu, nu, false, "- L - -");
        row("later today", nu, kbh(2026, 12, 6, 23, 59), false, "- L - -");
        row("tomorrow at midnight", nu, kbh(2026, 12, 7, 0), false, "- - L -");
        row("day after tomorrow", nu, kbh(2026, 12, 8, 0), false, "- - - L");
        row("done, later today", nu, kbh(2026, 12, 6, 23), true, "- - - -");
        row("done, overdue", nu, kbh(2026, 12, 1, 10), true, "- - - -");
        const QDateTime kort = kbh(2027, 3, 27, 12), lang = kbh(2027, 10, 30, 23, 30);
        row("short night, end of tomorrow", kort, kbh(2027, 3, 28, 23, 30), false, "- - L -");
        row("short night, under 48 hours", kort, kbh(2027, 3, 29, 0, 15), false, "- - - L");
        row("long night, over 24 hours", lang, kbh(2027, 10, 31, 23, 45), false, "- - L -");
    }
    void grupper() {
        const auto [nu, deadline, faerdig, grupper] =
            test::fetch<QDateTime, QDateTime, bool, QString>("nu", "deadline", "faerdig",
                                                             "grupper");
        test::TempStore t(nu);
        Lektie l = Lektie::ny({}, "L", {}, {}, deadline.toUTC(), t.clock);
        l.erFaerdig = faerdig;
        t.store.tilfoej(l);
        const oversigt::Grupper g = oversigt::grupper(
            t.store.forfaldneLektier(), t.store.kommendeLektier(), t.store.lektier(), t.clock);
        QStringList ud;
        for (const QList<Lektie>* gruppe : {&g.forfaldne, &g.iDag, &g.iMorgen, &g.senere})
            ud << (gruppe->isEmpty() ? QStringLiteral("-") : gruppe->at(0).titel);
        QCOMPARE(ud.join(' '), grupper);
        QCOMPARE(g.kommende, int(grupper.mid(2).count('L')));
        QCOMPARE(g.faerdige, int(faerdig));
        QCOMPARE(g.tom, faerdig);
    }

    // Within a group, the soonest deadline comes first, whatever order they were added in.
    void groupsKeepTheDeadlineOrder() {
        test::TempStore t(kbh(2026, 12, 6, 10));
        for (const auto& [titel, deadline] : {std::pair{"B", kbh(2026, 12, 6, 18)},
                                              {"D", kbh(2026, 12, 7, 9)},
                                              {"A", kbh(2026, 12, 6, 11)},
                                              {"C", kbh(2026, 12, 6, 23)},
                                              {"E", kbh(2026, 12, 7, 20)}})
            t.store.tilfoej(Lektie::ny({}, titel, {}, {}, deadline.toUTC(), t.clock));
        const oversigt::Grupper g = oversigt::grupper(
            t.store.forfaldneLektier(), t.store.kommendeLektier(), t.store.lektier(), t.clock);
        const auto titler = [](const QList<Lektie>& gruppe) {
            QString ud;
            for (const Lektie& l : gruppe)
                ud += l.titel;
            return ud;
        };
        QCOMPARE(titler(g.iDag), QString("ABC"));
        QCOMPARE(titler(g.iMorgen), QString("DE"));
    }

    void naesteOmgruppering_data() {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<QList<QDateTime>>("deadlines");
        QTest::addColumn<QDateTime>("naeste");
        const QDateTime nu = kbh(2026, 12, 6, 10), midnat = kbh(2026, 12, 7, 0);
        const QDateTime kl18 = kbh(2026, 12, 6, 18), kl20 = kbh(2026, 12, 6, 20);
        row("nothing due", nu, QList<QDateTime>{}, midnat);
        row("due after midnight", nu, QList{kbh(2026, 12, 7, 8)}, midnat);
        row("due before midnight", nu, QList{kl18, kl20}, kl18);
        row("due this moment", nu, QList{nu, kl20}, kl20);
        row("23-hour day", kbh(2027, 3, 28, 12), QList<QDateTime>{}, kbh(2027, 3, 29, 0));
        row("25-hour day", kbh(2027, 10, 31, 12), QList<QDateTime>{}, kbh(2027, 11, 1, 0));
    }
    void naesteOmgruppering() {
        const auto [nu, deadlines, naeste] =
            test::fetch<QDateTime, QList<QDateTime>, QDateTime>("nu", "deadlines", "naeste");
        const ManualClock clock(nu);
        QList<Lektie> kommende;
        for (const QDateTime& d : deadlines)
            kommende << Lektie::ny({}, "L", {}, {}, d.toUTC(), clock);
        const QDateTime svar = oversigt::naesteOmgruppering(kommende, clock);
        QCOMPARE(svar, naeste);
        QCOMPARE(svar.timeSpec(), Qt::UTC);
    }
};

TAVLEN_TEST(TestOversigtRegler)
#include "tst_oversigtregler.moc"
