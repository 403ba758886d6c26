#include "model/KalenderRegler.h"
#include "support/TestMain.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <climits>

using namespace tavlen::kalender;

namespace {

const QByteArray kCph = "Europe/Copenhagen";

QDateTime utc(int y, int mo, int d, int h) {
    return QDateTime(QDate(y, mo, d), QTime(h, 0), QTimeZone::utc());
}

QString tekst(const std::optional<std::pair<int, int>>& am) {
    return am ? QString("%1-%2").arg(am->first).arg(am->second) : QString("none");
}

} // namespace

class TestKalenderRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // `antal` cells, whole days from `forste`; `medDato` of them carry a date (-1: all).
    void dageCeller_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("aar");
        QTest::addColumn<int>("maaned");
        QTest::addColumn<QDate>("forste");
        QTest::addColumn<int>("antal");
        QTest::addColumn<int>("medDato");
        auto row = [](const char* navn, const QByteArray& zone, int aar, int maaned, QDate forste,
                      int antal, int medDato = -1) {
            QTest::newRow(navn) << zone << aar << maaned << forste << antal << medDato;
        };
        row("starts Sunday, spring DST", kCph, 2026, 3, QDate(2026, 2, 23), 42);
        row("four full weeks, one alone", kCph, 2027, 2, QDate(2027, 2, 1), 29);
        row("autumn DST", kCph, 2026, 10, QDate(2026, 9, 28), 35);
        row("month 13, ends Sunday", kCph, 2026, 13, QDate(2026, 12, 28), 36);
        row("UTC midnight, not local", "UTC", 2026, 3, QDate(2026, 2, 23), 42);
        row("year 0", kCph, 0, 5, QDate(), 0, 0);
        row("past int", kCph, INT_MAX, 13, QDate(), 0, 0);
        row("next January in year 0", kCph, -1, 12, QDate(-1, 11, 27), 36, 35);
        row("beyond QDateTime", kCph, 300000000, 1, QDate(), 42, 0);
        row("unknown zone", "Nowhere/Atlantis", 2026, 3, QDate(), 42, 0);
    }
    void dageCeller() {
        QFETCH(QByteArray, zone);
        QFETCH(int, aar);
        QFETCH(int, maaned);
        QFETCH(QDate, forste);
        QFETCH(int, antal);
        QFETCH(int, medDato);
        const QTimeZone tz(zone);
        const QList<DagCelleModel> celler = tavlen::kalender::dageCeller(aar, maaned, tz);
        QCOMPARE(celler.size(), antal);
        // Ids are fresh on every computation, never null.
        QSet<QUuid> ids{QUuid()};
        for (const DagCelleModel& c : celler + tavlen::kalender::dageCeller(aar, maaned, tz))
            ids << c.id;
        QCOMPARE(ids.size(), 1 + 2 * antal);
        const auto dateret = std::count_if(celler.begin(), celler.end(),
                                           [](const DagCelleModel& c) { return c.dato; });
        QCOMPARE(dateret, medDato < 0 ? antal : medDato);
        if (!forste.isValid())
            return;
        const int egen = forste.addDays(7).month(); // the second row lies in the shown month
        for (int i = 0; i < celler.size(); ++i) {
            const QDate dag = forste.addDays(i);
            if (celler[i].dato)
                QCOMPARE(*celler[i].dato, QDateTime(dag, QTime(0, 0), tz));
            QCOMPARE(celler[i].dag, dag.day());
            QCOMPARE(celler[i].erDenneMaaned, dag.month() == egen);
            QCOMPARE(celler[i].erWeekend, dag.dayOfWeek() >= 6);
        }
    }

    void skiftMaaned_data() {
        QTest::addColumn<int>("aar");
        QTest::addColumn<int>("maaned");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("forventet");
        QTest::newRow("+13") << 2026 << 5 << 13 << "2027-6";
        QTest::newRow("-25") << 2026 << 5 << -25 << "2024-4";
        QTest::newRow("month 0 rolls") << 2026 << 0 << 0 << "2025-12";
        QTest::newRow("largest k") << 2026 << 1 << INT_MAX << "178958996-8";
        QTest::newRow("into year 0") << 1 << 1 << -1 << "none";
        QTest::newRow("past int") << INT_MAX << 12 << 1 << "none";
        QTest::newRow("below int") << INT_MIN << 1 << -1 << "none";
    }
    void skiftMaaned() {
        QFETCH(int, aar);
        QFETCH(int, maaned);
        QFETCH(int, k);
        QFETCH(QString, forventet);
        QCOMPARE(tekst(tavlen::kalender::skiftMaaned(aar, maaned, k)), forventet);
    }

    void titel() {
        QCOMPARE(tavlen::kalender::titel(2026, 12), "December 2026");
        QCOMPARE(tavlen::kalender::titel(12026, 1), "Januar 12026");
    }

    // Compared as instants; a day starts at its first existing moment and lasts until the next.
    void dagensStartOgSammeDag_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("dag");
        QTest::addColumn<QDateTime>("start");
        QTest::newRow("spring-forward day") << kCph << QDate(2026, 3, 29) << utc(2026, 3, 28, 23);
        QTest::newRow("fall-back day") << kCph << QDate(2026, 10, 25) << utc(2026, 10, 24, 22);
        QTest::newRow("UTC") << QByteArray("UTC") << QDate(2026, 3, 29) << utc(2026, 3, 29, 0);
        QTest::newRow("midnight skipped")
            << QByteArray("America/Sao_Paulo") << QDate(2018, 11, 4) << utc(2018, 11, 4, 3);
        QTest::newRow("no date") << kCph << QDate() << QDateTime();
    }
    void dagensStartOgSammeDag() {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, dag);
        QFETCH(QDateTime, start);
        const QTimeZone tz(zone);
        QCOMPARE(tavlen::kalender::dagensStart(dag, tz), start);
        const QDateTime naeste = tavlen::kalender::dagensStart(dag.addDays(1), tz);
        QCOMPARE(tavlen::kalender::sammeDag(start, naeste.addMSecs(-1), tz), dag.isValid());
        QCOMPARE(tavlen::kalender::sammeDag(start.addMSecs(-1), start, tz), false);
        QCOMPARE(tavlen::kalender::sammeDag(start, naeste, tz), false);
    }

    void farver_data() {
        QTest::addColumn<QList<bool>>("flag"); // valgt, denne måned, i dag, weekend, hover
        QTest::addColumn<TekstFarve>("tekst");
        QTest::addColumn<BaggrundsFarve>("baggrund");
        auto row = [](const char* navn, QList<bool> flag, TekstFarve t, BaggrundsFarve b) {
            QTest::newRow(navn) << flag << t << b;
        };
        using T = TekstFarve;
        using B = BaggrundsFarve;
        row("chosen, other month", {true, false, true, true, false}, T::Hvid, B::Accent);
        row("other month beats today", {false, false, true, true, true}, T::SekundaerSvag,
            B::Gennemsigtig);
        row("today beats weekend", {false, true, true, true, true}, T::Accent, B::Hover);
        row("weekend", {false, true, false, true, false}, T::AccentWeekend, B::Gennemsigtig);
        row("weekday", {false, true, false, false, true}, T::Primaer, B::Hover);
    }
    void farver() {
        QFETCH(QList<bool>, flag);
        QFETCH(TekstFarve, tekst);
        QFETCH(BaggrundsFarve, baggrund);
        QCOMPARE(tavlen::kalender::tekstFarve(flag[0], flag[1], flag[2], flag[3]), tekst);
        QCOMPARE(tavlen::kalender::baggrundsFarve(flag[0], flag[4], flag[1]), baggrund);
    }

    // An invalid expected date stands for no move.
    void flytValgtDag_data() {
        QTest::addColumn<QDate>("valgt");
        QTest::addColumn<int>("maaned"); // of 2026
        QTest::addColumn<int>("delta");
        QTest::addColumn<QDate>("ny");
        QTest::newRow("+7 onto the last") << QDate(2026, 12, 24) << 12 << 7 << QDate(2026, 12, 31);
        QTest::newRow("-1 before the first") << QDate(2026, 12, 1) << 12 << -1 << QDate();
        QTest::newRow("+7 past February") << QDate(2026, 2, 22) << 2 << 7 << QDate();
        QTest::newRow("huge delta") << QDate(2026, 12, 10) << 12 << INT_MAX << QDate();
        QTest::newRow("outside, forward") << QDate(2026, 11, 30) << 12 << 7 << QDate(2026, 12, 1);
        QTest::newRow("same month, other year")
            << QDate(2025, 12, 10) << 12 << 1 << QDate(2026, 12, 1);
        QTest::newRow("none chosen") << QDate() << 2 << -7 << QDate(2026, 2, 28);
        QTest::newRow("outside, no delta") << QDate() << 2 << 0 << QDate();
    }
    void flytValgtDag() {
        QFETCH(QDate, valgt);
        QFETCH(int, maaned);
        QFETCH(int, delta);
        QFETCH(QDate, ny);
        QCOMPARE(tavlen::kalender::flytValgtDag(valgt, 2026, maaned, delta).value_or(QDate()), ny);
    }
};

TAVLEN_TEST(TestKalenderRegler)
#include "tst_kalenderregler.moc"
