#include "model/KalenderRegler.h"
#include "support/TestMain.h"

#include <QSet>

#include <algorithm>
#include <climits>

using namespace tavlen;
using kalender::BaggrundsFarve;
using kalender::DagCelleModel;
using kalender::TekstFarve;
using test::row;

namespace {

const QByteArray kKalenderCph = "Europe/Copenhagen";

QDateTime kalenderUtc(int y, int mo, int d, int h) {
    return QDateTime(QDate(y, mo, d), QTime(h, 0), QTimeZone::utc());
}

} // namespace

class TestKalenderRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // `antal` cells, whole days from `forste`; `medDato` of them carry a date (-1: all).
    void dageCeller_data() {
        QTest::addColumn<QByteArray>("zone");
        test::columns<int>({"aar", "maaned"});
        QTest::addColumn<QDate>("forste");
        test::columns<int>({"antal", "medDato"});
        const QByteArray cph = kKalenderCph;
        row("starts Sunday, spring DST", cph, 2026, 3, QDate(2026, 2, 23), 42, -1);
        row("four full weeks, one alone", cph, 2027, 2, QDate(2027, 2, 1), 29, -1);
        row("autumn DST", cph, 2026, 10, QDate(2026, 9, 28), 35, -1);
        row("month 13, ends Sunday", cph, 2026, 13, QDate(2026, 12, 28), 36, -1);
        row("UTC midnight, not local", QByteArray("UTC"), 2026, 3, QDate(2026, 2, 23), 42, -1);
        row("year 0", cph, 0, 5, QDate(), 0, 0);
        row("past int", cph, INT_MAX, 13, QDate(), 0, 0);
        row("next January in year 0", cph, -1, 12, QDate(-1, 11, 27), 36, 35);
        row("beyond QDateTime", cph, 300000000, 1, QDate(), 42, 0);
        row("unknown zone", QByteArray("Nowhere/Atlantis"), 2026, 3, QDate(), 42, 0);
    }
    void dageCeller() {
        const auto [zone, aar, maaned, forste, antal, medDato] =
            test::fetch<QByteArray, int, int, QDate, int, int>("zone", "aar", "maaned", "forste",
                                                               "antal", "medDato");
        const QTimeZone tz(zone);
        const QList<DagCelleModel> celler = kalender::dageCeller(aar, maaned, tz);
        QCOMPARE(celler.size(), antal);
        // Ids are fresh on every computation, never null.
        QSet<QUuid> ids{QUuid()};
        for (const DagCelleModel& c : celler + kalender::dageCeller(aar, maaned, tz))
            ids << c.id;
        QCOMPARE(ids.size(), 1 + 2 * antal);
        QCOMPARE(
            int(std::count_if(celler.begin(), celler.end(), [](const auto& c) { return c.dato; })),
            medDato < 0 ? antal : medDato);
        const int egen = forste.addDays(7).month(); // the second row lies in the shown month
        for (int i = 0; forste.isValid() && i < celler.size(); ++i) {
            const QDate dag = forste.addDays(i);
            if (celler[i].dato)
                QCOMPARE(*celler[i].dato, QDateTime(dag, QTime(0, 0), tz));
            QCOMPARE(celler[i].dag, dag.day());
            QCOMPARE(celler[i].erDenneMaaned, dag.month() == egen);
            QCOMPARE(celler[i].erWeekend, dag.dayOfWeek() >= 6);
        }
    }

    void skiftMaaned_data() {
        test::columns<int>({"aar", "maaned", "k"});
        QTest::addColumn<QString>("forventet");
        row("+13", 2026, 5, 13, "2027-6");
        row("-25", 2026, 5, -25, "2024-4");
        row("month 0 rolls", 2026, 0, 0, "2025-12");
        row("largest k", 2026, 1, INT_MAX, "178958996-8");
        row("into year 0", 1, 1, -1, "none");
        row("past int", INT_MAX, 12, 1, "none");
        row("below int", INT_MIN, 1, -1, "none");
    }
    void skiftMaaned() {
        const auto [aar, maaned, k, forventet] =
            test::fetch<int, int, int, QString>("aar", "maaned", "k", "forventet");
        const auto am = kalender::skiftMaaned(aar, maaned, k);
        QCOMPARE(am ? QString("%1-%2").arg(am->first).arg(am->second) : QString("none"), forventet);
    }

    // Compared as instants; a day starts at its first existing moment and lasts until the next.
    void dagensStartOgSammeDag_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("dag");
        QTest::addColumn<QDateTime>("start");
        const QByteArray cph = kKalenderCph;
        row("spring-forward day", cph, QDate(2026, 3, 29), kalenderUtc(2026, 3, 28, 23));
        row("fall-back day", cph, QDate(2026, 10, 25), kalenderUtc(2026, 10, 24, 22));
        row("UTC", QByteArray("UTC"), QDate(2026, 3, 29), kalenderUtc(2026, 3, 29, 0));
        row("midnight skipped", QByteArray("America/Sao_Paulo"), QDate(2018, 11, 4),
            kalenderUtc(2018, 11, 4, 3));
        row("no date", cph, QDate(), QDateTime());
    }
    void dagensStartOgSammeDag() {
        const auto [zone, dag, start] =
            test::fetch<QByteArray, QDate, QDateTime>("zone", "dag", "start");
        const QTimeZone tz(zone);
        QCOMPARE(kalender::dagensStart(dag, tz), start);
        const QDateTime naeste = kalender::dagensStart(dag.addDays(1), tz);
        QCOMPARE(kalender::sammeDag(start, naeste.addMSecs(-1), tz), dag.isValid());
        QCOMPARE(kalender::sammeDag(start.addMSecs(-1), start, tz), false);
        QCOMPARE(kalender::sammeDag(start, naeste, tz), false);
    }

    // Flags: chosen, this month, today, weekend, hover.
    void farver_data() {
        QTest::addColumn<QList<bool>>("flag");
        QTest::addColumn<TekstFarve>("tekst");
        QTest::addColumn<BaggrundsFarve>("baggrund");
        using T = TekstFarve;
        using B = BaggrundsFarve;
        row("chosen, other month", QList{true, false, true, true, false}, T::Hvid, B::Accent);
        row("other month beats today", QList{false, false, true, true, true}, T::SekundaerSvag,
            B::Gennemsigtig);
        row("today beats weekend", QList{false, true, true, true, true}, T::Accent, B::Hover);
        row("weekend", QList{false, true, false, true, false}, T::AccentWeekend, B::Gennemsigtig);
        row("weekday", QList{false, true, false, false, true}, T::Primaer, B::Hover);
    }
    void farver() {
        const auto [flag, tekst, baggrund] =
            test::fetch<QList<bool>, TekstFarve, BaggrundsFarve>("flag", "tekst", "baggrund");
        QCOMPARE(kalender::tekstFarve(flag[0], flag[1], flag[2], flag[3]), tekst);
        QCOMPARE(kalender::baggrundsFarve(flag[0], flag[4], flag[1]), baggrund);
    }

    // An invalid expected date stands for no move.
    void flytValgtDag_data() {
        QTest::addColumn<QDate>("valgt");
        test::columns<int>({"maaned", "delta"}); // of 2026
        QTest::addColumn<QDate>("ny");
        row("+7 onto the last", QDate(2026, 12, 24), 12, 7, QDate(2026, 12, 31));
        row("-1 before the first", QDate(2026, 12, 1), 12, -1, QDate());
        row("+7 past February", QDate(2026, 2, 22), 2, 7, QDate());
        row("huge delta", QDate(2026, 12, 10), 12, INT_MAX, QDate());
        row("outside, forward", QDate(2026, 11, 30), 12, 7, QDate(2026, 12, 1));
        row("same month, other year", QDate(2025, 12, 10), 12, 1, QDate(2026, 12, 1));
        row("none chosen", QDate(), 2, -7, QDate(2026, 2, 28));
        row("outside, no delta", QDate(), 2, 0, QDate());
    }
    void flytValgtDag() {
        const auto [valgt, maaned, delta, ny] =
            test::fetch<QDate, int, int, QDate>("valgt", "maaned", "delta", "ny");
        QCOMPARE(kalender::flytValgtDag(valgt, 2026, maaned, delta).value_or(QDate()), ny);
    }
};

TAVLEN_TEST(TestKalenderRegler)
#include "tst_kalenderregler.moc"
