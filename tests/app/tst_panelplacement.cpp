#include "app/PanelPlacement.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

Q_DECLARE_METATYPE(QList<tavlen::ScreenArea>)

namespace {

const QSize panel(360, 400);

// A 1920 × 1080 screen with a 30 px desktop panel along one edge (none for 0).
ScreenArea screenWithPanel(int edge, QPoint origin = {0, 0}) {
    const QRect full(origin, QSize(1920, 1080));
    const int top = edge == Qt::TopEdge, bottom = edge == Qt::BottomEdge;
    const int left = edge == Qt::LeftEdge, right = edge == Qt::RightEdge;
    return {full, full.adjusted(30 * left, 30 * top, -30 * right, -30 * bottom)};
}

} // namespace

class TestPanelPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void edges_data() {
        test::columns<int>({"edge"});
        test::columns<QRect>({"icon"});
        test::columns<QPoint>({"expected"});
        const auto row = [](const char* name, int edge, QRect icon, QPoint expected) {
            test::row(name, edge, icon, expected);
        };
        // Top panel: below the icon, centred on it, pushed aside to stay on screen.
        row("top, middle", Qt::TopEdge, {900, 4, 22, 22}, {910 - 180, 30});
        row("top, right corner", Qt::TopEdge, {1890, 4, 22, 22}, {1920 - 360, 30});
        // Bottom panel: above the icon, its bottom edge on the panel's.
        row("bottom, right corner", Qt::BottomEdge, {1890, 1054, 22, 22}, {1560, 1050 - 400});
        // Side panels: beside the icon, top aligned with it, pulled up inside the screen.
        row("left", Qt::LeftEdge, {4, 500, 22, 22}, {30, 500});
        row("right", Qt::RightEdge, {1894, 500, 22, 22}, {1890 - 360, 500});
        row("right, low", Qt::RightEdge, {1894, 1050, 22, 22}, {1530, 1080 - 400});
        // A tray that reserves no space (the icon lies in the available area): towards
        // the middle of the screen.
        row("no strut, top", 0, {1890, 0, 24, 24}, {1920 - 360, 24 + 4});
    }
    void edges() {
        const auto [edge, icon, expected] =
            test::fetch<int, QRect, QPoint>("edge", "icon", "expected");
        const ScreenArea screen = screenWithPanel(edge);
        const QPoint pos = placePanel(icon, panel, {screen}, icon.center()).topLeft();
        QCOMPARE(pos, expected);
        QVERIFY(screen.available.contains(QRect(pos, panel)));
        QVERIFY(!QRect(pos, panel).intersects(icon));
    }

    void screens_data() {
        test::columns<QRect>({"icon"});
        test::columns<QPoint>({"cursor"});
        test::columns<int>({"screen"});
        test::columns<QPoint>({"expected"});
        test::row("right screen's left end: not across the seam", QRect(1922, 1054, 22, 22),
                  QPoint(), 1, QPoint(1920, 1050 - 400));
        test::row("upper screen, negative coordinates", QRect(1000, -1076, 22, 22), QPoint(), 2,
                  QPoint(1010 - 180, -1080 + 30));
        test::row("icon in a gap: nearest screen", QRect(3900, 500, 22, 22), QPoint(), 1,
                  QPoint(3840 - 360, 500));
        // No icon geometry: next to the cursor, on the screen under it.
        test::row("no geometry, left screen", QRect(), QPoint(1915, 10), 0, QPoint(1920 - 360, 30));
        test::row("empty geometry, right screen", QRect(0, 0, 0, 0), QPoint(3000, 1075), 1,
                  QPoint(3000 - 180, 1050 - 400));
    }
    void screens() {
        const auto [icon, cursor, screen, expected] =
            test::fetch<QRect, QPoint, int, QPoint>("icon", "cursor", "screen", "expected");
        const QList<ScreenArea> screens{screenWithPanel(Qt::TopEdge),
                                        screenWithPanel(Qt::BottomEdge, {1920, 0}),
                                        screenWithPanel(Qt::TopEdge, {0, -1080})};
        const QPoint pos = placePanel(icon, panel, screens, cursor).topLeft();
        QCOMPARE(pos, expected);
        QVERIFY(screens[screen].available.contains(QRect(pos, panel)));
    }

    void withoutRoom_data() {
        test::columns<QList<ScreenArea>>({"screens"});
        test::columns<QRect>({"icon"});
        test::columns<QSize>({"wanted"});
        test::columns<QRect>({"expected"});
        // No screens known at all: still a defined place near the cursor (500, 10).
        QTest::newRow("no screens")
            << QList<ScreenArea>{} << QRect() << panel << QRect(500 - 180, 10 + 1 + 4, 360, 400);
        // Wider than the screen: its start edge stays visible.
        QTest::newRow("narrow screen")
            << QList<ScreenArea>{{QRect(0, 0, 300, 600), QRect(0, 20, 300, 580)}}
            << QRect(280, 0, 20, 20) << panel << QRect(0, 24, 360, 400);
        // A school laptop, 1366 × 768 with a 30 px top panel: never higher than the room.
        QTest::newRow("taller than a 768 screen")
            << QList<ScreenArea>{{QRect(0, 0, 1366, 768), QRect(0, 30, 1366, 738)}}
            << QRect(1300, 4, 22, 22) << QSize(360, 1500)
            << QRect(1366 - 360, 30, 360, 738 - 2 * panelScreenMargin);
        QTest::newRow("bottom panel, taller than the screen")
            << QList<ScreenArea>{{QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 738)}}
            << QRect(1300, 742, 22, 22) << QSize(360, 900)
            << QRect(1366 - 360, 742 - 4 - 722, 360, 722);
    }
    void withoutRoom() {
        const auto [screens, icon, wanted, expected] =
            test::fetch<QList<ScreenArea>, QRect, QSize, QRect>("screens", "icon", "wanted",
                                                                "expected");
        QCOMPARE(placePanel(icon, wanted, screens, QPoint(500, 10)), expected);
    }
};

TAVLEN_TEST(TestPanelPlacement)
#include "tst_panelplacement.moc"
