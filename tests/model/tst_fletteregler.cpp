#include "model/FletteRegler.h"
#include "support/Kortform.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

using test::kort;

namespace {
QList<Lektie> liste(const QString& k) {
    return test::kortListe(k);
}
} // namespace

class TestFletteRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void merge_data() {
        // Shorthand (support/Kortform.h): "A'" retitled here, "A*" ticked off there.
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("merged");
        QTest::newRow("nothing changed") << "A B"
                                         << "A B"
                                         << "A B"
                                         << "A B";
        QTest::newRow("ticked outside") << "A B"
                                        << "A B"
                                        << "A B*"
                                        << "A B*";
        QTest::newRow("ticked outside, ticked here") << "A B"
                                                     << "A* B"
                                                     << "A B*"
                                                     << "A* B*";
        QTest::newRow("added on both sides") << "A"
                                             << "A C"
                                             << "A D"
                                             << "A D C";
        QTest::newRow("deleted here, untouched there") << "A B"
                                                       << "A"
                                                       << "A B"
                                                       << "A";
        QTest::newRow("deleted there, untouched here") << "A B"
                                                       << "A B"
                                                       << "B"
                                                       << "B";
        QTest::newRow("deleted on both sides") << "A B"
                                               << "B"
                                               << "B"
                                               << "B";
        QTest::newRow("changed here, deleted there") << "A B"
                                                     << "A' B"
                                                     << "B"
                                                     << "B A'";
        QTest::newRow("changed there, deleted here") << "A B"
                                                     << "B"
                                                     << "A* B"
                                                     << "A* B";
        QTest::newRow("different fields changed on both sides") << "A"
                                                                << "A'"
                                                                << "A*"
                                                                << "A'*";
        QTest::newRow("undone here, retitled there") << "A*"
                                                     << "A"
                                                     << "A'*"
                                                     << "A'";
        QTest::newRow("the outside order") << "A B C"
                                           << "A B C"
                                           << "C A B"
                                           << "C A B";
        QTest::newRow("everything deleted outside") << "A B"
                                                    << "A B C"
                                                    << ""
                                                    << "C";
        QTest::newRow("first read of an empty file") << ""
                                                     << "A"
                                                     << "B"
                                                     << "B A";
    }
    void merge() {
        QFETCH(QString, base);
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        QFETCH(QString, merged);
        QCOMPARE(kort(flet::lektier(liste(base), liste(ours), liste(theirs))), merged);
    }

    // Subjects follow the same rule; one check that the fields are theirs.
    void subjectsMergeFieldByField() {
        const Fag base = Fag::ny("Dansk", "book.fill", "E8704A");
        Fag ours = base, theirs = base;
        ours.navn = QStringLiteral("Dansk A");
        theirs.navn = QStringLiteral("Dansk B"); // both changed it: ours holds
        theirs.farveHex = QStringLiteral("3B82F6");
        const QList<Fag> merged = flet::fag({base}, {ours}, {theirs});
        QCOMPARE(merged.size(), 1);
        QCOMPARE(merged[0].navn, QStringLiteral("Dansk A"));
        QCOMPARE(merged[0].farveHex, QStringLiteral("3B82F6"));
        QCOMPARE(merged[0].ikonNavn, QStringLiteral("book.fill"));
    }
};

TAVLEN_TEST(TestFletteRegler)
#include "tst_fletteregler.moc"
