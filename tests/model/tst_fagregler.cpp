#include "model/FagRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSet>
#include <QTest>

using namespace tavlen;

class TestFagRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A standard subject's icon and colour must be on offer, in the catalogue's order.
    void palettesStartWithTheStandardSubjects() {
        QStringList ikoner, standardIkoner, standardFarver;
        for (const auto& valg : fagregler::ikonPalette())
            ikoner << valg.ikon;
        const QStringList& farver = fagregler::farvePalette();
        for (const Fag& fag : Fag::standard()) {
            standardIkoner << fag.ikonNavn;
            standardFarver << fag.farveHex;
        }
        QCOMPARE(ikoner.mid(0, 14), standardIkoner);
        QCOMPARE(farver.mid(0, 14), standardFarver);
        QCOMPARE(ikoner.size(), 24);
        QCOMPARE(farver.size(), 18);
        QCOMPARE(QSet<QString>(ikoner.cbegin(), ikoner.cend()).size(), 24);
        QCOMPARE(QSet<QString>(farver.cbegin(), farver.cend()).size(), 18);
        QVERIFY(ikoner.contains(fagregler::standardIkon));
        QVERIFY(farver.contains(fagregler::standardFarve));
    }

    void aabneLektier() {
        const ManualClock clock(QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC));
        const QUuid fag = QUuid::createUuid();
        const QDateTime deadline = clock.now().addDays(2);
        QList<Lektie> lektier;
        for (const QUuid& id : {fag, fag, fag, QUuid::createUuid()})
            lektier << Lektie::ny(id, "Læs", "", {}, deadline, clock);
        lektier[1].erFaerdig = true;
        QCOMPARE(fagregler::aabneLektier(lektier, fag), 2);
        QCOMPARE(fagregler::aabneLektier(lektier, QUuid::createUuid()), 0);
    }

    // Spaces are characters: only a name with nothing in it is an error.
    void visNavnFejl() {
        QCOMPARE(fagregler::visNavnFejl(false, ""), false);
        QCOMPARE(fagregler::visNavnFejl(true, ""), true);
        QCOMPARE(fagregler::visNavnFejl(true, "  "), false);
    }

    void sletKnapTekst() {
        QCOMPARE(fagregler::sletKnapTekst(Fag::ny("Fysik", "atom", "06B6D4")),
                 "Slet \"Fysik\" og alle lektier");
        QCOMPARE(fagregler::sletKnapTekst(std::nullopt), "Slet \"\" og alle lektier");
    }

    // A new subject, or an edit that keeps the subject's id (its homework stays with it).
    void nytFag_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<bool>("rediger");
        QTest::addColumn<bool>("oprettes");
        QTest::newRow("spaces kept") << "   " << false << true;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("edit") << "Musik" << true << true;
        QTest::newRow("edit to an empty name") << "" << true << false;
    }
    void nytFag() {
        QFETCH(QString, navn);
        QFETCH(bool, rediger);
        QFETCH(bool, oprettes);
        const QUuid id = QUuid::createUuid();
        const std::optional<Fag> fag =
            rediger ? fagregler::redigeretFag(id, navn, "music.note", "EC4899")
                    : fagregler::nytFag(navn, "music.note", "EC4899");
        QCOMPARE(fag.has_value(), oprettes);
        if (!fag)
            return;
        QCOMPARE(fag->navn, navn);
        QCOMPARE(fag->ikonNavn, "music.note");
        QCOMPARE(fag->farveHex, "EC4899");
        QVERIFY(!fag->id.isNull());
        QCOMPARE(fag->id == id, rediger);
    }
};

TAVLEN_TEST(TestFagRegler)
#include "tst_fagregler.moc"
