#include "PopoverPlacement.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <algorithm>

namespace tavlen {

QPointF PopoverPlacement::place(QPointF anchor, QSizeF size, const QRectF& available) {
    qreal x = anchor.x() - size.width() / 2;
    qreal y = anchor.y() + kGap;
    if (available.isValid()) {
        const bool roomBelow = y + size.height() <= available.bottom();
        const bool roomAbove = anchor.y() - kGap - size.height() >= available.top();
        if (!roomBelow && roomAbove)
            y = anchor.y() - kGap - size.height();
        // Larger than the screen: keep the top-left corner visible.
        x = std::max(available.left(), std::min(x, available.right() - size.width()));
        y = std::max(available.top(), std::min(y, available.bottom() - size.height()));
    }
    return {x, y};
}

QPointF PopoverPlacement::positionFor(QQuickItem* owner, qreal x, qreal y, qreal width,
                                      qreal height) const {
    if (!owner)
        return {x, y};
    const QPointF anchor = owner->mapToGlobal(QPointF(x, y));
    QRectF available;
    if (owner->window() && owner->window()->screen())
        available = owner->window()->screen()->availableGeometry();
    return place(anchor, QSizeF(width, height), available);
}

} // namespace tavlen
