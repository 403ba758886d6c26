#include "model/FagRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSet>

using namespace tavlen;

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

    // An edit must not empty the name any more than a new subject may; a new one's name and
    // an edit that keeps the id are the settings' screen's.
    void anEditToAnEmptyNameIsRefused() {
        QCOMPARE(fagregler::redigeretFag(QUuid::createUuid(), "", "music.note", "EC4899"),
                 std::nullopt);
    }
};

TAVLEN_TEST(TestFagRegler)
#include "tst_fagregler.moc"
