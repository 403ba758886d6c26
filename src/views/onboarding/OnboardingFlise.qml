import QtQuick
import Tavlen.Toolkit

// The one shape of the subject step's tiles: a tinted circle with the icon over the name,
// on a framed rounded box spanning its grid column.
GridKnap {
    id: flise
    property string ikon: ""
    property string tekst: ""
    property color cirkel
    property color ikonFarve
    property color navnFarve
    property color baggrund
    property color kant
    property real kantBredde: 1
    property string ikonVaegt: "regular"

    implicitHeight: implicitContentHeight
    kolonner: 4

    background: RoundedBox {
        cornerRadius: 10
        color: flise.baggrund
        border.color: flise.kant
        border.width: flise.kantBredde
        FocusRing { target: parent; cornerRadius: 12; visible: flise.visualFocus }
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
            weight: "medium"
            lineLimit: 2
            minimumScale: 0.8
            color: Theme.readable(flise.navnFarve, flise.baggrund)
            Accessible.ignored: true
        }
    }
}
