#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/main/OversigtModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace tavlen;

namespace {
constexpr int timer = 60; // minutes in an hour

// The titles listed under one day's section, in order.
QStringList gruppe(OversigtModel& model, const QString& navn) {
    const LektieRaekkeListe& liste = *model.raekker();
    QStringList titler;
    for (int row = 0; row < liste.rowCount(); ++row) {
        if (liste.data(liste.index(row), LektieRaekkeListe::GruppeRole).toString() == navn)
            titler << liste.data(liste.index(row), LektieRaekkeListe::TitelRole).toString();
    }
    return titler;
}

QDateTime cph(int day, int hour) {
    return test::kbh(2026, 12, day, hour);
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
        m_fixture.addLektie(dansk, "Læs", 23 * timer);  // tomorrow 09:00
        m_fixture.addLektie(dansk, "Skriv", 2 * timer); // today 12:00
        OversigtModel model;
        QAbstractItemModelTester tester(model.raekker(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(gruppe(model, "iDag"), QStringList{"Skriv"});
        QCOMPARE(gruppe(model, "iMorgen"), QStringList{"Læs"});
        const TidsVagt& tid = AppContext::instance()->tid();
        QCOMPARE(tid.naeste(), cph(6, 12));

        m_fixture.advanceMinutes(2 * timer + 1);
        QCOMPARE(gruppe(model, "forfaldne"), QStringList{"Skriv"});
        QCOMPARE(gruppe(model, "iDag"), QStringList());
        QCOMPARE(model.forfaldneAntal(), 1);
        QCOMPARE(tid.naeste(), cph(7, 0));

        m_fixture.advanceMinutes(12 * timer);
        QCOMPARE(gruppe(model, "iDag"), QStringList{"Læs"});
        QCOMPARE(gruppe(model, "iMorgen"), QStringList());
        QCOMPARE(
            model.raekker()->data(model.raekker()->index(1), LektieRaekkeListe::DeadlineTekstRole),
            QVariant("I dag"));
    }
};

TAVLEN_TEST(TestOversigtModel)
#include "tst_oversigtmodel.moc"
