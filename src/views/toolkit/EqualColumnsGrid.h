#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// A grid of N equally wide, flexible columns (Qt Quick's layouts size cells by their
// content): visible children fill the cells row by row; each row is as high as its
// highest child, and the grid's implicit height is the sum.
//   EqualColumnsGrid { width: parent.width; columns: 4; columnSpacing: 8; rowSpacing: 8
//                      Repeater { model: fag; delegate: NyLektieFagKnap { … } } }
class EqualColumnsGrid : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int columns READ columns WRITE setColumns NOTIFY layoutChanged)
    Q_PROPERTY(qreal columnSpacing READ columnSpacing WRITE setColumnSpacing NOTIFY layoutChanged)
    Q_PROPERTY(qreal rowSpacing READ rowSpacing WRITE setRowSpacing NOTIFY layoutChanged)
public:
    explicit EqualColumnsGrid(QQuickItem* parent = nullptr);

    int columns() const { return m_columns; }
    void setColumns(int columns);
    qreal columnSpacing() const { return m_columnSpacing; }
    void setColumnSpacing(qreal spacing);
    qreal rowSpacing() const { return m_rowSpacing; }
    void setRowSpacing(qreal spacing);

    // The width of one column for a grid this wide.
    static qreal columnWidth(qreal width, int columns, qreal spacing);

Q_SIGNALS:
    void layoutChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void updatePolish() override;

private:
    void watch(QQuickItem* child);
    void relayout() { polish(); }

    int m_columns = 1;
    qreal m_columnSpacing = 0;
    qreal m_rowSpacing = 0;
};

} // namespace tavlen
