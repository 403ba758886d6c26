#include "model/FletteRegler.h"

#include <QTest>

using namespace tavlen;

namespace {

const QUuid fagId = QUuid::createUuid();

// A list by shorthand: "A" is record A as first read, "A'" the same record changed
// here (its title), "A*" changed outside (its done flag), "A'*" changed both ways.
QList<Lektie> liste(const QString& kort) {
    static QHash<QChar, QUuid> ids;
    QList<Lektie> out;
    for (const QString& one : kort.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!ids.contains(one[0]))
            ids.insert(one[0], QUuid::createUuid());
        Lektie l;
        l.id = ids.value(one[0]);
        l.fagId = fagId;
        l.titel =
            one.contains(QLatin1Char('\'')) ? one.left(1) + QStringLiteral(" ændret") : one.left(1);
        l.erFaerdig = one.contains(QLatin1Char('*'));
        l.deadline = QDateTime(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        l.oprettetDato = QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
        out.append(l);
    }
    return out;
}

QString kort(const QList<Lektie>& list) {
    QStringList out;
    for (const Lektie& l : list)
        out << l.titel.left(1) + (l.titel.size() > 1 ? QStringLiteral("'") : QString()) +
                   (l.erFaerdig ? QStringLiteral("*") : QString());
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestFletteRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void merge_data() {
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

QTEST_GUILESS_MAIN(TestFletteRegler)
#include "tst_fletteregler.moc"
