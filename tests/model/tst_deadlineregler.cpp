#include "model/DetaljeRegler.h"
#include "model/LektieRaekkeRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

using namespace tavlen;
using raekke::DeadlineFarve;
using test::kbh;
using test::row;

Q_DECLARE_METATYPE(tavlen::raekke::DeadlineFarve)

// A deadline as a row in the lists says it, and as the detail says it.
class TestDeadlineRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // 2027: the night to 28 March is 23 hours long in Copenhagen, the night to 31 October 25.
    void deadline_data() {
        test::columns<QDateTime>({"nu", "deadline"});
        QTest::addColumn<bool>("faerdig");
        QTest::addColumn<QString>("raekke");
        QTest::addColumn<DeadlineFarve>("farve");
        QTest::addColumn<QString>("detalje");
        const QDateTime nu = kbh(2026, 12, 6, 10);
        const auto roed = DeadlineFarve::Roed, orange = DeadlineFarve::Orange,
                   sek = DeadlineFarve::Sekundaer;
        row("overdue since midnight", nu, kbh(2026, 12, 6, 0), false, "Forfaldt 6. dec. 2026", roed,
            "I dag");
        row("overdue since yesterday", nu, kbh(2026, 12, 5, 23, 59), false, "Forfaldt 5. dec. 2026",
            roed, "5. dec. 2026");
        row("due this moment", nu, nu, false, "I dag", orange, "I dag");
        row("later today", nu, kbh(2026, 12, 6, 23, 59), false, "I dag", orange, "I dag");
        row("tomorrow", nu, kbh(2026, 12, 7, 0), false, "I morgen", orange, "I morgen");
        row("day after tomorrow, under 48 hours", nu, kbh(2026, 12, 8, 9), false, "Om 1 dag", sek,
            "8. dec. 2026");
        row("2 whole days", nu, kbh(2026, 12, 8, 10), false, "Om 2 dage", sek, "8. dec. 2026");
        row("7 whole days", nu, kbh(2026, 12, 13, 10), false, "Om 7 dage", sek, "13. dec. 2026");
        row("a minute short of 8 days", nu, kbh(2026, 12, 14, 9, 59), false, "Om 7 dage", sek,
            "14. dec. 2026");
        row("8 whole days", nu, kbh(2026, 12, 14, 10), false, "14. dec. 2026", sek,
            "14. dec. 2026");
        row("done, passed today", nu, kbh(2026, 12, 6, 9), true, "I dag", sek, "I dag");
        row("done, due tomorrow", nu, kbh(2026, 12, 7, 9), true, "I morgen", sek, "I morgen");
        row("done, due yesterday", nu, kbh(2026, 12, 5, 10), true, "5. dec. 2026", sek,
            "5. dec. 2026");
        // At 00:30 in Copenhagen it is still yesterday in UTC.
        row("not the UTC date", kbh(2026, 12, 7, 0, 30), kbh(2026, 12, 7, 23, 30), false, "I dag",
            orange, "I dag");
        // Under 24 hours ahead across the short night, yet the day after tomorrow.
        row("short night, end of tomorrow", kbh(2027, 3, 27, 23, 30), kbh(2027, 3, 28, 23, 59),
            false, "I morgen", orange, "I morgen");
        row("short night, under 24 hours", kbh(2027, 3, 27, 23, 30), kbh(2027, 3, 29, 0, 15), false,
            "Om 1 dag", sek, "29. mar. 2027");
        row("after the change, today", kbh(2027, 3, 28, 3), kbh(2027, 3, 28, 1, 59), false,
            "Forfaldt 28. mar. 2027", roed, "I dag");
        // 47.5 real hours, but two calendar days at the same wall-clock time.
        row("short night, 2 days", kbh(2027, 3, 27, 12), kbh(2027, 3, 29, 12, 30), false,
            "Om 2 dage", sek, "29. mar. 2027");
        row("short night, a week", kbh(2027, 3, 25, 12), kbh(2027, 4, 1, 12), false, "Om 7 dage",
            sek, "1. apr. 2027");
        // Over 24 hours ahead across the long night, still tomorrow.
        row("long night, over 24 hours", kbh(2027, 10, 30, 23, 30), kbh(2027, 10, 31, 23, 45),
            false, "I morgen", orange, "I morgen");
        row("long night, 8 days by the hour", kbh(2027, 10, 27, 12), kbh(2027, 11, 4, 11, 30),
            false, "Om 7 dage", sek, "4. nov. 2027");
    }
    void deadline() {
        const auto [nu, deadline, faerdig, tekst, farve, detalje] =
            test::fetch<QDateTime, QDateTime, bool, QString, DeadlineFarve, QString>(
                "nu", "deadline", "faerdig", "raekke", "farve", "detalje");
        const ManualClock clock(nu);
        Lektie l = Lektie::ny({}, "Læs", {}, {}, deadline.toUTC(), clock);
        l.erFaerdig = faerdig;
        QCOMPARE(raekke::deadlineTekst(l, clock), tekst);
        QCOMPARE(raekke::deadlineFarve(l, clock), farve);
        QCOMPARE(detalje::deadlineTekst(l.deadline, clock), detalje);
    }

    // The clock's zone decides the day, not the machine's.
    void inTheClocksZone() {
        const ManualClock clock(kbh(2026, 12, 6, 23), QTimeZone("America/New_York"));
        const Lektie l = Lektie::ny({}, "Læs", {}, {}, kbh(2026, 12, 7, 5).toUTC(), clock);
        QCOMPARE(raekke::deadlineTekst(l, clock), "I dag");
        QCOMPARE(detalje::deadlineTekst(l.deadline, clock), "I dag");
    }

    // The detail marks an item overdue from the first moment after the deadline, done or not.
    void erForfaldt() {
        const ManualClock clock(kbh(2027, 3, 28, 1, 59));
        Lektie lektie = Lektie::ny({}, "Læs", {}, {}, clock.now(), clock);
        QCOMPARE(detalje::erForfaldt(lektie, clock), false);
        lektie.deadline = clock.now().addSecs(-1);
        QCOMPARE(detalje::erForfaldt(lektie, clock), true);
        lektie.erFaerdig = true;
        QCOMPARE(detalje::erForfaldt(lektie, clock), true);
    }
};

TAVLEN_TEST(TestDeadlineRegler)
#include "tst_deadlineregler.moc"
