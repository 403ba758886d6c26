import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The new-subject form: a name, an icon and a colour with a live preview. A fresh form for
// every opening; close() asks the presenter to take it away. With gemIStore false the
// subject only goes out through oprettet() (the first-run flow keeps it until it ends).
Rectangle {
    id: root

    signal close()
    signal oprettet(fag: var)
    property alias gemIStore: nytFag.gemIStore
    property string opretTekst: nytFag.erRedigering ? "Gem ændringer" : "Opret fag"
    property alias redigerId: nytFag.redigerId
    // An edit starts from the subject's name.
    onRedigerIdChanged: navnFelt.text = nytFag.navn

    readonly property color farve: Theme.hex(nytFag.valgtFarve)

    implicitWidth: 380
    implicitHeight: 560
    color: Theme.windowBackground

    NytFagModel {
        id: nytFag
        onOprettet: fag => root.oprettet(fag)
    }

    Component.onCompleted: navnFelt.forceActiveFocus()

    component Overskrift: StyledText {
        size: 12
        weight: Font.DemiBold
        color: Theme.secondaryText
    }

    component Skillelinje: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: Theme.separator
    }

    // A palette cell: picks itself by its row's `valgt` role.
    component Celle: GridKnap {
        required property var model
        required property string key
        required property string label
        required property bool valgt
        required property string farveHex

        checkable: true
        autoExclusive: true
        checked: valgt
        showsFocusRing: false // drawn around the swatch
        Accessible.role: Accessible.Button
        Accessible.name: label
        onClicked: model.valgt = true
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 18
            StyledText {
                text: nytFag.erRedigering ? "Rediger fag" : "Nyt fag"
                size: 17
                weight: Font.Bold
                rounded: true
            }
            Item { Layout.fillWidth: true }
            StyledButton {
                objectName: "lukKnap"
                buttonStyle: ButtonStyle.Plain
                symbol: "xmark.circle.fill"
                symbolSize: 20
                foreground: Theme.secondaryText
                tooltip: "Luk"
                onClicked: root.close()
            }
        }

        Skillelinje {}

        ScrollArea {
            Layout.fillWidth: true
            Layout.fillHeight: true
            margins: 18
            spacing: 18

            RoundedBox {
                id: forhaandsvisning
                width: Math.min(parent.width, kort.implicitWidth + 28)
                height: kort.implicitHeight + 28
                cornerRadius: 12
                color: Theme.hex(nytFag.valgtFarve, 0.06)

                Row {
                    id: kort
                    x: 14
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 12
                    Circle {
                        diameter: 52
                        color: Theme.hex(nytFag.valgtFarve, 0.15)
                        SymbolIcon {
                            anchors.centerIn: parent
                            name: nytFag.valgtIkon
                            size: 24
                            color: root.farve
                        }
                    }
                    StyledText {
                        objectName: "forhaandsvisningNavn"
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.min(implicitWidth, forhaandsvisning.parent.width - 28 - 52 - 12)
                        text: nytFag.navn !== "" ? nytFag.navn : "Fagnavn"
                        size: 18
                        weight: Font.DemiBold
                        lineLimit: 1
                        color: nytFag.navn !== "" ? Theme.primaryText : Theme.secondaryText
                    }
                }
            }

            Column {
                width: parent.width
                spacing: 6
                Overskrift { text: "Fagnavn" }
                StyledTextField {
                    id: navnFelt
                    objectName: "navnFelt"
                    width: parent.width
                    caption: "Fagnavn"
                    placeholder: "Fx. Musik"
                    invalid: nytFag.navnFejlVises
                    onTextChanged: nytFag.navn = text
                }
                StyledText {
                    objectName: "navnFejl"
                    visible: nytFag.navnFejlVises
                    text: "Navn er påkrævet"
                    size: 11
                    color: Theme.readable(Theme.red, Theme.windowBackground)
                }
            }

            Column {
                width: parent.width
                spacing: 8
                Overskrift { text: "Ikon" }
                EqualColumnsGrid {
                    width: parent.width
                    columns: 6
                    columnSpacing: 8
                    rowSpacing: 8
                    Repeater {
                        model: nytFag.ikoner
                        delegate: Celle {
                            id: ikonCelle
                            objectName: "ikon-" + key
                            kolonner: 6
                            tooltip: label
                            implicitHeight: 36

                            RoundedBox {
                                id: ikonFelt
                                anchors.centerIn: parent
                                width: 36
                                height: 36
                                cornerRadius: 8
                                color: ikonCelle.valgt ? Theme.hex(ikonCelle.farveHex, 0.15)
                                                       : Theme.controlBackground
                                border.width: ikonCelle.valgt ? 2 : 1
                                border.color: ikonCelle.valgt
                                              ? Theme.hex(ikonCelle.farveHex)
                                              : Theme.withOpacity(Theme.primaryText, 0.08)
                                SymbolIcon {
                                    anchors.centerIn: parent
                                    name: ikonCelle.key
                                    size: 18
                                    color: ikonCelle.valgt ? Theme.hex(ikonCelle.farveHex)
                                                           : Theme.secondaryText
                                }
                            }
                            FocusRing {
                                target: ikonFelt
                                cornerRadius: 10
                                visible: ikonCelle.visualFocus
                            }
                        }
                    }
                }
            }

            Column {
                width: parent.width
                spacing: 8
                Overskrift { text: "Farve" }
                EqualColumnsGrid {
                    width: parent.width
                    columns: 6
                    columnSpacing: 8
                    rowSpacing: 8
                    Repeater {
                        model: nytFag.farver
                        delegate: Celle {
                            id: farveCelle
                            objectName: "farve-" + key
                            kolonner: 6
                            implicitHeight: 28 + 2 * 2

                            Circle {
                                id: farveFelt
                                anchors.centerIn: parent
                                diameter: 28
                                color: Theme.hex(farveCelle.farveHex)
                                Circle {
                                    diameter: 28
                                    color: Theme.clear
                                    border.width: 2.5
                                    border.color: farveCelle.valgt ? Theme.primaryText
                                                                   : Theme.clear
                                }
                            }
                            FocusRing {
                                target: farveFelt
                                cornerRadius: 20
                                visible: farveCelle.visualFocus
                            }
                        }
                    }
                }
            }
        }

        Skillelinje {}

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 14
            spacing: 8
            Item { Layout.fillWidth: true }
            StyledButton {
                objectName: "annullerKnap"
                text: "Annuller"
                isCancel: true
                onClicked: root.close()
            }
            StyledButton {
                objectName: "opretKnap"
                buttonStyle: ButtonStyle.Prominent
                tint: root.farve
                symbol: "plus.circle.fill"
                text: root.opretTekst
                weight: Font.DemiBold
                isDefault: true
                onClicked: if (nytFag.opret()) root.close()
            }
        }
    }
}
