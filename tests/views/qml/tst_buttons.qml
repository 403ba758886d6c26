import QtQuick
import QtTest
import Tavlen.Toolkit

Item {
    id: root
    width: 480
    height: 200

    Row {
        spacing: 10
        x: 10; y: 10
        StyledButton { id: prominent; buttonStyle: "prominent"; text: "Tilføj"; isDefault: true }
        StyledButton { id: bordered; text: "Annuller"; isCancel: true }
        StyledButton { id: plain; buttonStyle: "plain"; symbol: "trash"; tooltip: "Slet" }
        StyledButton { id: off; buttonStyle: "prominent"; text: "Opret"; enabled: false }
        StyledButton { id: danger; buttonStyle: "prominent"; destructive: true; text: "Nulstil" }
    }

    SignalSpy { id: prominentClicks; target: prominent; signalName: "clicked" }
    SignalSpy { id: borderedClicks; target: bordered; signalName: "clicked" }
    SignalSpy { id: offClicks; target: off; signalName: "clicked" }

    TestCase {
        name: "StyledButton"
        when: windowShown

        function init() {
            prominentClicks.clear()
            borderedClicks.clear()
            offClicks.clear()
            prominent.enabled = true
            bordered.enabled = true
        }

        function test_click() {
            mouseClick(prominent)
            compare(prominentClicks.count, 1)
            mouseClick(bordered)
            compare(borderedClicks.count, 1)
            compare(prominentClicks.count, 1)
        }

        function test_disabledIgnoresPointerAndLooksIt() {
            mouseClick(off)
            compare(offClicks.count, 0)
            verify(off.opacity < 1)
            compare(prominent.opacity, 1)
        }

        function test_returnAndEscapeTriggerDefaultAndCancel() {
            keyClick(Qt.Key_Return)
            compare(prominentClicks.count, 1)
            keyClick(Qt.Key_Enter)
            compare(prominentClicks.count, 2)
            compare(borderedClicks.count, 0)
            keyClick(Qt.Key_Escape)
            compare(borderedClicks.count, 1)
            compare(prominentClicks.count, 2)
        }

        function test_disabledDefaultIgnoresReturn() {
            // A form with an invalid field disables its default button; Return must not
            // get around that.
            prominent.enabled = false
            keyClick(Qt.Key_Return)
            compare(prominentClicks.count, 0)
            bordered.enabled = false
            keyClick(Qt.Key_Escape)
            compare(borderedClicks.count, 0)
        }

        function test_styles() {
            compare(prominent.background.color, Theme.accent)
            compare(danger.background.color, Theme.red)
            verify(prominent.background.visible)
            verify(!plain.background.visible)
            compare(bordered.background.border.width, 1)
            compare(plain.foreground, Theme.primaryText)
            compare(prominent.foreground, Theme.white)
        }

    }
}
