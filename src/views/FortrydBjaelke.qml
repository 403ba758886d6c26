import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The bar after a pupil's change: what happened, and "Fortryd" (after that, "Gentag").
// Screen readers hear it as an alert.
FocusScope {
    id: bjaelke
    property color baggrund: Theme.controlBackground
    readonly property FortrydModel model: FortrydModel {
        holdt: mus.hovered || bjaelke.activeFocus
    }

    visible: model.vises
    implicitHeight: indhold.implicitHeight + 2 * 8
    Accessible.role: Accessible.AlertMessage
    Accessible.name: model.linje

    HoverHandler { id: mus }

    Rectangle {
        anchors.fill: parent
        radius: 8
        color: bjaelke.baggrund
        border.color: Theme.separator
    }
    RowLayout {
        id: indhold
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 8
        spacing: 8
        StyledText {
            objectName: "fortrydTekst"
            Layout.fillWidth: true
            text: bjaelke.model.linje
            size: 12
            color: Theme.readable(Theme.primaryText, bjaelke.baggrund)
            lineLimit: 1
            Accessible.ignored: true // the bar itself says it
        }
        StyledButton {
            objectName: "fortrydKnap"
            text: bjaelke.model.knapTekst
            size: 12
            onClicked: bjaelke.model.tryk()
        }
    }
}
