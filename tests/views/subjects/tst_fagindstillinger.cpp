#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/subjects/FagListeModel.h"

#include <QSignalSpy>
#include <QtTest>

using tavlen::FagListeModel;

namespace {

QVariant rolle(const FagListeModel& model, int row, FagListeModel::Role role) {
    return model.data(model.index(row), role);
}
} // namespace

// The subject list keeps its rows by the subject's id: nothing is rebuilt, so a focused
// row keeps its focus.
class TestFagIndstillinger : public QObject {
    Q_OBJECT
    tavlen::test::ScreenFixture m_fixture;

private Q_SLOTS:
    void rowsFollowCountsAndOrder() {
        const QString a = m_fixture.addFag("A");
        for (const char* navn : {"B", "C"})
            m_fixture.addFag(navn);
        FagListeModel model;
        QAbstractItemModelTester tester(&model, tavlen::test::kQtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        m_fixture.addLektie(a, "Læs", 60);
        const QString anden = m_fixture.addLektie(a, "Skriv", 120);
        m_fixture.addLektie(a, "Færdig", 30, {}, {}, true);
        QCOMPARE(changed.size(), 2); // the done item changed no count
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 0);
        QCOMPARE(changed.last().at(2).value<QList<int>>(),
                 QList<int>{FagListeModel::AabneLektierRole});
        m_fixture.store().skiftFaerdig(QUuid(anden));
        QCOMPARE(rolle(model, 0, FagListeModel::AabneLektierRole).toInt(), 1);

        // A subject moved, renamed and added: the rows follow the store's order.
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
        QCOMPARE(reset.size(), 0);
    }
};

TAVLEN_TEST(TestFagIndstillinger)
#include "tst_fagindstillinger.moc"
