import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The overview page: three counters, then the open homework by day, or the empty state.
ScrollArea {
    id: side
    objectName: "oversigt"

    topPadding: 24
    bottomPadding: 40
    spacing: 24

    OversigtModel { id: oversigt }

    RowLayout {
        x: 24
        width: parent.width - 48
        spacing: 16
        StatKort {
            objectName: "kommendeKort"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            tal: oversigt.kommende
            label: "Kommende"
            farve: Theme.hex("3B82F6")
            ikon: "clock.fill"
        }
        StatKort {
            objectName: "forfaldneKort"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            tal: oversigt.forfaldneAntal
            label: "Forfaldne"
            farve: Theme.hex("EF4444")
            ikon: "exclamationmark.circle.fill"
        }
        StatKort {
            objectName: "faerdigeKort"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            tal: oversigt.faerdige
            label: "Færdige"
            farve: Theme.hex("22C55E")
            ikon: "checkmark.circle.fill"
        }
    }

    LektieSektion {
        objectName: "forfaldneSektion"
        x: 24
        width: parent.width - 48
        titel: "Forfaldne lektier"
        ikonNavn: "exclamationmark.triangle.fill"
        accentFarve: Theme.hex("EF4444")
        lektier: oversigt.forfaldne
    }
    LektieSektion {
        objectName: "iDagSektion"
        x: 24
        width: parent.width - 48
        titel: "For i dag"
        ikonNavn: "calendar"
        accentFarve: Theme.hex("F59E0B")
        lektier: oversigt.iDag
    }
    LektieSektion {
        objectName: "iMorgenSektion"
        x: 24
        width: parent.width - 48
        titel: "I morgen"
        ikonNavn: "calendar.badge.plus"
        accentFarve: Theme.hex("6366F1")
        lektier: oversigt.iMorgen
    }
    LektieSektion {
        objectName: "senereSektion"
        x: 24
        width: parent.width - 48
        titel: "Kommende lektier"
        ikonNavn: "calendar.badge.clock"
        accentFarve: Theme.hex("3B82F6")
        lektier: oversigt.senere
    }

    Item {
        objectName: "tomTilstand"
        visible: oversigt.tom
        width: parent.width
        height: tom.implicitHeight + 60 - side.spacing
        TomTilstand {
            id: tom
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
        }
    }
}
