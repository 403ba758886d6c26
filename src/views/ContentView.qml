import QtQuick
import Tavlen.Toolkit

// The main window's root. Fills its window; the pages come with the screens.
Rectangle {
    id: root
    property var store: null

    implicitWidth: 900
    implicitHeight: 600
    color: Theme.windowBackground

    StyledText {
        anchors.centerIn: parent
        text: "Tavlen"
        size: 30
        weight: "bold"
        rounded: true
    }

    GemFejlLinje {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 12
        horizontalAlignment: Text.AlignHCenter
        linje: root.store ? root.store.gemFejlLinje : ""
    }
}
