#include "model/FagRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSet>

using namespace tavlen;
using test::row;

class TestFagRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A standard subject's icon and colour must be on offer, in the catalogue's order, once.
    void palettesStartWithTheStandardSubjects() {
        QStringList ikoner;
        for (const auto& valg : fagregler::ikonPalette())
            ikoner << valg.ikon;
        const QStringList& farver = fagregler::farvePalette();
        for (int i = 0; i < Fag::standard().size(); ++i) {
            QCOMPARE(ikoner[i], Fag::standard()[i].ikonNavn);
            QCOMPARE(farver[i], Fag::standard()[i].farveHex);
        }
        QCOMPARE(QSet<QString>(ikoner.cbegin(), ikoner.cend()).size(), ikoner.size());
        QCOMPARE(QSet<QString>(farver.cbegin(), farver.cend()).size(), farver.size());
        QVERIFY(ikoner.contains(fagregler::standardIkon));
        QVERIFY(farver.contains(fagregler::standardFarve));
    }

    void aabneLektier() {
        const ManualClock clock(QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC));
        const QUuid fag = QUuid::createUuid();
        QList<Lektie> lektier;
        for (const QUuid& id : {fag, fag, fag, QUuid::createUuid()})
            lektier << Lektie::ny(id, "Læs", "", {}, clock.now().addDays(2), clock);
        lektier[1].erFaerdig = true;
        QCOMPARE(fagregler::aabneLektier(lektier, fag), 2);
    }

    // A new subject, or an edit that keeps the subject's id (its homework stays with it).
    void nytFag_data() {
        QTest::addColumn<QString>("navn");
        test::columns<bool>({"rediger", "oprettes"});
        row("spaces kept", "   ", false, true);
        row("empty", "", false, false);
        row("edit", "Musik", true, true);
        row("edit to an empty name", "", true, false);
    }
    void nytFag() {
        const auto [navn, rediger, oprettes] =
            test::fetch<QString, bool, bool>("navn", "rediger", "oprettes");
        const QUuid id = QUuid::createUuid();
        const std::optional<Fag> fag =
            rediger ? fagregler::redigeretFag(id, navn, "music.note", "EC4899")
                    : fagregler::nytFag(navn, "music.note", "EC4899");
        QCOMPARE(fag.has_value(), oprettes);
        if (!fag)
            return;
        QCOMPARE(*fag, Fag::ny(navn, "music.note", "EC4899", fag->id));
        QVERIFY(!fag->id.isNull());
        QCOMPARE(fag->id == id, rediger);
    }
};

TAVLEN_TEST(TestFagRegler)
#include "tst_fagregler.moc"
