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

        function vis(egenskaber) {
            panel = createTemporaryObject(skaerm, top, egenskaber || {})
            waitForRendering(panel) // the list places the rows when drawn
            return panel
        }

        function del(navn) {
            const item = findChild(panel, navn)
            verify(item, navn)
            return item
        }

        // The i-th row of the list, overdue ones first.
        function raekke(i) {
            return del("menuLektieIndhold").itemAtIndex(i)
        }

        // Shown somewhere: made and not hidden (each part's heading has all three pieces).
        function vises(navn, item) {
            item = item || panel
            if (item.objectName === navn && item.visible)
                return true
            for (let i = 0; i < item.children.length; ++i) {
                if (vises(navn, item.children[i]))
                    return true
            }
            return false
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
            compare(vises("forfaldneOverskrift"), data.forfaldneOverskrift)
            compare(vises("listeSkillelinje"), data.skillelinje)
            compare(vises("kommendeOverskrift"), data.kommendeOverskrift)
            compare(del("menuLektieIndhold").count, data.forfaldneRaekker + data.kommendeRaekker)
            // Earliest first: the last overdue row is the one due last.
            if (data.forfaldneRaekker > 0)
                compare(findChild(raekke(data.forfaldneRaekker - 1), "titel").text, "F0")
        }

        // A 1366 × 768 screen leaves the panel less than its content: the header, the
        // actions and "Afslut" stay in the window, the rows scroll between them, and the
        // keys keep the focused row in sight.
        function test_aSmallScreenKeepsEveryButtonInReach() {
            fyld(15, 10)
            vis({ height: 500 })
            verify(panel.implicitHeight > 500)
            const afslut = del("afslutKnap")
            compare(afslut.mapToItem(panel, 0, afslut.height).y <= panel.height, true)
            compare(del("antal").mapToItem(panel, 0, 0).y >= 0, true)
            const liste = del("menuLektieIndhold")
            compare(liste.count, 23)
            compare(liste.contentHeight > liste.height, true)
            tryCompare(raekke(0), "activeFocus", true)
            for (let i = 0; i < 22; ++i)
                keyClick(Qt.Key_Down)
            const sidste = raekke(22)
            compare(sidste.activeFocus, true)
            const y = sidste.mapToItem(liste, 0, 0).y
            compare(y >= 0, true)
            compare(y + sidste.height <= liste.height, true)
            keyClick(Qt.Key_Down)
            compare(del("tilfoejKnap").activeFocus, true)
            // Down walks the actions on to "Afslut"; Up walks back to the rows.
            for (const naeste of ["fagKnap", "aabnKnap", "afslutKnap"]) {
                keyClick(Qt.Key_Down)
                compare(del(naeste).activeFocus, true)
            }
            for (let i = 0; i < 4; ++i)
                keyClick(Qt.Key_Up)
            compare(sidste.activeFocus, true)
        }

        function test_texts() {
            Fixture.addLektie(fag, "F", -60)
            Fixture.addLektie(fag, "K", dag)
            vis()
            compare(del("forfaldneOverskrift").text, "FORFALDNE")
            compare(del("kommendeOverskrift").text, "KOMMENDE")
            compare(findChild(raekke(0), "deadline").text, "I dag")
            compare(findChild(raekke(1), "deadline").text, "I morgen")
            compare(["tilfoejKnap", "fagKnap", "aabnKnap", "afslutKnap"].map(n => del(n).text),
                    ["Tilføj lektie", "Administrer fag", "Åbn Tavlen", "Afslut"])
            Fixture.reset()
            tryCompare(del("tomTekst"), "visible", true)
            compare(del("tomTekst").text, "Ingen lektier!")
        }

        function test_tickButtonRemovesTheRowAndTheNinthMovesUp() {
            fyld(0, 9)
            vis()
            mouseClick(findChild(raekke(0), "afkryds"))
            compare(Fixture.lektier()[0].erFaerdig, true)
            compare(del("menuLektieIndhold").count, 8)
            waitForRendering(panel)
            compare(findChild(raekke(7), "titel").text, "K8")
            compare(del("antal").text, "8 aktive")
            // The first row had the focus; it passes to the row in its place.
            compare(raekke(0).activeFocus, true)
        }

        // Another row's detail is a new view in its place; a row's own click closes it.
        function test_aRowClickOpensItsDetailAndTheSameClickClosesIt() {
            const en = Fixture.addLektie(fag, "En", dag)
            const to = Fixture.addLektie(fag, "To", 2 * dag)
            vis()
            const popover = del("detaljePopover")
            mouseClick(raekke(0))
            tryCompare(popover, "visible", true)
            compare(popover.contentRoot.lektieId, en)
            const foerste = popover.contentRoot
            mouseClick(raekke(1))
            tryCompare(popover, "visible", true)
            compare(popover.contentRoot.lektieId, to)
            verify(popover.contentRoot !== foerste)
            mouseClick(raekke(1))
            tryCompare(popover, "visible", false)
            compare(del("menuModel").aktivPraesentation, "")
        }

        // "Luk" closes the detail only: the panel keeps the focus, on that row (Escape, which
        // the program's windows route, is proven end to end).
        function test_closingTheDetailReturnsToItsRow() {
            Fixture.addLektie(fag, "En", dag)
            Fixture.addLektie(fag, "To", 2 * dag)
            vis()
            const popover = del("detaljePopover")
            mouseClick(raekke(1))
            tryCompare(popover, "active", true)
            mouseClick(findChild(popover.contentRoot, "lukIkon"))
            tryCompare(popover, "visible", false)
            tryCompare(top.Window.window, "active", true)
            tryCompare(raekke(1), "activeFocus", true)
            compare(del("menuModel").aktivPraesentation, "")
        }

        // "Rediger" in a row's detail opens the form on that item, every field filled;
        // "Gem ændringer" keeps its id, creation date and done flag.
        function test_anItemIsEditedFromItsDetail() {
            const fysik = Fixture.addFag("Fysik")
            const id = Fixture.addLektie(fag, "Læs", 3 * dag, "Side 4", ["https://a.dk"])
            vis()
            const foer = Fixture.lektier()[0]
            {
                const knap = "gem"
                mouseClick(raekke(0))
                const detalje = del("detaljePopover")
                tryCompare(detalje, "visible", true)
                mouseClick(findChild(detalje.contentRoot, "redigerKnap"))
                const popover = del("nyLektiePopover")
                tryCompare(popover, "active", true)
                tryVerify(() => popover.contentRoot !== null)
                const form = findChild(popover.contentRoot, "nyLektieForm")
                tryVerify(() => findChild(form, "titel").text === "Læs")
                compare(findChild(form, "beskrivelse").text, "Side 4")
                compare(findChild(form, "gem").text, "Gem ændringer")
                const titel = findChild(form, "titel")
                titel.text += " igen"
                titel.textEdited() // as typing does
                findChild(form, "fag_Fysik").clicked()
                findChild(form, knap).clicked()
                tryCompare(popover, "visible", false)
            }
            const efter = Fixture.lektier()[0]
            compare(Fixture.lektier().length, 1)
            compare(efter.id, id)
            compare(efter.titel, "Læs igen")
            compare(efter.fagId, fysik)
            compare(efter.beskrivelse, "Side 4")
            compare(efter.links, ["https://a.dk"])
            compare(efter.deadline, foer.deadline)
            compare(efter.oprettetDato, foer.oprettetDato)
            compare(efter.erFaerdig, false)
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
            tryCompare(raekke(0), "activeFocus", true)
            keyClick(Qt.Key_Down)
            compare(raekke(1).activeFocus, true)
            keyClick(Qt.Key_Down)
            compare(del("tilfoejKnap").activeFocus, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Space)
            compare(Fixture.lektier()[1].erFaerdig, true)
            // The ticked row's place goes to what came after it.
            compare(del("tilfoejKnap").activeFocus, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Tab)
            compare(findChild(raekke(0), "afkryds").activeFocus, true)
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

        function test_everyTextReadsOnItsBackground_data() {
            return [{ tag: "light", dark: false }, { tag: "dark", dark: true }]
        }
        function test_everyTextReadsOnItsBackground(data) {
            Fixture.setDark(data.dark)
            const gul = Fixture.addFag("Idræt", "figure.run", "F59E0B")
            Fixture.addLektie(fag, "Forfalden", -2 * dag, "Noter")
            Fixture.addLektie(gul, "I dag", 60)
            Fixture.addLektie(fag, "Kommende", 3 * dag, "", ["a.dk"])
            Fixture.addUnreadableRecordOutside() // the notice is drawn too
            vis()
            verify(del("laesFejl").visible)
            compare(Fixture.lowContrastTexts(panel), [])
        }

        // A tick in the panel (a stray Space on the first row, say) is taken back by the bar's
        // "Fortryd" or Ctrl+Z, and done again by "Gentag" or Ctrl+Shift+Z.
        function test_aTickCanBeTakenBack() {
            Fixture.addLektie(fag, "Læs", dag)
            Fixture.addLektie(fag, "Skriv", 2 * dag)
            vis()
            const bjaelke = del("fortrydBjaelke")
            compare(bjaelke.visible, false)
            const foer = Fixture.suiteText()
            keyClick(Qt.Key_Space) // the first row has the focus
            tryCompare(bjaelke, "visible", true)
            compare(bjaelke.Accessible.name, "Læs er markeret som færdig")
            compare(bjaelke.Accessible.role, Accessible.AlertMessage)
            waitForRendering(panel) // the bar takes its place above the actions
            mouseClick(findChild(bjaelke, "fortrydKnap"))
            compare(Fixture.suiteText(), foer)
            tryVerify(() => raekke(0) && raekke(0).Accessible.name.startsWith("Læs"))
            compare(bjaelke.Accessible.name, "Fortrudt: Læs er markeret som færdig")
            compare(findChild(bjaelke, "fortrydKnap").text, "Gentag")
            keyClick(Qt.Key_Z, Qt.ControlModifier | Qt.ShiftModifier)
            compare(Fixture.lektier()[0].erFaerdig, true)
            keyClick(Qt.Key_Z, Qt.ControlModifier)
            compare(Fixture.suiteText(), foer)
            // It stays while the pointer or the keyboard is in it, then goes.
            bjaelke.model.varighed = 50
            bjaelke.model.vis()
            wait(200)
            compare(bjaelke.visible, true)
            panel.fokuserPaa(1)
            mouseMove(panel, 1, 1)
            tryCompare(bjaelke, "visible", false)
        }

        // What could not be read is said, with the way to the copy, until the pupil says OK.
        function test_aNoticeSaysWhatCouldNotBeRead() {
            Fixture.addLektie(fag, "Læs", dag)
            vis()
            compare(del("laesFejl").visible, false)
            Fixture.addUnreadableRecordOutside()
            const tekst = del("laesFejlTekst")
            verify(tekst.text.startsWith("1 lektie kunne ikke læses. En kopi ligger i "))
            compare(tekst.Accessible.role, Accessible.AlertMessage)
            compare(raekke(0).Accessible.name.startsWith("Læs"), true) // the rest is read
            mouseClick(del("aabnMappeKnap"))
            compare(Fixture.openedFolders.length, 1)
            verify(Fixture.openedFolders[0].length > 0)
            verify(tekst.text.includes(Fixture.openedFolders[0]))
            mouseClick(del("laesFejlOkKnap"))
            compare(del("laesFejl").visible, false)
        }

        function test_everyControlHasANameForScreenReaders() {
            Fixture.addLektie(fag, "Overdue", -60, "Noter")
            Fixture.addLektie("{6a1f0c3e-0000-4000-8000-000000000001}", "Uden fag", dag)
            vis()
            compare(Fixture.unnamedControls(panel), [])
            compare(raekke(1).Accessible.name, "Uden fag, I morgen")
            compare(findChild(raekke(0), "afkryds").Accessible.name,
                    "Markér som færdig: Overdue")
            Fixture.reset()
            waitForRendering(panel)
            compare(Fixture.unnamedControls(panel), [])
        }
    }
}
