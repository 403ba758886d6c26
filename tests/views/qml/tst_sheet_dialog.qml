import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Toolkit

Item {
    id: root
    width: 600
    height: 400
    property bool visSheet: false
    property bool visDialog: false

    Sheet {
        id: sheet
        owner: root.Window.window
        isPresented: root.visSheet
        onDismissed: root.visSheet = false
        width: 300; height: 200
        StyledButton { objectName: "close"; anchors.centerIn: parent; text: "Luk"
                       onClicked: sheet.dismiss() }
    }

    ConfirmationDialog {
        id: dialog
        owner: root.Window.window
        isPresented: root.visDialog
        onDismissed: root.visDialog = false
        title: "Slet fag?"
        message: "Alle lektier i faget slettes også."
        destructiveText: "Slet"
    }

    SignalSpy { id: confirmed; target: dialog; signalName: "confirmed" }
    SignalSpy { id: cancelled; target: dialog; signalName: "cancelled" }

    TestCase {
        name: "SheetAndConfirmationDialog"
        when: windowShown

        function test_sheetShowsWhileFlagAndAnyCloseClearsIt() {
            const closers = [() => mouseClick(findChild(sheet.contentItem, "close")),
                             () => sheet.close()] // the window manager's close button
            for (const close of closers) {
                root.visSheet = true
                tryCompare(sheet, "visible", true)
                close()
                tryCompare(root, "visSheet", false)
                tryCompare(sheet, "visible", false)
            }
        }

        function test_dialogOutcome_data() {
            return [
                { tag: "destructive button", button: "destructiveButton", confirmed: 1 },
                { tag: "cancel button", button: "cancelButton", confirmed: 0 },
                { tag: "Escape cancels", key: Qt.Key_Escape, confirmed: 0 },
                // Return must not confirm a destructive action; the dialog stays.
                { tag: "Return", key: Qt.Key_Return, confirmed: 0, stays: true }
            ]
        }
        function test_dialogOutcome(data) {
            confirmed.clear()
            cancelled.clear()
            root.visDialog = true
            tryCompare(dialog, "active", true)
            compare(findChild(dialog.contentItem, "message").text,
                    "Alle lektier i faget slettes også.")
            if (data.button)
                mouseClick(findChild(dialog.contentItem, data.button))
            else
                keyClick(data.key)
            if (data.stays) {
                wait(20)
                verify(dialog.visible)
                dialog.close()
            }
            tryCompare(root, "visDialog", false)
            verify(!dialog.visible)
            compare(confirmed.count, data.confirmed)
            compare(cancelled.count, 1 - data.confirmed)
        }
    }
}
