#include "model/Clock.h"
#include "model/Records.h"
#include "model/ValueHelpers.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(tavlen::Farve)

using namespace tavlen;

namespace {

const QTimeZone kCopenhagen("Europe/Copenhagen");

QDateTime local(int y, int mo, int d, int h = 12, int mi = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), kCopenhagen);
}

Farve rgb(int r, int g, int b) {
    return Farve{r / 255.0, g / 255.0, b / 255.0, 1.0};
}

} // namespace

class TestValueHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void farveFraHex_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Farve>("farve");
        const Farve blue = rgb(59, 130, 246);
        QTest::newRow("plain") << "3B82F6" << blue;
        QTest::newRow("lower case") << "3b82f6" << blue;
        QTest::newRow("number sign") << "#3B82F6" << blue;
        QTest::newRow("spaces around") << "  3B82F6 \t" << blue;
        QTest::newRow("sign and spaces") << " #3B82F6\n" << blue;
        QTest::newRow("other marks around") << "«#3B82F6»!" << blue;
        QTest::newRow("emoji around") << "😀3B82F6😀" << blue;
        QTest::newRow("empty") << "" << rgb(0, 0, 0);
        QTest::newRow("only marks") << "# -" << rgb(0, 0, 0);
        QTest::newRow("no hex digits") << "XYZ" << rgb(0, 0, 0);
        QTest::newRow("0x prefix") << "0x00FF00" << rgb(0, 255, 0);
        QTest::newRow("0X prefix") << "0X00FF00" << rgb(0, 255, 0);
        QTest::newRow("0x without digits") << "0xZZ" << rgb(0, 0, 0);
        QTest::newRow("three digits stay a number") << "F00" << rgb(0, 15, 0);
        QTest::newRow("eight digits keep low 24 bits") << "3B82F6FF" << rgb(130, 246, 255);
        QTest::newRow("stops at first non-digit") << "12XYZ" << rgb(0, 0, 0x12);
        QTest::newRow("inner space stops") << "FF 00FF" << rgb(0, 0, 255);
        QTest::newRow("overflow saturates") << "123456789ABCDEF0123" << rgb(255, 255, 255);
        QTest::newRow("sixteen digits fit") << "FFFFFFFFFF000102" << rgb(0, 1, 2);
        QTest::newRow("full-width digits are no hex") << "１２３" << rgb(0, 0, 0);
        QTest::newRow("leading letter that is no hex") << "G3B82F6" << rgb(0, 0, 0);
    }
    void farveFraHex() {
        QFETCH(QString, text);
        QFETCH(Farve, farve);
        const Farve got = tavlen::farveFraHex(text);
        QCOMPARE(got.roed, farve.roed);
        QCOMPARE(got.groen, farve.groen);
        QCOMPARE(got.blaa, farve.blaa);
        QCOMPARE(got.opacitet, 1.0);
    }

    void datoStrengEveryMonth_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("text");
        const char* expected[] = {"jan.", "feb.", "mar.", "apr.", "maj",  "jun.",
                                  "jul.", "aug.", "sep.", "okt.", "nov.", "dec."};
        for (int m = 1; m <= 12; ++m)
            QTest::addRow("%d", m) << m << QString("1. %1 2027").arg(expected[m - 1]);
    }
    void datoStrengEveryMonth() {
        QFETCH(int, month);
        QFETCH(QString, text);
        const ManualClock clock(local(2026, 1, 1));
        QCOMPARE(datoStreng(local(2027, month, 1), clock), text);
    }

    void datoStrengUsesTheClocksZone() {
        ManualClock clock(local(2026, 1, 1));
        QCOMPARE(datoStreng(local(2026, 12, 6, 9), clock), QStringLiteral("6. dec. 2026"));
        // 23:30 UTC on 31 December is already New Year in Copenhagen.
        const QDateTime lateUtc(QDate(2026, 12, 31), QTime(23, 30), Qt::UTC);
        QCOMPARE(datoStreng(lateUtc, clock), QStringLiteral("1. jan. 2027"));
        clock.setTimeZone(QTimeZone::utc());
        QCOMPARE(datoStreng(lateUtc, clock), QStringLiteral("31. dec. 2026"));
    }

    void dagetilbageRoundsTowardZero_data() {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("days");
        QTest::newRow("now") << 0 << 0;
        QTest::newRow("+23 h") << 23 << 0;
        QTest::newRow("+24 h") << 24 << 1;
        QTest::newRow("+25 h") << 25 << 1;
        QTest::newRow("-23 h") << -23 << 0;
        QTest::newRow("-24 h") << -24 << -1;
        QTest::newRow("-25 h") << -25 << -1;
        QTest::newRow("+71 h") << 71 << 2;
        QTest::newRow("-49 h") << -49 << -2;
    }
    void dagetilbageRoundsTowardZero() {
        QFETCH(int, hours);
        QFETCH(int, days);
        const ManualClock clock(local(2026, 6, 10, 12));
        QCOMPARE(dagetilbage(clock.now().addSecs(hours * 3600), clock), days);
    }

    void dagetilbageAcrossDaylightSaving() {
        // Spring: 29 March 2026 has 23 hours.
        ManualClock clock(local(2026, 3, 28, 12));
        QCOMPARE(dagetilbage(local(2026, 3, 29, 12), clock), 1);
        QCOMPARE(clock.now().secsTo(local(2026, 3, 29, 12)), 23 * 3600);
        QCOMPARE(dagetilbage(local(2026, 3, 29, 11, 59), clock), 0);
        clock.setNow(local(2026, 3, 29, 12));
        QCOMPARE(dagetilbage(local(2026, 3, 28, 12), clock), -1);
        QCOMPARE(dagetilbage(local(2026, 3, 28, 12, 1), clock), 0);

        // Autumn: 25 October 2026 has 25 hours; 24 hours is not yet a day.
        clock.setNow(local(2026, 10, 24, 12));
        QCOMPARE(dagetilbage(clock.now().addSecs(24 * 3600), clock), 0);
        QCOMPARE(dagetilbage(local(2026, 10, 25, 12), clock), 1);
        QCOMPARE(clock.now().secsTo(local(2026, 10, 25, 12)), 25 * 3600);
        clock.setNow(local(2026, 10, 25, 12));
        QCOMPARE(dagetilbage(clock.now().addSecs(-24 * 3600), clock), 0);
        QCOMPARE(dagetilbage(local(2026, 10, 24, 12), clock), -1);
    }

    void dagetilbageOfAnInvalidDateIsZero() {
        const ManualClock clock(local(2026, 6, 10));
        QCOMPARE(dagetilbage(QDateTime(), clock), 0);
    }

    void standardCatalogue() {
        const QList<Fag>& first = Fag::standard();
        QCOMPARE(first.size(), 14);
        const QStringList names{
            "Dansk",       "Historie", "Kristendom", "Matematik",       "Tysk",
            "Samfundsfag", "Biologi",  "Idræt",      "Entreprenørskab", "Engelsk",
            "Fysik",       "Kemi",     "Geografi",   "Madkundskab"};
        const QStringList colours{"E8704A", "C0882F", "8B6FBE", "3B82F6", "EF4444",
                                  "10B981", "22C55E", "F59E0B", "6366F1", "0EA5E9",
                                  "06B6D4", "A855F7", "14B8A6", "F97316"};
        QSet<QUuid> ids;
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(first[i].navn, names[i]);
            QCOMPARE(first[i].farveHex, colours[i]);
            QVERIFY(!first[i].id.isNull());
            ids.insert(first[i].id);
        }
        QCOMPARE(ids.size(), 14);
        QCOMPARE(first[2].ikonNavn, QStringLiteral("staroflife.fill"));
        QCOMPARE(first[4].ikonNavn, QStringLiteral("globe.europe.africa.fill"));
        QCOMPARE(first[11].ikonNavn, QStringLiteral("testtube.2"));
        QCOMPARE(first[13].ikonNavn, QStringLiteral("fork.knife"));

        const QList<Fag>& second = Fag::standard();
        QCOMPARE(&second, &first);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(second[i].id, first[i].id);
    }
};

QTEST_GUILESS_MAIN(TestValueHelpers)
#include "tst_valuehelpers.moc"
