import QtQuick
import Tavlen.Toolkit

// One homework item in the tray panel: the subject's colour bar, title, sub-line, an info
// icon when it has details, and the tick button. The roles of MenuBarModel's lists fill the
// required properties; a click anywhere but on the tick button, or Return, emits tap();
// the tick button, or Space, emits afkryds(); Up and Down ask the panel to move on by a step.
//   MenuBarLektieRaekke { onTap: menu.skiftLektie(lektieId); onAfkryds: menu.skiftFaerdig(lektieId) }
Item {
    id: raekke

    required property int index
    required property string lektieId
    required property string titel
    required property bool harFag
    required property string fagFarve
    required property string fagIkon
    required property string fagNavn
    required property string deadlineTekst
    required property bool erForfaldt
    required property bool harDetaljer
    required property string tilgaengeligtNavn

    readonly property bool hover: pointer.containsMouse
    readonly property bool fokusIRaekke: activeFocus || afkrydsKnap.activeFocus
    signal tap()
    signal afkryds()
    signal flyt(int trin)

    // 0 → 1 as the pointer enters, over 0.1 s, eased in and out (quadratic) here because
    // Qt 6.4's qmllint cannot resolve an animation's easing group.
    property real hoverGrad: hover ? 1 : 0
    Behavior on hoverGrad { NumberAnimation { duration: Motion.duration(0.1) } }
    readonly property real hoverVaegt: hoverGrad < 0.5 ? 2 * hoverGrad * hoverGrad
                                                       : 1 - 2 * (1 - hoverGrad) * (1 - hoverGrad)

    readonly property color fagFarveVist: harFag ? Theme.hex(fagFarve) : Theme.secondaryText
    readonly property color underlinjeFarve: erForfaldt
                                             ? Theme.readable(Theme.red, Theme.withOpacity(Theme.red, 0.07))
                                             : Theme.secondaryText

    implicitWidth: 360
    implicitHeight: indhold.implicitHeight + 2 * 5
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: tilgaengeligtNavn
    Accessible.description: harDetaljer ? "Har beskrivelse eller links" : ""
    Accessible.onPressAction: raekke.tap()

    Keys.onReturnPressed: raekke.tap()
    Keys.onEnterPressed: raekke.tap()
    Keys.onSpacePressed: raekke.afkryds()
    Keys.onUpPressed: raekke.flyt(-1)
    Keys.onDownPressed: raekke.flyt(1)

    RoundedBox {
        id: baggrund
        x: 4
        width: parent.width - 8
        height: parent.height
        cornerRadius: 7
        color: raekke.erForfaldt ? Theme.withOpacity(Theme.red, 0.07)
                                 : Theme.withOpacity(Theme.primaryText, 0.06 * raekke.hoverVaegt)
    }

    // Under the content: the tick button on top keeps its own clicks.
    MouseArea {
        id: pointer
        anchors.fill: baggrund
        hoverEnabled: true
        onClicked: raekke.tap()
    }

    // Plain anchoring rather than nested layouts: a row is made and destroyed at every
    // tick, and Qt 6.4's nested layouts can leave a destroyed item waiting to be polished.
    Item {
        id: indhold
        x: baggrund.x + 10
        y: 5
        width: baggrund.width - 20
        implicitHeight: Math.max(30, tekster.implicitHeight)

        RoundedBox {
            id: bjaelke
            objectName: "farveBjaelke"
            anchors.verticalCenter: parent.verticalCenter
            width: 3
            height: 30
            cornerRadius: 2
            color: raekke.fagFarveVist
        }

        Column {
            id: tekster
            anchors.left: bjaelke.right
            anchors.leftMargin: 8
            anchors.right: hoejre.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            spacing: 1

            TruncatedText {
                objectName: "titel"
                width: parent.width
                text: raekke.titel
                size: 12
                weight: Font.Medium
                lineLimit: 1
                Accessible.ignored: true
            }

            Row {
                id: underlinje
                objectName: "underlinje"
                width: parent.width
                spacing: 4
                SymbolIcon {
                    visible: raekke.harFag
                    anchors.verticalCenter: parent.verticalCenter
                    name: raekke.fagIkon
                    size: 9
                    color: raekke.fagFarveVist
                }
                StyledText {
                    objectName: "fagNavn"
                    visible: raekke.harFag
                    // A long subject name gives way to the deadline.
                    width: Math.min(Math.ceil(implicitWidth),
                                    underlinje.width - 16 - prik.width - deadline.width - 12)
                    text: raekke.fagNavn
                    size: 10
                    lineLimit: 1
                    color: raekke.underlinjeFarve
                    Accessible.ignored: true
                }
                StyledText {
                    id: prik
                    text: "·"
                    size: 10
                    color: raekke.underlinjeFarve
                    Accessible.ignored: true
                }
                StyledText {
                    id: deadline
                    objectName: "deadline"
                    text: raekke.deadlineTekst
                    size: 10
                    lineLimit: 1
                    color: raekke.underlinjeFarve
                    Accessible.ignored: true
                }
            }
        }

        Row {
            id: hoejre
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            spacing: 8

            SymbolIcon {
                objectName: "info"
                visible: raekke.harDetaljer
                name: "info.circle"
                size: 12
                color: raekke.hover ? (raekke.harFag ? raekke.fagFarveVist : Theme.accent)
                                    : Theme.withOpacity(Theme.secondaryText, 0.4)
                Behavior on color { ColorAnimation { duration: Motion.duration(0.1) } }
            }

            StyledButton {
                id: afkrydsKnap
                objectName: "afkryds"
                buttonStyle: ButtonStyle.Plain
                symbol: "checkmark.circle"
                symbolSize: 14
                foreground: Theme.secondaryText
                // The row's hover stays while the pointer is over the button.
                hoverEnabled: false
                // A click leaves the focus where it was.
                focusFromClick: false
                onClicked: raekke.afkryds()
                Keys.onUpPressed: raekke.flyt(-1)
                Keys.onDownPressed: raekke.flyt(1)
                Keys.onReturnPressed: raekke.afkryds()
                Keys.onEnterPressed: raekke.afkryds()
                // It ticks the item off, so it reads as the item's unticked box.
                Accessible.role: Accessible.CheckBox
                Accessible.name: "Markér som færdig: " + raekke.titel
                Accessible.checkable: true
                Accessible.checked: false
            }
        }
    }

    FocusRing { target: baggrund; visible: raekke.activeFocus }
}
