#include "support/TestMain.h"
#include "views/toolkit/PopoverPlacement.h"

#include <QtTest>

using tavlen::PopoverPlacement;

class TestPopoverPlacement : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement() {
        const auto place = [](QPointF anchor, QSizeF size = {400, 300},
                              QRectF available = {0, 0, 1920, 1080}) {
            return PopoverPlacement::place(anchor, size, available);
        };
        const qreal gap = PopoverPlacement::kGap;
        QCOMPARE(place({800, 100}), QPointF(600, 100 + gap));         // below, centred
        QCOMPARE(place({800, 1000}), QPointF(600, 1000 - gap - 300)); // no room below: above
        QCOMPARE(place({1900, 100}), QPointF(1520, 100 + gap));       // right edge
        // Room neither below nor above: pushed up inside; larger than the screen: top-left shown.
        QCOMPARE(place({800, 500}, {400, 700}), QPointF(600, 380));
        QCOMPARE(place({800, 500}, {2500, 1500}), QPointF(0, 0));
        QCOMPARE(place({1930, 20}, {400, 300}, {1920, 0, 1280, 1024}), QPointF(1920, 20 + gap));
        QCOMPARE(place({-50, 100}, {400, 300}, QRectF()), QPointF(-250, 100 + gap)); // no screen
    }
};

TAVLEN_TEST(TestPopoverPlacement)
#include "tst_popoverplacement.moc"
