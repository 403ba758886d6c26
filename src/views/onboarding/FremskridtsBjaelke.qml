pragma ComponentBehavior: Bound
import QtQuick
import Tavlen.Toolkit

// The flow's progress: one capsule per step, blue up to and including the step shown.
Row {
    id: bjaelke
    property int trin: 0
    property int antalTrin: 4

    spacing: 6
    Accessible.role: Accessible.ProgressBar
    Accessible.name: "Trin " + (trin + 1) + " af " + antalTrin

    Repeater {
        model: bjaelke.antalTrin
        delegate: Capsule {
            required property int index
            objectName: "segment" + index
            width: (bjaelke.width - bjaelke.spacing * (bjaelke.antalTrin - 1)) / bjaelke.antalTrin
            height: 4
            color: index <= bjaelke.trin ? Theme.accent
                                         : Theme.withOpacity(Theme.primaryText, 0.12)
            Behavior on color { ColorAnimation { duration: Motion.duration(0.4) } }
        }
    }
}
