import QtQuick
import QtQuick.Controls.Basic as C
import Tavlen.Toolkit

// What every control a pupil presses is built on. It takes the focus from Tab and shows it
// as a ring; while it has the focus, Return, Enter and Space press it, and Return is its
// own rather than a form's default button's; assistive technology's Press and Toggle do
// what a click does; its tooltip is plain text, made only while shown.
//   ButtonBase { text: "Vælg alle"; onClicked: model.vaelgAlle() }
C.AbstractButton {
    id: control

    property string tooltip: ""
    property real focusRingRadius: 6
    property bool showsFocusRing: true
    // False for a button a click should not take the focus to; Tab still reaches it.
    property bool focusFromClick: true

    hoverEnabled: true
    Component.onCompleted: QtProperties.setFocusPolicy(control, focusFromClick)

    // A click's outcome, from a key or assistive technology.
    function press() {
        if (!enabled)
            return
        if (checkable) {
            toggle()
            toggled()
        }
        clicked()
    }

    function isReturn(event) {
        return (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
               && (event.modifiers & ~Qt.KeypadModifier) === Qt.NoModifier
    }
    // Asked before any shortcut: a focused button keeps Return from the default button's.
    Keys.onShortcutOverride: event => event.accepted = isReturn(event)
    Keys.onPressed: event => {
        if (!isReturn(event))
            return
        event.accepted = true
        press()
    }

    Accessible.role: Accessible.Button
    Accessible.name: text !== "" ? text : tooltip
    Accessible.onPressAction: press()
    Accessible.onToggleAction: press()

    Loader {
        id: tipLoader
        objectName: "tooltip"
        // Bound here: inside the component the file's ids are out of reach. Shown only
        // once its delay is set, so it waits before it appears.
        onLoaded: {
            item.text = Qt.binding(() => control.tooltip)
            item.visible = true
        }
        anchors.fill: parent
        active: control.tooltip !== "" && control.hovered
        sourceComponent: PlainToolTip { delay: 600 }
    }

    FocusRing {
        target: control
        cornerRadius: control.focusRingRadius
        visible: control.showsFocusRing && control.visualFocus
    }
}
