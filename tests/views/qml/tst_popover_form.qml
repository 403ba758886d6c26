import QtQuick
import QtTest
import Tavlen.Toolkit

// A form in a pop-over: made afresh for every presentation, and its own "Annuller" leaves
// Escape to the pop-over, so the key is never claimed twice in one window (Qt would then
// fire neither).
Item {
    id: root
    width: 600
    height: 400

    StyledButton { id: knap; x: 100; y: 40; text: "Tilføj lektie" }

    property bool formAktiv: false
    property int lavet: 0
    Popover {
        id: formPopover
        owner: knap
        isPresented: root.formAktiv
        onDismissed: root.formAktiv = false
        width: 220; height: 120
        content: Component {
            Item {
                property int nummer: ++root.lavet
                StyledButton { objectName: "annuller"; text: "Annuller"; isCancel: true }
            }
        }
    }

    TestCase {
        name: "PopoverForm"
        when: windowShown

        function test_contentIsMadeAfreshAndLeavesEscapeToThePopover() {
            for (let gang = 1; gang <= 2; ++gang) {
                root.formAktiv = true
                tryCompare(formPopover, "visible", true)
                compare(formPopover.contentRoot.nummer, gang)
                compare(findChild(formPopover.contentRoot, "annuller").escapeTakenByWindow, true)
                formPopover.dismiss()
                tryCompare(root, "formAktiv", false)
            }
        }
    }
}
