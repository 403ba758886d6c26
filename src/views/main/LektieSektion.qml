pragma ComponentBehavior: Bound
import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// One titled group of the overview, in deadline order; hidden while it has no rows.
Column {
    id: sektion
    property string titel: ""
    property string ikonNavn: ""
    property color accentFarve: Theme.accent
    property LektieRaekkeListe lektier: null

    visible: lektier !== null && lektier.antal > 0
    spacing: 10

    Row {
        spacing: 6
        bottomPadding: 2
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: sektion.ikonNavn
            size: 13
            weight: "semibold"
            // The group's own colour on its icon only; the heading stays quiet.
            color: sektion.accentFarve
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: sektion.titel
            size: 13
            weight: "semibold"
            color: Theme.secondaryText
            Accessible.role: Accessible.Heading
        }
    }

    Repeater {
        model: sektion.lektier
        delegate: LektieRaekke {
            width: sektion.width
            liste: sektion.lektier
        }
    }
}
