#include "model/OversigtRegler.h"
#include "support/TempStore.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::kbh;
using test::row;

class TestOversigtRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The groups the items land in, from a store as the overview gets its lists: overdue,
    // today, tomorrow, later, each soonest first whatever order the items were added in.
    // Items are named A, B, ... in the order added; `faerdige` names the done ones. Tomorrow
    // is the next calendar day, whether the night is 23 or 25 hours (2027: 28 March and 31
    // October in Copenhagen).
    void grupper_data() {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<QList<QDateTime>>("deadlines");
        test::columns<QString>({"faerdige", "grupper"});
        const QDateTime nu = kbh(2026, 12, 6, 10);
        row("one day", nu,
            QList{kbh(2026, 12, 6, 9, 59), kbh(2026, 12, 6, 18), nu, kbh(2026, 12, 6, 23, 59),
                  kbh(2026, 12, 7, 20), kbh(2026, 12, 7, 0), kbh(2026, 12, 8, 0),
                  kbh(2026, 12, 6, 23), kbh(2026, 12, 1, 10)},
            "HI", "A CBD FE G");
        row("only done", nu, QList{kbh(2026, 12, 6, 23)}, "A", "- - - -");
        row("short night", kbh(2027, 3, 27, 12),
            QList{kbh(2027, 3, 28, 23, 30), kbh(2027, 3, 29, 0, 15)}, "", "- - A B");
        row("long night, over 24 hours", kbh(2027, 10, 30, 23, 30),
            QList{kbh(2027, 10, 31, 23, 45)}, "", "- - A -");
    }
    void grupper() {
        const auto [nu, deadlines, faerdige, grupper] =
            test::fetch<QDateTime, QList<QDateTime>, QString, QString>("nu", "deadlines",
                                                                       "faerdige", "grupper");
        test::TempStore t(nu);
        for (qsizetype i = 0; i < deadlines.size(); ++i) {
            const QString titel(QChar(char16_t(u'A' + i)));
            Lektie l = Lektie::ny({}, titel, {}, {}, deadlines[i].toUTC(), t.clock);
            l.erFaerdig = faerdige.contains(titel);
            t.store.tilfoej(l);
        }
        const oversigt::Grupper g = oversigt::grupper(
            t.store.forfaldneLektier(), t.store.kommendeLektier(), t.store.lektier(), t.clock);
        QStringList ud;
        for (const QList<Lektie>* gruppe : {&g.forfaldne, &g.iDag, &g.iMorgen, &g.senere})
            ud << (gruppe->isEmpty() ? QStringLiteral("-") : test::titler(*gruppe).join(""));
        QCOMPARE(ud.join(' '), grupper);
        QCOMPARE(g.kommende, grupper.section(' ', 1).remove(' ').remove('-').size());
        QCOMPARE(g.faerdige, faerdige.size());
        QCOMPARE(g.tom, grupper == "- - - -");
    }

    void naesteOmgruppering_data() {
        QTest::addColumn<QDateTime>("nu");
        QTest::addColumn<QList<QDateTime>>("deadlines");
        QTest::addColumn<QDateTime>("naeste");
        const QDateTime nu = kbh(2026, 12, 6, 10), midnat = kbh(2026, 12, 7, 0);
        const QDateTime kl18 = kbh(2026, 12, 6, 18), kl20 = kbh(2026, 12, 6, 20);
        row("nothing due", nu, QList<QDateTime>{}, midnat);
        row("due after midnight", nu, QList{kbh(2026, 12, 7, 8)}, midnat);
        row("due before midnight", nu, QList{kl18, kl20}, kl18);
        row("due this moment", nu, QList{nu, kl20}, kl20);
        row("23-hour day", kbh(2027, 3, 28, 12), QList<QDateTime>{}, kbh(2027, 3, 29, 0));
        row("25-hour day", kbh(2027, 10, 31, 12), QList<QDateTime>{}, kbh(2027, 11, 1, 0));
    }
    void naesteOmgruppering() {
        const auto [nu, deadlines, naeste] =
            test::fetch<QDateTime, QList<QDateTime>, QDateTime>("nu", "deadlines", "naeste");
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
