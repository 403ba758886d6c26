import QtQuick
import Tavlen.Toolkit

// An action of the tray panel: its icon and text on a row, washed with the selection colour
// while hovered; a click, Space or Return emits handling().
//   MenuBarKnap { ikon: "plus.circle.fill"; tekst: "Tilføj lektie"; onHandling: menu.skiftNyLektie() }
ButtonBase {
    id: knap

    property string ikon: ""
    property string tekst: ""
    readonly property bool hover: hovered
    signal handling()

    text: tekst
    leftPadding: 8
    rightPadding: 8
    topPadding: 6
    bottomPadding: 6

    onClicked: knap.handling()

    // 0 → 1 as the pointer enters, over 0.1 s, eased in and out (quadratic) here because
    // Qt 6.4's qmllint cannot resolve an animation's easing group.
    property real hoverGrad: hover ? 1 : 0
    Behavior on hoverGrad { NumberAnimation { duration: Motion.duration(0.1) } }
    readonly property real hoverVaegt: hoverGrad < 0.5 ? 2 * hoverGrad * hoverGrad
                                                       : 1 - 2 * (1 - hoverGrad) * (1 - hoverGrad)

    contentItem: Row {
        spacing: 8
        Item {
            width: 16
            height: 16
            anchors.verticalCenter: parent.verticalCenter
            SymbolIcon {
                anchors.centerIn: parent
                name: knap.ikon
                size: 12
                color: Theme.accent
            }
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: knap.tekst
            size: 12
            lineLimit: 1
            Accessible.ignored: true
        }
    }

    background: RoundedBox {
        cornerRadius: 6
        color: Theme.withOpacity(Theme.selectedContentBackground,
                                 0.12 * knap.hoverVaegt)
    }
}
