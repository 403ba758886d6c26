#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/homework/KalenderModel.h"
#include "views/homework/NyLektieModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

// The fixture's clock stands at Sunday 6 December 2026 10:00 in Copenhagen.
class TestNyLektieModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    // A preset subject may come as text; once it is gone, nothing is saved under it.
    void aPresetSubjectIsChosenWhileItLasts() {
        m_fixture.addFag("Dansk");
        const QString mat = m_fixture.addFag("Matematik");
        NyLektieModel form;
        form.setStandardFagId(mat);
        form.componentComplete();
        QCOMPARE(form.valgtFagId(), QUuid(mat));
        QCOMPARE(form.deadline(), test::kbh(2026, 12, 7, 10));
        m_fixture.sletFag(mat);
        form.setTitel("Brøker");
        QCOMPARE(form.gem(), false);
        QCOMPARE(m_fixture.lektier().size(), 0);
    }

    // Links are trimmed and blank ones dropped, the description is kept as typed, and the
    // item is made by the app's clock.
    void savesWhatWasTyped() {
        m_fixture.addFag("Dansk");
        NyLektieModel form;
        form.componentComplete();
        form.setTitel("Læs");
        auto* links = qobject_cast<LinkFelterModel*>(form.links());
        QAbstractItemModelTester tester(links);
        links->saet(0, "  dr.dk\t");
        links->tilfoej();
        links->tilfoej();
        links->saet(2, "https://x.dk/a b");
        links->fjern(1);
        form.setProperty("beskrivelse", " Side 4 ");
        form.vaelgHurtigValg(2);
        QCOMPARE(form.gem(), true);
        const QVariantMap saved = m_fixture.lektier().at(0).toMap();
        QCOMPARE(saved.value("beskrivelse"), QVariant(" Side 4 "));
        QCOMPARE(saved.value("links"), QVariant(QStringList{"dr.dk", "https://x.dk/a b"}));
        QCOMPARE(saved.value("deadline"), QVariant("2026-12-13T09:00:00Z"));
        QCOMPARE(saved.value("oprettetDato"), QVariant(m_fixture.now()));
    }

    // Subjects added or deleted elsewhere while the form is open come and go as tiles.
    void theSubjectTilesFollowTheStore() {
        NyLektieModel form;
        form.componentComplete();
        QAbstractItemModelTester tester(form.fag());
        const QString dansk = m_fixture.addFag("Dansk");
        const QString tysk = m_fixture.addFag("Tysk");
        QCOMPARE(form.harFag(), true);
        form.vaelgFag(QUuid(tysk));
        QCOMPARE(form.fag()->index(1, 0).data(FagValgModel::ErValgtRole), QVariant(true));
        m_fixture.sletFag(dansk);
        QCOMPARE(form.fag()->rowCount(), 1);
        QCOMPARE(form.fag()->index(0, 0).data(FagValgModel::NavnRole), QVariant("Tysk"));
    }

    // The picker follows the bound date and chooses 00:00 of a day, a day of 23 hours too;
    // keys and paging are driven in the screen test.
    void calendarFollowsAndChoosesADay() {
        KalenderModel kalender;
        QAbstractItemModelTester tester(&kalender);
        QCOMPARE(kalender.titel(), "December 2026"); // the clock's month
        QSignalSpy valgt(&kalender, &KalenderModel::datoValgt);
        kalender.setValgtDato(test::kbh(2027, 2, 14, 15, 30));
        QCOMPARE(kalender.titel(), "Februar 2027");
        kalender.vaelg(28); // 1 March, greyed out: nothing
        QCOMPARE(valgt.count(), 0);
        kalender.vaelg(0);
        QCOMPARE(valgt.count(), 1);
        QCOMPARE(kalender.valgtDato(), test::kbh(2027, 2, 1, 0));
        QCOMPARE(kalender.index(0).data(KalenderModel::ErValgtRole), QVariant(true));
        kalender.setValgtDato(test::kbh(2026, 3, 29, 12)); // spring forward, six leading days
        kalender.vaelg(34);
        QCOMPARE(kalender.valgtDato(), test::kbh(2026, 3, 29, 0));
    }
};

TAVLEN_TEST(TestNyLektieModel)
#include "tst_nylektiemodel.moc"
