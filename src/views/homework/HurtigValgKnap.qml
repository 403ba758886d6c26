import QtQuick
import Tavlen.Toolkit

// A quick pick of the deadline ("I morgen" …): a capsule, tinted while it is the chosen day.
ButtonBase {
    id: knap
    property bool valgt: false
    property color farve: Theme.accent

    leftPadding: 10
    rightPadding: 10
    topPadding: 5
    bottomPadding: 5
    Accessible.role: Accessible.RadioButton
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: valgt

    contentItem: StyledText {
        text: knap.text
        size: 11
        weight: Font.Medium
        color: knap.valgt ? Theme.readable(knap.farve, knap.grund) : Theme.primaryText
        Behavior on color { ColorAnimation { duration: Motion.duration(0.2) } }
    }
    readonly property color grund: valgt ? Theme.withOpacity(farve, 0.18) : Theme.controlBackground

    background: Capsule {
        color: knap.grund
        border.width: 1
        border.color: knap.valgt ? Theme.withOpacity(knap.farve, 0.5)
                                 : Theme.withOpacity(Theme.primaryText, 0.1)
        Behavior on color { ColorAnimation { duration: Motion.duration(0.2) } }
    }
}
