#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/main/OversigtModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace tavlen;

namespace {
// Each row as its section and title, in order.
QStringList vist(OversigtModel& model) {
    const LektieRaekkeListe& liste = *model.raekker();
    QStringList raekker;
    for (int row = 0; row < liste.rowCount(); ++row)
        raekker << liste.data(liste.index(row), LektieRaekkeListe::GruppeRole).toString() + ' ' +
                       liste.data(liste.index(row), LektieRaekkeListe::TitelRole).toString();
    return raekker;
}
} // namespace

// The fixture's clock stands at Sunday 6 December 2026 10:00 in Copenhagen.
class TestOversigtModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    // Time alone moves items on, without any change in the store: when a deadline passes
    // the item becomes overdue, and at midnight "I morgen" becomes "For i dag". The one
    // watch wakes the page at the next of these moments.
    void regroupsWhenTimeMovesOn() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addLektie(dansk, "Læs", 23 * 60);  // tomorrow 09:00
        m_fixture.addLektie(dansk, "Skriv", 2 * 60); // today 12:00
        OversigtModel model;
        QAbstractItemModelTester tester(model.raekker(), test::kQtTest);
        QCOMPARE(vist(model), (QStringList{"iDag Skriv", "iMorgen Læs"}));
        const TidsVagt& tid = AppContext::instance()->tid();
        QCOMPARE(tid.naeste(), test::kbh(2026, 12, 6, 12));

        m_fixture.advanceMinutes(2 * 60 + 1);
        QCOMPARE(vist(model), (QStringList{"forfaldne Skriv", "iMorgen Læs"}));
        QCOMPARE(model.forfaldneAntal(), 1);
        QCOMPARE(tid.naeste(), test::kbh(2026, 12, 7, 0));

        m_fixture.advanceMinutes(12 * 60);
        QCOMPARE(vist(model), (QStringList{"forfaldne Skriv", "iDag Læs"}));
        QCOMPARE(
            model.raekker()->data(model.raekker()->index(1), LektieRaekkeListe::DeadlineTekstRole),
            QVariant("I dag"));
    }
};

TAVLEN_TEST(TestOversigtModel)
#include "tst_oversigtmodel.moc"
