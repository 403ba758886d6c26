#include "model/Records.h"
#include "model/ValueHelpers.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSet>
#include <QTest>

using namespace tavlen;

namespace {

const QTimeZone kCopenhagen("Europe/Copenhagen");

QDateTime local(int y, int mo, int d, int h = 12, int mi = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), kCopenhagen);
}

} // namespace

class TestValueHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void farveFraHex_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("rgb");
        QTest::newRow("plain") << "3B82F6" << 0x3B82F6u;
        QTest::newRow("lower case") << "3b82f6" << 0x3B82F6u;
        QTest::newRow("sign, marks and spaces") << " «#3B82F6»!\n" << 0x3B82F6u;
        QTest::newRow("no hex digits") << "XYZ" << 0u;
        QTest::newRow("0x prefix") << "0x00FF00" << 0x00FF00u;
        QTest::newRow("three digits stay a number") << "F00" << 0x000F00u;
        QTest::newRow("eight digits keep low 24 bits") << "3B82F6FF" << 0x82F6FFu;
        QTest::newRow("stops at first non-digit") << "12XYZ" << 0x12u;
        QTest::newRow("overflow saturates") << "123456789ABCDEF0123" << 0xFFFFFFu;
        QTest::newRow("full-width digits are no hex") << "１２３" << 0u;
    }
    void farveFraHex() {
        QFETCH(QString, text);
        QFETCH(uint, rgb);
        const Farve got = tavlen::farveFraHex(text);
        QCOMPARE(QList<double>({got.roed, got.groen, got.blaa, got.opacitet}),
                 QList<double>(
                     {(rgb >> 16) / 255.0, (rgb >> 8 & 255) / 255.0, (rgb & 255) / 255.0, 1.0}));
    }

    void datoStreng() {
        const char* months[] = {"jan.", "feb.", "mar.", "apr.", "maj",  "jun.",
                                "jul.", "aug.", "sep.", "okt.", "nov.", "dec."};
        const ManualClock clock(local(2026, 1, 1), kCopenhagen);
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(tavlen::datoStreng(local(2027, m, 1), clock),
                     QString("1. %1 2027").arg(months[m - 1]));
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
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("dato");
        QTest::addColumn<int>("days");
        const QDateTime june = local(2026, 6, 10);
        for (int hours : {23, 24, 25, -23, -24, -25, 71})
            QTest::addRow("%+d h", hours) << june << june.addSecs(hours * 3600) << hours / 24;
        QTest::newRow("invalid date") << june << QDateTime() << 0;
        const QDateTime spring = local(2026, 3, 28);
        QTest::newRow("spring 23 h ahead") << spring << local(2026, 3, 29) << 1;
        QTest::newRow("spring 23 h back") << local(2026, 3, 29) << spring << -1;
        const QDateTime autumn = local(2026, 10, 24);
        QTest::newRow("autumn 24 h ahead") << autumn << autumn.addSecs(24 * 3600) << 0;
        QTest::newRow("autumn 25 h ahead") << autumn << local(2026, 10, 25) << 1;
        QTest::newRow("autumn 25 h back") << local(2026, 10, 25) << autumn << -1;
    }
    void dagetilbage() {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, dato);
        QFETCH(int, days);
        QCOMPARE(tavlen::dagetilbage(dato, ManualClock(now)), days);
    }

    void standardCatalogue() {
        QStringList entries;
        QSet<QUuid> ids{QUuid()}; // distinct, none null, the same for the whole run
        for (int i = 0; i < Fag::standard().size(); ++i) {
            const Fag& fag = Fag::standard()[i];
            entries << fag.navn + ' ' + fag.ikonNavn + ' ' + fag.farveHex;
            ids << Fag::standard()[i].id << Fag::standard().at(i).id;
        }
        QCOMPARE(entries.join(", "),
                 "Dansk book.fill E8704A, Historie building.columns.fill C0882F, "
                 "Kristendom staroflife.fill 8B6FBE, Matematik function 3B82F6, "
                 "Tysk globe.europe.africa.fill EF4444, Samfundsfag person.3.fill 10B981, "
                 "Biologi leaf.fill 22C55E, Idræt figure.run F59E0B, "
                 "Entreprenørskab lightbulb.fill 6366F1, Engelsk globe 0EA5E9, Fysik atom 06B6D4, "
                 "Kemi testtube.2 A855F7, Geografi map.fill 14B8A6, Madkundskab fork.knife F97316");
        QCOMPARE(ids.size(), 15);
    }
};

TAVLEN_TEST(TestValueHelpers)
#include "tst_valuehelpers.moc"
