import QtQuick
import QtTest
import Tavlen.Toolkit
import Tavlen.Views
import Tavlen.Test

// The screens' ground: the fixture's store is the one the screens see, and its walk finds
// controls a screen reader could not name.
Item {
    id: probe
    width: 200
    height: 100

    StyledButton { text: "Gem" }
    StyledButton { objectName: "ikonUdenNavn"; symbol: "trash" }

    TestCase {
        name: "Fixture"
        when: windowShown

        function test_screensSeeTheFixturesStore() {
            Fixture.reset()
            const id = Fixture.addFag("Dansk")
            compare(AppContext.store.fag.length, 1)
            Fixture.addLektie(id, "Læs", 60)
            compare(Fixture.lektier()[0].titel, "Læs")
        }

        function test_walkFindsAnUnnamedControl() {
            compare(Fixture.unnamedControls(probe), ["ikonUdenNavn: no name"])
        }
    }
}
