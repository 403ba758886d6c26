#include "model/NyLektieRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

using namespace tavlen;
using nylektie::Udfald;
using test::kbh;
using test::row;

class TestNyLektieRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Steps of 24 hours, not calendar days: across the spring change the clock time moves.
    void hurtigValg() {
        QStringList valg;
        for (const auto& v : nylektie::hurtigValg(kbh(2026, 3, 28, 12)))
            valg << v.label + ' ' + v.dato.toString("dd HH:mm");
        QCOMPARE(valg,
                 QStringList({"I morgen 29 13:00", "Om 3 dage 31 13:00", "Om en uge 04 13:00"}));
    }

    void erValgt_data() {
        test::columns<QDateTime>({"valg", "deadline"});
        QTest::addColumn<QTimeZone>("zone");
        QTest::addColumn<bool>("valgt");
        const QTimeZone cph("Europe/Copenhagen");
        const QDateTime nat = kbh(2026, 3, 29, 0, 30);
        // One hour apart and the same day in UTC, yet two days at home.
        row("spring night", nat, kbh(2026, 3, 28, 23, 30), cph, false);
        row("spring night in UTC", nat, kbh(2026, 3, 28, 23, 30), QTimeZone::utc(), true);
        row("23-hour day", nat, kbh(2026, 3, 29, 23, 30), cph, true);
        row("no dates", QDateTime(), QDateTime(), cph, false);
    }
    void erValgt() {
        const auto [valg, deadline, zone, valgt] =
            test::fetch<QDateTime, QDateTime, QTimeZone, bool>("valg", "deadline", "zone", "valgt");
        QCOMPARE(nylektie::erValgt(valg, deadline, zone), valgt);
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
        test::columns<bool>({"kendtFag", "rediger"});
        QTest::addColumn<Udfald>("udfald");
        row("title of spaces", "   ", true, false, Udfald::Gemt);
        row("empty title checked first", "", false, false, Udfald::TomTitel);
        row("unknown subject", "Læs", false, false, Udfald::UkendtFag);
        row("edit", "Læs igen", true, true, Udfald::Gemt);
        row("edit to an empty title", "", true, true, Udfald::TomTitel);
        row("edit to an unknown subject", "Læs", false, true, Udfald::UkendtFag);
    }
    void byg() {
        const auto [titel, kendtFag, rediger, udfald] =
            test::fetch<QString, bool, bool, Udfald>("titel", "kendtFag", "rediger", "udfald");
        const ManualClock clock(kbh(2026, 3, 29, 1, 30));
        const QList<Fag> fag{Fag::ny("Dansk", "book.fill", "E8704A"),
                             Fag::ny("Fysik", "atom", "06B6D4")};
        const QUuid fagId = kendtFag ? fag[1].id : QUuid::createUuid();
        const QDateTime deadline = kbh(2026, 4, 1, 8);
        Lektie l;
        if (rediger) {
            l = Lektie::ny(fag[0].id, "Gammel", "", {"c.dk"}, kbh(2026, 3, 30, 8),
                           ManualClock(kbh(2026, 3, 1, 9)));
            l.erFaerdig = true;
        }
        const Lektie foer = l;
        const QStringList links{" a.dk\t", "", "b"};
        QCOMPARE((rediger ? nylektie::rediger : nylektie::byg)(fag, fagId, titel, " s. 4 ", links,
                                                               deadline, clock, &l),
                 udfald);
        if (udfald != Udfald::Gemt) {
            QCOMPARE(l.titel, foer.titel); // a refused form writes nothing
            return;
        }
        QVERIFY(!l.id.isNull());
        QCOMPARE(l.id == foer.id, rediger);
        QCOMPARE(l.fagId, fagId);
        QCOMPARE(l.titel, titel);
        QCOMPARE(l.beskrivelse, " s. 4 ");
        QCOMPARE(l.links, QStringList({"a.dk", "b"}));
        QCOMPARE(l.deadline, deadline);
        QCOMPARE(l.erFaerdig, rediger);
        QCOMPARE(l.oprettetDato, rediger ? foer.oprettetDato : clock.now());
    }

    void startFag() {
        const QList<Fag> fag{Fag::ny("Dansk", "book.fill", "E8704A"),
                             Fag::ny("Fysik", "atom", "06B6D4")};
        const QUuid fremmed = QUuid::createUuid();
        QCOMPARE(nylektie::startFag(fag[1].id, fag), fag[1].id);
        QCOMPARE(nylektie::startFag(fremmed, fag), fremmed);
        QCOMPARE(nylektie::startFag(std::nullopt, fag), fag[0].id);
        QVERIFY(!nylektie::startFag(std::nullopt, {}).isNull());
    }
};

TAVLEN_TEST(TestNyLektieRegler)
#include "tst_nylektieregler.moc"
