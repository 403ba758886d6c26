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

    // The clock stands at Sunday 6 December 2026 10:00.
    void deadlineTekst_data() {
        QTest::addColumn<qint64>("minutter");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("forfaldt");
        QTest::newRow("later today") << qint64(13 * 60 + 59) << "I dag" << false;
        QTest::newRow("earlier today") << qint64(-60) << "I dag" << true;
        QTest::newRow("tomorrow") << dag << "I morgen" << false;
        QTest::newRow("in three days") << 3 * dag << "9. dec. 2026" << false;
        QTest::newRow("yesterday") << -dag << "5. dec. 2026" << true;
    }
    void deadlineTekst() {
        QFETCH(qint64, minutter);
        QFETCH(QString, tekst);
        QFETCH(bool, forfaldt);
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", minutter));
        QCOMPARE(model->deadlineTekst(), tekst);
        QCOMPARE(model->erForfaldt(), forfaldt);
    }

    void showsTheItemAndItsSubject() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Reformationen", dag, "  Husk kilder",
                                                   {" a.dk ", "", "b c", " a.dk "}));
        QCOMPARE(model->findes(), true);
        QCOMPARE(model->titel(), "Reformationen");
        QCOMPARE(model->harFag(), true);
        QCOMPARE(model->fagNavn(), "Historie");
        QCOMPARE(model->fagIkon(), "building.columns.fill");
        QCOMPARE(model->fagFarve(), "8B6FBE");
        QCOMPARE(model->beskrivelse(), "  Husk kilder");
        QCOMPARE(model->visBeskrivelse(), true);
        QCOMPARE(model->visTomNote(), false);
        QCOMPARE(model->links()->rowCount(), 3);
        QCOMPARE(tekst(model->links(), 0), "a.dk");
        QCOMPARE(tekst(model->links(), 1), "b c");
        QCOMPARE(tekst(model->links(), 2), "a.dk");
    }

    void doneAndPastIsStillOverdue() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Salme", -2 * dag, {}, {}, true));
        QCOMPARE(model->erFaerdig(), true);
        QCOMPARE(model->erForfaldt(), true);
    }

    // The settings may drop a subject without its homework; the item then stands alone.
    void subjectGoneWhileShown() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag));
        m_fixture.store().setFag({});
        QCOMPARE(model->findes(), true);
        QCOMPARE(model->harFag(), false);
        QCOMPARE(model->fagNavn(), QString());
        QCOMPARE(model->deadlineTekst(), "I morgen");
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
        m_fixture.addLektie(m_fag, "Læs", dag);
        LektieDetaljeModel model;
        QCOMPARE(model.findes(), false);
        model.setLektieId(QUuid(m_fixture.lektier().at(0).toMap().value("id").toString()));
        QCOMPARE(model.findes(), true);
        model.resetLektieId();
        QCOMPARE(model.findes(), false);
    }

    void toggleFlipsTheStoreAndStays() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag));
        model->toggleFaerdig();
        QCOMPARE(m_fixture.lektier().at(0).toMap().value("erFaerdig"), QVariant(true));
        QCOMPARE(model->erFaerdig(), true);
        QCOMPARE(model->findes(), true);
        model->toggleFaerdig();
        QCOMPARE(model->erFaerdig(), false);
    }

    // A tick elsewhere leaves the rows alone, so a focused row keeps its focus.
    void rowsSurviveAnUnrelatedChange() {
        const auto model = vis(m_fixture.addLektie(m_fag, "Læs", dag, {}, {"a.dk"}));
        QSignalSpy reset(model->links(), &QAbstractItemModel::modelReset);
        model->toggleFaerdig();
        m_fixture.addFag("Dansk");
        QCOMPARE(reset.size(), 0);
    }

    void opensTheRowsAddress() {
        const auto model = vis(m_fixture.addLektie(
            m_fag, "Læs", dag, {}, {"  skole.dk ", "", "javascript:alert(1)", "a.dk/x y"}));
        model->aabnLink(0);
        model->aabnLink(1);
        model->aabnLink(2);
        model->aabnLink(3);
        model->aabnLink(-1);
        QCOMPARE(
            m_fixture.openedUrls(),
            QVariantList({"https://skole.dk", "https://www.google.com/search?q=javascript:alert(1)",
                          "https://a.dk/x%20y"}));
    }
};

QTEST_GUILESS_MAIN(TestLektieDetaljeModel)
#include "tst_lektiedetaljemodel.moc"
