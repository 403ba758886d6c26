#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/subjects/FagListeModel.h"
#include "views/subjects/NytFagModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using tavlen::FagListeModel;
using tavlen::NytFagModel;
using tavlen::PaletteModel;
using tavlen::test::ScreenFixture;

namespace {
constexpr auto kQtTest = QAbstractItemModelTester::FailureReportingMode::QtTest;
} // namespace

class TestFagIndstillinger : public QObject {
    Q_OBJECT
    ScreenFixture m_fixture;

    static QVariant rolle(const FagListeModel& model, int row, FagListeModel::Role role) {
        return model.data(model.index(row), role);
    }

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    void openCountsFollowTheStoreRowByRow() {
        const QString dansk = m_fixture.addFag("Dansk");
        m_fixture.addFag("Tysk");
        FagListeModel model;
        QAbstractItemModelTester tester(&model, kQtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        m_fixture.addLektie(dansk, "Læs", 60);
        const QString anden = m_fixture.addLektie(dansk, "Skriv", 120);
        m_fixture.addLektie(dansk, "Færdig", 30, {}, {}, true);
        QCOMPARE(rolle(model, 0, FagListeModel::AabneLektierRole).toInt(), 2);
        QCOMPARE(changed.size(), 2); // the done item changed no count
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 0);
        QCOMPARE(changed.last().at(2).value<QList<int>>(),
                 QList<int>{FagListeModel::AabneLektierRole});

        m_fixture.store().skiftFaerdig(QUuid(anden));
        QCOMPARE(rolle(model, 0, FagListeModel::AabneLektierRole).toInt(), 1);
        QCOMPARE(reset.size(), 0);
    }

    void deletingASubjectTakesItsHomeworkAndOnlyItsRow() {
        const QString dansk = m_fixture.addFag("Dansk");
        const QString tysk = m_fixture.addFag("Tysk");
        m_fixture.addLektie(dansk, "Læs", 60);
        m_fixture.addLektie(tysk, "Gloser", 60);
        FagListeModel model;
        QAbstractItemModelTester tester(&model, kQtTest);
        const QPersistentModelIndex tyskRaekke = model.index(1);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        model.bedOmSletning(dansk); // the screen test sees the dialog come and go
        model.bekraeftSletning();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(tyskRaekke.row(), 0);
        QCOMPARE(rolle(model, 0, FagListeModel::NavnRole).toString(), "Tysk");
        QCOMPARE(m_fixture.store().lektier().size(), 1); // Dansk's went with it
        QCOMPARE(reset.size(), 0);
    }

    void rowsFollowTheStoresOrderByIdentity() {
        m_fixture.addFag("A");
        m_fixture.addFag("B");
        m_fixture.addFag("C");
        FagListeModel model;
        QAbstractItemModelTester tester(&model, kQtTest);
        const QPersistentModelIndex c = model.index(2);
        QList<tavlen::Fag> fag = m_fixture.store().fag();
        fag.move(2, 0);
        fag[1].navn = "A2";
        fag.append(tavlen::Fag::ny("D", "cpu", "64748B"));
        m_fixture.store().setFag(fag);

        QCOMPARE(c.row(), 0);
        QStringList navne;
        for (int row = 0; row < model.rowCount(); ++row)
            navne << rolle(model, row, FagListeModel::NavnRole).toString();
        QCOMPARE(navne, (QStringList{"C", "A2", "B", "D"}));
        QCOMPARE(rolle(model, 3, FagListeModel::IkonNavnRole).toString(), "cpu");
    }

    void aCellPicksItselfAndTheIconsWearTheChosenColour() {
        NytFagModel form;
        PaletteModel& ikoner = *form.ikoner();
        PaletteModel& farver = *form.farver();
        QAbstractItemModelTester ikonTester(&ikoner, kQtTest);
        QAbstractItemModelTester farveTester(&farver, kQtTest);
        const auto valgt = [](const PaletteModel& p) {
            QStringList keys;
            for (int row = 0; row < p.rowCount(); ++row) {
                if (p.data(p.index(row), PaletteModel::ValgtRole).toBool())
                    keys << p.data(p.index(row), PaletteModel::KeyRole).toString();
            }
            return keys;
        };
        QCOMPARE(valgt(ikoner), QStringList{"book.fill"});
        QCOMPARE(valgt(farver), QStringList{"3B82F6"});

        QVERIFY(ikoner.setData(ikoner.index(15), true, PaletteModel::ValgtRole));
        QVERIFY(farver.setData(farver.index(14), true, PaletteModel::ValgtRole));
        QCOMPARE(valgt(ikoner), QStringList{"music.note"});
        QCOMPARE(form.valgtFarve(), "EC4899");
        QCOMPARE(ikoner.data(ikoner.index(0), PaletteModel::FarveHexRole).toString(), "EC4899");
        QCOMPARE(farver.data(farver.index(0), PaletteModel::FarveHexRole).toString(), "E8704A");
    }
};

TAVLEN_TEST(TestFagIndstillinger)
#include "tst_fagindstillinger.moc"
