import QtQuick

// A rounded rectangle with continuous corners; the border (borderWidth, borderColor) is drawn
// inside the edge, as Qt Quick's Rectangle always does, so the outer size stays width × height.
//   RoundedBox { width: 72; height: 72; cornerRadius: 16; color: Theme.hex(farve, 0.12)
//                border.width: 1.5; border.color: Theme.hex(farve, 0.30) }
// Qt Quick has no squircle; a slightly larger circular radius comes closest to the look of
// a continuous corner of the stated radius.
Rectangle {
    property real cornerRadius: 8
    radius: Math.min(cornerRadius * 1.1, Math.min(width, height) / 2)
    antialiasing: true
}
