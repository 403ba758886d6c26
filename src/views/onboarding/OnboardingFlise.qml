import QtQuick
import Tavlen.Toolkit

// The one shape of the subject step's tiles: a tinted circle with the icon over the name,
// on a framed rounded box spanning its grid column. A subject's tile is drawn in its
// colour (`farveHex`) while `farvet`, plain otherwise; the add tile sets its own colours.
GridKnap {
    id: flise
    property string ikon: ""
    property string tekst: ""
    property string farveHex: "3B82F6"
    property bool farvet: true
    readonly property color c: Theme.hex(farveHex)
    property color cirkel: farvet ? Theme.withOpacity(c, 0.2) : Theme.controlBackground
    property color ikonFarve: farvet ? c : Theme.secondaryText
    property color navnFarve: farvet ? c : Theme.primaryText
    property color baggrund: farvet ? Theme.withOpacity(c, 0.1) : Theme.controlBackground
    property color kant: farvet ? c : Theme.withOpacity(Theme.primaryText, 0.08)
    property real kantBredde: farvet ? 2 : 1
    property int ikonVaegt: Font.Normal

    implicitHeight: implicitContentHeight
    kolonner: 4
    focusRingRadius: 12

    background: RoundedBox {
        cornerRadius: 10
        color: flise.baggrund
        border.color: flise.kant
        border.width: flise.kantBredde
    }

    contentItem: Column {
        topPadding: 10
        bottomPadding: 10
        spacing: 6
        Circle {
            anchors.horizontalCenter: parent.horizontalCenter
            diameter: 40
            color: flise.cirkel
            SymbolIcon {
                anchors.centerIn: parent
                name: flise.ikon
                size: 18
                weight: flise.ikonVaegt
                color: flise.ikonFarve
            }
        }
        StyledText {
            width: flise.width - 8
            anchors.horizontalCenter: parent.horizontalCenter
            horizontalAlignment: Text.AlignHCenter
            text: flise.tekst
            size: 10
            weight: Font.Medium
            lineLimit: 2
            minimumScale: 0.8
            color: Theme.readable(flise.navnFarve, flise.baggrund)
            Accessible.ignored: true
        }
    }
}
