import QtQuick
import QtQuick.Controls.Basic as C
import QtQuick.Layouts
import QtQuick.Window
import Tavlen.Toolkit
import Tavlen.Views

// The subject settings: every subject with its open homework, the new-subject form, and
// deleting a subject with all its homework after a confirmation. close() asks the
// presenter to take the panel away.
Rectangle {
    id: root

    signal close()

    property bool visNytFag: false

    implicitWidth: 360
    implicitHeight: 460
    color: Theme.windowBackground

    readonly property FagListeModel fagListe: FagListeModel {}

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 20
            spacing: 8
            StyledText {
                text: "Fag"
                size: 18
                weight: Font.Bold
                rounded: true
            }
            Item { Layout.fillWidth: true }
            StyledButton {
                objectName: "nytFagKnap"
                buttonStyle: ButtonStyle.Prominent
                tint: Theme.accent
                symbol: "plus"
                text: "Nyt fag"
                weight: Font.Medium
                onClicked: root.visNytFag = true
            }
            StyledButton {
                objectName: "lukKnap"
                buttonStyle: ButtonStyle.Plain
                symbol: "xmark.circle.fill"
                symbolSize: 20
                foreground: Theme.secondaryText
                tooltip: "Luk"
                isCancel: true
                onClicked: root.close()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        ColumnLayout {
            objectName: "tomTilstand"
            visible: root.fagListe.antal === 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: 30
            Layout.rightMargin: 30
            spacing: 14
            Item { Layout.fillHeight: true }
            SymbolIcon {
                Layout.fillWidth: true
                name: "books.vertical"
                size: 36
                color: Theme.secondaryText
            }
            StyledText {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: "Ingen fag endnu"
                size: 15
                weight: Font.Medium
                color: Theme.secondaryText
            }
            StyledText {
                objectName: "tomTekst"
                Layout.fillWidth: true
                text: "Tilføj dine fag ved at trykke på 'Nyt fag' ovenfor."
                size: 13
                color: Theme.secondaryText
                horizontalAlignment: Text.AlignHCenter
            }
            Item { Layout.fillHeight: true }
        }

        ListView {
            id: liste
            objectName: "fagListe"
            visible: root.fagListe.antal > 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            topMargin: 8
            bottomMargin: 8
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: root.fagListe
            C.ScrollBar.vertical: C.ScrollBar {}

            delegate: Item {
                id: raekke
                required property var model
                required property int index
                required property string navn
                required property string ikonNavn
                required property string farveHex
                required property int aabneLektier

                width: ListView.view.width
                implicitHeight: indhold.implicitHeight + 2 * 8

                RowLayout {
                    id: indhold
                    anchors.fill: parent
                    anchors.leftMargin: 16
                    anchors.rightMargin: 16
                    anchors.topMargin: 8
                    anchors.bottomMargin: 8
                    spacing: 12

                    Circle {
                        diameter: 36
                        color: Theme.hex(raekke.farveHex, 0.15)
                        SymbolIcon {
                            anchors.centerIn: parent
                            name: raekke.ikonNavn
                            size: 16
                            color: Theme.hex(raekke.farveHex)
                        }
                    }
                    StyledText {
                        Layout.fillWidth: true
                        text: raekke.navn
                        size: 14
                        weight: Font.Medium
                        lineLimit: 1
                    }
                    Capsule {
                        objectName: "antal"
                        visible: raekke.aabneLektier > 0
                        implicitWidth: Math.max(22, antal.implicitWidth + 12)
                        implicitHeight: Math.max(16, antal.implicitHeight + 4)
                        color: Theme.fillFor(Theme.hex(raekke.farveHex), Theme.white)
                        StyledText {
                            id: antal
                            objectName: "antalTekst"
                            anchors.centerIn: parent
                            text: raekke.aabneLektier
                            size: 11
                            weight: Font.Bold
                            color: Theme.white
                        }
                    }
                    StyledButton {
                        objectName: "rediger"
                        buttonStyle: ButtonStyle.Plain
                        symbol: "pencil"
                        size: 13
                        foreground: Theme.secondaryText
                        tooltip: "Rediger " + raekke.navn
                        onClicked: raekke.ListView.view.model.redigeres = raekke.model.id
                    }
                    StyledButton {
                        objectName: "slet"
                        buttonStyle: ButtonStyle.Plain
                        symbol: "trash"
                        size: 13
                        foreground: Theme.withOpacity(Theme.red, 0.7)
                        tooltip: "Slet " + raekke.navn
                        // Through the view: qmllint takes ids from outside a delegate for unknown.
                        onClicked: raekke.ListView.view.model.bedOmSletning(raekke.model.id)
                        // Tab may reach a row scrolled out of sight.
                        onActiveFocusChanged: if (activeFocus)
                                                  raekke.ListView.view.positionViewAtIndex(
                                                      raekke.index, ListView.Contain)
                    }
                }
            }
        }
    }

    Popover {
        objectName: "nytFagPopover"
        owner: root
        anchorX: root.width / 2
        anchorY: root.height / 2
        width: 380
        height: 560
        isPresented: root.visNytFag || root.fagListe.redigeres !== ""
        onDismissed: {
            root.visNytFag = false
            root.fagListe.redigeres = ""
        }
        content: Component { NytFagView {} }
        // Joined here: qmllint takes ids used inside the content's component for unknown.
        onContentRootChanged: {
            if (!contentRoot)
                return
            if (root.fagListe.redigeres !== "")
                contentRoot.redigerId = root.fagListe.redigeres
            contentRoot.close.connect(() => {
                root.visNytFag = false
                root.fagListe.redigeres = ""
            })
        }
    }

    ConfirmationDialog {
        objectName: "sletDialog"
        owner: root.Window.window
        isPresented: root.fagListe.visAdvarselsDialog
        title: "Slet fag"
        message: "Dette sletter også alle lektier tilknyttet faget. Handlingen kan ikke fortrydes."
        destructiveText: root.fagListe.sletKnapTekst
        onConfirmed: root.fagListe.bekraeftSletning()
        onDismissed: root.fagListe.afslutSletning()
    }
}
