pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// One homework item in full, in the tray panel's 400 × 480 pop-over: subject, title,
// deadline, description and links, with the done toggle. Given only the item's id, it
// follows the store and turns into a short note when the item is deleted meanwhile.
//   LektieDetaljeView { lektieId: valgtId; onClose: panel.valgtId = undefined }
Rectangle {
    id: root

    property var lektieId
    property bool visSlet: false // the main window's sheet offers "Slet" too
    signal close()
    signal rediger()

    implicitWidth: 400
    implicitHeight: 480
    color: Theme.windowBackground

    LektieDetaljeModel {
        id: detalje
        lektieId: root.lektieId
    }

    component Divider: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: Theme.separator
    }

    component SektionsLabel: Row {
        property alias text: label.text
        property alias symbol: icon.name
        spacing: 6
        SymbolIcon {
            id: icon
            anchors.verticalCenter: parent.verticalCenter
            size: 12
            color: Theme.secondaryText
        }
        StyledText {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            size: 12
            weight: Font.DemiBold
            color: Theme.secondaryText
        }
    }

    ColumnLayout {
        objectName: "lektie"
        anchors.fill: parent
        spacing: 0
        visible: detalje.findes

        Item {
            Layout.fillWidth: true
            implicitHeight: Math.max(kreds.visible ? kreds.height : 0, titelKolonne.implicitHeight,
                                     lukIkon.implicitHeight) + 40

            Circle {
                id: kreds
                x: 20
                y: 20
                visible: detalje.harFag
                diameter: 40
                color: Theme.hex(detalje.fagFarve, 0.15)
                SymbolIcon {
                    anchors.centerIn: parent
                    name: detalje.fagIkon
                    size: 18
                    color: Theme.hex(detalje.fagFarve)
                }
            }

            ColumnLayout {
                id: titelKolonne
                x: kreds.visible ? kreds.x + kreds.width + 12 : 20
                y: 20
                width: lukIkon.x - 12 - x
                spacing: 4

                StyledText {
                    objectName: "titel"
                    Layout.fillWidth: true
                    text: detalje.titel
                    size: 17
                    weight: Font.Bold
                }

                Row {
                    spacing: 6
                    // A long subject name gives way, so the deadline and its badge stay whole.
                    StyledText {
                        objectName: "fagNavn"
                        anchors.verticalCenter: parent.verticalCenter
                        width: Math.min(Math.ceil(implicitWidth), Math.max(0, titelKolonne.width
                                                                   - frist.implicitWidth - 6))
                        visible: detalje.harFag
                        text: detalje.fagNavn
                        size: 12
                        weight: Font.Medium
                        lineLimit: 1
                        color: Theme.readable(Theme.hex(detalje.fagFarve), Theme.windowBackground)
                    }
                    Row {
                        id: frist
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 6
                        StyledText {
                            objectName: "adskiller"
                            anchors.verticalCenter: parent.verticalCenter
                            text: "·"
                            size: 12
                            color: Theme.secondaryText
                            Accessible.ignored: true
                        }
                        StyledText {
                            objectName: "deadline"
                            anchors.verticalCenter: parent.verticalCenter
                            text: detalje.deadlineTekst
                            size: 12
                            color: detalje.erForfaldt ? Theme.readable(Theme.red, Theme.windowBackground)
                                                      : Theme.secondaryText
                        }
                        Capsule {
                            anchors.verticalCenter: parent.verticalCenter
                            visible: detalje.erForfaldt
                            width: maerke.implicitWidth + 12
                            height: maerke.implicitHeight + 4
                            color: Theme.fillFor(Theme.red, Theme.white)
                            StyledText {
                                id: maerke
                                objectName: "forfaldt"
                                anchors.centerIn: parent
                                text: "FORFALDT"
                                size: 9
                                weight: Font.Bold
                                color: Theme.white
                            }
                        }
                    }
                }
            }

            StyledButton {
                id: lukIkon
                objectName: "lukIkon"
                anchors.right: parent.right
                anchors.rightMargin: 20
                y: 20
                buttonStyle: ButtonStyle.Plain
                symbol: "xmark.circle.fill"
                symbolSize: 20
                foreground: Theme.secondaryText
                tooltip: "Luk"
                onClicked: root.close()
            }
        }

        Rectangle {
            objectName: "fagStribe"
            Layout.fillWidth: true
            implicitHeight: 2
            visible: detalje.harFag
            color: Theme.hex(detalje.fagFarve)
        }

        Divider {}

        ScrollArea {
            Layout.fillWidth: true
            Layout.fillHeight: true
            margins: 20
            spacing: 20
            indicatorsShown: true

            Column {
                objectName: "beskrivelseSektion"
                width: parent.width
                spacing: 8
                visible: detalje.visBeskrivelse

                SektionsLabel { text: "Beskrivelse"; symbol: "text.alignleft" }

                RoundedBox {
                    width: parent.width
                    height: beskrivelse.implicitHeight + 24
                    cornerRadius: 8
                    color: Theme.controlBackground

                    StyledText {
                        id: beskrivelse
                        objectName: "beskrivelse"
                        x: 12
                        y: 12
                        width: parent.width - 24
                        text: detalje.beskrivelse
                        size: 13
                        lineHeightMode: Text.FixedHeight
                        lineHeight: linjeMaal.height + 4
                        FontMetrics { id: linjeMaal; font: beskrivelse.font }
                    }
                }
            }

            Column {
                objectName: "linksSektion"
                width: parent.width
                spacing: 8
                visible: linkRaekker.count > 0

                SektionsLabel { text: "Links"; symbol: "link" }

                Column {
                    width: parent.width
                    spacing: 6

                    Repeater {
                        id: linkRaekker
                        model: detalje.links

                        delegate: ButtonBase {
                            id: linkRaekke
                            required property string tekst
                            required property bool harMaal
                            required property int index

                            objectName: "link" + index
                            width: parent ? parent.width : 0
                            focusRingRadius: 8
                            leftPadding: 12
                            rightPadding: 12
                            topPadding: 9
                            bottomPadding: 9

                            contentItem: RowLayout {
                                spacing: 8
                                SymbolIcon {
                                    name: "arrow.up.right.square.fill"
                                    size: 13
                                    color: Theme.accent
                                }
                                StyledText {
                                    objectName: "linkTekst"
                                    Layout.fillWidth: true
                                    text: linkRaekke.tekst
                                    size: 12
                                    lineLimit: 1
                                    truncation: "middle"
                                    color: Theme.readable(Theme.accent, Theme.withOpacity(Theme.accent, 0.12))
                                    Accessible.ignored: true
                                }
                                SymbolIcon {
                                    name: "chevron.right"
                                    size: 10
                                    color: Theme.withOpacity(Theme.accent, 0.5)
                                }
                            }

                            background: RoundedBox {
                                cornerRadius: 8
                                color: Theme.withOpacity(Theme.accent, linkRaekke.down ? 0.16
                                                 : linkRaekke.hovered && linkRaekke.harMaal ? 0.12
                                                 : 0.08)
                                border.width: 1
                                border.color: Theme.withOpacity(Theme.accent, 0.2)
                            }

                            Accessible.role: Accessible.Link
                            Accessible.name: linkRaekke.tekst
                            Accessible.description: linkRaekke.harMaal ? "" : "Kan ikke åbnes"

                            onClicked: detalje.aabnLink(linkRaekke.index)
                        }
                    }
                }

                StyledText {
                    objectName: "linkFejl"
                    visible: detalje.linkFejl
                    text: "Linket kunne ikke åbnes"
                    size: 11
                    color: Theme.readable(Theme.red, Theme.windowBackground)
                    Accessible.role: Accessible.AlertMessage
                }
            }

            Column {
                objectName: "tomNote"
                width: parent.width
                topPadding: 30
                bottomPadding: 30
                spacing: 8
                visible: detalje.visTomNote

                SymbolIcon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: "doc.text"
                    size: 28
                    color: Theme.withOpacity(Theme.secondaryText, 0.5)
                }
                StyledText {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: "Ingen beskrivelse eller links"
                    size: 13
                    color: Theme.secondaryText
                }
            }
        }

        Divider {}

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: bund.implicitHeight + 32
            color: Theme.windowBackground

            RowLayout {
                id: bund
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                anchors.margins: 16

                StyledButton {
                    objectName: "faerdigKnap"
                    buttonStyle: ButtonStyle.Bordered
                    tint: Theme.controlColor
                    text: detalje.erFaerdig ? "Markér som ikke færdig" : "Markér som færdig"
                    symbol: detalje.erFaerdig ? "xmark.circle" : "checkmark.circle.fill"
                    weight: Font.Medium
                    foreground: detalje.erFaerdig ? Theme.secondaryText : Theme.primaryText
                    onClicked: detalje.skiftFaerdig()
                }

                StyledButton {
                    objectName: "redigerKnap"
                    buttonStyle: ButtonStyle.Bordered
                    tint: Theme.controlColor
                    text: "Rediger"
                    symbol: "pencil"
                    onClicked: root.rediger()
                }

                StyledButton {
                    objectName: "sletKnap"
                    visible: root.visSlet
                    buttonStyle: ButtonStyle.Bordered
                    tint: Theme.controlColor
                    text: "Slet"
                    foreground: Theme.readable(Theme.red, Theme.controlBackground)
                    onClicked: {
                        detalje.slet()
                        root.close()
                    }
                }

                Item { Layout.fillWidth: true }

                StyledButton {
                    objectName: "lukKnap"
                    text: "Luk"
                    isCancel: true
                    onClicked: root.close()
                }
            }
        }
    }

    Item {
        objectName: "mangler"
        anchors.fill: parent
        visible: !detalje.findes

        Column {
            anchors.centerIn: parent
            width: parent.width - 48
            spacing: 12

            SymbolIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                name: "tray"
                size: 28
                color: Theme.secondaryText
            }
            StyledText {
                objectName: "manglerTekst"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "Lektien findes ikke længere"
                size: 13
                color: Theme.secondaryText
            }
            StyledButton {
                objectName: "manglerLuk"
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Luk"
                onClicked: root.close()
            }
        }
    }
}
