import QtQuick
import QtQuick.Controls.Basic as C
import Tavlen.Toolkit

// A single-line text field with a rounded border and a placeholder; `caption` names it for
// screen readers. `invalid` draws the error border:
//   StyledTextField { caption: "Titel"; placeholder: "Fx. Læs side 45-60"
//                     invalid: model.titelFejl; onTextEdited: model.titel = text }
C.TextField {
    id: field
    property string caption: ""
    property string placeholder: ""
    property real size: 13
    property bool invalid: false

    placeholderText: placeholder
    placeholderTextColor: Theme.secondaryText
    color: Theme.primaryText
    selectionColor: Theme.selectedContentBackground
    selectedTextColor: Theme.primaryText
    font.family: Typography.systemFamily
    font.pixelSize: Math.round(size)
    leftPadding: 8
    rightPadding: 8
    topPadding: 5
    bottomPadding: 5
    selectByMouse: true
    Accessible.name: caption
    Accessible.description: placeholder

    background: RoundedBox {
        implicitHeight: 26
        cornerRadius: 6
        color: Theme.textBackground
        border.width: field.invalid ? 1.5 : field.activeFocus ? 2 : 1
        border.color: field.invalid ? Theme.red
                    : field.activeFocus ? Theme.accent
                    : Theme.withOpacity(Theme.primaryText, 0.18)
    }
}
