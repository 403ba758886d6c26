#include "EqualColumnsGrid.h"

#include <algorithm>

namespace tavlen {

EqualColumnsGrid::EqualColumnsGrid(QQuickItem* parent) : QQuickItem(parent) {
    connect(this, &EqualColumnsGrid::layoutChanged, this, &EqualColumnsGrid::relayout);
}

void EqualColumnsGrid::setColumns(int columns) {
    columns = std::max(1, columns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    Q_EMIT layoutChanged();
}

void EqualColumnsGrid::setColumnSpacing(qreal spacing) {
    if (qFuzzyCompare(spacing, m_columnSpacing))
        return;
    m_columnSpacing = spacing;
    Q_EMIT layoutChanged();
}

void EqualColumnsGrid::setRowSpacing(qreal spacing) {
    if (qFuzzyCompare(spacing, m_rowSpacing))
        return;
    m_rowSpacing = spacing;
    Q_EMIT layoutChanged();
}

qreal EqualColumnsGrid::columnWidth(qreal width, int columns, qreal spacing) {
    columns = std::max(1, columns);
    return std::max<qreal>(0, (width - spacing * (columns - 1)) / columns);
}

void EqualColumnsGrid::watch(QQuickItem* child) {
    connect(child, &QQuickItem::implicitHeightChanged, this, &EqualColumnsGrid::relayout,
            Qt::UniqueConnection);
    connect(child, &QQuickItem::visibleChanged, this, &EqualColumnsGrid::relayout,
            Qt::UniqueConnection);
}

void EqualColumnsGrid::itemChange(ItemChange change, const ItemChangeData& data) {
    if (change == ItemChildAddedChange) {
        watch(data.item);
        relayout();
    } else if (change == ItemChildRemovedChange) {
        disconnect(data.item, nullptr, this, nullptr);
        relayout();
    }
    QQuickItem::itemChange(change, data);
}

void EqualColumnsGrid::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (!qFuzzyCompare(newGeometry.width(), oldGeometry.width()))
        relayout();
}

void EqualColumnsGrid::updatePolish() {
    const qreal cell = columnWidth(width(), m_columns, m_columnSpacing);
    qreal y = 0;
    qreal rowHeight = 0;
    int column = 0;
    bool any = false;
    const QList<QQuickItem*> children = childItems();
    for (QQuickItem* child : children) {
        // A Repeater sits among the cells it makes but is not one.
        if (!child->isVisible() || child->inherits("QQuickRepeater"))
            continue;
        if (column == m_columns) {
            y += rowHeight + m_rowSpacing;
            rowHeight = 0;
            column = 0;
        }
        child->setPosition(QPointF(column * (cell + m_columnSpacing), y));
        child->setWidth(cell);
        child->setHeight(child->implicitHeight());
        rowHeight = std::max(rowHeight, child->implicitHeight());
        ++column;
        any = true;
    }
    setImplicitHeight(any ? y + rowHeight : 0);
}

} // namespace tavlen
