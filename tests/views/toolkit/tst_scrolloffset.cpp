#include "views/toolkit/ScrollOffset.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

using tavlen::ScrollOffset;

class TestScrollOffset : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsScrollingAndLayout() {
        // area > content (moves like a Flickable's contentItem) > column > marker
        QQuickItem area, content, column, marker;
        content.setParentItem(&area);
        column.setParentItem(&content);
        marker.setParentItem(&column);
        column.setY(40);
        marker.setY(500);

        ScrollOffset offset;
        offset.setMarker(&marker);
        offset.setArea(&area);
        QCOMPARE(offset.offset(), 540.0);

        QSignalSpy changed(&offset, &ScrollOffset::offsetChanged);
        content.setY(-200); // scrolled down
        marker.setY(600);   // content above it grew
        column.setY(0);
        QCOMPARE(offset.offset(), 400.0);
        QCOMPARE(changed.count(), 3);
        content.setY(-200); // no change, no signal
        QCOMPARE(changed.count(), 3);
    }

    void followsReparentingAndLosingAnEnd() {
        QQuickItem marker;
        marker.setY(30);
        ScrollOffset offset;
        offset.setMarker(&marker);
        QCOMPARE(offset.offset(), 0.0); // no area yet
        {
            QQuickItem area, first, second;
            first.setParentItem(&area);
            second.setParentItem(&area);
            second.setY(100);
            marker.setParentItem(&first);
            offset.setArea(&area);
            QCOMPARE(offset.offset(), 30.0);
            marker.setParentItem(&second);
            QCOMPARE(offset.offset(), 130.0);
            second.setY(150);
            QCOMPARE(offset.offset(), 180.0);
            marker.setParentItem(nullptr);
        }
        marker.setY(40); // the area is gone: no dangling use
        QVERIFY(offset.area() == nullptr);
    }
};

QTEST_MAIN(TestScrollOffset)
#include "tst_scrolloffset.moc"
