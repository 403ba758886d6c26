import QtQuick
import Tavlen.Toolkit

// The overview when nothing is open.
Column {
    spacing: 16

    SymbolIcon {
        anchors.horizontalCenter: parent.horizontalCenter
        name: "checkmark.seal.fill"
        size: 54
        color: Theme.withOpacity(Theme.green, 0.7)
    }
    StyledText {
        anchors.horizontalCenter: parent.horizontalCenter
        text: "Ingen lektier!"
        size: 22
        weight: Font.Bold
    }
    StyledText {
        anchors.horizontalCenter: parent.horizontalCenter
        text: "Du er helt fri. Tilføj en lektie med + knappen."
        size: 14
        color: Theme.secondaryText
    }
}
