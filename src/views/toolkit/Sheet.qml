import QtQuick
import QtQuick.Window
import Tavlen.Toolkit

// A modal child window over `owner`, shown while `isPresented` is true. Any closing (the
// window manager's close, Escape, dismiss()) emits dismissed(), where the owner clears its
// flag. The content is made afresh for every presentation:
//   Sheet { owner: hovedvindue; isPresented: root.visNyLektie
//           onDismissed: root.visNyLektie = false; width: 460; height: 680
//           content: Component { NyLektieView { onClose: root.visNyLektie = false } } }
Window {
    id: sheet
    property var owner: null // a QWindow (Window, QQuickView)
    property Component content: null
    // Made from the component's own context (not a Loader's), so a file with bound
    // components can hand one in.
    property var contentRoot: null
    // Escape is ours, so the content's own cancel button leaves the key alone.
    readonly property bool ownsEscape: true
    property bool isPresented: false
    signal dismissed()

    function dismiss() { sheet.hide() }

    function present() {
        if (owner) {
            x = owner.x + Math.round((owner.width - width) / 2)
            y = owner.y + Math.min(40, Math.max(0, Math.round((owner.height - height) / 2)))
        }
        // The content keeps the focus it gives itself (a form's first field).
        if (!contentRoot && content)
            contentRoot = content.createObject(holder, { width: holder.width, height: holder.height })
        QtProperties.makeDialog(sheet)
        show()
        requestActivate()
    }

    transientParent: owner
    color: Theme.windowBackground
    visible: false

    onIsPresentedChanged: isPresented ? present() : hide()
    onVisibleChanged: {
        if (visible)
            return
        // The next presentation starts afresh.
        if (contentRoot) {
            contentRoot.destroy()
            contentRoot = null
        }
        if (isPresented)
            dismissed()
    }
    Component.onCompleted: if (isPresented) present()

    Shortcut {
        sequence: "Escape"
        onActivated: sheet.dismiss()
    }

    FocusScope {
        id: holder
        anchors.fill: parent
        focus: true
        onWidthChanged: if (sheet.contentRoot) sheet.contentRoot.width = width
        onHeightChanged: if (sheet.contentRoot) sheet.contentRoot.height = height
    }
}
