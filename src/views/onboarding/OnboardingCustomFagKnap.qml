import QtQuick
import Tavlen.Toolkit

// An own subject: always chosen, so it cannot be unticked, only removed by its mark (or
// by Delete while it has the focus).
OnboardingFlise {
    id: knap
    required farveHex
    required property string ikonNavn
    required property string navn
    signal fjern()

    ikon: ikonNavn
    tekst: navn
    Accessible.role: Accessible.StaticText
    Accessible.name: navn + ", eget fag"
    Keys.onPressed: event => {
        if (event.key === Qt.Key_Delete || event.key === Qt.Key_Backspace) {
            event.accepted = true
            knap.fjern()
        }
    }

    StyledButton {
        objectName: "fjernKnap"
        x: knap.width - width + 4
        y: -4
        buttonStyle: ButtonStyle.Plain
        symbol: "xmark.circle.fill"
        symbolSize: 14
        foreground: Theme.secondaryText
        tooltip: "Fjern " + knap.navn
        background: Circle { diameter: 14; color: Theme.windowBackground }
        onClicked: knap.fjern()
    }
}
