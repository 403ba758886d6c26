import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Toolkit

Item {
    id: root
    width: 600
    height: 400
    property bool aktiv: false

    StyledButton { id: knap; x: 100; y: 40; text: "Tilføj lektie" }

    EqualColumnsGrid {
        id: gitter
        y: 300
        width: 416
        columns: 4
        columnSpacing: 8
        rowSpacing: 6
        Repeater {
            model: 6
            Rectangle { implicitHeight: 20 + index * 2 }
        }
        // After the Repeater, which takes no cell of its own.
        Rectangle { id: sidst; implicitHeight: 10 }
    }

    Popover {
        id: popover
        owner: knap
        isPresented: root.aktiv
        onDismissed: root.aktiv = false
        width: 220; height: 120
        Rectangle { objectName: "inside"; anchors.fill: parent; color: "transparent" }
    }

    TestCase {
        name: "Popover"
        when: windowShown

        // Where it shows, and a click inside keeps it; a click outside closing it is the
        // panel's screen test.
        function test_belowItsOwnerKeptByAClickInside() {
            root.aktiv = true
            tryCompare(popover, "visible", true)
            // A tool window without a frame or a task-bar entry.
            compare(popover.flags & 0xff, Qt.Tool)
            compare(popover.flags & Qt.FramelessWindowHint, Qt.FramelessWindowHint)
            const anchor = knap.mapToGlobal(knap.width / 2, knap.height)
            compare(popover.x, Math.round(anchor.x - popover.width / 2))
            verify(popover.y > anchor.y)
            verify(popover.y - anchor.y < 20)
            mouseClick(findChild(popover.contentItem, "inside"))
            wait(20)
            verify(popover.visible)
            root.aktiv = false
        }

        function test_equalColumnsFillTheWidthRowByRow() {
            waitForRendering(gitter)
            const celle = (i) => gitter.children[i]
            compare(celle(0).width, 98)
            compare(celle(3).x, 318)
            compare(celle(4).x, 0)
            compare(celle(4).y, 26 + 6) // the first row is as high as its highest cell
            compare(gitter.implicitHeight, 32 + 30)
            compare(sidst.x, 2 * (98 + 8))
            compare(sidst.y, 32)
        }
    }
}
