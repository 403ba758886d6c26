import QtQuick
import Tavlen.Toolkit

// A numbered tip of the finish step.
Row {
    id: raekke
    property string nummer: ""
    property string tekst: ""

    spacing: 12

    Circle {
        anchors.verticalCenter: parent.verticalCenter
        diameter: 22
        color: Theme.fillFor(Theme.accent, Theme.white)
        StyledText {
            anchors.centerIn: parent
            text: raekke.nummer
            size: 11
            weight: Font.Bold
            color: Theme.white
            Accessible.ignored: true
        }
    }
    StyledText {
        anchors.verticalCenter: parent.verticalCenter
        text: raekke.tekst
        size: 13
        Accessible.name: raekke.nummer + ". " + raekke.tekst
    }
}
