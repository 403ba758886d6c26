#include "model/Navigation.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

Q_DECLARE_METATYPE(tavlen::Navigation)

namespace {

const QUuid a("{0b6a3c1e-5d2f-4a7b-9c8d-1e2f3a4b5c6d}");
const QUuid b("{7f1e2d3c-4b5a-4697-8877-665544332211}");

Navigation oversigtMedId(const QUuid& id) {
    Navigation n = Navigation::oversigt();
    n.fagId = id;
    return n;
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lighed_data() {
        QTest::addColumn<Navigation>("x");
        QTest::addColumn<Navigation>("y");
        QTest::addColumn<bool>("ens");
        QTest::newRow("overviews") << Navigation::oversigt() << Navigation::oversigt() << true;
        QTest::newRow("overviews, stray ids") << oversigtMedId(a) << oversigtMedId(b) << true;
        QTest::newRow("same subject") << Navigation::fag(a) << Navigation::fag(QUuid(a)) << true;
        QTest::newRow("other subject") << Navigation::fag(a) << Navigation::fag(b) << false;
        QTest::newRow("overview and subject") << oversigtMedId(a) << Navigation::fag(a) << false;
        QTest::newRow("overview and null subject")
            << Navigation::oversigt() << Navigation::fag({}) << false;
    }
    void lighed() {
        QFETCH(Navigation, x);
        QFETCH(Navigation, y);
        QFETCH(bool, ens);
        QCOMPARE(x == y, ens);
        QCOMPARE(y == x, ens);
        if (ens)
            QCOMPARE(qHash(x, 7), qHash(y, 7));
    }

    void sideFag_data() {
        QTest::addColumn<Navigation>("valgt");
        QTest::addColumn<QString>("navn");
        QTest::newRow("overview") << Navigation::oversigt() << "";
        QTest::newRow("overview, stray id") << oversigtMedId(a) << "";
        QTest::newRow("existing subject") << Navigation::fag(b) << "Dansk";
        QTest::newRow("deleted subject") << Navigation::fag(a) << "";
    }
    void sideFag() {
        QFETCH(Navigation, valgt);
        QFETCH(QString, navn);
        const QList<Fag> fag{Fag::ny("Matematik", "function", "3B82F6"),
                             Fag::ny("Dansk", "book.fill", "E8704A", b)};
        const std::optional<Fag> side = tavlen::sideFag(valgt, fag);
        QCOMPARE(side ? side->navn : QString(), navn);
    }
};

TAVLEN_TEST(TestNavigation)
#include "tst_navigation.moc"
