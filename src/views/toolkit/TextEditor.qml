import QtQuick
import QtQuick.Controls.Basic as C
import Tavlen.Toolkit

// A multi-line text editor on the text background, rounded, with a faint border; it
// scrolls inside its height. Tab moves on to the next field instead of typing a tab:
//   TextEditor { caption: "Beskrivelse"; height: 70; onTextChanged: model.beskrivelse = text }
C.ScrollView {
    id: editor
    property alias text: area.text
    property string caption: ""
    property real size: 13

    implicitHeight: 70
    clip: true
    padding: 0

    C.TextArea {
        id: area
        wrapMode: TextEdit.Wrap
        color: Theme.primaryText
        selectionColor: Theme.selectedContentBackground
        selectedTextColor: Theme.primaryText
        font.family: Typography.systemFamily
        font.pixelSize: Math.round(editor.size)
        padding: 6
        selectByMouse: true
        // Asked at the key press: the fields after it may have come or gone since.
        Keys.onTabPressed: QtProperties.focusByTab(area.nextItemInFocusChain(true))
        Keys.onBacktabPressed: QtProperties.focusByTab(area.nextItemInFocusChain(false), true)
        Accessible.name: editor.caption
        background: null
    }

    background: RoundedBox {
        cornerRadius: 6
        color: Theme.textBackground
        border.width: area.activeFocus ? 2 : 1
        border.color: area.activeFocus ? Theme.accent : Theme.withOpacity(Theme.primaryText, 0.12)
    }
}
