#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/main/OversigtModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
constexpr auto kQtTest = QAbstractItemModelTester::FailureReportingMode::QtTest;
constexpr int timer = 60; // minutes in an hour

QString rolle(const LektieRaekkeListe& liste, int row, LektieRaekkeListe::Role r) {
    return liste.data(liste.index(row), r).toString();
}
// The titles listed under one day's section, in order.
QStringList gruppe(OversigtModel& model, const QString& navn) {
    QStringList titler;
    for (int row = 0; row < model.raekker()->rowCount(); ++row) {
        if (rolle(*model.raekker(), row, LektieRaekkeListe::GruppeRole) == navn)
            titler << rolle(*model.raekker(), row, LektieRaekkeListe::TitelRole);
    }
    return titler;
}
} // namespace

// The fixture's clock stands at Sunday 6 December 2026 10:00 in Copenhagen.
class TestOversigtModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    // Time alone moves items on: at midnight "I morgen" becomes "For i dag", and when a
    // deadline passes the item becomes overdue, without any change in the store.
    void regroupsWhenTimeMovesOn() {
        const QString dansk = m_fixture.addFag(QStringLiteral("Dansk"));
        m_fixture.addLektie(dansk, QStringLiteral("Læs"), 23 * timer);  // tomorrow 09:00
        m_fixture.addLektie(dansk, QStringLiteral("Skriv"), 2 * timer); // today 12:00
        m_fixture.addLektie(dansk, QStringLiteral("Regn"), -timer, {}, {}, true);
        OversigtModel model;
        QAbstractItemModelTester tester(model.raekker(), kQtTest);
        QCOMPARE(gruppe(model, QStringLiteral("iDag")), QStringList{QStringLiteral("Skriv")});
        QCOMPARE(gruppe(model, QStringLiteral("iMorgen")), QStringList{QStringLiteral("Læs")});
        QCOMPARE(model.raekker()
                     ->data(model.raekker()->index(1), LektieRaekkeListe::DeadlineFarveRole)
                     .toInt(),
                 int(LektieRaekkeListe::Orange));
        QCOMPARE(model.kommende(), 2);
        QCOMPARE(model.faerdige(), 1);
        // The first change by time is the deadline at noon; the one watch wakes the page.
        const TidsVagt& tid = AppContext::instance()->tid();
        QCOMPARE(tid.naeste(),
                 QDateTime(QDate(2026, 12, 6), QTime(12, 0), QTimeZone("Europe/Copenhagen")));

        m_fixture.advanceMinutes(2 * timer + 1);
        QCOMPARE(gruppe(model, QStringLiteral("forfaldne")), QStringList{QStringLiteral("Skriv")});
        QCOMPARE(gruppe(model, QStringLiteral("iDag")), QStringList());
        QCOMPARE(model.forfaldneAntal(), 1);
        QCOMPARE(tid.naeste(),
                 QDateTime(QDate(2026, 12, 7), QTime(0, 0), QTimeZone("Europe/Copenhagen")));

        m_fixture.advanceMinutes(12 * timer);
        QCOMPARE(gruppe(model, QStringLiteral("iDag")), QStringList{QStringLiteral("Læs")});
        QCOMPARE(gruppe(model, QStringLiteral("iMorgen")), QStringList());
        QCOMPARE(rolle(*model.raekker(), 1, LektieRaekkeListe::DeadlineTekstRole),
                 QStringLiteral("I dag"));
    }

    // A tick in a row moves the item out of its group without resetting the list; a deleted
    // subject takes its homework off the page.
    void rowsFollowTheStore() {
        const QString dansk = m_fixture.addFag(QStringLiteral("Dansk"));
        const QString id = m_fixture.addLektie(dansk, QStringLiteral("Læs"), 3 * 24 * timer);
        m_fixture.addLektie(dansk, QStringLiteral("Skriv"), 4 * 24 * timer);
        OversigtModel model;
        LektieRaekkeListe& raekker = *model.raekker();
        QAbstractItemModelTester tester(&raekker, kQtTest);
        QSignalSpy nulstillet(&raekker, &QAbstractItemModel::modelReset);
        QCOMPARE(rolle(raekker, 0, LektieRaekkeListe::FagNavnRole), QStringLiteral("Dansk"));

        raekker.skiftFaerdig(id);
        QCOMPARE(raekker.antal(), 1);
        QCOMPARE(model.faerdige(), 1);
        QCOMPARE(nulstillet.count(), 0);

        m_fixture.sletFag(dansk);
        QCOMPARE(model.tom(), true);
        QCOMPARE(model.faerdige(), 0);
    }
};

TAVLEN_TEST(TestOversigtModel)
#include "tst_oversigtmodel.moc"
