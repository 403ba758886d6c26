import QtQuick
import Tavlen.Toolkit

// One of the welcome's promises: a tinted icon tile beside a title and a line of text.
Row {
    id: raekke
    property string ikon: ""
    property string farve: "3B82F6"
    property string titel: ""
    property string tekst: ""

    spacing: 16

    RoundedBox {
        anchors.verticalCenter: parent.verticalCenter
        width: 40
        height: 40
        cornerRadius: 10
        color: Theme.hex(raekke.farve, 0.15)
        SymbolIcon {
            anchors.centerIn: parent
            name: raekke.ikon
            size: 18
            color: Theme.hex(raekke.farve)
        }
    }
    Column {
        anchors.verticalCenter: parent.verticalCenter
        width: raekke.width - 40 - raekke.spacing
        spacing: 2
        StyledText {
            width: parent.width
            text: raekke.titel
            size: 14
            weight: Font.DemiBold
        }
        StyledText {
            width: parent.width
            text: raekke.tekst
            size: 12
            color: Theme.secondaryText
        }
    }
}
