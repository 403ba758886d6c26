import QtQuick
import QtTest
import Tavlen.Toolkit
import Tavlen.Test

// The walk the screens' name checks stand on finds a control a screen reader could not name.
Item {
    id: probe
    width: 200
    height: 100

    StyledButton { text: "Gem" }
    StyledButton { objectName: "ikonUdenNavn"; symbol: "trash" }

    TestCase {
        name: "Fixture"
        when: windowShown

        function test_walkFindsAnUnnamedControl() {
            compare(Fixture.unnamedControls(probe), ["ikonUdenNavn: no name"])
        }
    }
}
