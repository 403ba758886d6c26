#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/panel/MenuBarModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace tavlen;

namespace {
constexpr auto kQtTest = QAbstractItemModelTester::FailureReportingMode::QtTest;
constexpr int dag = 24 * 60;

QVariant rolle(const MenuBarLektieListe& liste, int row, MenuBarLektieListe::Role role) {
    return liste.data(liste.index(row), role);
}

QStringList titler(const MenuBarLektieListe& liste) {
    QStringList out;
    for (int row = 0; row < liste.rowCount(); ++row)
        out << rolle(liste, row, MenuBarLektieListe::TitelRole).toString();
    return out;
}
} // namespace

class TestMenuBarModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    void rowsCarryTheirItem_data() {
        QTest::addColumn<bool>("forfalden");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("vaerdi");
        using R = MenuBarLektieListe::Role;
        QTest::newRow("overdue today")
            << true << 1 << int(R::DeadlineTekstRole) << QVariant("I dag");
        QTest::newRow("overdue") << true << 1 << int(R::ErForfaldtRole) << QVariant(true);
        QTest::newRow("a link of spaces") << true << 1 << int(R::HarDetaljerRole) << QVariant(true);
        QTest::newRow("colour") << true << 1 << int(R::FagFarveRole) << QVariant("E8704A");
        QTest::newRow("icon") << true << 1 << int(R::FagIkonRole) << QVariant("book.fill");
        QTest::newRow("name") << true << 1 << int(R::TilgaengeligtNavnRole)
                              << QVariant("Snart, Dansk, I dag");
        QTest::newRow("earlier day")
            << true << 0 << int(R::DeadlineTekstRole) << QVariant("4. dec. 2026");
        QTest::newRow("tomorrow") << false << 0 << int(R::DeadlineTekstRole)
                                  << QVariant("I morgen");
        QTest::newRow("upcoming") << false << 0 << int(R::ErForfaldtRole) << QVariant(false);
        QTest::newRow("overdue part") << true << 1 << int(R::AfsnitRole) << QVariant("forfaldne");
        QTest::newRow("upcoming part") << false << 0 << int(R::AfsnitRole) << QVariant("kommende");
        QTest::newRow("no details") << false << 0 << int(R::HarDetaljerRole) << QVariant(false);
        QTest::newRow("subject gone: no colour")
            << false << 1 << int(R::FagFarveRole) << QVariant("");
        QTest::newRow("subject gone: no subject")
            << false << 1 << int(R::HarFagRole) << QVariant(false);
        QTest::newRow("subject gone: name")
            << false << 1 << int(R::TilgaengeligtNavnRole) << QVariant("Forældet, 8. dec. 2026");
    }
    void rowsCarryTheirItem() {
        QFETCH(bool, forfalden);
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, vaerdi);
        const QString dansk = m_fixture.addFag("Dansk", "book.fill", "E8704A");
        m_fixture.addLektie(dansk, "Gammel", -2 * dag);
        m_fixture.addLektie(dansk, "Snart", -60, {}, {"  "});
        m_fixture.addLektie(dansk, "Læs", dag);
        m_fixture.addLektie(QUuid::createUuid().toString(), "Forældet", 2 * dag);
        MenuBarModel model;
        const MenuBarLektieListe& liste = *model.raekker();
        // The two overdue rows come first.
        const int i = forfalden ? row : 2 + row;
        QCOMPARE(liste.data(liste.index(i), role), vaerdi);
    }

    // Rows are kept by id: a tick removes one and lets the ninth in, nothing is rebuilt.
    void aTickMovesTheNinthUp() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addLektie(dansk, "F1", -2 * dag);
        m_fixture.addLektie(dansk, "F2", -60);
        for (int i = 1; i <= 12; ++i)
            m_fixture.addLektie(dansk, QStringLiteral("K%1").arg(i), i * dag);
        MenuBarModel model;
        MenuBarLektieListe& liste = *model.raekker();
        QAbstractItemModelTester tester(&liste, kQtTest);
        QCOMPARE(model.aktiveAntal(), 10);
        QCOMPARE(titler(liste).last(), "K8");

        const QPersistentModelIndex k8 = liste.index(9);
        QSignalSpy reset(&liste, &QAbstractItemModel::modelReset);
        QSignalSpy antal(&model, &MenuBarModel::listerChanged);
        model.skiftFaerdig(rolle(liste, 3, MenuBarLektieListe::LektieIdRole).toString());
        QCOMPARE(titler(liste),
                 (QStringList{"F1", "F2", "K1", "K3", "K4", "K5", "K6", "K7", "K8", "K9"}));
        QCOMPARE(k8.row(), 8);
        QCOMPARE(model.aktiveAntal(), 10);
        QCOMPARE(antal.count(), 0);
        QCOMPARE(reset.count(), 0);
        QCOMPARE(m_fixture.lektier().at(3).toMap().value("erFaerdig"), QVariant(true));
        QCOMPARE(liste.raekkeFor(rolle(liste, 9, MenuBarLektieListe::LektieIdRole).toString()), 9);

        m_fixture.sletLektie(rolle(liste, 0, MenuBarLektieListe::LektieIdRole).toString());
        QCOMPARE(titler(liste).first(), "F2");
        QCOMPARE(model.aktiveAntal(), 9);
        QCOMPARE(antal.count(), 1);
    }

    void aRenamedSubjectChangesOnlyItsRoles() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addLektie(dansk, "Læs", dag);
        MenuBarModel model;
        QAbstractItemModelTester tester(model.raekker(), kQtTest);
        QSignalSpy changed(model.raekker(), &QAbstractItemModel::dataChanged);
        QList<Fag> fag = m_fixture.store().fag();
        fag[0].navn = "Dansk A";
        m_fixture.store().setFag(fag);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QList<int>>(),
                 (QList<int>{MenuBarLektieListe::FagNavnRole,
                             MenuBarLektieListe::TilgaengeligtNavnRole}));
    }

    // Time alone changes nothing in the store; the one watch wakes the open panel.
    void timeMovesAnItemIntoTheOverduePart() {
        m_fixture.addLektie(m_fixture.addFag("Dansk"), "Snart", 30);
        MenuBarModel model;
        QAbstractItemModelTester tester(model.raekker(), kQtTest);
        QSignalSpy lister(&model, &MenuBarModel::listerChanged);
        // Upcoming items alone go without a heading.
        QCOMPARE(rolle(*model.raekker(), 0, MenuBarLektieListe::AfsnitRole), QVariant(QString()));
        m_fixture.advanceMinutes(31);
        QCOMPARE(model.harKommende(), false);
        QCOMPARE(model.harForfaldne(), true);
        QCOMPARE(rolle(*model.raekker(), 0, MenuBarLektieListe::ErForfaldtRole), QVariant(true));
        QCOMPARE(rolle(*model.raekker(), 0, MenuBarLektieListe::AfsnitRole), QVariant("forfaldne"));
        QCOMPARE(lister.count(), 1);
        // An upcoming part that comes back is announced too.
        m_fixture.addLektie(uuidTekst(m_fixture.store().fag().first().id), "Senere", dag);
        QCOMPARE(model.harKommende(), true);
        QCOMPARE(lister.count(), 2);
    }

    // An id that came twice (another program's file) leaves no row behind when it goes.
    void aRowThatCameTwiceGoesWhole() {
        MenuBarLektieListe liste;
        QAbstractItemModelTester tester(&liste, kQtTest);
        MenuBarRaekke a;
        a.id = QUuid::createUuid();
        a.titel = "A";
        liste.saet({a, a});
        liste.saet({a});
        QCOMPARE(liste.rowCount(), 1);
    }

    void presentationsByTheirIdentifierText() {
        const QString id = m_fixture.addLektie(m_fixture.addFag("Dansk"), "Læs", dag);
        MenuBarModel model;
        QSignalSpy changed(&model, &MenuBarModel::praesentationChanged);
        model.skiftLektie(id.toLower());
        QCOMPARE(model.aktivPraesentation(), "lektie-" + id);
        QCOMPARE(model.praesentationsType(), MenuBarModel::VisLektie);
        QCOMPARE(model.valgtLektieId(), id);
        model.skiftNyLektie();
        QCOMPARE(model.praesentationsType(), MenuBarModel::VisNyLektie);
        QCOMPARE(model.valgtLektieId(), "");
        model.skiftFagIndstillinger();
        QCOMPARE(model.aktivPraesentation(), "fag-indstillinger");
        model.close();
        QCOMPARE(model.aktivPraesentation(), "");
        QCOMPARE(changed.count(), 4);
    }

    // A click outside the pop-over on the button that opened it closes it at the press; the
    // same click's toggle must not open it again. Escape or the focus leaving leave no trace.
    void aDismissingClickIsItsOwnToggle_data() {
        QTest::addColumn<bool>("trykket");
        QTest::addColumn<bool>("sluppet");
        QTest::addColumn<QString>("efter");
        QTest::newRow("same click") << true << false << "";
        QTest::newRow("a later click") << true << true << "ny-lektie";
        QTest::newRow("no press") << false << false << "ny-lektie";
    }
    void aDismissingClickIsItsOwnToggle() {
        QFETCH(bool, trykket);
        QFETCH(bool, sluppet);
        QFETCH(QString, efter);
        QWindow vindue;
        vindue.resize(100, 100);
        vindue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vindue));
        MenuBarModel model;
        model.skiftNyLektie();
        if (trykket)
            QTest::mousePress(&vindue, Qt::LeftButton);
        model.afvis();
        QCOMPARE(model.aktivPraesentation(), "");
        if (sluppet) {
            QTest::mouseRelease(&vindue, Qt::LeftButton);
            QTest::qWait(0);
        }
        model.skiftNyLektie();
        QCOMPARE(model.aktivPraesentation(), efter);
        if (trykket && !sluppet)
            QTest::mouseRelease(&vindue, Qt::LeftButton);
    }
};

TAVLEN_TEST(TestMenuBarModel)
#include "tst_menubarmodel.moc"
