import QtQuick

// A circle of `diameter`; its border is drawn inside the edge.
//   Circle { diameter: 40; color: Theme.hex(fag.farveHex, 0.15)
//            SymbolIcon { anchors.centerIn: parent; name: fag.ikonNavn; size: 18 } }
Rectangle {
    property real diameter: 40
    width: diameter
    height: diameter
    radius: diameter / 2
    antialiasing: true
}
