import QtQuick
import QtTest
import Tavlen.Views
import Tavlen.Test

// The homework detail over the fixture's store; the clock stands at Sunday 6 December 2026
// 10:00.
Item {
    id: top
    width: 400
    height: 480

    Component {
        id: skaerm
        LektieDetaljeView {}
    }

    SignalSpy { id: lukket; signalName: "close" }

    ScreenCase {
        name: "LektieDetalje"

        property var view: null
        property string fag: ""

        function init() {
            Fixture.reset()
            fag = Fixture.addFag("Historie", "building.columns.fill", "8B6FBE")
        }
        function vis(id) {
            view = createTemporaryObject(skaerm, top, id === undefined ? {} : { lektieId: id })
            lukket.target = view
            lukket.clear()
        }
        function del(name) {
            const item = findChild(view, name)
            verify(item, name)
            return item
        }

        function test_withoutSubjectDescriptionAndLinks() {
            vis(Fixture.addLektie("{6a1f0c3e-0000-4000-8000-000000000001}", "Læs", dag, "   ",
                                  [" ", "\n"]))
            compare(del("fagNavn").visible, false)
            compare(del("tomNote").visible, true)
            compare(del("beskrivelseSektion").visible, false)
            compare(del("linksSektion").visible, false)
        }

        // The link rules decide the address; the row hands it on, by click or key, and keeps
        // its focus while the store changes (the subject's name follows). Where no browser
        // takes it, the pupil is told.
        function test_clickAndKeysOpenTheRowsAddress() {
            vis(Fixture.addLektie(fag, "Læs", dag, "", ["", "javascript:alert(1)"]))
            mouseClick(del("link0"))
            compare(Fixture.openedUrls, ["https://www.google.com/search?q=javascript:alert(1)"])
            del("link0").forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(Fixture.openedUrls.length, 2)
            Fixture.addLektie(fag, "Skriv", dag)
            Fixture.omdoebFag(fag, "Historie A")
            compare(del("fagNavn").text, "Historie A")
            keyClick(Qt.Key_Space)
            compare(Fixture.openedUrls.length, 3)
            compare(del("linkFejl").visible, false)
            Fixture.setBrowserTakes(false)
            keyClick(Qt.Key_Return)
            compare(del("linkFejl").visible, true)
        }

        // Open at 10:00 on Sunday with a deadline on Monday at 09:00: midnight makes it
        // "I dag", nine o'clock overdue, without anything stored changing. A tick keeps the
        // detail open.
        function test_followsTheClockAndTheTick() {
            vis(Fixture.addLektie(fag, "Læs", 23 * 60))
            compare(del("deadline").text, "I morgen")
            Fixture.advanceMinutes(14 * 60 + 1)
            compare(del("deadline").text, "I dag")
            compare(del("forfaldt").visible, false)
            Fixture.advanceMinutes(9 * 60)
            compare(del("forfaldt").visible, true)
            mouseClick(del("faerdigKnap"))
            tryCompare(del("faerdigKnap"), "text", "Markér som ikke færdig")
            compare(Fixture.lektier()[0].erFaerdig, true)
            compare(lukket.count, 0)
        }

        // Tab follows the reading order; Escape and either close button close it once.
        function test_keysAndClosing_data() {
            return [{ tag: "Escape", knap: "" }, { tag: "header", knap: "lukIkon" },
                    { tag: "bottom", knap: "lukKnap" }]
        }
        function test_keysAndClosing(data) {
            vis(Fixture.addLektie(fag, "Læs", dag, "", ["a.dk", "b.dk"]))
            del("lukIkon").forceActiveFocus()
            for (const name of ["link0", "link1", "faerdigKnap", "redigerKnap", "lukKnap"]) {
                keyClick(Qt.Key_Tab)
                compare(del(name).activeFocus, true, name)
            }
            if (data.knap)
                mouseClick(del(data.knap))
            else
                keyClick(Qt.Key_Escape)
            compare(lukket.count, 1)
        }

        // A light subject's overdue item with a description and links; then the item
        // deleted elsewhere, which leaves only the way out.
        function test_everyControlNamedEveryTextReadable_data() { return lysOgMoerk }
        function test_everyControlNamedEveryTextReadable(data) {
            Fixture.setDark(data.dark)
            const id = Fixture.addLektie(Fixture.addFag("Idræt", "figure.run", "FACC15"), "Løb",
                                         -dag, "Husk sko", ["a.dk", "b c"])
            vis(id)
            waitForRendering(view)
            tilgaengelig(view)
            Fixture.sletLektie(id)
            tryCompare(del("manglerTekst"), "visible", true)
            compare(del("lektie").visible, false)
            waitForRendering(view)
            tilgaengelig(view)
            mouseClick(del("manglerLuk"))
            compare(lukket.count, 1)
        }
    }
}
