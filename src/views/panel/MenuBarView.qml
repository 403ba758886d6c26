import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The tray panel's root: 360 wide, its height from its content.
Rectangle {
    id: root

    width: 360
    implicitWidth: 360
    implicitHeight: indhold.implicitHeight + 28
    color: Theme.windowBackground

    Column {
        id: indhold
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 14
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        StyledText {
            text: "Tavlen"
            size: 13
            weight: "bold"
        }

        GemFejlLinje {
            width: parent.width
            linje: AppContext.store.gemFejlLinje
        }
    }
}
