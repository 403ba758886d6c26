import QtQuick
import QtTest
import Tavlen.Views
import Tavlen.Test

// The screens' ground: the fixture's store is the one the screens see.
TestCase {
    name: "Fixture"

    function test_screensSeeTheFixturesStore() {
        Fixture.reset()
        const id = Fixture.addFag("Dansk")
        compare(AppContext.store.fag.length, 1)
        Fixture.addLektie(id, "Læs", 60)
        compare(Fixture.lektier()[0].titel, "Læs")
    }
}
