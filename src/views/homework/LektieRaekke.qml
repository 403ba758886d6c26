import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// One homework item on a main window page: the tick, the subject's colour bar, title,
// subject tag, deadline line and description, and a delete button while the pointer is
// over the row or the keyboard is in it. Delete or Backspace deletes from the keyboard; a
// click on the row's body, Return on its texts or the row's Press action opens the detail.
// The roles of a LektieRaekkeListe fill the required properties:
//   Repeater { model: side.aktive; delegate: LektieRaekke { liste: side.aktive } }
FocusScope {
    id: raekke

    required property var liste // the LektieRaekkeListe that holds the row
    required property string id
    required property string titel
    required property string beskrivelse
    required property bool erFaerdig
    required property bool fagFundet
    required property string fagNavn
    required property string fagIkon
    required property string fagFarve
    required property string deadlineTekst
    required property int deadlineFarve
    // Done rows are drawn faded: their box, bar, tick and icons, not their texts, which
    // keep a readable contrast.
    property real nedtoning: 1
    // A page that can be asked to show one item (a reminder's click) lets its rows answer.
    property bool svarerPaaFokus: false
    readonly property bool fokusOensket: svarerPaaFokus && AppContext.fokusLektieId === id

    readonly property bool hover: pointer.hovered
    readonly property bool sletVises: hover || activeFocus
    readonly property color fagFarveVist: fagFundet ? Theme.hex(fagFarve) : Theme.secondaryText
    readonly property color deadlineFarveVist: deadlineFarve === LektieRaekkeListe.Roed ? Theme.red
                                             : deadlineFarve === LektieRaekkeListe.Orange ? Theme.amber
                                             : Theme.secondaryText

    function tagFokus() {
        AppContext.fokusLektieId = ""
        tekster.forceActiveFocus()
    }
    onFokusOensketChanged: if (fokusOensket) Qt.callLater(tagFokus)
    Component.onCompleted: if (fokusOensket) Qt.callLater(tagFokus)

    function slet() { raekke.liste.slet(raekke.id) }
    function aabn() { raekke.liste.aabn(raekke.id) }

    implicitWidth: 480
    implicitHeight: Math.max(indhold.implicitHeight, 20) + 20

    Accessible.role: Accessible.ListItem
    Accessible.name: titel + (fagFundet ? ", " + fagNavn : "") + ", " + deadlineTekst
    Accessible.onPressAction: raekke.aabn()

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Delete || event.key === Qt.Key_Backspace) {
            event.accepted = true
            raekke.slet()
        }
    }

    RoundedBox {
        anchors.fill: parent
        opacity: raekke.nedtoning
        cornerRadius: 10
        color: raekke.hover ? Theme.withOpacity(Theme.selectedContentBackground, 0.08)
                            : Theme.controlBackground
        border.width: 1
        border.color: Theme.withOpacity(Theme.primaryText, 0.07)
        Behavior on color { ColorAnimation { duration: Motion.duration(0.15) } }
    }

    HoverHandler { id: pointer }
    // The buttons take their own presses; the rest of the row opens it.
    TapHandler { onTapped: raekke.aabn() }
    FocusRing {
        x: indhold.x + tekster.x - 4
        y: indhold.y + tekster.y - 2
        width: tekster.width + 8
        height: tekster.height + 4
        visible: tekster.activeFocus
    }

    // Drawn apart from the row's layout: its height follows the row's, which the layout makes.
    Rectangle {
        objectName: "fagBjaelke"
        opacity: raekke.nedtoning
        x: plads.x + indhold.x
        y: 4
        width: 3
        height: raekke.height - 8
        radius: 2
        color: raekke.fagFarveVist
    }

    RowLayout {
        id: indhold
        x: 14
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width - 28
        spacing: 12

        StyledButton {
            id: afkryds
            objectName: "afkrydsKnap"
            opacity: raekke.nedtoning
            buttonStyle: ButtonStyle.Plain
            symbol: raekke.erFaerdig ? "checkmark.circle.fill" : "circle"
            symbolSize: 20
            foreground: raekke.erFaerdig ? Theme.green : Theme.secondaryText
            tooltip: raekke.erFaerdig ? "Markér som ikke færdig: " + raekke.titel
                                      : "Markér som færdig: " + raekke.titel
            focus: true
            Accessible.role: Accessible.CheckBox
            Accessible.checkable: true
            Accessible.checked: raekke.erFaerdig
            Behavior on foreground { ColorAnimation { duration: Motion.duration(0.3) } }
            onClicked: raekke.liste.skiftFaerdig(raekke.id)
        }

        Item {
            id: plads
            implicitWidth: 3
        }

        Column {
            id: tekster
            objectName: "tekster"
            Layout.fillWidth: true
            spacing: 3
            // A stop for the keyboard between the tick and the delete button: Return opens.
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: "Åbn " + raekke.titel
            Accessible.onPressAction: raekke.aabn()
            Keys.onReturnPressed: raekke.aabn()
            Keys.onEnterPressed: raekke.aabn()

            Row {
                width: parent.width
                spacing: 8
                TruncatedText {
                    objectName: "titel"
                    width: parent.width - (tag.visible ? tag.width + parent.spacing : 0)
                    text: raekke.titel
                    size: 14
                    weight: Font.Medium
                    lineLimit: 1
                    strikethrough: raekke.erFaerdig
                    color: raekke.erFaerdig ? Theme.secondaryText : Theme.primaryText
                }
                Row {
                    id: tag
                    objectName: "fagTag"
                    visible: raekke.fagFundet
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        name: raekke.fagIkon
                        size: 10
                        color: raekke.fagFarveVist
                        opacity: raekke.nedtoning
                    }
                    StyledText {
                        anchors.verticalCenter: parent.verticalCenter
                        text: raekke.fagNavn
                        size: 11
                        color: Theme.secondaryText
                    }
                }
            }

            Row {
                spacing: 6
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "calendar"
                    size: 10
                    color: raekke.deadlineFarveVist
                    opacity: raekke.nedtoning
                }
                StyledText {
                    objectName: "deadline"
                    anchors.verticalCenter: parent.verticalCenter
                    text: raekke.deadlineTekst
                    size: 12
                    color: Theme.readable(raekke.deadlineFarveVist, Theme.controlBackground)
                }
            }

            StyledText {
                objectName: "beskrivelse"
                visible: raekke.beskrivelse !== ""
                width: parent.width
                text: raekke.beskrivelse
                size: 12
                lineLimit: 1
                color: Theme.secondaryText
            }
        }

        StyledButton {
            id: slet
            objectName: "sletKnap"
            buttonStyle: ButtonStyle.Plain
            symbol: "trash"
            symbolSize: 13
            foreground: Theme.withOpacity(Theme.red, 0.7)
            tooltip: "Slet " + raekke.titel
            // Always in the layout, so it is in its own place the moment the pointer
            // brings it: a button shown before the layout placed it would sit under the
            // tick and take the press meant for it. Unseen, it cannot be pressed.
            enabled: raekke.sletVises
            opacity: raekke.sletVises ? 1 : 0
            scale: raekke.sletVises ? 1 : 0.6
            Behavior on opacity { NumberAnimation { duration: Motion.duration(0.2) } }
            Behavior on scale { NumberAnimation { duration: Motion.duration(0.2) } }
            onClicked: raekke.slet()
        }
    }
}
