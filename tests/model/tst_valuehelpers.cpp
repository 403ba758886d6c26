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
        const Farve black = rgb(0, 0, 0);
        QTest::newRow("plain") << "3B82F6" << blue;
        QTest::newRow("lower case") << "3b82f6" << blue;
        QTest::newRow("sign and spaces") << " #3B82F6\n" << blue;
        QTest::newRow("other marks around") << "«#3B82F6»!" << blue;
        QTest::newRow("empty") << "" << black;
        QTest::newRow("no hex digits") << "XYZ" << black;
        QTest::newRow("0x prefix") << "0x00FF00" << rgb(0, 255, 0);
        QTest::newRow("0x without digits") << "0xZZ" << black;
        QTest::newRow("three digits stay a number") << "F00" << rgb(0, 15, 0);
        QTest::newRow("eight digits keep low 24 bits") << "3B82F6FF" << rgb(130, 246, 255);
        QTest::newRow("stops at first non-digit") << "12XYZ" << rgb(0, 0, 0x12);
        QTest::newRow("overflow saturates") << "123456789ABCDEF0123" << rgb(255, 255, 255);
        QTest::newRow("sixteen digits fit") << "FFFFFFFFFF000102" << rgb(0, 1, 2);
        QTest::newRow("full-width digits are no hex") << "１２３" << black;
        QTest::newRow("leading letter that is no hex") << "G3B82F6" << black;
    }
    void farveFraHex() {
        QFETCH(QString, text);
        QFETCH(Farve, farve);
        const Farve got = tavlen::farveFraHex(text);
        QCOMPARE(QList<double>({got.roed, got.groen, got.blaa, got.opacitet}),
                 QList<double>({farve.roed, farve.groen, farve.blaa, 1.0}));
    }

    void datoStreng_data() {
        QTest::addColumn<QDateTime>("dato");
        QTest::addColumn<QTimeZone>("zone");
        QTest::addColumn<QString>("text");
        const char* months[] = {"jan.", "feb.", "mar.", "apr.", "maj",  "jun.",
                                "jul.", "aug.", "sep.", "okt.", "nov.", "dec."};
        for (int m = 1; m <= 12; ++m)
            QTest::addRow("%d", m)
                << local(2027, m, 1) << kCopenhagen << QString("1. %1 2027").arg(months[m - 1]);
        // 23:30 UTC on 31 December is already New Year in Copenhagen.
        const QDateTime lateUtc(QDate(2026, 12, 31), QTime(23, 30), Qt::UTC);
        QTest::newRow("clock zone Copenhagen") << lateUtc << kCopenhagen << "1. jan. 2027";
        QTest::newRow("clock zone UTC") << lateUtc << QTimeZone::utc() << "31. dec. 2026";
    }
    void datoStreng() {
        QFETCH(QDateTime, dato);
        QFETCH(QTimeZone, zone);
        QFETCH(QString, text);
        QCOMPARE(tavlen::datoStreng(dato, ManualClock(local(2026, 1, 1), zone)), text);
    }

    // Whole days toward zero; across a change of daylight saving a day is 23 or 25 hours.
    void dagetilbage_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("dato");
        QTest::addColumn<int>("days");
        const QDateTime june = local(2026, 6, 10);
        for (int hours : {0, 23, 24, 25, -23, -24, -25, 71, -49})
            QTest::addRow("%+d h", hours) << june << june.addSecs(hours * 3600) << hours / 24;
        QTest::newRow("invalid date") << june << QDateTime() << 0;
        const QDateTime spring = local(2026, 3, 28);
        QTest::newRow("spring 23 h ahead") << spring << local(2026, 3, 29) << 1;
        QTest::newRow("spring a minute short") << spring << local(2026, 3, 29, 11, 59) << 0;
        QTest::newRow("spring 23 h back") << local(2026, 3, 29) << spring << -1;
        const QDateTime autumn = local(2026, 10, 24);
        QTest::newRow("autumn 24 h ahead") << autumn << autumn.addSecs(24 * 3600) << 0;
        QTest::newRow("autumn 25 h ahead") << autumn << local(2026, 10, 25) << 1;
        QTest::newRow("autumn 24 h back")
            << local(2026, 10, 25) << local(2026, 10, 25).addSecs(-24 * 3600) << 0;
        QTest::newRow("autumn 25 h back") << local(2026, 10, 25) << autumn << -1;
    }
    void dagetilbage() {
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, dato);
        QFETCH(int, days);
        QCOMPARE(tavlen::dagetilbage(dato, ManualClock(now)), days);
    }

    void standardCatalogue() {
        const QList<Fag>& first = Fag::standard();
        QStringList entries;
        QSet<QUuid> ids{QUuid()};
        for (const Fag& f : first) {
            entries << f.navn + ' ' + f.farveHex;
            ids.insert(f.id);
        }
        QCOMPARE(entries.join(", "),
                 "Dansk E8704A, Historie C0882F, Kristendom 8B6FBE, Matematik 3B82F6, Tysk EF4444, "
                 "Samfundsfag 10B981, Biologi 22C55E, Idræt F59E0B, Entreprenørskab 6366F1, "
                 "Engelsk 0EA5E9, Fysik 06B6D4, Kemi A855F7, Geografi 14B8A6, Madkundskab F97316");
        QCOMPARE(ids.size(), 15); // distinct, none null
        QCOMPARE(first[4].ikonNavn, QStringLiteral("globe.europe.africa.fill"));
        // The ids hold for the whole run.
        const QList<Fag> again = Fag::standard();
        for (int i = 0; i < 14; ++i)
            QCOMPARE(again[i].id, first[i].id);
    }
};

QTEST_GUILESS_MAIN(TestValueHelpers)
#include "tst_valuehelpers.moc"
