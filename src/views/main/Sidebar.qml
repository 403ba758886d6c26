pragma ComponentBehavior: Bound
import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The main window's sidebar: the overview, the subjects with their open counts, "Tilføj fag"
// and "Indstillinger". It selects through the window's HovedVindueModel and asks for the
// two sheets through the signals.
Rectangle {
    id: sidebar
    required property HovedVindueModel hoved
    signal tilfoejFag()
    signal indstillinger()

    implicitWidth: 220
    color: Theme.withOpacity(Theme.primaryText, 0.03)

    readonly property FagListeModel fagListe: FagListeModel {}

    component Sektion: StyledText {
        leftPadding: 8
        topPadding: 10
        bottomPadding: 2
        size: 11
        weight: Font.DemiBold
        color: Theme.secondaryText
        Accessible.role: Accessible.Heading
    }

    ScrollArea {
        id: liste
        objectName: "sidebarListe"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: skillelinje.top
        margins: 10
        spacing: 2

        Column {
            id: raekker
            width: parent.width
            spacing: 2

            StyledText {
                leftPadding: 8
                bottomPadding: 4
                text: "Tavlen"
                size: 15
                weight: Font.Bold
                rounded: true
            }

            Sektion { text: "Oversigt" }
            SidebarRaekke {
                objectName: "alleLektier"
                width: raekker.width
                gitter: raekker
                ikon: "tray.full.fill"
                tekst: "Alle lektier"
                valgt: sidebar.hoved.oversigtValgt
                onClicked: sidebar.hoved.vaelgOversigt()
            }

            Sektion { text: "Fag" }
            StyledButton {
                objectName: "tilfoejFagKnap"
                x: 8
                buttonStyle: ButtonStyle.Plain
                symbol: "plus.circle.fill"
                symbolSize: 15
                text: "Tilføj fag"
                weight: Font.DemiBold
                foreground: Theme.readable(Theme.accent, sidebar.color)
                topPadding: 3
                bottomPadding: 3
                onClicked: sidebar.tilfoejFag()
            }

            Repeater {
                model: sidebar.fagListe
                delegate: SidebarRaekke {
                    required property string id
                    required property string navn
                    required property string ikonNavn
                    required property string farveHex
                    required property int aabneLektier
                    objectName: "fag-" + navn
                    width: raekker.width
                    gitter: raekker
                    ikon: ikonNavn
                    ikonFarve: Theme.hex(farveHex)
                    tekst: navn
                    antal: aabneLektier
                    badgeFarve: Theme.fillFor(Theme.hex(farveHex), Theme.white)
                    valgt: sidebar.hoved.valgtFagId === id
                    onClicked: sidebar.hoved.vaelgFag(id)
                }
            }
        }
    }

    Rectangle {
        id: skillelinje
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: bund.top
        height: 1
        color: Theme.separator
    }

    Item {
        id: bund
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: indstillingerKnap.implicitHeight + 24
        StyledButton {
            id: indstillingerKnap
            objectName: "indstillingerKnap"
            x: 14
            anchors.verticalCenter: parent.verticalCenter
            buttonStyle: ButtonStyle.Plain
            symbol: "gearshape"
            text: "Indstillinger"
            weight: Font.Medium
            foreground: Theme.secondaryText
            tooltip: "Åbn indstillinger"
            onClicked: sidebar.indstillinger()
        }
    }
}
