import QtQuick
import Tavlen.Toolkit

// The heading of a part of the panel's list: "FORFALDNE" over the overdue rows; a divider
// and "KOMMENDE" over upcoming ones that follow overdue ones; nothing over upcoming ones
// alone (section "").
//   ListView { section.property: "afsnit"; section.delegate: MenuBarAfsnit {} }
Column {
    id: afsnit
    required property string section // "forfaldne", "kommende" or ""
    readonly property bool forfaldne: section === "forfaldne"

    width: parent ? parent.width : 0
    spacing: 2
    bottomPadding: visible ? 2 : 0
    visible: section !== ""
    height: visible ? implicitHeight : 0

    component Overskrift: StyledText {
        width: parent ? parent.width : 0
        leftPadding: 14
        rightPadding: 14
        bottomPadding: 2
        size: 9
        weight: Font.DemiBold
        Accessible.role: Accessible.Heading
    }

    Overskrift {
        objectName: "forfaldneOverskrift"
        visible: afsnit.forfaldne
        topPadding: 8
        text: "FORFALDNE"
        color: Theme.readable(Theme.withOpacity(Theme.red, 0.8), Theme.windowBackground)
    }
    Item {
        objectName: "listeSkillelinje"
        visible: !afsnit.forfaldne
        width: parent.width
        height: 1 + 2 * 4
        Rectangle {
            x: 10
            y: 4
            width: parent.width - 2 * 10
            height: 1
            color: Theme.separator
        }
    }
    Overskrift {
        objectName: "kommendeOverskrift"
        visible: !afsnit.forfaldne
        text: "KOMMENDE"
        color: Theme.secondaryText
    }
}
