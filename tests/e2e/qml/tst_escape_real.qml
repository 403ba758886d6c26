import QtQuick
import QtTest
import Tavlen.Toolkit

// Run by presentation_e2e.sh on a real X server with a window manager, which presses
// Escape with xdotool while the test waits: the topmost presentation closes, once, and
// the form's own "Annuller" stays untouched.
Item {
    id: root
    width: 600
    height: 400

    StyledButton { id: knap; x: 100; y: 40; text: "Tilføj lektie" }
    property bool popoverAktiv: false
    property bool sheetAktiv: false
    property int annulleret: 0

    Component {
        id: formular
        Item {
            StyledTextField { width: 200; caption: "Titel"; focus: true }
            StyledButton { y: 50; text: "Annuller"; isCancel: true; onClicked: root.annulleret++ }
        }
    }
    Popover {
        id: popover
        owner: knap
        isPresented: root.popoverAktiv
        onDismissed: root.popoverAktiv = false
        width: 220; height: 120
        content: formular
    }
    Sheet {
        id: sheet
        owner: root.Window.window
        isPresented: root.sheetAktiv
        onDismissed: root.sheetAktiv = false
        width: 300; height: 200
        content: formular
    }
    SignalSpy { id: popoverLukket; target: popover; signalName: "dismissed" }
    SignalSpy { id: sheetLukket; target: sheet; signalName: "dismissed" }

    TestCase {
        name: "EscapeOnADesktop"
        when: windowShown

        function test_escapeClosesTheTopmostPresentationOnce_data() {
            return [{ tag: "pop-over", flag: "popoverAktiv", window: popover, spy: popoverLukket },
                    { tag: "sheet", flag: "sheetAktiv", window: sheet, spy: sheetLukket }]
        }
        function test_escapeClosesTheTopmostPresentationOnce(data) {
            root[data.flag] = true
            tryCompare(data.window, "active", true, 5000)
            console.log("PRESS ESCAPE")
            tryCompare(root, data.flag, false, 10000)
            compare(data.spy.count, 1)
            compare(root.annulleret, 0)
        }
    }
}
