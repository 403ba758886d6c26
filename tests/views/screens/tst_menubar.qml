import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Views
import Tavlen.Test

// The tray panel over the fixture's store; the clock stands at Sunday 6 December 2026 10:00.
Item {
    id: top
    width: 360
    height: 760

    Component {
        id: skaerm
        MenuBarView {}
    }

    TestCase {
        name: "MenuBar"
        when: windowShown

        readonly property int dag: 24 * 60
        property var panel: null
        property string fag: ""

        function init() {
            Fixture.reset()
            fag = Fixture.addFag("Dansk", "book.fill", "E8704A")
            aktiver()
        }

        // Keys go to the focused window, which a closed pop-over may have left empty.
        function aktiver() {
            const vindue = top.Window.window
            if (!vindue.contentItem.activeFocus) {
                vindue.requestActivate()
                tryCompare(vindue.contentItem, "activeFocus", true)
            }
        }

        function vis() {
            panel = createTemporaryObject(skaerm, top)
            waitForRendering(panel) // the columns place the rows when drawn
            return panel
        }

        function del(navn) {
            const item = findChild(panel, navn)
            verify(item, navn)
            return item
        }

        function raekke(liste, i) {
            return del(liste).itemAt(i)
        }

        // Overdue items an hour apart, upcoming ones a day apart.
        function fyld(forfaldne, kommende) {
            for (let i = 0; i < forfaldne; ++i)
                Fixture.addLektie(fag, "F" + i, -(i + 1) * 60)
            for (let i = 0; i < kommende; ++i)
                Fixture.addLektie(fag, "K" + i, (i + 1) * dag)
        }

        function test_headingsAndDivider_data() {
            return [
                { tag: "none", forfaldne: 0, kommende: 0, antal: "0 aktive", tom: true,
                  forfaldneOverskrift: false, skillelinje: false, kommendeOverskrift: false,
                  forfaldneRaekker: 0, kommendeRaekker: 0 },
                { tag: "only upcoming", forfaldne: 0, kommende: 3, antal: "3 aktive", tom: false,
                  forfaldneOverskrift: false, skillelinje: false, kommendeOverskrift: false,
                  forfaldneRaekker: 0, kommendeRaekker: 3 },
                { tag: "only overdue", forfaldne: 2, kommende: 0, antal: "2 aktive", tom: false,
                  forfaldneOverskrift: true, skillelinje: false, kommendeOverskrift: false,
                  forfaldneRaekker: 2, kommendeRaekker: 0 },
                { tag: "12 upcoming, 2 overdue", forfaldne: 2, kommende: 12, antal: "10 aktive",
                  tom: false, forfaldneOverskrift: true, skillelinje: true,
                  kommendeOverskrift: true, forfaldneRaekker: 2, kommendeRaekker: 8 },
            ]
        }
        function test_headingsAndDivider(data) {
            fyld(data.forfaldne, data.kommende)
            vis()
            compare(del("antal").text, data.antal)
            compare(del("tomNote").visible, data.tom)
            compare(del("menuLektieIndhold").visible, !data.tom)
            compare(del("forfaldneOverskrift").visible, data.forfaldneOverskrift)
            compare(del("listeSkillelinje").visible, data.skillelinje)
            compare(del("kommendeOverskrift").visible, data.kommendeOverskrift)
            compare(del("forfaldneRaekker").count, data.forfaldneRaekker)
            compare(del("kommendeRaekker").count, data.kommendeRaekker)
        }

        function test_texts() {
            Fixture.addLektie(fag, "F", -60)
            Fixture.addLektie(fag, "K", dag)
            vis()
            compare(del("forfaldneOverskrift").text, "FORFALDNE")
            compare(del("kommendeOverskrift").text, "KOMMENDE")
            compare(findChild(raekke("forfaldneRaekker", 0), "deadline").text, "I dag")
            compare(findChild(raekke("kommendeRaekker", 0), "deadline").text, "I morgen")
            compare(["tilfoejKnap", "fagKnap", "aabnKnap", "afslutKnap"].map(n => del(n).text),
                    ["Tilføj lektie", "Administrer fag", "Åbn Tavlen", "Afslut"])
            Fixture.reset()
            tryCompare(del("tomTekst"), "visible", true)
            compare(del("tomTekst").text, "Ingen lektier!")
        }

        function test_tickButtonRemovesTheRowAndTheNinthMovesUp() {
            fyld(0, 9)
            vis()
            mouseClick(findChild(raekke("kommendeRaekker", 0), "afkryds"))
            compare(Fixture.lektier()[0].erFaerdig, true)
            compare(del("kommendeRaekker").count, 8)
            compare(findChild(raekke("kommendeRaekker", 7), "titel").text, "K8")
            compare(del("antal").text, "8 aktive")
            // The first row had the focus; it passes to the row in its place.
            compare(raekke("kommendeRaekker", 0).activeFocus, true)
        }

        // Another row's detail is a new view in its place; a row's own click closes it.
        function test_aRowClickOpensItsDetailAndTheSameClickClosesIt() {
            const en = Fixture.addLektie(fag, "En", dag)
            const to = Fixture.addLektie(fag, "To", 2 * dag)
            vis()
            const popover = del("detaljePopover")
            mouseClick(raekke("kommendeRaekker", 0))
            tryCompare(popover, "visible", true)
            compare(popover.contentRoot.lektieId, en)
            const foerste = popover.contentRoot
            mouseClick(raekke("kommendeRaekker", 1))
            tryCompare(popover, "visible", true)
            compare(popover.contentRoot.lektieId, to)
            verify(popover.contentRoot !== foerste)
            mouseClick(raekke("kommendeRaekker", 1))
            tryCompare(popover, "visible", false)
            compare(del("menuModel").aktivPraesentation, "")
        }

        function test_addThenManageReplacesTheForm() {
            vis()
            const form = del("nyLektiePopover")
            const indstillinger = del("fagPopover")
            mouseClick(del("tilfoejKnap"))
            tryCompare(form, "visible", true)
            compare(form.height, 660)
            compare(findChild(form.contentRoot, "nyLektieForm").height, 680)
            mouseClick(del("fagKnap"))
            tryCompare(indstillinger, "visible", true)
            compare(form.visible, false)
            mouseClick(del("fagKnap"))
            tryCompare(indstillinger, "visible", false)
            // The form's own cancel clears the presentation, so the next click opens it again.
            mouseClick(del("tilfoejKnap"))
            tryCompare(form.contentRoot, "height", 660) // laid out once the window has its size
            mouseClick(findChild(form.contentRoot, "annuller"))
            tryCompare(form, "visible", false)
            mouseClick(del("tilfoejKnap"))
            tryCompare(form, "visible", true)
        }

        function test_keyboard() {
            const en = Fixture.addLektie(fag, "En", dag)
            Fixture.addLektie(fag, "To", 2 * dag)
            vis()
            tryCompare(raekke("kommendeRaekker", 0), "activeFocus", true)
            keyClick(Qt.Key_Down)
            compare(raekke("kommendeRaekker", 1).activeFocus, true)
            keyClick(Qt.Key_Down)
            compare(del("tilfoejKnap").activeFocus, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Space)
            compare(Fixture.lektier()[1].erFaerdig, true)
            // The ticked row's place goes to what came after it.
            compare(del("tilfoejKnap").activeFocus, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Tab)
            compare(findChild(raekke("kommendeRaekker", 0), "afkryds").activeFocus, true)
            keyClick(Qt.Key_Backtab)
            keyClick(Qt.Key_Return)
            const popover = del("detaljePopover")
            tryCompare(popover, "visible", true)
            compare(popover.contentRoot.lektieId, en)
        }

        function test_ctrlNTogglesTheForm() {
            vis()
            compare(del("tilfoejKnap").activeFocus, true)
            const form = del("nyLektiePopover")
            keyClick(Qt.Key_N, Qt.ControlModifier)
            tryCompare(form, "active", true)
            keyClick(Qt.Key_N, Qt.ControlModifier)
            tryCompare(form, "visible", false)
            compare(del("menuModel").aktivPraesentation, "")
        }

        function test_everyControlHasANameForScreenReaders() {
            Fixture.addLektie(fag, "Overdue", -60, "Noter")
            Fixture.addLektie("{6a1f0c3e-0000-4000-8000-000000000001}", "Uden fag", dag)
            vis()
            compare(Fixture.unnamedControls(panel), [])
            compare(raekke("kommendeRaekker", 0).Accessible.name, "Uden fag, I morgen")
            compare(findChild(raekke("forfaldneRaekker", 0), "afkryds").Accessible.name,
                    "Markér som færdig: Overdue")
            Fixture.reset()
            waitForRendering(panel)
            compare(Fixture.unnamedControls(panel), [])
        }
    }
}
