#include "ScreenFixture.h"
#include "support/TestMain.h"
#include "views/onboarding/OnboardingModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
constexpr auto kQtTest = QAbstractItemModelTester::FailureReportingMode::QtTest;

using Liste = OnboardingFliseListe;

QString id(const Liste& liste, int row) {
    return liste.data(liste.index(row), Liste::IdRole).toString();
}
bool valgt(const Liste& liste, int row) {
    return liste.data(liste.index(row), Liste::ErValgtRole).toBool();
}
} // namespace

class TestOnboardingModel : public QObject {
    Q_OBJECT
    test::ScreenFixture m_fixture;

private Q_SLOTS:
    void init() { m_fixture.reset(); }

    // A tick changes one row; own subjects come and go in their own list; nothing is reset.
    void tilesFollowTheChoices() {
        OnboardingModel model;
        Liste& standard = *model.standardFag();
        Liste& egne = *model.egneFag();
        QAbstractItemModelTester standardTester(&standard, kQtTest);
        QAbstractItemModelTester egneTester(&egne, kQtTest);
        QCOMPARE(standard.rowCount(), int(Fag::standard().size()));
        QSignalSpy nulstillet(&standard, &QAbstractItemModel::modelReset);
        QSignalSpy aendret(&standard, &QAbstractItemModel::dataChanged);

        model.skiftValg(id(standard, 2));
        QCOMPARE(valgt(standard, 2), false);
        QCOMPARE(aendret.count(), 1);
        model.fravaelgAlle();
        QCOMPARE(valgt(standard, 0), false);
        QCOMPARE(model.kanFortsaette(), false);

        const Fag eget =
            Fag::ny(QStringLiteral("Kor"), QStringLiteral("music.note"), QStringLiteral("EC4899"));
        model.tilfoejEgetFag(eget);
        QCOMPARE(egne.rowCount(), 1);
        QCOMPARE(id(egne, 0), uuidTekst(eget.id));
        QCOMPARE(model.taellerTekst(), QStringLiteral("1 valgt"));
        QCOMPARE(model.kanFortsaette(), true);
        // "Vælg alle" ticks the catalogue again and keeps the own subject.
        model.vaelgAlle();
        QCOMPARE(valgt(standard, 2), true);
        QCOMPARE(model.taellerTekst(), QStringLiteral("%1 valgt").arg(Fag::standard().size() + 1));
        model.fjernEgetFag(uuidTekst(eget.id));
        QCOMPARE(egne.rowCount(), 0);
        QCOMPARE(nulstillet.count(), 0);
        QCOMPARE(m_fixture.store().fag().size(), 0);
    }

    void stepsOnlyGoForwardAndStopAtTheFinish() {
        OnboardingModel model;
        QSignalSpy trin(&model, &OnboardingModel::trinChanged);
        for (int n = 0; n < 5; ++n)
            model.naeste();
        QCOMPARE(model.trin(), 3);
        QCOMPARE(trin.count(), 3);
    }
};

TAVLEN_TEST(TestOnboardingModel)
#include "tst_onboardingmodel.moc"
