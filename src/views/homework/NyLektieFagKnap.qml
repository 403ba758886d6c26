import QtQuick
import Tavlen.Toolkit

// A subject tile of the new-homework form: its icon and name, tinted when chosen; the
// arrows move within the form's grid of four columns.
GridKnap {
    id: knap
    required property var fagId
    required property string navn
    required property string ikonNavn
    required property string farveHex
    required property bool erValgt

    readonly property color farve: Theme.hex(farveHex)

    checkable: false
    kolonner: 4
    topPadding: 8
    bottomPadding: 8
    leftPadding: 4
    rightPadding: 4
    Accessible.role: Accessible.RadioButton
    Accessible.name: navn
    Accessible.checkable: true
    Accessible.checked: erValgt

    contentItem: Column {
        spacing: 4
        SymbolIcon {
            width: parent.width
            height: 22
            name: knap.ikonNavn
            size: 18
            color: knap.erValgt ? knap.farve : Theme.secondaryText
        }
        StyledText {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: knap.navn
            size: 10
            weight: Font.Medium
            lineLimit: 2
            minimumScale: 0.8
            height: Math.min(implicitHeight, 26)
            color: knap.erValgt ? Theme.readable(knap.farve, knap.grund) : Theme.primaryText
        }
    }

    readonly property color grund: erValgt ? Theme.hex(farveHex, 0.2) : Theme.controlBackground

    background: RoundedBox {
        cornerRadius: 8
        color: knap.grund
        border.width: knap.erValgt ? 2 : 1
        border.color: knap.erValgt ? knap.farve : Theme.withOpacity(Theme.primaryText, 0.08)
    }
}
