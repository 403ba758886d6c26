#include "views/toolkit/Typography.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QtTest>

using tavlen::Typography;

class TestTypography : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void weights_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("weight");
        QTest::newRow("medium") << "medium" << int(QFont::Medium);
        QTest::newRow("semibold") << "semibold" << int(QFont::DemiBold);
        QTest::newRow("bold") << "bold" << int(QFont::Bold);
        QTest::newRow("any case") << "SemiBold" << int(QFont::DemiBold);
        QTest::newRow("empty") << "" << int(QFont::Normal);
        QTest::newRow("unknown") << "heavy" << int(QFont::Normal);
    }
    void weights() {
        QFETCH(QString, name);
        QFETCH(int, weight);
        QCOMPARE(int(Typography::weightFor(name)), weight);
    }

    void fontCarriesSizeWeightAndDesign() {
        const QFont plain = Typography::font(10.6, u"semibold", false);
        QCOMPARE(plain.pixelSize(), 11);
        QCOMPARE(plain.weight(), QFont::DemiBold);
        QCOMPARE(plain.family(), QGuiApplication::font().family());
        QCOMPARE(Typography::font(0, u"regular", false).pixelSize(), 1);
        // Whatever the machine offers, the rounded family must be one it can draw.
        const QString rounded = Typography::font(18, u"bold", true).family();
        QCOMPARE(rounded, Typography::roundedFamilyName());
        QVERIFY(QFontDatabase::families().contains(rounded) ||
                rounded == QGuiApplication::font().family());
    }
};

QTEST_MAIN(TestTypography)
#include "tst_typography.moc"
