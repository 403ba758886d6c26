#include "model/DetaljeRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::row;

namespace {

QDateTime kl(int dag, int time, int minut) {
    return test::kbh(2026, 3, dag, time, minut);
}

} // namespace

class TestDetaljeRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The night of 28/29 March 2026 is 23 hours long in Copenhagen.
    void deadlineTekst_data() {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<QDateTime>("deadline");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("zone"); // the clock's, not the machine's
        const QDateTime aften = kl(28, 23, 30);
        const QByteArray cph = "Europe/Copenhagen";
        row("start of today", aften, kl(28, 0, 0), "I dag", cph);
        row("end of today", aften, kl(28, 23, 59), "I dag", cph);
        row("yesterday", aften, kl(27, 23, 59), "27. mar. 2026", cph);
        row("start of tomorrow", aften, kl(29, 0, 0), "I morgen", cph);
        row("end of the short day", aften, kl(29, 23, 59), "I morgen", cph);
        // Less than 24 hours ahead, yet the day after tomorrow.
        row("after the short day", aften, kl(30, 0, 0), "30. mar. 2026", cph);
        row("after the change, today", kl(29, 3, 0), kl(29, 1, 59), "I dag", cph);
        // At 00:30 in Copenhagen it is still yesterday in UTC.
        row("not the UTC date", kl(29, 0, 30), kl(29, 23, 30), "I dag", cph);
        row("the clock's zone", aften, kl(29, 5, 0), "I dag", QByteArray("America/New_York"));
    }
    void deadlineTekst() {
        const auto [nu, deadline, tekst, zone] =
            test::fetch<QDateTime, QDateTime, QString, QByteArray>("nu", "deadline", "tekst",
                                                                   "zone");
        QCOMPARE(detalje::deadlineTekst(deadline.toUTC(), ManualClock(nu, QTimeZone(zone))), tekst);
    }

    // Overdue from the first moment after the deadline, done or not.
    void erForfaldt() {
        const ManualClock clock(kl(29, 1, 59));
        Lektie lektie = Lektie::ny({}, "Læs", {}, {}, clock.now(), clock);
        QCOMPARE(detalje::erForfaldt(lektie, clock), false);
        lektie.deadline = clock.now().addSecs(-1);
        QCOMPARE(detalje::erForfaldt(lektie, clock), true);
        lektie.erFaerdig = true;
        QCOMPARE(detalje::erForfaldt(lektie, clock), true);
    }

    void visBeskrivelse() {
        QCOMPARE(detalje::visBeskrivelse(""), false);
        QCOMPARE(detalje::visBeskrivelse(" \n\t \r\n"), false);
        QCOMPARE(detalje::visBeskrivelse("   Husk kilder"), true);
    }
};

TAVLEN_TEST(TestDetaljeRegler)
#include "tst_detaljeregler.moc"
