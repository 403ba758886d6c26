import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit

// A selectable row of the sidebar: icon, label and, when above 0, a count badge; washed
// in the accent colour while selected. Up and Down move along the sidebar's rows and
// select the row they land on; a click, Space or Return selects.
GridKnap {
    id: raekke
    property string ikon: ""
    property color ikonFarve: Theme.accent
    property string tekst: ""
    property int antal: 0
    property color badgeFarve: Theme.fillFor(Theme.accent, Theme.white)
    property bool valgt: false

    implicitHeight: 28
    klikVedPil: true
    Accessible.role: Accessible.ListItem
    Accessible.name: antal > 0 ? tekst + ", " + antal + " åbne" : tekst
    Accessible.selectable: true
    Accessible.selected: valgt

    background: Rectangle {
        radius: 6
        color: raekke.valgt ? Theme.withOpacity(Theme.accent, 0.18)
             : raekke.hovered ? Theme.withOpacity(Theme.primaryText, 0.05) : Theme.clear
    }

    contentItem: RowLayout {
        spacing: 8
        Item {
            Layout.leftMargin: 8
            implicitWidth: 18
            implicitHeight: 18
            SymbolIcon {
                anchors.centerIn: parent
                name: raekke.ikon
                size: 14
                color: raekke.ikonFarve
            }
        }
        StyledText {
            Layout.fillWidth: true
            text: raekke.tekst
            size: 13
            lineLimit: 1
            Accessible.ignored: true
        }
        Capsule {
            objectName: "badge"
            Layout.rightMargin: 8
            visible: raekke.antal > 0
            implicitWidth: Math.max(20, String(raekke.antal).length * 7 + 10)
            implicitHeight: 16
            color: raekke.badgeFarve
            StyledText {
                anchors.centerIn: parent
                text: String(raekke.antal)
                size: 11
                weight: Font.Bold
                color: Theme.white
                Accessible.ignored: true
            }
        }
    }
}
