#include "views/ScreenFixture.h"
#include "views/homework/LektieDetaljeModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
constexpr qint64 dag = 24 * 60;

QString tekst(const QAbstractItemModel* model, int row) {
    return model->index(row, 0).data(LektieLinksModel::TekstRole).toString();
}
} // namespace

class TestLektieDetaljeModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;
    QString m_fag;

    // A view model showing the item, with the tester watching its links.
    std::unique_ptr<LektieDetaljeModel> vis(const QString& id) {
        auto model = std::make_unique<LektieDetaljeModel>();
        new QAbstractItemModelTester(
            model->links(), QAbstractItemModelTester::FailureReportingMode::QtTest, model.get());
        model->setLektieId(QUuid(id));
        return model;
    }

private Q_SLOTS:
    void init() {
        m_fixture.reset();
        m_fag = m_fixture.addFag("Historie", "building.columns.fill", "8B6FBE");
    }

    void showsTheItemAndItsSubject() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Reformationen", dag, "  Husk kilder",
                                                   {" a.dk ", "", "b c"}));
        QCOMPARE(model->findes(), true);
        QCOMPARE(model->titel(), "Reformationen");
        QCOMPARE(model->harFag(), true);
        QCOMPARE(model->fagNavn(), "Historie");
        QCOMPARE(model->fagIkon(), "building.columns.fill");
        QCOMPARE(model->fagFarve(), "8B6FBE");
        QCOMPARE(model->beskrivelse(), "  Husk kilder");
        QCOMPARE(model->visBeskrivelse(), true);
        QCOMPARE(model->visTomNote(), false);
        QCOMPARE(model->deadlineTekst(), "I morgen");
        QCOMPARE(model->erForfaldt(), false);
        QCOMPARE(model->links()->rowCount(), 2);
        QCOMPARE(tekst(model->links(), 0), "a.dk");
        QCOMPARE(tekst(model->links(), 1), "b c");
    }

    // The settings may drop a subject without its homework; the item then stands alone.
    void subjectGoneWhileShown() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag));
        m_fixture.store().setFag({});
        QCOMPARE(model->findes(), true);
        QCOMPARE(model->harFag(), false);
        QCOMPARE(model->fagNavn(), QString());
    }

    void blankDescriptionAndLinksShowTheEmptyNote() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag, " \n  ", {" ", "\t\n"}));
        QCOMPARE(model->visBeskrivelse(), false);
        QCOMPARE(model->links()->rowCount(), 0);
        QCOMPARE(model->visTomNote(), true);
    }

    void deletedWhileShown() {
        const QString id = m_fixture.addLektie(m_fag, "Læs", dag, "Noter", {"a.dk"});
        const auto model = vis(id);
        QSignalSpy changed(model.get(), &LektieDetaljeModel::changed);
        m_fixture.sletLektie(id);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model->findes(), false);
        QCOMPARE(model->titel(), QString());
        QCOMPARE(model->links()->rowCount(), 0);
        QCOMPARE(model->visTomNote(), false);
        model->toggleFaerdig();
        model->aabnLink(0);
        QCOMPARE(m_fixture.openedUrls().size(), 0);
    }

    void noIdShowsNothing() {
        LektieDetaljeModel model;
        QCOMPARE(model.findes(), false);
        model.setLektieId(QUuid(m_fixture.addLektie(m_fag, "Læs", dag)));
        QCOMPARE(model.findes(), true);
        model.resetLektieId();
        QCOMPARE(model.findes(), false);
    }

    // The rows are left alone by a tick or another change, so a focused row keeps its focus.
    void toggleFlipsTheStoreAndKeepsTheRows() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Salme", -2 * dag, {}, {"a.dk"}));
        QSignalSpy reset(model->links(), &QAbstractItemModel::modelReset);
        model->toggleFaerdig();
        QCOMPARE(m_fixture.lektier().at(0).toMap().value("erFaerdig"), QVariant(true));
        QCOMPARE(model->erFaerdig(), true);
        QCOMPARE(model->erForfaldt(), true); // done, yet past its deadline
        QCOMPARE(model->findes(), true);
        m_fixture.addFag("Dansk");
        QCOMPARE(reset.size(), 0);
        model->toggleFaerdig();
        QCOMPARE(model->erFaerdig(), false);
    }

    void opensTheRowsAddress() {
        const auto model = vis(
            m_fixture.addLektie(m_fag, "Læs", dag, {}, {"", "skole.dk", "javascript:alert(1)"}));
        for (int row : {-1, 0, 1, 2})
            model->aabnLink(row);
        QCOMPARE(m_fixture.openedUrls(),
                 QVariantList(
                     {"https://skole.dk", "https://www.google.com/search?q=javascript:alert(1)"}));
    }
};

QTEST_GUILESS_MAIN(TestLektieDetaljeModel)
#include "tst_lektiedetaljemodel.moc"
