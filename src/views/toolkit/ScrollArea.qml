import QtQuick
import QtQuick.Controls.Basic as C

// A vertical scroll area holding a column, its indicator shown or hidden; a child that
// takes the keyboard focus is scrolled into view:
//   ScrollArea { anchors.fill: parent; margins: 20; spacing: 20; indicatorsShown: true
//                Sektion { … } Sektion { … } }
Flickable {
    id: area
    default property alias content: column.data
    property alias spacing: column.spacing
    property real margins: 0
    property real topPadding: margins
    property real bottomPadding: margins
    property bool indicatorsShown: true

    contentWidth: width
    contentHeight: column.implicitHeight + topPadding + bottomPadding
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    flickableDirection: Flickable.VerticalFlick

    Column {
        id: column
        x: area.margins
        y: area.topPadding
        width: area.width - 2 * area.margins
    }

    // What the scroll bar covers at the right edge while it shows.
    readonly property real indicatorWidth: bar.visible && bar.size < 1 ? bar.width : 0

    C.ScrollBar.vertical: C.ScrollBar {
        id: bar
        policy: area.indicatorsShown ? C.ScrollBar.AsNeeded : C.ScrollBar.AlwaysOff
    }

    function ensureVisible(item) {
        if (!item)
            return
        const top = item.mapToItem(column, 0, 0).y + topPadding
        const bottom = top + item.height
        if (top < contentY)
            contentY = Math.max(0, top - 8)
        else if (bottom > contentY + height)
            contentY = Math.min(contentHeight - height, bottom - height + 8)
    }

    readonly property Item focusedItem: Window.activeFocusItem
    onFocusedItemChanged: {
        if (focusedItem && focusedItem !== area && isAncestorOf(focusedItem))
            ensureVisible(focusedItem)
    }

    // A page still being laid out moves what has the focus; it stays in view.
    onContentHeightChanged: {
        if (focusedItem && focusedItem !== area && isAncestorOf(focusedItem))
            ensureVisible(focusedItem)
    }

    function isAncestorOf(item) {
        for (let p = item; p; p = p.parent) {
            if (p === column)
                return true
        }
        return false
    }
}
