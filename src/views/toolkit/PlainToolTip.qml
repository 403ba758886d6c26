import QtQuick
import QtQuick.Controls.Basic as C
import Tavlen.Toolkit

// A tooltip whose text is shown as the characters it holds, never read as markup: what a
// pupil typed (a title with "<b>") stays what they typed.
//   PlainToolTip { text: raekke.titel; visible: pointer.hovered; delay: 600 }
C.ToolTip {
    id: tip
    // Plain Text rather than StyledText, which offers this tooltip itself.
    contentItem: Text {
        text: tip.text
        textFormat: Text.PlainText
        font.family: Typography.systemFamily
        font.pixelSize: 12
        color: Theme.primaryText
        wrapMode: Text.Wrap
    }
    background: RoundedBox {
        cornerRadius: 4
        color: Theme.controlBackground
        border.width: 1
        border.color: Theme.withOpacity(Theme.primaryText, 0.15)
    }
}
