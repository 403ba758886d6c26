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

        function init() {
            confirmed.clear()
            cancelled.clear()
        }

        function test_sheetShowsWhileFlagAndAnyCloseClearsIt() {
            root.visSheet = true
            tryCompare(sheet, "visible", true)
            compare(sheet.modality, Qt.WindowModal)
            compare(sheet.transientParent, root.Window.window)
            mouseClick(findChild(sheet.contentItem, "close"))
            tryCompare(root, "visSheet", false)
            verify(!sheet.visible)

            root.visSheet = true
            tryCompare(sheet, "visible", true)
            sheet.close() // the window manager's close button
            tryCompare(root, "visSheet", false)

            root.visSheet = true
            tryCompare(sheet, "visible", true)
            root.visSheet = false // the owner clears its flag
            tryCompare(sheet, "visible", false)
        }

        function test_destructiveConfirms() {
            root.visDialog = true
            tryCompare(dialog, "visible", true)
            compare(findChild(dialog.contentItem, "title").text, "Slet fag?")
            compare(findChild(dialog.contentItem, "message").text,
                    "Alle lektier i faget slettes også.")
            mouseClick(findChild(dialog.contentItem, "destructiveButton"))
            compare(confirmed.count, 1)
            compare(cancelled.count, 0)
            tryCompare(root, "visDialog", false)
            verify(!dialog.visible)
        }

        function test_cancelButtonCancels() {
            root.visDialog = true
            tryCompare(dialog, "visible", true)
            mouseClick(findChild(dialog.contentItem, "cancelButton"))
            compare(cancelled.count, 1)
            compare(confirmed.count, 0)
            tryCompare(root, "visDialog", false)
        }

        function test_escapeCancels() {
            root.visDialog = true
            tryCompare(dialog, "active", true)
            keyClick(Qt.Key_Escape)
            tryCompare(root, "visDialog", false)
            compare(cancelled.count, 1)
            compare(confirmed.count, 0)
        }

        function test_returnDoesNotConfirmADestructiveAction() {
            root.visDialog = true
            tryCompare(dialog, "active", true)
            keyClick(Qt.Key_Return)
            wait(20)
            compare(confirmed.count, 0)
            dialog.close()
            tryCompare(root, "visDialog", false)
            compare(cancelled.count, 1)
        }
    }
}
