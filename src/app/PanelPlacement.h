#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavlen {

struct ScreenArea {
    QRect geometry;  // the whole screen
    QRect available; // without the desktop's panels
};

// Room kept free above and below a panel as high as its screen.
inline constexpr int panelScreenMargin = 8;

// Where the tray panel goes: next to the tray icon, on the side facing the free part of
// its screen, and always inside that screen's available area, which it is never higher
// than (less a margin; its content then scrolls). Trays that report no icon geometry
// (empty rect) get the panel next to the cursor instead, which is where the click happened.
QRect placePanel(const QRect& iconGeometry, const QSize& wantedSize,
                 const QList<ScreenArea>& screens, const QPoint& cursor);

} // namespace tavlen
