import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The main window's root. Fills its window; the pages come with the screens.
Rectangle {
    id: root

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
        linje: AppContext.store.gemFejlLinje
    }
}
