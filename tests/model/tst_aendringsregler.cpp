#include "model/FletteRegler.h"
#include "model/FortrydRegler.h"
#include "support/Kortform.h"
#include "support/TestMain.h"

using namespace tavlen;
using fortryd::Retning;
using test::kort;
using test::kortListe;
using test::row;

// Two rules over a list and an earlier form of it: merging another program's changes with
// ours, and taking our last change back. Shorthand (support/Kortform.h): "A'" retitled, "A*"
// ticked off.
class TestAendringsRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void merge_data() {
        test::columns<QString>({"base", "ours", "theirs", "merged"});
        row("nothing changed", "A B", "A B", "A B", "A B");
        row("ticked outside", "A B", "A B", "A B*", "A B*");
        row("ticked outside, ticked here", "A B", "A* B", "A B*", "A* B*");
        row("added on both sides", "A", "A C", "A D", "A D C");
        row("deleted here, untouched there", "A B", "A", "A B", "A");
        row("deleted there, untouched here", "A B", "A B", "B", "B");
        row("deleted on both sides", "A B", "B", "B", "B");
        row("changed here, deleted there", "A B", "A' B", "B", "B A'");
        row("changed there, deleted here", "A B", "B", "A* B", "A* B");
        row("different fields changed on both sides", "A", "A'", "A*", "A'*");
        row("undone here, retitled there", "A*", "A", "A'*", "A'");
        row("the outside order", "A B C", "A B C", "C A B", "C A B");
        row("everything deleted outside", "A B", "A B C", "", "C");
        row("first read of an empty file", "", "A", "B", "B A");
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

    // A change from `foer` to `efter`; by the time it is undone (or redone, "igen") the list
    // is `nu`; "-" is a refusal.
    void takeBackAndDoAgain_data() {
        test::columns<QString>({"foer", "efter", "nu", "retning", "resultat"});
        row("tick", "A B C", "A B* C", "A B* C", "", "A B C");
        row("untick", "A*", "A", "A", "", "A*");
        row("delete: back in its place", "A B C", "A C", "A C", "", "A B C");
        row("delete the first", "A B C", "B C", "B C", "", "A B C");
        row("add", "A", "A B", "A B", "", "A");
        row("undo, then redo", "A B C", "A C", "A B C", "igen", "A C");
        row("redo a tick", "A", "A*", "A", "igen", "A*");
        row("the second of two changes", "A B* C", "A B*", "A B*", "", "A B* C");
        row("changed elsewhere: refused", "A B", "A B*", "A B'*", "", "-");
        row("deleted elsewhere: refused", "A B", "A B*", "A", "", "-");
        row("added again elsewhere: refused", "A B", "A", "A B", "", "-");
        row("another record changed elsewhere stays", "A B", "A B*", "A' B*", "", "A' B");
        row("redo after it changed elsewhere: refused", "A", "A*", "A'", "igen", "-");
    }
    void takeBackAndDoAgain() {
        const auto [foer, efter, nu, retning, resultat] =
            test::fetch<QString, QString, QString, QString, QString>("foer", "efter", "nu",
                                                                     "retning", "resultat");
        const auto poster = fortryd::forskel(kortListe(foer), kortListe(efter));
        const auto ud = fortryd::anvend(kortListe(nu), poster,
                                        retning.isEmpty() ? Retning::Fortryd : Retning::Gentag);
        QCOMPARE(ud ? kort(*ud) : QStringLiteral("-"), resultat);
    }

    // A subject deleted with its three items comes back with them, each in its place, every
    // field as it was.
    void aSubjectComesBackWithItsHomework() {
        const Fag dansk = Fag::ny("Dansk", "book.fill", "E8704A");
        const Fag mat = Fag::ny("Matematik", "function", "3B82F6");
        QList<Lektie> foer = kortListe("P Q", mat.id) + kortListe("R S T", dansk.id);
        std::swap(foer[1], foer[3]); // P S R Q T: Dansk's items among Matematik's
        foer[1].links = {QStringLiteral("https://skole.dk/a")};
        foer[1].beskrivelse = QStringLiteral("Side 4");
        const QList<Lektie> efter = kortListe("P Q", mat.id);
        const fortryd::Aendring aendring{fortryd::forskel(foer, efter),
                                         fortryd::forskel(QList<Fag>{dansk, mat}, {mat})};
        QCOMPARE(fortryd::staarTilbage(aendring, efter, {mat}, Retning::Fortryd), true);
        const auto lektier = fortryd::anvend(efter, aendring.lektier, Retning::Fortryd);
        QCOMPARE(kort(*lektier), kort(foer));
        QCOMPARE(lektier->at(1).links, foer[1].links);
        QCOMPARE(lektier->at(1).beskrivelse, foer[1].beskrivelse);
        QCOMPARE(lektier->at(1).fagId, dansk.id);
        QCOMPARE(*fortryd::anvend({mat}, aendring.fag, Retning::Fortryd), QList<Fag>({dansk, mat}));
        QCOMPARE(fortryd::staarTilbage(aendring, efter, {dansk, mat}, Retning::Fortryd), false);
    }
};

TAVLEN_TEST(TestAendringsRegler)
#include "tst_aendringsregler.moc"
