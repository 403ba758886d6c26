#include "model/FortrydRegler.h"
#include "support/Kortform.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;
using fortryd::Retning;
using test::kort;
using test::kortListe;

class TestFortrydRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A change from `foer` to `efter`; by the time it is undone (or redone) the list is
    // `nu`. Shorthand as in support/Kortform.h; "-" is a refusal.
    void takeBackAndDoAgain_data() {
        QTest::addColumn<QString>("foer");
        QTest::addColumn<QString>("efter");
        QTest::addColumn<QString>("nu");
        QTest::addColumn<int>("retning");
        QTest::addColumn<QString>("resultat");
        const int tilbage = int(Retning::Fortryd), igen = int(Retning::Gentag);
        QTest::newRow("tick") << "A B C"
                              << "A B* C"
                              << "A B* C" << tilbage << "A B C";
        QTest::newRow("untick") << "A*"
                                << "A"
                                << "A" << tilbage << "A*";
        QTest::newRow("delete: back in its place") << "A B C"
                                                   << "A C"
                                                   << "A C" << tilbage << "A B C";
        QTest::newRow("delete the first") << "A B C"
                                          << "B C"
                                          << "B C" << tilbage << "A B C";
        QTest::newRow("add") << "A"
                             << "A B"
                             << "A B" << tilbage << "A";
        QTest::newRow("undo, then redo") << "A B C"
                                         << "A C"
                                         << "A B C" << igen << "A C";
        QTest::newRow("redo a tick") << "A"
                                     << "A*"
                                     << "A" << igen << "A*";
        QTest::newRow("the second of two changes") << "A B* C"
                                                   << "A B*"
                                                   << "A B*" << tilbage << "A B* C";
        QTest::newRow("changed elsewhere: refused") << "A B"
                                                    << "A B*"
                                                    << "A B'*" << tilbage << "-";
        QTest::newRow("deleted elsewhere: refused") << "A B"
                                                    << "A B*"
                                                    << "A" << tilbage << "-";
        QTest::newRow("added again elsewhere: refused") << "A B"
                                                        << "A"
                                                        << "A B" << tilbage << "-";
        QTest::newRow("another record changed elsewhere stays") << "A B"
                                                                << "A B*"
                                                                << "A' B*" << tilbage << "A' B";
        QTest::newRow("redo after it changed elsewhere: refused") << "A"
                                                                  << "A*"
                                                                  << "A'" << igen << "-";
    }
    void takeBackAndDoAgain() {
        QFETCH(QString, foer);
        QFETCH(QString, efter);
        QFETCH(QString, nu);
        QFETCH(int, retning);
        QFETCH(QString, resultat);
        const auto poster = fortryd::forskel(kortListe(foer), kortListe(efter));
        const auto ud = fortryd::anvend(kortListe(nu), poster, Retning(retning));
        QCOMPARE(ud ? kort(*ud) : QStringLiteral("-"), resultat);
    }

    // A subject deleted with its three items comes back with them, each in its place,
    // every field as it was.
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
        QCOMPARE(aendring.lektier.size(), 3);
        QCOMPARE(aendring.fag.size(), 1);
        QCOMPARE(fortryd::staarTilbage(aendring, efter, {mat}, Retning::Fortryd), true);
        const auto lektier = fortryd::anvend(efter, aendring.lektier, Retning::Fortryd);
        const auto fag = fortryd::anvend({mat}, aendring.fag, Retning::Fortryd);
        QCOMPARE(kort(*lektier), kort(foer));
        QCOMPARE(lektier->at(1).links, foer[1].links);
        QCOMPARE(lektier->at(1).beskrivelse, foer[1].beskrivelse);
        QCOMPARE(lektier->at(1).fagId, dansk.id);
        QCOMPARE(*fag, QList<Fag>({dansk, mat}));
        QCOMPARE(fortryd::staarTilbage(aendring, efter, {dansk, mat}, Retning::Fortryd), false);
    }
};

TAVLEN_TEST(TestFortrydRegler)
#include "tst_fortrydregler.moc"
