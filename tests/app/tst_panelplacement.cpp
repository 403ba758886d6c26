#include "app/PanelPlacement.h"

#include <QTest>

using namespace tavlen;

namespace {

const QSize panel(360, 400);

// A 1920 × 1080 screen with a 30 px desktop panel along one edge.
ScreenArea screenWithPanel(Qt::Edge edge, QPoint origin = {0, 0}) {
    const QRect full(origin, QSize(1920, 1080));
    QRect available = full;
    switch (edge) {
    case Qt::TopEdge:
        available.setTop(full.top() + 30);
        break;
    case Qt::BottomEdge:
        available.setBottom(full.bottom() - 30);
        break;
    case Qt::LeftEdge:
        available.setLeft(full.left() + 30);
        break;
    case Qt::RightEdge:
        available.setRight(full.right() - 30);
        break;
    }
    return {full, available};
}

bool inside(const QRect& area, const QPoint& topLeft) {
    return area.contains(QRect(topLeft, panel));
}

} // namespace

class TestPanelPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void edges_data() {
        QTest::addColumn<int>("edge");
        QTest::addColumn<QRect>("icon");
        QTest::addColumn<QPoint>("expected");
        // Top panel: below the icon, centred on it.
        QTest::newRow("top, middle")
            << int(Qt::TopEdge) << QRect(900, 4, 22, 22) << QPoint(910 - 180, 30);
        // Top panel, icon in the right corner: pushed left to stay on screen.
        QTest::newRow("top, right corner")
            << int(Qt::TopEdge) << QRect(1890, 4, 22, 22) << QPoint(1920 - 360, 30);
        QTest::newRow("top, left corner")
            << int(Qt::TopEdge) << QRect(2, 4, 22, 22) << QPoint(0, 30);
        // Bottom panel: above the icon, its bottom edge on the panel's.
        QTest::newRow("bottom, right corner")
            << int(Qt::BottomEdge) << QRect(1890, 1054, 22, 22) << QPoint(1560, 1050 - 400);
        // Side panels: beside the icon, top aligned with it.
        QTest::newRow("left") << int(Qt::LeftEdge) << QRect(4, 500, 22, 22) << QPoint(30, 500);
        QTest::newRow("right") << int(Qt::RightEdge) << QRect(1894, 500, 22, 22)
                               << QPoint(1890 - 360, 500);
        // Side panel, icon near the bottom: pulled up inside the screen.
        QTest::newRow("right, low")
            << int(Qt::RightEdge) << QRect(1894, 1050, 22, 22) << QPoint(1530, 1080 - 400);
    }
    void edges() {
        QFETCH(int, edge);
        QFETCH(QRect, icon);
        QFETCH(QPoint, expected);
        const ScreenArea screen = screenWithPanel(Qt::Edge(edge));
        const QPoint pos = placePanel(icon, panel, {screen}, icon.center());
        QCOMPARE(pos, expected);
        QVERIFY(inside(screen.available, pos));
        QVERIFY(!QRect(pos, panel).intersects(icon));
    }

    void trayWithoutStrut() {
        // A tray that reserves no space (the icon lies in the available area):
        // open towards the middle of the screen.
        const ScreenArea screen{QRect(0, 0, 1280, 800), QRect(0, 0, 1280, 800)};
        const QRect topIcon(1250, 0, 24, 24);
        QPoint pos = placePanel(topIcon, panel, {screen}, {});
        QCOMPARE(pos, QPoint(1280 - 360, 24 + 4));

        const QRect bottomIcon(10, 776, 24, 24);
        pos = placePanel(bottomIcon, panel, {screen}, {});
        QCOMPARE(pos, QPoint(0, 776 - 4 - 400));
    }

    void multiScreen() {
        // Left screen 1920 × 1080, right screen 1280 × 1024 with a top panel, and a
        // third one above the left screen at negative coordinates.
        const ScreenArea left = screenWithPanel(Qt::BottomEdge);
        const ScreenArea right = screenWithPanel(Qt::TopEdge, {1920, 0});
        const ScreenArea above = screenWithPanel(Qt::TopEdge, {0, -1080});
        const QList<ScreenArea> screens{left, right, above};

        // Icon at the right screen's left end: stays on that screen, not across the seam.
        const QRect icon(1922, 4, 22, 22);
        QPoint pos = placePanel(icon, panel, screens, {});
        QCOMPARE(pos, QPoint(1920, 30));
        QVERIFY(inside(right.available, pos));

        // Icon on the upper screen.
        const QRect upperIcon(1000, -1076, 22, 22);
        pos = placePanel(upperIcon, panel, screens, {});
        QVERIFY(inside(above.available, pos));
        QCOMPARE(pos.y(), -1080 + 30);

        // Icon reported in a gap between screens: the nearest screen takes it.
        const QRect strayIcon(3900, 500, 22, 22);
        pos = placePanel(strayIcon, panel, screens, {});
        QVERIFY(inside(right.available, pos));
    }

    void noGeometry() {
        const ScreenArea top = screenWithPanel(Qt::TopEdge);
        const ScreenArea second = screenWithPanel(Qt::BottomEdge, {1920, 0});

        // No icon geometry: next to the cursor, on the screen under the cursor.
        QPoint pos = placePanel(QRect(), panel, {top, second}, QPoint(1915, 10));
        QVERIFY(inside(top.available, pos));
        QCOMPARE(pos, QPoint(1920 - 360, 30));

        pos = placePanel(QRect(0, 0, 0, 0), panel, {top, second}, QPoint(3000, 1075));
        QVERIFY(inside(second.available, pos));
        QCOMPARE(pos.y(), 1050 - 400);

        // No screens known at all: still a defined place near the cursor.
        pos = placePanel(QRect(), panel, {}, QPoint(500, 10));
        QCOMPARE(pos, QPoint(500 - 180, 10 + 1 + 4));
    }

    void panelLargerThanScreen() {
        const ScreenArea small{QRect(0, 0, 300, 300), QRect(0, 20, 300, 280)};
        const QPoint pos = placePanel(QRect(280, 0, 20, 20), panel, {small}, {});
        QCOMPARE(pos, QPoint(0, 20)); // start edges stay visible
    }
};

QTEST_APPLESS_MAIN(TestPanelPlacement)
#include "tst_panelplacement.moc"
