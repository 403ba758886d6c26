#include "PanelPlacement.h"

#include <algorithm>
#include <limits>

namespace tavlen {

namespace {

constexpr int gap = 4;

qint64 distanceSquared(const QRect& rect, const QPoint& point) {
    const qint64 dx = point.x() < rect.left()    ? rect.left() - point.x()
                      : point.x() > rect.right() ? point.x() - rect.right()
                                                 : 0;
    const qint64 dy = point.y() < rect.top()      ? rect.top() - point.y()
                      : point.y() > rect.bottom() ? point.y() - rect.bottom()
                                                  : 0;
    return dx * dx + dy * dy;
}

// The screen that holds the anchor, or the nearest one when it lies between screens.
const ScreenArea* screenFor(const QList<ScreenArea>& screens, const QPoint& point) {
    const ScreenArea* best = nullptr;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const ScreenArea& screen : screens) {
        const qint64 d = distanceSquared(screen.geometry, point);
        if (d < bestDistance) {
            best = &screen;
            bestDistance = d;
        }
    }
    return best;
}

int clampInto(int value, int low, int length, int size) {
    // A panel larger than the area keeps its start edge visible.
    return std::max(low, std::min(value, low + length - size));
}

} // namespace

QRect placePanel(const QRect& iconGeometry, const QSize& wantedSize,
                 const QList<ScreenArea>& screens, const QPoint& cursor) {
    const QRect anchor = iconGeometry.isValid() && !iconGeometry.isEmpty()
                             ? iconGeometry
                             : QRect(cursor, QSize(1, 1));
    const QPoint centre = anchor.center();
    const int w = wantedSize.width();

    const ScreenArea* screen = screenFor(screens, centre);
    if (!screen)
        return {QPoint(centre.x() - w / 2, anchor.bottom() + 1 + gap), wantedSize};

    const QRect area = screen->available.isValid() ? screen->available : screen->geometry;
    const int h = std::max(1, std::min(wantedSize.height(), area.height() - 2 * panelScreenMargin));

    // The icon sits in a panel at one edge: open away from that edge.
    QPoint pos;
    if (anchor.bottom() < area.top()) {
        pos = {centre.x() - w / 2, anchor.bottom() + 1 + gap};
    } else if (anchor.top() > area.bottom()) {
        pos = {centre.x() - w / 2, anchor.top() - gap - h};
    } else if (anchor.right() < area.left()) {
        pos = {anchor.right() + 1 + gap, anchor.top()};
    } else if (anchor.left() > area.right()) {
        pos = {anchor.left() - gap - w, anchor.top()};
    } else if (centre.y() < area.center().y()) {
        // No panel strut known (or the cursor fallback): open towards the screen's middle.
        pos = {centre.x() - w / 2, anchor.bottom() + 1 + gap};
    } else {
        pos = {centre.x() - w / 2, anchor.top() - gap - h};
    }

    return {QPoint(clampInto(pos.x(), area.left(), area.width(), w),
                   clampInto(pos.y(), area.top(), area.height(), h)),
            QSize(w, h)};
}

} // namespace tavlen
