#include "support/TestMain.h"
#include "views/ScreenFixture.h"
#include "views/homework/LektieDetaljeModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
constexpr qint64 dag = 24 * 60;
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

    // What the screen test reads off the detail is not read again here.
    void showsWhatTheScreenDoesNotRead() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag, "  Husk kilder"));
        QCOMPARE(model->fagIkon(), "building.columns.fill");
        QCOMPARE(model->fagFarve(), "8B6FBE");
        QCOMPARE(model->visBeskrivelse(), true);
        QCOMPARE(model->deadlineTekst(), "I morgen"); // by the app's clock
    }

    // The settings may drop a subject without its homework; the item then stands alone.
    void subjectGoneWhileShown() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag));
        m_fixture.store().setFag({});
        QCOMPARE(model->findes(), true);
        QCOMPARE(model->harFag(), false);
    }

    void deletedWhileShown() {
        const QString id = m_fixture.addLektie(m_fag, "Læs", dag, "Noter", {"a.dk"});
        const auto model = vis(id);
        QSignalSpy changed(model.get(), &LektieDetaljeModel::changed);
        m_fixture.sletLektie(id);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(model->links()->rowCount(), 0);
        QCOMPARE(model->visTomNote(), false);
        model->skiftFaerdig();
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
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag, {}, {"a.dk"}));
        QSignalSpy reset(model->links(), &QAbstractItemModel::modelReset);
        model->skiftFaerdig();
        m_fixture.addFag("Dansk");
        QCOMPARE(reset.size(), 0);
        model->skiftFaerdig(); // the screen test sees the first toggle
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

TAVLEN_TEST(TestLektieDetaljeModel)
#include "tst_lektiedetaljemodel.moc"
