#include "model/DetaljeRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

namespace {

const QTimeZone kbh("Europe/Copenhagen");

QDateTime kl(int dag, int time, int minut) {
    return QDateTime(QDate(2026, 3, dag), QTime(time, minut), kbh);
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
        const QDateTime aften = kl(28, 23, 30);
        QTest::newRow("start of today") << aften << kl(28, 0, 0) << "I dag";
        QTest::newRow("end of today") << aften << kl(28, 23, 59) << "I dag";
        QTest::newRow("yesterday") << aften << kl(27, 23, 59) << "27. mar. 2026";
        QTest::newRow("start of tomorrow") << aften << kl(29, 0, 0) << "I morgen";
        QTest::newRow("end of the short day") << aften << kl(29, 23, 59) << "I morgen";
        // Less than 24 hours ahead, yet the day after tomorrow.
        QTest::newRow("after the short day") << aften << kl(30, 0, 0) << "30. mar. 2026";
        QTest::newRow("after the change, today") << kl(29, 3, 0) << kl(29, 1, 59) << "I dag";
        // At 00:30 in Copenhagen it is still yesterday in UTC.
        QTest::newRow("not the UTC date") << kl(29, 0, 30) << kl(29, 23, 30) << "I dag";
    }
    void deadlineTekst() {
        QFETCH(QDateTime, nu);
        QFETCH(QDateTime, deadline);
        QFETCH(QString, tekst);
        const ManualClock clock(nu);
        QCOMPARE(detalje::deadlineTekst(deadline.toUTC(), clock), tekst);
    }

    // The clock's zone decides the day, not the machine's.
    void deadlineTekstInTheClocksZone() {
        const ManualClock clock(kl(28, 23, 30), QTimeZone("America/New_York"));
        QCOMPARE(detalje::deadlineTekst(kl(29, 5, 0).toUTC(), clock), "I dag");
    }

    void erForfaldt_data() {
        QTest::addColumn<int>("sekunder");
        QTest::addColumn<bool>("faerdig");
        QTest::addColumn<bool>("forfaldt");
        QTest::newRow("a second ago") << -1 << false << true;
        QTest::newRow("a second ago, done") << -1 << true << true;
        QTest::newRow("now") << 0 << false << false;
    }
    void erForfaldt() {
        QFETCH(int, sekunder);
        QFETCH(bool, faerdig);
        QFETCH(bool, forfaldt);
        const ManualClock clock(kl(29, 1, 59));
        Lektie lektie = Lektie::ny({}, "Læs", {}, {}, clock.now().addSecs(sekunder), clock);
        lektie.erFaerdig = faerdig;
        QCOMPARE(detalje::erForfaldt(lektie, clock), forfaldt);
    }

    void visBeskrivelse_data() {
        QTest::addColumn<QString>("beskrivelse");
        QTest::addColumn<bool>("vises");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("spaces and line breaks") << " \n\t \r\n" << false;
        QTest::newRow("leading spaces") << "   Husk kilder" << true;
    }
    void visBeskrivelse() {
        QFETCH(QString, beskrivelse);
        QFETCH(bool, vises);
        QCOMPARE(detalje::visBeskrivelse(beskrivelse), vises);
    }
};

TAVLEN_TEST(TestDetaljeRegler)
#include "tst_detaljeregler.moc"
