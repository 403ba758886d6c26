#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/homework/KalenderModel.h"
#include "views/homework/NyLektieModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
const QTimeZone cph("Europe/Copenhagen");

QDateTime local(int y, int mo, int d, int h = 0, int mi = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), cph);
}
} // namespace

class TestNyLektieModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    // The screen test sees the first subject chosen; a preset id may come as text.
    void opensWithItsInitialValues() {
        m_fixture.addFag("Dansk", "book.fill", "E8704A");
        const QString mat = m_fixture.addFag("Matematik", "function", "3B82F6");
        NyLektieModel first;
        first.componentComplete();
        QCOMPARE(first.fagFarve(), QStringLiteral("E8704A"));
        QCOMPARE(first.deadline(), local(2026, 12, 7, 10));
        QCOMPARE(first.hurtigValg().at(0).toMap().value("valgt"), QVariant(true));

        NyLektieModel preset;
        preset.setStandardFagId(mat);
        preset.componentComplete();
        QCOMPARE(preset.valgtFagId(), QUuid(mat));

        m_fixture.sletFag(mat); // the preset subject gone: no colour of its own, no save
        QCOMPARE(preset.fagFarve(), QStringLiteral("3B82F6"));
        preset.setTitel("Brøker");
        QCOMPARE(preset.gem(), false);
        QCOMPARE(m_fixture.lektier().size(), 0);
    }

    void savesWhatWasTypedAndRefusesAnEmptyTitle() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addLektie(dansk, "Før", 60);
        NyLektieModel form;
        form.componentComplete();
        QSignalSpy fejl(&form, &NyLektieModel::titelFejlChanged);
        QCOMPARE(form.gem(), false);
        QCOMPARE(m_fixture.lektier().size(), 1);
        form.setTitel(" ");
        QCOMPARE(fejl.count(), 2); // the screen test shows the error itself

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

        const QVariantMap saved = m_fixture.lektier().at(1).toMap();
        QCOMPARE(saved.value("beskrivelse"), QVariant(" Side 4 "));
        QCOMPARE(saved.value("links"), QVariant(QStringList{"dr.dk", "https://x.dk/a b"}));
        QCOMPARE(saved.value("deadline"), QVariant("2026-12-13T09:00:00Z"));
        QCOMPARE(saved.value("oprettetDato"), QVariant(m_fixture.now())); // the app's clock
    }

    void linkFieldsKeepOneAndTheSubjectTilesFollowTheStore() {
        NyLektieModel form;
        form.componentComplete();
        auto* links = qobject_cast<LinkFelterModel*>(form.links());
        links->fjern(0);
        QCOMPARE(links->count(), 1);

        QAbstractItemModelTester tester(form.fag());
        const QString dansk = m_fixture.addFag("Dansk");
        const QString tysk = m_fixture.addFag("Tysk");
        QCOMPARE(form.harFag(), true);
        QCOMPARE(form.fag()->rowCount(), 2);
        form.vaelgFag(QUuid(tysk));
        QCOMPARE(form.fag()->index(1, 0).data(FagValgModel::ErValgtRole), QVariant(true));
        m_fixture.sletFag(dansk);
        QCOMPARE(form.fag()->rowCount(), 1);
        QCOMPARE(form.fag()->index(0, 0).data(FagValgModel::NavnRole), QVariant("Tysk"));
    }

    // The picker follows the bound date and chooses 00:00 of a day; keys and paging are
    // driven in the screen test.
    void calendarFollowsAndChoosesADay() {
        KalenderModel kalender;
        QAbstractItemModelTester tester(&kalender);
        QCOMPARE(kalender.titel(), QStringLiteral("December 2026")); // the clock's month
        QSignalSpy valgt(&kalender, &KalenderModel::datoValgt);

        kalender.setValgtDato(local(2027, 2, 14, 15, 30)); // from outside: its month is shown
        QCOMPARE(kalender.titel(), QStringLiteral("Februar 2027"));
        QCOMPARE(kalender.rowCount(), 29);
        kalender.vaelg(28); // 1 March, greyed out: nothing
        QCOMPARE(valgt.count(), 0);
        kalender.vaelg(0); // 1 February
        QCOMPARE(valgt.count(), 1);
        QCOMPARE(kalender.valgtDato(), local(2027, 2, 1));
        QCOMPARE(kalender.index(0).data(KalenderModel::ErValgtRole), QVariant(true));

        kalender.setValgtDato(local(2026, 3, 29, 12)); // the spring-forward day, six days lead
        kalender.vaelg(34);
        QCOMPARE(kalender.valgtDato(), local(2026, 3, 29));
    }
};

TAVLEN_TEST(TestNyLektieModel)
#include "tst_nylektiemodel.moc"
