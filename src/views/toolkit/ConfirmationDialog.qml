import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Tavlen.Toolkit

// Title, message, one destructive and one cancel button, as wide as its buttons need; the
// cancel button has the focus at first, Tab moves it, Return presses the focused one;
// Escape and the window manager's close cancel. Either way dismissed() follows, where the
// owner clears its flag:
//   ConfirmationDialog { owner: hovedvindue; isPresented: root.visNulstilDialog
//                        title: "Nulstil app?"; message: "Alt slettes."
//                        destructiveText: "Nulstil"; onConfirmed: store.nulstilApp()
//                        onDismissed: root.visNulstilDialog = false }
Window {
    id: dialog
    property var owner: null // a QWindow (Window, QQuickView)
    property bool isPresented: false
    property string message: ""
    property string destructiveText: "Slet"
    property string cancelText: "Annuller"
    signal confirmed()
    signal cancelled()
    signal dismissed()

    function confirm() { confirmed(); hide() }
    function cancel() { cancelled(); hide() }

    function present() {
        if (owner) {
            x = owner.x + Math.round((owner.width - width) / 2)
            y = owner.y + Math.round((owner.height - height) / 3)
        }
        QtProperties.makeDialog(dialog)
        show()
        requestActivate()
        QtProperties.focusByTab(cancelButton)
    }

    transientParent: owner
    color: Theme.windowBackground
    visible: false
    width: Math.max(340, Math.min(560, Math.ceil(knapper.implicitWidth) + 40))
    height: column.implicitHeight + 40
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    onIsPresentedChanged: isPresented ? present() : hide()
    Component.onCompleted: if (isPresented) present()
    // Closing by any other way than the two buttons counts as cancelling.
    onClosing: cancelled()
    onVisibleChanged: {
        if (visible)
            return
        // The focus goes back to the owner; left to the window manager it may go to another
        // window, and a panel that hides when the focus leaves it would go too.
        if (owner && owner.visible)
            Qt.callLater(owner.requestActivate)
        if (isPresented)
            dismissed()
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        StyledText {
            objectName: "title"
            Layout.fillWidth: true
            text: dialog.title
            size: 14
            weight: Font.Bold
        }
        StyledText {
            objectName: "message"
            Layout.fillWidth: true
            text: dialog.message
            size: 12
            color: Theme.secondaryText
            visible: text !== ""
        }
        RowLayout {
            id: knapper
            Layout.fillWidth: true
            Layout.topMargin: 8
            spacing: 8
            Item { Layout.fillWidth: true }
            StyledButton {
                id: cancelButton
                objectName: "cancelButton"
                text: dialog.cancelText
                isCancel: true
                onClicked: dialog.cancel()
            }
            StyledButton {
                objectName: "destructiveButton"
                buttonStyle: ButtonStyle.Prominent
                destructive: true
                text: dialog.destructiveText
                weight: Font.DemiBold
                onClicked: dialog.confirm()
            }
        }
    }
}
