pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Tavlen.Toolkit
import Tavlen.Views

// A subject's page: its header with counts and "Ny lektie", its open homework (or a quiet
// message), and its done homework behind a disclosure control.
ScrollArea {
    id: side
    objectName: "fagSide"
    required property string fagId
    property bool visNyLektie: false
    property bool visFaerdige: false
    readonly property color farve: Theme.hex(fagSide.farveHex)

    margins: 24
    spacing: 20
    bottomPadding: 24 + 40

    FagSideModel {
        id: fagSide
        fagId: side.fagId
    }

    RoundedBox {
        width: parent.width
        height: hoved.implicitHeight + 40
        cornerRadius: 16
        color: Theme.withOpacity(side.farve, 0.06)

        RowLayout {
            id: hoved
            x: 20
            y: 20
            width: parent.width - 40
            spacing: 16

            RoundedBox {
                implicitWidth: 72
                implicitHeight: 72
                cornerRadius: 16
                color: Theme.withOpacity(side.farve, 0.12)
                border.width: 1.5
                border.color: Theme.withOpacity(side.farve, 0.3)
                SymbolIcon {
                    anchors.centerIn: parent
                    name: fagSide.ikonNavn
                    size: 32
                    color: side.farve
                }
            }
            Column {
                Layout.fillWidth: true
                spacing: 4
                StyledText {
                    objectName: "fagNavn"
                    width: parent.width
                    text: fagSide.navn
                    size: 28
                    weight: Font.Bold
                    lineLimit: 1
                    Accessible.role: Accessible.Heading
                }
                StyledText {
                    objectName: "taellerLinje"
                    text: fagSide.taellerLinje
                    size: 13
                    color: Theme.secondaryText
                }
            }
            StyledButton {
                objectName: "nyLektieKnap"
                buttonStyle: ButtonStyle.Prominent
                tint: side.farve
                symbol: "plus"
                text: "Ny lektie"
                weight: Font.Medium
                onClicked: side.visNyLektie = true
            }
        }
    }

    Item {
        objectName: "ingenLektier"
        visible: fagSide.aktive.antal === 0
        width: parent.width
        height: ingen.implicitHeight + 80
        Column {
            id: ingen
            anchors.centerIn: parent
            spacing: 10
            SymbolIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                name: "checkmark.circle.fill"
                size: 36
                color: Theme.withOpacity(Theme.green, 0.7)
            }
            StyledText {
                objectName: "tomTekst"
                text: fagSide.tomTekst
                size: 15
                weight: Font.Medium
                color: Theme.secondaryText
            }
        }
    }

    Column {
        objectName: "aktiveLektier"
        visible: fagSide.aktive.antal > 0
        width: parent.width
        spacing: 8
        Row {
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "clock.fill"
                size: 13
                color: Theme.secondaryText
            }
            StyledText {
                anchors.verticalCenter: parent.verticalCenter
                text: "Aktive lektier"
                size: 13
                weight: Font.DemiBold
                color: Theme.secondaryText
                Accessible.role: Accessible.Heading
            }
        }
        Repeater {
            model: fagSide.aktive
            delegate: LektieRaekke {
                width: side.width - 48
                liste: fagSide.aktive
                svarerPaaFokus: true
            }
        }
    }

    Column {
        objectName: "faerdigeLektier"
        visible: fagSide.faerdige.antal > 0
        width: parent.width
        spacing: 8
        DisclosureControl {
            objectName: "faerdigeKnap"
            text: "Færdige (" + fagSide.faerdige.antal + ")"
            symbol: "checkmark.circle.fill"
            size: 13
            expanded: side.visFaerdige
            onToggled: side.visFaerdige = !side.visFaerdige
        }
        Repeater {
            model: side.visFaerdige ? fagSide.faerdige : null
            delegate: LektieRaekke {
                width: side.width - 48
                nedtoning: 0.6
                liste: fagSide.faerdige
            }
        }
    }

    Sheet {
        objectName: "fagNyLektieSheet"
        owner: side.Window.window
        width: 460
        height: 680
        isPresented: side.visNyLektie
        onDismissed: side.visNyLektie = false
        content: Component {
            NyLektieView {
                standardFagId: side.fagId
                onClose: side.visNyLektie = false
            }
        }
    }
}
