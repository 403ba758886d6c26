#include "support/TestMain.h"
#include "views/toolkit/ScrollOffset.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

using tavlen::ScrollOffset;

class TestScrollOffset : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsScrollingLayoutAndReparenting() {
        QQuickItem marker;
        marker.setY(30);
        ScrollOffset offset;
        offset.setMarker(&marker);
        {
            // area > content (moves like a Flickable's contentItem) > column > marker
            QQuickItem area, content, column, other;
            content.setParentItem(&area);
            column.setParentItem(&content);
            other.setParentItem(&content);
            marker.setParentItem(&column);
            column.setY(40);
            offset.setArea(&area);
            QCOMPARE(offset.offset(), 70.0);

            QSignalSpy changed(&offset, &ScrollOffset::offsetChanged);
            content.setY(-200); // scrolled down
            marker.setY(500);   // content above it grew
            QCOMPARE(offset.offset(), 340.0);
            QCOMPARE(changed.count(), 2);
            content.setY(-200); // no change, no signal
            QCOMPARE(changed.count(), 2);
            other.setY(100);
            marker.setParentItem(&other);
            QCOMPARE(offset.offset(), 400.0);
            marker.setParentItem(nullptr);
        }
        marker.setY(40); // the area is gone: no dangling use
        QVERIFY(offset.area() == nullptr);
    }
};

TAVLEN_TEST(TestScrollOffset)
#include "tst_scrolloffset.moc"
