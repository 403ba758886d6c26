import QtQuick
import Tavlen.Toolkit

// A standard subject of the catalogue: ticked in its colour, or plain when not.
//   OnboardingFagKnap { navn: "Dansk"; ikonNavn: "book.fill"; farveHex: "3B82F6"
//                       erValgt: true; onClicked: flow.skiftValg(id) }
OnboardingFlise {
    id: knap
    required property string farveHex
    required property string ikonNavn
    required property string navn
    required property bool erValgt
    readonly property color c: Theme.hex(farveHex)

    checkable: true
    checked: erValgt
    ikon: ikonNavn
    tekst: navn
    cirkel: erValgt ? Theme.withOpacity(c, 0.2) : Theme.controlBackground
    ikonFarve: erValgt ? c : Theme.secondaryText
    navnFarve: erValgt ? c : Theme.primaryText
    baggrund: erValgt ? Theme.withOpacity(c, 0.1) : Theme.controlBackground
    kant: erValgt ? c : Theme.withOpacity(Theme.primaryText, 0.08)
    kantBredde: erValgt ? 2 : 1

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
