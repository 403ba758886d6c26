import QtQuick
import Tavlen.Toolkit

// The widget guide's own scroll indicator: a thin track with a thumb that follows the
// scroll progress, faded out while there is nothing to scroll.
Item {
    id: indikator
    property real progress: 0
    property bool isVisible: false
    property real trackHeight: 120
    property real thumbHeight: 28

    implicitWidth: 3
    implicitHeight: trackHeight
    opacity: isVisible ? 1 : 0
    Behavior on opacity {
        NumberAnimation { duration: Motion.duration(0.15); Component.onCompleted: QtProperties.easeInOut(this) }
    }

    // White as the design has it where the window is dark; on a light window the same
    // marks in the text colour, which white would leave unseen.
    readonly property color tone: Theme.isDark ? Theme.white : Theme.primaryText

    Capsule {
        width: 3
        height: indikator.trackHeight
        color: Theme.withOpacity(indikator.tone, 0.08)
    }
    Capsule {
        objectName: "greb"
        width: 3
        height: indikator.thumbHeight
        y: indikator.progress * (indikator.trackHeight - indikator.thumbHeight)
        color: Theme.withOpacity(indikator.tone, 0.55)
        Behavior on y {
            NumberAnimation { duration: Motion.duration(0.15); Component.onCompleted: QtProperties.easeInOut(this) }
        }
    }
}
