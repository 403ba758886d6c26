import QtQuick
import Tavlen.Toolkit

// Text that shows itself whole in a plain-text tooltip while the pointer rests on it, when
// it is cut off (a long homework title in a row). The tooltip is made only then.
//   TruncatedText { text: raekke.titel; size: 14; lineLimit: 1 }
StyledText {
    id: label

    Loader {
        id: tipLoader
        objectName: "fuldTekst"
        // Bound here: inside the component the file's ids are out of reach.
        onLoaded: item.text = Qt.binding(() => label.text)
        anchors.fill: parent
        active: label.truncated
        sourceComponent: Item {
            property alias text: tip.text
            property alias tip: tip
            // Set, not bound: a binding would show it before its delay is known.
            HoverHandler { onHoveredChanged: tip.visible = hovered }
            PlainToolTip {
                id: tip
                delay: 600
            }
        }
    }
}
