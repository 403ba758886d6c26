import QtQuick
import QtQuick.Window
import Tavlen.Toolkit

// A modal child window over `owner`, shown while `isPresented` is true. Any closing (the
// window manager's close, Escape handled by the content, dismiss()) emits dismissed(), where
// the owner clears its flag:
//   Sheet { owner: hovedvindue; isPresented: root.visNyLektie
//           onDismissed: root.visNyLektie = false
//           width: 500; height: 640
//           NyLektieView { anchors.fill: parent; onClose: parent.dismiss() } }
Window {
    id: sheet
    property var owner: null // a QWindow (Window, QQuickView)
    property bool isPresented: false
    signal dismissed()

    function dismiss() { sheet.hide() }

    function present() {
        if (owner) {
            x = owner.x + Math.round((owner.width - width) / 2)
            y = owner.y + Math.min(40, Math.max(0, Math.round((owner.height - height) / 2)))
        }
        show()
        requestActivate()
    }

    transientParent: owner
    modality: Qt.WindowModal // qmllint disable type
    flags: Qt.Dialog // qmllint disable type
    color: Theme.windowBackground
    visible: false

    onIsPresentedChanged: isPresented ? present() : hide()
    onVisibleChanged: if (!visible && isPresented) dismissed()
    Component.onCompleted: if (isPresented) present()
}
