pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic as C
import Tavlen.Toolkit
import Tavlen.Views

// The panel's rows in one list that makes only the rows in sight, under their parts'
// headings. The focused row is kept in sight; a step beyond the rows is the panel's to take.
//   MenuBarListe { menu: menuModel; onFokusOenskes: i => panel.fokuserPaa(i) }
ListView {
    id: liste
    required property MenuBarModel menu
    // The focus should go to place i of the panel's walk (rows first, then its buttons).
    signal fokusOenskes(int i)

    function fokuserRaekke(i) {
        positionViewAtIndex(i, ListView.Contain)
        const raekke = itemAtIndex(i)
        if (raekke)
            QtProperties.focusByTab(raekke)
    }

    // The focus stays where the ticked row was: on the row that takes its place.
    function afkryds(raekke: MenuBarLektieRaekke) {
        const havdeFokus = raekke.fokusIRaekke
        const plads = raekke.index
        menu.skiftFaerdig(raekke.lektieId)
        if (havdeFokus) {
            forceLayout()
            fokusOenskes(plads)
        }
    }

    topMargin: 4
    bottomMargin: 4
    spacing: 2
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    keyNavigationEnabled: false
    model: menu.raekker
    section.property: "afsnit"
    // Its heading (MenuBarAfsnit) comes from the panel: a bound component of this file
    // could not be made by the list's section code.
    delegate: MenuBarLektieRaekke {
        id: raekke
        width: liste.width
        onTap: liste.menu.skiftLektie(lektieId)
        onAfkryds: liste.afkryds(raekke)
        onFlyt: trin => liste.fokusOenskes(index + trin)
        // Tab as well as the arrows keeps the focused row in sight.
        onFokusIRaekkeChanged: {
            if (fokusIRaekke)
                liste.positionViewAtIndex(index, ListView.Contain)
        }
    }

    C.ScrollBar.vertical: C.ScrollBar { policy: C.ScrollBar.AsNeeded }
}
