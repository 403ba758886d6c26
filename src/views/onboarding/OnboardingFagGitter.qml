pragma ComponentBehavior: Bound
import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The subject step's tiles in four equal columns: the catalogue's subjects, then the own
// subjects, last the tile that makes a new one.
EqualColumnsGrid {
    id: fliseGitter
    required property OnboardingModel flow
    signal egetFag()

    columns: 4
    columnSpacing: 10
    rowSpacing: 10

    Repeater {
        model: fliseGitter.flow.standardFag
        delegate: OnboardingFagKnap {
            required property string id
            objectName: "fag-" + navn
            gitter: fliseGitter
            onClicked: fliseGitter.flow.skiftValg(id)
        }
    }

    Repeater {
        model: fliseGitter.flow.egneFag
        delegate: OnboardingCustomFagKnap {
            required property string id
            objectName: "eget-" + id
            gitter: fliseGitter
            onFjern: fliseGitter.flow.fjernEgetFag(id)
        }
    }

    OnboardingFlise {
        objectName: "egetFagKnap"
        ikon: "plus"
        ikonVaegt: Font.Medium
        tekst: "Eget fag"
        cirkel: Theme.withOpacity(Theme.accent, 0.12)
        ikonFarve: Theme.accent
        navnFarve: Theme.accent
        baggrund: Theme.withOpacity(Theme.accent, 0.07)
        kant: Theme.withOpacity(Theme.accent, 0.4)
        kantBredde: 1.5
        Accessible.role: Accessible.Button
        Accessible.name: "Eget fag"
        onClicked: fliseGitter.egetFag()
    }
}
