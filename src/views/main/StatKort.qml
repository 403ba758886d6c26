import QtQuick
import Tavlen.Toolkit

// One of the overview's counters: an icon beside a number and its caption, on a tinted card.
RoundedBox {
    id: kort
    property int tal: 0
    property string label: ""
    property color farve: Theme.accent
    property string ikon: ""

    implicitHeight: indhold.implicitHeight + 28
    cornerRadius: 10
    color: Theme.withOpacity(farve, 0.08)
    border.width: 1
    border.color: Theme.withOpacity(farve, 0.2)
    Accessible.role: Accessible.StaticText
    Accessible.name: label + ": " + tal

    Row {
        id: indhold
        x: 14
        anchors.verticalCenter: parent.verticalCenter
        spacing: 12
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: kort.ikon
            size: 22
            color: kort.farve
        }
        Column {
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2
            StyledText {
                objectName: "tal"
                text: String(kort.tal)
                size: 24
                weight: Font.Bold
                Accessible.ignored: true
            }
            StyledText {
                text: kort.label
                size: 12
                color: Theme.secondaryText
                Accessible.ignored: true
            }
        }
    }
}
