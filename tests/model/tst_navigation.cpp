#include "model/Navigation.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::row;

Q_DECLARE_METATYPE(tavlen::Navigation)

namespace {

const QUuid a("{0b6a3c1e-5d2f-4a7b-9c8d-1e2f3a4b5c6d}");
const QUuid b("{7f1e2d3c-4b5a-4697-8877-665544332211}");
const Navigation oversigtMedA{Navigation::Slags::Oversigt, a}; // a stray id on the overview

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lighed_data() {
        test::columns<Navigation>({"x", "y"});
        QTest::addColumn<bool>("ens");
        row("overviews, stray ids", oversigtMedA, Navigation{Navigation::Slags::Oversigt, b}, true);
        row("same subject", Navigation::fag(a), Navigation::fag(QUuid(a)), true);
        row("other subject", Navigation::fag(a), Navigation::fag(b), false);
        row("overview and subject", oversigtMedA, Navigation::fag(a), false);
        row("overview and null subject", Navigation::oversigt(), Navigation::fag({}), false);
    }
    void lighed() {
        const auto [x, y, ens] = test::fetch<Navigation, Navigation, bool>("x", "y", "ens");
        QCOMPARE(x == y, ens);
        QCOMPARE(y == x, ens);
        if (ens)
            QCOMPARE(qHash(x, 7), qHash(y, 7));
    }

    // The page falls back to the overview when its subject is gone.
    void sideFag() {
        const QList<Fag> fag{Fag::ny("Matematik", "function", "3B82F6"),
                             Fag::ny("Dansk", "book.fill", "E8704A", b)};
        QCOMPARE(tavlen::sideFag(Navigation::fag(b), fag), fag.at(1));
        QCOMPARE(tavlen::sideFag(Navigation::fag(a), fag), std::nullopt);
        QCOMPARE(tavlen::sideFag(oversigtMedA, fag), std::nullopt);
    }
};

TAVLEN_TEST(TestNavigation)
#include "tst_navigation.moc"
