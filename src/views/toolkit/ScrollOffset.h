#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Measurement of a marker's vertical offset inside a named scroll area (a Flickable or any
// item): the marker's top edge in the area's coordinates, updated as the content scrolls,
// resizes or moves. An ancestor binds to `offset`.
//   ScrollOffset { id: maal; marker: slutMarkoer; area: rulleOmraade }
//   Text { text: maal.offset < rulleOmraade.height ? "nået bunden" : "" }
// A view's own height needs no helper: bind to its `height` or `implicitHeight`.
class ScrollOffset : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem* marker READ marker WRITE setMarker NOTIFY markerChanged)
    Q_PROPERTY(QQuickItem* area READ area WRITE setArea NOTIFY areaChanged)
    Q_PROPERTY(qreal offset READ offset NOTIFY offsetChanged)
public:
    explicit ScrollOffset(QObject* parent = nullptr) : QObject(parent) {}

    QQuickItem* marker() const { return m_marker; }
    void setMarker(QQuickItem* marker);
    QQuickItem* area() const { return m_area; }
    void setArea(QQuickItem* area);
    qreal offset() const { return m_offset; }

Q_SIGNALS:
    void markerChanged();
    void areaChanged();
    void offsetChanged();

private Q_SLOTS:
    void update();

private:
    void rewire();

    QPointer<QQuickItem> m_marker;
    QPointer<QQuickItem> m_area;
    QList<QMetaObject::Connection> m_connections;
    qreal m_offset = 0;
};

} // namespace tavlen
