#include "views/toolkit/PopoverPlacement.h"

#include <QtTest>

using tavlen::PopoverPlacement;

namespace {

void row(const char* name, QPointF anchor, QPointF expected, QSizeF size = {400, 300},
         QRectF available = {0, 0, 1920, 1080}) {
    QTest::newRow(name) << anchor << size << available << expected;
}

} // namespace

class TestPopoverPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data() {
        QTest::addColumn<QPointF>("anchor");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QRectF>("available");
        QTest::addColumn<QPointF>("expected");
        const qreal gap = PopoverPlacement::kGap;
        row("below, centred", {800, 100}, {600, 100 + gap});
        row("no room below: above", {800, 1000}, {600, 1000 - gap - 300});
        row("left edge", {50, 100}, {0, 100 + gap});
        row("right edge", {1900, 100}, {1520, 100 + gap});
        row("room neither below nor above: pushed up inside", {800, 500}, {600, 380}, {400, 700});
        row("larger than the screen: top-left visible", {800, 500}, {0, 0}, {2500, 1500});
        row("second screen", {1930, 20}, {1920, 20 + gap}, {400, 300}, {1920, 0, 1280, 1024});
        // A desktop panel at the bottom: the available area ends above it.
        row("bottom panel", {800, 1030}, {600, 1030 - gap - 300}, {400, 300}, {0, 0, 1920, 1040});
        row("no screen known", {-50, 100}, {-250, 100 + gap}, {400, 300}, QRectF());
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
