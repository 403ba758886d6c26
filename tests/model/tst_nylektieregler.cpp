#include "model/NyLektieRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;
using nylektie::Udfald;

namespace {

const QTimeZone kCopenhagen("Europe/Copenhagen");

QDateTime local(int y, int mo, int d, int h = 12, int mi = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), kCopenhagen);
}

const Fag kDansk = Fag::ny("Dansk", "book.fill", "E8704A");
const Fag kFysik = Fag::ny("Fysik", "atom", "06B6D4");

} // namespace

class TestNyLektieRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Steps of 24 hours, not calendar days: across the spring change the clock time moves.
    void hurtigValg() {
        QStringList labels;
        QList<QDateTime> datoer;
        for (const auto& valg : nylektie::hurtigValg(local(2026, 3, 28, 12))) {
            labels << valg.label;
            datoer << valg.dato;
        }
        QCOMPARE(labels, QStringList({"I morgen", "Om 3 dage", "Om en uge"}));
        QCOMPARE(datoer, QList<QDateTime>({local(2026, 3, 29, 13), local(2026, 3, 31, 13),
                                           local(2026, 4, 4, 13)}));
    }

    void erValgt_data() {
        QTest::addColumn<QDateTime>("valg");
        QTest::addColumn<QDateTime>("deadline");
        QTest::addColumn<QTimeZone>("zone");
        QTest::addColumn<bool>("valgt");
        // One hour apart and the same day in UTC, yet two days at home.
        QTest::newRow("spring night")
            << local(2026, 3, 29, 0, 30) << local(2026, 3, 28, 23, 30) << kCopenhagen << false;
        QTest::newRow("spring night in UTC")
            << local(2026, 3, 29, 0, 30) << local(2026, 3, 28, 23, 30) << QTimeZone::utc() << true;
        QTest::newRow("23-hour day")
            << local(2026, 3, 29, 0, 30) << local(2026, 3, 29, 23, 30) << kCopenhagen << true;
        QTest::newRow("no dates") << QDateTime() << QDateTime() << kCopenhagen << false;
    }
    void erValgt() {
        QFETCH(QDateTime, valg);
        QFETCH(QDateTime, deadline);
        QFETCH(QTimeZone, zone);
        QFETCH(bool, valgt);
        QCOMPARE(nylektie::erValgt(valg, deadline, zone), valgt);
    }

    void rensLinks_data() {
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<QStringList>("renset");
        QTest::newRow("spaces and tabs") << QStringList{" \ta b \t"} << QStringList{"a b"};
        QTest::newRow("no-break space") << QStringList{"\u00A0a.dk"} << QStringList{"a.dk"};
        QTest::newRow("line breaks stay")
            << QStringList{" \na.dk\n ", "a\nb", "\n"} << QStringList{"\na.dk\n", "a\nb", "\n"};
        QTest::newRow("blanks dropped, order and twins kept")
            << QStringList{"b", "", "  ", "\t", "a", "b"} << QStringList{"b", "a", "b"};
    }
    void rensLinks() {
        QFETCH(QStringList, links);
        QFETCH(QStringList, renset);
        QCOMPARE(nylektie::rensLinks(links), renset);
    }

    // Spaces are characters: only a title with nothing in it is an error.
    void visTitelFejl() {
        QCOMPARE(nylektie::visTitelFejl(false, ""), false);
        QCOMPARE(nylektie::visTitelFejl(true, ""), true);
        QCOMPARE(nylektie::visTitelFejl(true, "  "), false);
    }

    // A new item from the form, or an edit of an item: the same checks; an edit keeps the
    // item's id, creation date and done flag.
    void byg_data() {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<bool>("kendtFag");
        QTest::addColumn<bool>("rediger");
        QTest::addColumn<Udfald>("udfald");
        QTest::newRow("title of spaces") << "   " << true << false << Udfald::Gemt;
        QTest::newRow("empty title checked first") << "" << false << false << Udfald::TomTitel;
        QTest::newRow("unknown subject") << "Læs" << false << false << Udfald::UkendtFag;
        QTest::newRow("edit") << "Læs igen" << true << true << Udfald::Gemt;
        QTest::newRow("edit to an empty title") << "" << true << true << Udfald::TomTitel;
        QTest::newRow("edit to an unknown subject") << "Læs" << false << true << Udfald::UkendtFag;
    }
    void byg() {
        QFETCH(QString, titel);
        QFETCH(bool, kendtFag);
        QFETCH(bool, rediger);
        QFETCH(Udfald, udfald);
        const ManualClock clock(local(2026, 3, 29, 1, 30));
        const QUuid fagId = kendtFag ? kFysik.id : QUuid::createUuid();
        const QDateTime deadline = local(2026, 4, 1, 8);
        Lektie l;
        if (rediger) {
            l = Lektie::ny(kDansk.id, "Gammel", "", {"c.dk"}, local(2026, 3, 30, 8),
                           ManualClock(local(2026, 3, 1, 9)));
            l.erFaerdig = true;
        }
        const Lektie foer = l;
        const QStringList links{" a.dk\t", "", "b"};
        QCOMPARE(rediger ? nylektie::rediger({kDansk, kFysik}, fagId, titel, " s. 4 ", links,
                                             deadline, clock, &l)
                         : nylektie::byg({kDansk, kFysik}, fagId, titel, " s. 4 ", links, deadline,
                                         clock, &l),
                 udfald);
        if (udfald != Udfald::Gemt) {
            QCOMPARE(l.id, foer.id); // a refused form writes nothing
            QCOMPARE(l.titel, foer.titel);
            return;
        }
        QVERIFY(!l.id.isNull());
        QCOMPARE(l.id == foer.id, rediger);
        QCOMPARE(l.fagId, kFysik.id);
        QCOMPARE(l.titel, titel);
        QCOMPARE(l.beskrivelse, " s. 4 ");
        QCOMPARE(l.links, QStringList({"a.dk", "b"}));
        QCOMPARE(l.deadline, deadline);
        QCOMPARE(l.erFaerdig, rediger);
        QCOMPARE(l.oprettetDato, rediger ? foer.oprettetDato : clock.now());
    }

    void startFag() {
        const QUuid fremmed = QUuid::createUuid();
        QCOMPARE(nylektie::startFag(kFysik.id, {kDansk, kFysik}), kFysik.id);
        QCOMPARE(nylektie::startFag(fremmed, {kDansk}), fremmed);
        QCOMPARE(nylektie::startFag(std::nullopt, {kDansk, kFysik}), kDansk.id);
        QVERIFY(!nylektie::startFag(std::nullopt, {}).isNull());
    }
};

TAVLEN_TEST(TestNyLektieRegler)
#include "tst_nylektieregler.moc"
