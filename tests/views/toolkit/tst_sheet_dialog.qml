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

        // Both are dialogs the window manager keeps over their owner, which takes no input
        // meanwhile.
        function test_modalDialogsOverTheirOwner() {
            for (const [w, flag] of [[sheet, "visSheet"], [dialog, "visDialog"]]) {
                root[flag] = true
                tryCompare(w, "visible", true)
                compare(w.flags & 0xff, Qt.Dialog, flag)
                compare(w.modality, Qt.WindowModal, flag)
                w.close()
                tryCompare(root, flag, false)
            }
        }

        // A long destructive text widens the dialog rather than cutting its button off.
        function test_dialogFitsItsButtons() {
            dialog.destructiveText = "Slet Samfundsfag og alle dets lektier"
            root.visDialog = true
            tryCompare(dialog, "active", true)
            const knap = findChild(dialog.contentItem, "destructiveButton")
            waitForRendering(dialog.contentItem)
            compare(knap.mapToItem(dialog.contentItem, knap.width, 0).x <= dialog.width - 20, true)
            dialog.close()
            tryCompare(root, "visDialog", false)
            dialog.destructiveText = "Slet"
        }

        // The screens click the buttons; the keys are the dialog's own. The cancel button has
        // the focus at first: Return never confirms unasked.
        function test_dialogByKeys_data() {
            return [{ tag: "Return", keys: [Qt.Key_Return], confirmed: 0 },
                    { tag: "Tab, Return", keys: [Qt.Key_Tab, Qt.Key_Return], confirmed: 1 },
                    { tag: "Tab, Space", keys: [Qt.Key_Tab, Qt.Key_Space], confirmed: 1 },
                    { tag: "Escape", keys: [Qt.Key_Escape], confirmed: 0 }]
        }
        function test_dialogByKeys(data) {
            confirmed.clear()
            cancelled.clear()
            root.visDialog = true
            tryCompare(findChild(dialog.contentItem, "cancelButton"), "activeFocus", true)
            for (const key of data.keys)
                keyClick(key)
            tryCompare(root, "visDialog", false)
            verify(!dialog.visible)
            compare(confirmed.count, data.confirmed)
            compare(cancelled.count, 1 - data.confirmed)
        }
    }
}
