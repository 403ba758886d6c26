#include "model/FletteRegler.h"
#include "support/Kortform.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::kort;
using test::kortListe;

class TestFletteRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Shorthand (support/Kortform.h): "A'" retitled, "A*" ticked off.
    void merge_data() {
        test::columns<QString>({"base", "ours", "theirs", "merged"});
        test::row("nothing changed", "A B", "A B", "A B", "A B");
        test::row("ticked outside", "A B", "A B", "A B*", "A B*");
        test::row("ticked outside, ticked here", "A B", "A* B", "A B*", "A* B*");
        test::row("added on both sides", "A", "A C", "A D", "A D C");
        test::row("deleted here, untouched there", "A B", "A", "A B", "A");
        test::row("deleted there, untouched here", "A B", "A B", "B", "B");
        test::row("deleted on both sides", "A B", "B", "B", "B");
        test::row("changed here, deleted there", "A B", "A' B", "B", "B A'");
        test::row("changed there, deleted here", "A B", "B", "A* B", "A* B");
        test::row("different fields changed on both sides", "A", "A'", "A*", "A'*");
        test::row("undone here, retitled there", "A*", "A", "A'*", "A'");
        test::row("the outside order", "A B C", "A B C", "C A B", "C A B");
        test::row("everything deleted outside", "A B", "A B C", "", "C");
        test::row("first read of an empty file", "", "A", "B", "B A");
    }
    void merge() {
        const auto [base, ours, theirs, merged] =
            test::fetch<QString, QString, QString, QString>("base", "ours", "theirs", "merged");
        QCOMPARE(kort(flet::lektier(kortListe(base), kortListe(ours), kortListe(theirs))), merged);
    }

    // Subjects follow the same rule; where both sides changed one field, ours holds.
    void subjectsMergeFieldByField() {
        const Fag base = Fag::ny("Dansk", "book.fill", "E8704A");
        Fag ours = base, theirs = base;
        ours.navn = QStringLiteral("Dansk A");
        theirs.navn = QStringLiteral("Dansk B");
        theirs.farveHex = QStringLiteral("3B82F6");
        Fag merged = ours;
        merged.farveHex = theirs.farveHex;
        QCOMPARE(flet::fag({base}, {ours}, {theirs}), QList<Fag>{merged});
    }
};

TAVLEN_TEST(TestFletteRegler)
#include "tst_fletteregler.moc"
