#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/panel/MenuBarModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;
using R = MenuBarLektieListe::Role;

namespace {
constexpr int dag = 24 * 60;

QVariant rolle(const MenuBarLektieListe& liste, int row, int role) {
    return liste.data(liste.index(row), role);
}

QStringList titler(const MenuBarLektieListe& liste) {
    QStringList out;
    for (int row = 0; row < liste.rowCount(); ++row)
        out << rolle(liste, row, R::TitelRole).toString();
    return out;
}
} // namespace

class TestMenuBarModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    // Rows are kept by id: a tick removes one and lets the next in, nothing is rebuilt, and
    // the ten shown announce nothing; a renamed subject changes its rows' names only.
    void aTickMovesTheNextUp() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addLektie(dansk, "F1", -2 * dag);
        m_fixture.addLektie(dansk, "F2", -60);
        for (int i = 1; i <= 12; ++i)
            m_fixture.addLektie(dansk, QStringLiteral("K%1").arg(i), i * dag);
        MenuBarModel model;
        MenuBarLektieListe& liste = *model.raekker();
        QAbstractItemModelTester tester(&liste, test::kQtTest);
        const QPersistentModelIndex k8 = liste.index(9);
        QSignalSpy reset(&liste, &QAbstractItemModel::modelReset);
        QSignalSpy lister(&model, &MenuBarModel::listerChanged);
        model.skiftFaerdig(rolle(liste, 3, R::LektieIdRole).toString());
        QCOMPARE(titler(liste),
                 (QStringList{"F1", "F2", "K1", "K3", "K4", "K5", "K6", "K7", "K8", "K9"}));
        QCOMPARE(k8.row(), 8);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(lister.count(), 0);
        m_fixture.sletLektie(rolle(liste, 0, R::LektieIdRole).toString());
        QCOMPARE(titler(liste).first(), "F2");
        QCOMPARE(lister.count(), 1);
        QSignalSpy changed(&liste, &QAbstractItemModel::dataChanged);
        m_fixture.omdoebFag(dansk, "Dansk A");
        QCOMPARE(changed.count(), liste.rowCount()); // each row once
        for (const QList<QVariant>& signal : std::as_const(changed))
            QCOMPARE(signal.at(2).value<QList<int>>(),
                     (QList<int>{R::FagNavnRole, R::TilgaengeligtNavnRole}));
        QCOMPARE(reset.count(), 0);
    }

    // Time alone changes nothing in the store; the one watch wakes the open panel. Each
    // part that comes or goes is announced, the upcoming one alone too.
    void timeMovesAnItemIntoTheOverduePart() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addLektie(dansk, "Snart", 30);
        MenuBarModel model;
        QAbstractItemModelTester tester(model.raekker(), test::kQtTest);
        QSignalSpy lister(&model, &MenuBarModel::listerChanged);
        QCOMPARE(rolle(*model.raekker(), 0, R::AfsnitRole), QVariant(QString()));
        m_fixture.advanceMinutes(31);
        QCOMPARE(model.harKommende(), false);
        QCOMPARE(model.harForfaldne(), true);
        QCOMPARE(rolle(*model.raekker(), 0, R::AfsnitRole), QVariant("forfaldne"));
        QCOMPARE(lister.count(), 1);
        m_fixture.addLektie(dansk, "Senere", dag);
        QCOMPARE(model.harKommende(), true);
        QCOMPARE(lister.count(), 2);
    }

    // Closed without a press (Escape, the focus leaving), the next click on the button is its
    // own; a closing press is the panel's screen test.
    void aDismissalWithoutAPressTakesNoClick() {
        MenuBarModel model;
        model.skiftNyLektie();
        model.afvis();
        model.skiftNyLektie();
        QCOMPARE(model.aktivPraesentation(), "ny-lektie");
    }

    // An id that came twice (another program's file) leaves no row behind when it goes.
    void aRowThatCameTwiceGoesWhole() {
        MenuBarLektieListe liste;
        QAbstractItemModelTester tester(&liste, test::kQtTest);
        MenuBarRaekke a;
        a.id = QUuid::createUuid();
        liste.saet({a, a});
        liste.saet({a});
        QCOMPARE(liste.rowCount(), 1);
    }
};

TAVLEN_TEST(TestMenuBarModel)
#include "tst_menubarmodel.moc"
