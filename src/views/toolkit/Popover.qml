import QtQuick
import QtQuick.Window
import Tavlen.Toolkit

// A frameless window attached to a point of `owner` (below it, or above when there is no
// room), shown while `isPresented` is true; a click anywhere outside it, another window
// taking the focus, or Escape emits dismissed(), where the owner clears its value. Closed
// from inside (Escape, or the content clearing `isPresented`), it hands the focus back to
// the owner's window and emits returned(). The content is made afresh for every
// presentation, so a form always opens empty:
//   Popover { owner: tilfoejKnap; isPresented: root.aktiv === "nyLektie"
//             onDismissed: root.aktiv = ""; width: 460; height: 680
//             content: Component { NyLektieView { onClose: root.aktiv = "" } } }
Window {
    id: popover
    property Item owner: null
    property Component content: null
    readonly property var contentRoot: loader.item
    // Escape is ours, so the content's own cancel button leaves the key alone.
    readonly property bool ownsEscape: true
    property real anchorX: owner ? owner.width / 2 : 0
    property real anchorY: owner ? owner.height : 0
    property bool isPresented: false
    signal dismissed()
    signal returned()

    // Whether the focus goes back to the owner at the close: not when it left for elsewhere.
    property bool focusLeftElsewhere: false

    function dismiss() { popover.hide() }

    function present() {
        const p = PopoverPlacement.positionFor(owner, anchorX, anchorY, width, height)
        x = Math.round(p.x)
        y = Math.round(p.y)
        loader.active = true
        focusLeftElsewhere = false
        QtProperties.makePopover(popover)
        show()
        requestActivate()
    }

    transientParent: owner ? owner.Window.window : null
    color: Theme.windowBackground
    visible: false

    onIsPresentedChanged: isPresented ? present() : hide()
    onVisibleChanged: {
        if (visible)
            return
        loader.active = false // the next presentation starts afresh
        const ownerWindow = owner ? owner.Window.window : null
        const giveBack = !focusLeftElsewhere && ownerWindow !== null && ownerWindow.visible
        // Otherwise the focus is nowhere for a moment, and a panel that hides when the focus
        // leaves it would go too.
        if (giveBack)
            ownerWindow.requestActivate()
        if (isPresented)
            dismissed()
        if (giveBack)
            returned()
    }
    Component.onCompleted: if (isPresented) present()

    ClickOutsideWatcher {
        window: popover
        onClickedOutside: popover.dismiss()
        onFocusLeft: {
            popover.focusLeftElsewhere = true
            popover.dismiss()
        }
    }

    Shortcut {
        sequence: "Escape"
        onActivated: popover.dismiss()
    }

    Loader {
        id: loader
        anchors.fill: parent
        active: false // made in present(): a Window's visible changes too late for a binding
        sourceComponent: popover.content
        focus: true
    }

    // A hairline edge, since a frameless window has no shadow of its own on every desktop.
    Rectangle {
        anchors.fill: parent
        z: 1000
        color: "transparent"
        border.width: 1
        border.color: Theme.withOpacity(Theme.primaryText, 0.15)
    }
}
