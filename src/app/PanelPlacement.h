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

// Where the tray panel's top-left corner goes: next to the tray icon, on the side
// facing the free part of its screen, and always inside that screen's available
// area. Trays that report no icon geometry (empty rect) get the panel next to the
// cursor instead, which is where the click happened.
QPoint placePanel(const QRect& iconGeometry, const QSize& panelSize,
                  const QList<ScreenArea>& screens, const QPoint& cursor);

} // namespace tavlen
