#include "model/OversigtRegler.h"
#include "support/TempStore.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

namespace {

QDateTime kl(int aar, int maaned, int dag, int time, int minut = 0) {
    return QDateTime(QDate(aar, maaned, dag), QTime(time, minut), QTimeZone("Europe/Copenhagen"));
}

struct Butik : test::TempStore {
    using TempStore::TempStore;

    void tilfoej(const QString& titel, const QDateTime& deadline, bool faerdig = false) {
        Lektie l = Lektie::ny({}, titel, {}, {}, deadline.toUTC(), clock);
        l.erFaerdig = faerdig;
        store.tilfoej(l);
    }
    oversigt::Grupper grupper() const {
        return oversigt::grupper(store.forfaldneLektier(), store.kommendeLektier(), store.lektier(),
                                 clock);
    }
};

using test::titler;

} // namespace

class TestOversigtRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void grupper() {
        Butik b(kl(2026, 12, 6, 10));
        b.tilfoej("S2", kl(2026, 12, 20, 8));
        b.tilfoej("M2", kl(2026, 12, 7, 23, 59));
        b.tilfoej("D1", kl(2026, 12, 6, 23));
        b.tilfoej("F2", kl(2026, 12, 6, 9)); // earlier today, already passed
        b.tilfoej("M1", kl(2026, 12, 7, 0));
        b.tilfoej("S1", kl(2026, 12, 8, 0));
        b.tilfoej("F1", kl(2026, 12, 4, 10));
        b.tilfoej("Done, overdue", kl(2026, 12, 1, 10), true);
        b.tilfoej("Done, today", kl(2026, 12, 6, 12), true);
        b.tilfoej("Done, later", kl(2026, 12, 24, 12), true);
        const oversigt::Grupper g = b.grupper();
        QCOMPARE(titler(g.forfaldne), (QStringList{"F1", "F2"}));
        QCOMPARE(titler(g.iDag), QStringList{"D1"});
        QCOMPARE(titler(g.iMorgen), (QStringList{"M1", "M2"}));
        QCOMPARE(titler(g.senere), (QStringList{"S1", "S2"}));
        QCOMPARE(g.kommende, 5);
        QCOMPARE(g.faerdige, 3);
    }

    // One item at a time: how many items each group holds (forfaldne, iDag, iMorgen, senere).
    // Tomorrow is the next calendar day, whether the night is 23 or 25 hours (2027: 28 March
    // and 31 October in Copenhagen).
    void gruppe_data() {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<QDateTime>("deadline");
        QTest::addColumn<bool>("faerdig");
        QTest::addColumn<QList<int>>("antal");
        const QDateTime nu = kl(2026, 12, 6, 10);
        const QList<int> forfaldne{1, 0, 0, 0}, iDag{0, 1, 0, 0}, iMorgen{0, 0, 1, 0},
            senere{0, 0, 0, 1}, ingen{0, 0, 0, 0};
        QTest::newRow("passed today") << nu << kl(2026, 12, 6, 9, 59) << false << forfaldne;
        QTest::newRow("due this moment") << nu << nu << false << iDag;
        QTest::newRow("later today") << nu << kl(2026, 12, 6, 23, 59) << false << iDag;
        QTest::newRow("day after tomorrow") << nu << kl(2026, 12, 8, 0) << false << senere;
        QTest::newRow("done, later today") << nu << kl(2026, 12, 6, 23) << true << ingen;
        QTest::newRow("short night, end of tomorrow")
            << kl(2027, 3, 27, 12) << kl(2027, 3, 28, 23, 30) << false << iMorgen;
        QTest::newRow("short night, under 48 hours")
            << kl(2027, 3, 27, 12) << kl(2027, 3, 29, 0, 15) << false << senere;
        QTest::newRow("long night, over 24 hours")
            << kl(2027, 10, 30, 23, 30) << kl(2027, 10, 31, 23, 45) << false << iMorgen;
    }
    void gruppe() {
        QFETCH(QDateTime, nu);
        QFETCH(QDateTime, deadline);
        QFETCH(bool, faerdig);
        QFETCH(QList<int>, antal);
        Butik b(nu);
        b.tilfoej("L", deadline, faerdig);
        const oversigt::Grupper g = b.grupper();
        QCOMPARE((QList<int>{int(g.forfaldne.size()), int(g.iDag.size()), int(g.iMorgen.size()),
                             int(g.senere.size())}),
                 antal);
        QCOMPARE(g.faerdige, faerdig ? 1 : 0);
        QCOMPARE(g.tom, faerdig);
    }

    void naesteOmgruppering_data() {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<QList<QDateTime>>("deadlines");
        QTest::addColumn<QDateTime>("naeste");
        const QDateTime nu = kl(2026, 12, 6, 10);
        const QDateTime midnat = kl(2026, 12, 7, 0);
        QTest::newRow("nothing due") << nu << QList<QDateTime>{} << midnat;
        QTest::newRow("due after midnight") << nu << QList{kl(2026, 12, 7, 8)} << midnat;
        QTest::newRow("due before midnight")
            << nu << QList{kl(2026, 12, 6, 18), kl(2026, 12, 6, 20)} << kl(2026, 12, 6, 18);
        QTest::newRow("due this moment")
            << nu << QList{nu, kl(2026, 12, 6, 20)} << kl(2026, 12, 6, 20);
        QTest::newRow("23-hour day")
            << kl(2027, 3, 28, 12) << QList<QDateTime>{} << kl(2027, 3, 29, 0);
        QTest::newRow("25-hour day")
            << kl(2027, 10, 31, 12) << QList<QDateTime>{} << kl(2027, 11, 1, 0);
    }
    void naesteOmgruppering() {
        QFETCH(QDateTime, nu);
        QFETCH(QList<QDateTime>, deadlines);
        QFETCH(QDateTime, naeste);
        const ManualClock clock(nu);
        QList<Lektie> kommende;
        for (const QDateTime& d : deadlines)
            kommende << Lektie::ny({}, "L", {}, {}, d.toUTC(), clock);
        const QDateTime svar = oversigt::naesteOmgruppering(kommende, clock);
        QCOMPARE(svar, naeste);
        QCOMPARE(svar.timeSpec(), Qt::UTC);
    }
};

TAVLEN_TEST(TestOversigtRegler)
#include "tst_oversigtregler.moc"
