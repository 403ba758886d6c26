import QtQuick
import Tavlen.Toolkit

// A mock-up of the desktop widget: a dark rounded card with a soft shadow, its contents
// drawn over it, and its name below.
Column {
    id: preview
    property string titel: ""
    property real bredde: 130
    property real hoejde: 130
    default property alias indhold: kort.data

    spacing: 6

    Item {
        id: kort
        width: preview.bredde
        height: preview.hoejde

        Canvas {
            // Room for the shadow around the card.
            x: -12
            y: -12
            width: preview.bredde + 24
            height: preview.hoejde + 24
            onPaint: {
                const ctx = getContext("2d")
                ctx.reset()
                const gradient = ctx.createLinearGradient(12, 12, 12 + preview.bredde, 12 + preview.hoejde)
                gradient.addColorStop(0, Qt.rgba(0.12, 0.14, 0.18, 1))
                gradient.addColorStop(1, Qt.rgba(0.08, 0.09, 0.11, 1))
                ctx.shadowColor = Qt.rgba(0, 0, 0, 0.3)
                ctx.shadowBlur = 8
                ctx.shadowOffsetX = 0
                ctx.shadowOffsetY = 4
                ctx.fillStyle = gradient
                ctx.beginPath()
                ctx.roundedRect(12, 12, preview.bredde, preview.hoejde, 16, 16)
                ctx.fill()
            }
        }
    }

    StyledText {
        anchors.horizontalCenter: parent.horizontalCenter
        text: preview.titel
        size: 11
        color: Theme.secondaryText
    }
}
