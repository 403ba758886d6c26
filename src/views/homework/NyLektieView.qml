pragma ComponentBehavior: Bound

import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The new-homework form, 460 × 680: subject, title, description, links and deadline.
// "Tilføj lektie" (or Return, unless another button has the focus) saves and emits close();
// "Annuller", the close icon or Escape emit close() without saving. Given an item's id it
// edits that item instead: "Rediger lektie", every field filled, "Gem ændringer".
//   NyLektieView { standardFagId: fagSide.fagId; onClose: root.visNyLektie = false }
Rectangle {
    id: root
    property var standardFagId: undefined
    property var redigerId: undefined
    signal close()

    implicitWidth: 460
    implicitHeight: 680
    color: Theme.windowBackground

    NyLektieModel {
        id: form
        standardFagId: root.standardFagId
        redigerId: root.redigerId
        onRedigerIdChanged: root.visTekster()
    }

    readonly property color fagFarve: Theme.hex(form.fagFarve)

    // The pupil starts typing the title at once; an edit starts from the item's texts.
    function visTekster() {
        titelFelt.text = form.titel
        beskrivelseFelt.text = form.beskrivelse
    }
    Component.onCompleted: {
        visTekster()
        titelFelt.forceActiveFocus()
    }


    function gem() {
        if (form.gem())
            root.close()
    }

    Column {
        anchors.fill: parent

        Rectangle {
            width: parent.width
            height: 62
            color: Theme.windowBackground
            StyledText {
                anchors.left: parent.left
                anchors.leftMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                text: form.erRedigering ? "Rediger lektie" : "Ny lektie"
                size: 18
                weight: Font.Bold
                Accessible.role: Accessible.Heading
            }
            StyledButton {
                objectName: "lukKnap"
                anchors.right: parent.right
                anchors.rightMargin: 20
                anchors.verticalCenter: parent.verticalCenter
                buttonStyle: ButtonStyle.Plain
                symbol: "xmark.circle.fill"
                symbolSize: 22
                foreground: Theme.secondaryText
                tooltip: "Luk"
                onClicked: root.close()
            }
        }

        Rectangle { width: parent.width; height: 1; color: Theme.separator }

        ScrollArea {
            id: indhold
            objectName: "indhold"
            width: parent.width
            height: parent.height - 62 - 2 - fod.height
            margins: 20
            spacing: 20
            indicatorsShown: true

            Column {
                width: parent.width
                spacing: 8
                SektionOverskrift { ikon: "books.vertical.fill"; tekst: "Fag" }
                StyledText {
                    objectName: "ingenFag"
                    visible: !form.harFag
                    width: parent.width
                    text: "Ingen fag oprettet endnu. Tilføj fag under Indstillinger."
                    size: 13
                    color: Theme.secondaryText
                }
                EqualColumnsGrid {
                    objectName: "fagGitter"
                    visible: form.harFag
                    width: parent.width
                    columns: 4
                    columnSpacing: 8
                    rowSpacing: 8
                    Repeater {
                        model: form.fag
                        delegate: NyLektieFagKnap {
                            objectName: "fag_" + navn
                            onClicked: form.vaelgFag(fagId)
                        }
                    }
                }
            }

            Column {
                width: parent.width
                spacing: 8
                SektionOverskrift { ikon: "textformat"; tekst: "Titel" }
                StyledTextField {
                    id: titelFelt
                    objectName: "titel"
                    width: parent.width
                    caption: "Titel"
                    placeholder: "Fx. Læs side 45-60"
                    invalid: form.visTitelFejl
                    focus: true
                    onTextEdited: form.titel = text
                    Keys.onReturnPressed: gemKnap.press()
                    Keys.onEnterPressed: gemKnap.press()
                }
                StyledText {
                    objectName: "titelFejl"
                    visible: form.visTitelFejl
                    text: "Titel er påkrævet"
                    size: 11
                    color: Theme.readable(Theme.red, Theme.windowBackground)
                }
            }

            Column {
                width: parent.width
                spacing: 8
                SektionOverskrift { ikon: "text.alignleft"; tekst: "Beskrivelse (valgfri)" }
                TextEditor {
                    id: beskrivelseFelt
                    objectName: "beskrivelse"
                    width: parent.width
                    height: 70
                    caption: "Beskrivelse"
                    onTextChanged: form.beskrivelse = text
                }
            }

            Column {
                width: parent.width
                spacing: 8
                SektionOverskrift { ikon: "link"; tekst: "Links (valgfri)" }
                Repeater {
                    model: form.links
                    delegate: Row {
                        id: linkRaekke
                        required property int index
                        required property string tekst
                        width: parent.width
                        spacing: 6
                        SymbolIcon {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 16
                            name: "link"
                            size: 11
                            color: Theme.secondaryText
                        }
                        StyledTextField {
                            objectName: "link" + linkRaekke.index
                            width: parent.width - 22 - (fjern.visible ? fjern.width + 6 : 0)
                            caption: "Link " + (linkRaekke.index + 1)
                            placeholder: "https://..."
                            text: linkRaekke.tekst
                            onTextEdited: form.links.saet(linkRaekke.index, text)
                            Keys.onReturnPressed: gemKnap.press()
                            Keys.onEnterPressed: gemKnap.press()
                        }
                        StyledButton {
                            id: fjern
                            objectName: "fjernLink" + linkRaekke.index
                            anchors.verticalCenter: parent.verticalCenter
                            visible: form.links.count >= 2
                            buttonStyle: ButtonStyle.Plain
                            symbol: "minus.circle.fill"
                            symbolSize: 16
                            foreground: Theme.withOpacity(Theme.red, 0.7)
                            tooltip: "Fjern link " + (linkRaekke.index + 1)
                            onClicked: form.links.fjern(linkRaekke.index)
                        }
                    }
                }
                StyledButton {
                    objectName: "tilfoejLink"
                    buttonStyle: ButtonStyle.Plain
                    symbol: "plus.circle.fill"
                    symbolSize: 13
                    size: 12
                    weight: Font.Medium
                    text: "Tilføj link"
                    foreground: Theme.readable(Theme.accent, Theme.windowBackground)
                    onClicked: form.links.tilfoej()
                }
            }

            Column {
                width: parent.width
                spacing: 10
                SektionOverskrift { ikon: "calendar.badge.clock"; tekst: "Afleveres" }
                Row {
                    spacing: 8
                    Repeater {
                        // Three fixed buttons, so a change of deadline keeps them (and focus).
                        model: 3
                        delegate: HurtigValgKnap {
                            required property int index
                            objectName: "hurtigValg" + index
                            text: form.hurtigValg[index].label
                            valgt: form.hurtigValg[index].valgt
                            farve: root.fagFarve
                            onClicked: form.vaelgHurtigValg(index)
                        }
                    }
                }
                CustomKalender {
                    objectName: "kalender"
                    width: parent.width
                    valgtDato: form.deadline
                    accentFarve: root.fagFarve
                    onDatoValgt: (dato) => form.deadline = dato
                }
            }
        }

        Rectangle { width: parent.width; height: 1; color: Theme.separator }

        Rectangle {
            id: fod
            width: parent.width
            height: 58
            color: Theme.windowBackground
            StyledButton {
                objectName: "annuller"
                anchors.left: parent.left
                anchors.leftMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                text: "Annuller"
                isCancel: true
                onClicked: root.close()
            }
            StyledButton {
                id: gemKnap
                objectName: "gem"
                anchors.right: parent.right
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                buttonStyle: ButtonStyle.Prominent
                tint: root.fagFarve
                symbol: "plus.circle.fill"
                text: form.erRedigering ? "Gem ændringer" : "Tilføj lektie"
                weight: Font.DemiBold
                isDefault: true
                enabled: form.harFag
                onClicked: root.gem()
            }
        }
    }
}
