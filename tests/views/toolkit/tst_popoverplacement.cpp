#include "views/toolkit/PopoverPlacement.h"

#include <QtTest>

using tavlen::PopoverPlacement;

class TestPopoverPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data() {
        QTest::addColumn<QPointF>("anchor");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QRectF>("available");
        QTest::addColumn<QPointF>("expected");
        const QRectF screen(0, 0, 1920, 1080);
        const qreal gap = PopoverPlacement::kGap;
        QTest::newRow("below, centred")
            << QPointF(800, 100) << QSizeF(400, 300) << screen << QPointF(600, 100 + gap);
        QTest::newRow("no room below: above")
            << QPointF(800, 1000) << QSizeF(400, 300) << screen << QPointF(600, 1000 - gap - 300);
        QTest::newRow("left edge")
            << QPointF(50, 100) << QSizeF(400, 300) << screen << QPointF(0, 100 + gap);
        QTest::newRow("right edge")
            << QPointF(1900, 100) << QSizeF(400, 300) << screen << QPointF(1520, 100 + gap);
        QTest::newRow("room neither below nor above: pushed up inside")
            << QPointF(800, 500) << QSizeF(400, 700) << screen << QPointF(600, 380);
        QTest::newRow("larger than the screen: top-left visible")
            << QPointF(800, 500) << QSizeF(2500, 1500) << screen << QPointF(0, 0);
        QTest::newRow("second screen to the right")
            << QPointF(1930, 20) << QSizeF(400, 300) << QRectF(1920, 0, 1280, 1024)
            << QPointF(1920, 20 + gap);
        QTest::newRow("panel at the bottom of the screen (available area ends above it)")
            << QPointF(800, 1030) << QSizeF(400, 300) << QRectF(0, 0, 1920, 1040)
            << QPointF(600, 1030 - gap - 300);
        QTest::newRow("no screen known")
            << QPointF(-50, 100) << QSizeF(400, 300) << QRectF() << QPointF(-250, 100 + gap);
    }
    void placement() {
        QFETCH(QPointF, anchor);
        QFETCH(QSizeF, size);
        QFETCH(QRectF, available);
        QFETCH(QPointF, expected);
        QCOMPARE(PopoverPlacement::place(anchor, size, available), expected);
    }

    void withoutOwnerStartsAtThePoint() {
        PopoverPlacement placement;
        QCOMPARE(placement.positionFor(nullptr, 10, 20, 100, 100), QPointF(10, 20));
    }
};

QTEST_APPLESS_MAIN(TestPopoverPlacement)
#include "tst_popoverplacement.moc"
