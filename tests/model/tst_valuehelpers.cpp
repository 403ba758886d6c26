#include "model/ValueHelpers.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::kbh;
using test::row;

class TestValueHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void farveFraHex_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("rgb");
        row("plain", "3B82F6", 0x3B82F6u);
        row("lower case", "3b82f6", 0x3B82F6u);
        row("sign, marks and spaces", " «#3B82F6»!\n", 0x3B82F6u);
        row("no hex digits", "XYZ", 0u);
        row("0x prefix", "0x00FF00", 0x00FF00u);
        row("three digits stay a number", "F00", 0x000F00u);
        row("eight digits keep low 24 bits", "3B82F6FF", 0x82F6FFu);
        row("stops at first non-digit", "12XYZ", 0x12u);
        row("overflow saturates", "123456789ABCDEF0123", 0xFFFFFFu);
        row("full-width digits are no hex", "１２３", 0u);
    }
    void farveFraHex() {
        const auto [text, rgb] = test::fetch<QString, uint>("text", "rgb");
        const Farve got = tavlen::farveFraHex(text);
        QCOMPARE(QList<double>({got.roed, got.groen, got.blaa, got.opacitet}),
                 QList<double>(
                     {(rgb >> 16) / 255.0, (rgb >> 8 & 255) / 255.0, (rgb & 255) / 255.0, 1.0}));
    }

    // Danish abbreviations ("maj" has no dot), in the clock's zone.
    void datoStreng() {
        const ManualClock clock(kbh(2026, 1, 1));
        QCOMPARE(tavlen::datoStreng(kbh(2027, 5, 1), clock), "1. maj 2027");
        QCOMPARE(tavlen::datoStreng(kbh(2027, 9, 30), clock), "30. sep. 2027");
        // 23:30 UTC on 31 December is already New Year in Copenhagen, not in the clock's UTC.
        const QDateTime lateUtc(QDate(2026, 12, 31), QTime(23, 30), Qt::UTC);
        QCOMPARE(tavlen::datoStreng(lateUtc, clock), "1. jan. 2027");
        QCOMPARE(tavlen::datoStreng(lateUtc, ManualClock(lateUtc, QTimeZone::utc())),
                 "31. dec. 2026");
        // The backups' full form, in the clock's zone: summer time shows as summer time.
        QCOMPARE(
            tavlen::tidspunktStreng(QDateTime(QDate(2026, 12, 7), QTime(7, 12), Qt::UTC), clock),
            "mandag 7. december 2026 kl. 08:12");
        QCOMPARE(
            tavlen::tidspunktStreng(QDateTime(QDate(2026, 7, 1), QTime(22, 5), Qt::UTC), clock),
            "torsdag 2. juli 2026 kl. 00:05");
    }

    // Whole days toward zero; across a change of daylight saving a day is 23 or 25 hours.
    void dagetilbage_data() {
        test::columns<QDateTime>({"now", "dato"});
        QTest::addColumn<int>("days");
        const QDateTime june = kbh(2026, 6, 10);
        for (int hours : {23, 24, 25, -23, -24, -25, 71})
            QTest::addRow("%+d h", hours) << june << june.addSecs(hours * 3600) << hours / 24;
        row("invalid date", june, QDateTime(), 0);
        const QDateTime spring = kbh(2026, 3, 28), autumn = kbh(2026, 10, 24);
        row("spring 23 h ahead", spring, kbh(2026, 3, 29), 1);
        row("spring 23 h back", kbh(2026, 3, 29), spring, -1);
        row("autumn 24 h ahead", autumn, autumn.addSecs(24 * 3600), 0);
        row("autumn 25 h ahead", autumn, kbh(2026, 10, 25), 1);
        row("autumn 25 h back", kbh(2026, 10, 25), autumn, -1);
    }
    void dagetilbage() {
        const auto [now, dato, days] =
            test::fetch<QDateTime, QDateTime, int>("now", "dato", "days");
        QCOMPARE(tavlen::dagetilbage(dato, ManualClock(now)), days);
    }
};

TAVLEN_TEST(TestValueHelpers)
#include "tst_valuehelpers.moc"
