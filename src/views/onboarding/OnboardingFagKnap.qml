import QtQuick
import Tavlen.Toolkit

// A standard subject of the catalogue: ticked in its colour, or plain when not.
//   OnboardingFagKnap { navn: "Dansk"; ikonNavn: "book.fill"; farveHex: "3B82F6"
//                       erValgt: true; onClicked: flow.skiftValg(id) }
OnboardingFlise {
    id: knap
    required farveHex
    required property string ikonNavn
    required property string navn
    required property bool erValgt

    checkable: true
    checked: erValgt
    ikon: ikonNavn
    tekst: navn
    farvet: erValgt

    // The model holds the tick; the button only reports the tap.
    onToggled: checked = Qt.binding(() => knap.erValgt)
    Accessible.role: Accessible.CheckBox
    Accessible.name: navn
    Accessible.checkable: true
    Accessible.checked: erValgt

    Behavior on cirkel { ColorAnimation { duration: Motion.duration(0.2) } }
    Behavior on baggrund { ColorAnimation { duration: Motion.duration(0.2) } }
    Behavior on kant { ColorAnimation { duration: Motion.duration(0.2) } }
}
