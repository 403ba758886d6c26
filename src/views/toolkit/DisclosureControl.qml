import QtQuick
import Tavlen.Toolkit

// A disclosure control: a chevron that turns when open and a label; a click, Space or
// Return toggles it:
//   DisclosureControl { text: "Færdige (3)"; expanded: root.visFaerdige
//                       onToggled: root.visFaerdige = !root.visFaerdige }
ButtonBase {
    id: control
    property bool expanded: false
    property real size: 12
    property string symbol: "" // an icon before the text

    leftPadding: 4
    rightPadding: 4
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: Math.max(22, implicitContentHeight + 4)
    Accessible.checkable: true
    Accessible.checked: expanded
    onClicked: toggled()

    contentItem: Row {
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
            weight: Font.DemiBold
            color: Theme.secondaryText
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            size: control.size
            weight: Font.DemiBold
            color: Theme.secondaryText
            Accessible.ignored: true
        }
    }
}
