#pragma once

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QtQml/qqmlregistration.h>

#include <QQuickItem>

namespace tavlen {

// Where a pop-over window goes: below the point of its owner it is attached to, centred on it,
// flipped above when there is no room below, and kept inside the screen's available area.
//   Popover { owner: knap; anchorX: knap.width / 2; anchorY: knap.height }
class PopoverPlacement : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit PopoverPlacement(QObject* parent = nullptr) : QObject(parent) {}

    static constexpr qreal kGap = 6;

    // Top-left corner of a pop-over of `size` attached at `anchor` (global coordinates).
    static QPointF place(QPointF anchor, QSizeF size, const QRectF& available);

    // The same for a point of an item, on the screen of the item's window; without a
    // window or screen the pop-over simply starts at the point.
    Q_INVOKABLE QPointF positionFor(QQuickItem* owner, qreal x, qreal y, qreal width,
                                    qreal height) const;
};

} // namespace tavlen
