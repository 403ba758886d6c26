import QtQuick
import Tavlen.Toolkit

// The tray panel's root: 360 wide, its height from its content.
Rectangle {
    id: root
    property var store: null

    width: 360
    implicitWidth: 360
    implicitHeight: titel.implicitHeight + 28
    color: Theme.windowBackground

    StyledText {
        id: titel
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: "Tavlen"
        size: 13
        weight: "bold"
    }
}
