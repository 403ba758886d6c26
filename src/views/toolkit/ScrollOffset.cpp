#include "ScrollOffset.h"

namespace tavlen {

void ScrollOffset::setMarker(QQuickItem* marker) {
    if (m_marker == marker)
        return;
    m_marker = marker;
    rewire();
    Q_EMIT markerChanged();
}

void ScrollOffset::setArea(QQuickItem* area) {
    if (m_area == area)
        return;
    m_area = area;
    rewire();
    Q_EMIT areaChanged();
}

void ScrollOffset::rewire() {
    for (const auto& c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    if (m_marker && m_area) {
        // Any change of geometry along the chain from marker to area moves the marker in
        // the area; Flickable's contentY is the common one, watched by name so that the
        // area may be any item.
        for (QQuickItem* item = m_marker; item && item != m_area; item = item->parentItem()) {
            m_connections << connect(item, &QQuickItem::yChanged, this, &ScrollOffset::update);
            m_connections << connect(item, &QQuickItem::parentChanged, this, &ScrollOffset::rewire);
        }
        const int contentY = m_area->metaObject()->indexOfSignal("contentYChanged()");
        if (contentY >= 0)
            m_connections << connect(m_area, m_area->metaObject()->method(contentY), this,
                                     metaObject()->method(metaObject()->indexOfSlot("update()")));
    }
    update();
}

void ScrollOffset::update() {
    const qreal offset = m_marker && m_area ? m_marker->mapToItem(m_area, QPointF(0, 0)).y() : 0.0;
    if (qFuzzyCompare(offset + 1, m_offset + 1))
        return;
    m_offset = offset;
    Q_EMIT offsetChanged();
}

} // namespace tavlen
