#include "model/FortrydRegler.h"
#include "support/Kortform.h"
#include "support/TestMain.h"

using namespace tavlen;
using fortryd::Retning;
using test::kort;
using test::kortListe;

class TestFortrydRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A change from `foer` to `efter`; by the time it is undone (or redone, "igen") the list
    // is `nu`. Shorthand as in support/Kortform.h; "-" is a refusal.
    void takeBackAndDoAgain_data() {
        test::columns<QString>({"foer", "efter", "nu", "retning", "resultat"});
        test::row("tick", "A B C", "A B* C", "A B* C", "", "A B C");
        test::row("untick", "A*", "A", "A", "", "A*");
        test::row("delete: back in its place", "A B C", "A C", "A C", "", "A B C");
        test::row("delete the first", "A B C", "B C", "B C", "", "A B C");
        test::row("add", "A", "A B", "A B", "", "A");
        test::row("undo, then redo", "A B C", "A C", "A B C", "igen", "A C");
        test::row("redo a tick", "A", "A*", "A", "igen", "A*");
        test::row("the second of two changes", "A B* C", "A B*", "A B*", "", "A B* C");
        test::row("changed elsewhere: refused", "A B", "A B*", "A B'*", "", "-");
        test::row("deleted elsewhere: refused", "A B", "A B*", "A", "", "-");
        test::row("added again elsewhere: refused", "A B", "A", "A B", "", "-");
        test::row("another record changed elsewhere stays", "A B", "A B*", "A' B*", "", "A' B");
        test::row("redo after it changed elsewhere: refused", "A", "A*", "A'", "igen", "-");
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

TAVLEN_TEST(TestFortrydRegler)
#include "tst_fortrydregler.moc"
