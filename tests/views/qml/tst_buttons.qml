import QtQuick
import QtTest
import Tavlen.Toolkit

Item {
    width: 480
    height: 200

    Row {
        spacing: 10
        x: 10; y: 10
        StyledButton { id: prominent; buttonStyle: "prominent"; text: "Tilføj"; isDefault: true }
        StyledButton { id: bordered; text: "Annuller"; isCancel: true }
    }

    SignalSpy { id: prominentClicks; target: prominent; signalName: "clicked" }
    SignalSpy { id: borderedClicks; target: bordered; signalName: "clicked" }

    TestCase {
        name: "StyledButton"
        when: windowShown

        function test_clickKeysAndDisabled() {
            mouseClick(prominent)
            mouseClick(bordered)
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Enter)
            compare(prominentClicks.count, 3)
            compare(borderedClicks.count, 1)
            keyClick(Qt.Key_Escape)
            compare(borderedClicks.count, 2)
            compare(prominentClicks.count, 3)
            // A form with an invalid field disables its default button; Return must not
            // get around that.
            prominent.enabled = bordered.enabled = false
            mouseClick(prominent)
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Escape)
            compare(prominentClicks.count, 3)
            compare(borderedClicks.count, 2)
        }
    }
}
