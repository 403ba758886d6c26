import QtQuick
import Tavlen.Toolkit

// A disclosure control: a chevron that turns when open and a label; Space or Return
// toggles it from the keyboard:
//   DisclosureControl { text: "Færdige (3)"; expanded: root.visFaerdige
//                       onToggled: root.visFaerdige = !root.visFaerdige }
Item {
    id: control
    property string text: ""
    property bool expanded: false
    property real size: 12
    property string symbol: "" // an icon before the text
    signal toggled()

    implicitWidth: row.implicitWidth + 8
    implicitHeight: Math.max(22, row.implicitHeight + 4)
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: expanded
    Accessible.onPressAction: toggled()
    Keys.onSpacePressed: toggled()
    Keys.onReturnPressed: toggled()

    Row {
        id: row
        x: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "chevron.right"
            size: control.size - 2
            color: Theme.secondaryText
            rotation: control.expanded ? 90 : 0
            Behavior on rotation { NumberAnimation { duration: Motion.duration(0.2) } }
        }
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            visible: control.symbol !== ""
            name: control.symbol
            size: control.size
            weight: "semibold"
            color: Theme.secondaryText
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            size: control.size
            weight: "semibold"
            color: Theme.secondaryText
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: control.toggled()
    }

    FocusRing { target: control }
}
