import QtQuick
import Tavlen.Toolkit

// The visible keyboard focus: a ring in the accent colour around `target` while it has the
// focus from the keyboard.
RoundedBox {
    property Item target: null
    property real inset: -2
    anchors.fill: target
    anchors.margins: inset
    cornerRadius: 6
    color: "transparent"
    border.width: 2
    border.color: Theme.accent
    visible: target !== null && target.activeFocus
    z: 100
}
