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

    ScreenCase {
        name: "MenuBar"

        property var panel: null
        property string fag: ""

        function init() {
            start()
            fag = Fixture.addFag("Dansk", "book.fill", "E8704A")
        }
        function vis(egenskaber) {
            panel = createTemporaryObject(skaerm, top, egenskaber || {})
            waitForRendering(panel) // the list places the rows when drawn
        }
        function del(navn) {
            const item = findChild(panel, navn)
            verify(item, navn)
            return item
        }
        // The i-th row of the list, overdue ones first.
        function raekke(i) { return del("menuLektieIndhold").itemAtIndex(i) }
        // Overdue items an hour apart, upcoming ones a day apart.
        function fyld(forfaldne, kommende) {
            for (let i = 0; i < forfaldne; ++i)
                Fixture.addLektie(fag, "F" + i, -(i + 1) * 60)
            for (let i = 0; i < kommende; ++i)
                Fixture.addLektie(fag, "K" + i, (i + 1) * dag)
        }

        // Headings only where overdue items show, a divider only between both parts; ten
        // rows at most, overdue first, each part earliest first.
        function test_parts_data() {
            return [{ tag: "none", forfaldne: 0, kommende: 0, antal: "0 aktive", raekker: 0, vist: [] },
                    { tag: "only upcoming", forfaldne: 0, kommende: 3, antal: "3 aktive", raekker: 3,
                      vist: [] },
                    { tag: "only overdue", forfaldne: 2, kommende: 0, antal: "2 aktive", raekker: 2,
                      vist: ["forfaldneOverskrift"] },
                    { tag: "12 upcoming, 2 overdue", forfaldne: 2, kommende: 12, antal: "10 aktive",
                      raekker: 10, vist: ["forfaldneOverskrift", "listeSkillelinje", "kommendeOverskrift"] }]
        }
        function test_parts(data) {
            fyld(data.forfaldne, data.kommende)
            vis()
            compare(del("antal").text, data.antal)
            compare(del("tomNote").visible, data.raekker === 0)
            compare(del("menuLektieIndhold").visible, data.raekker > 0)
            compare(del("menuLektieIndhold").count, data.raekker)
            for (const navn of ["forfaldneOverskrift", "listeSkillelinje", "kommendeOverskrift"])
                compare(alle(panel, navn).some(i => i.visible), data.vist.includes(navn), navn)
            if (data.forfaldne > 0)
                compare(findChild(raekke(data.forfaldne - 1), "titel").text, "F0")
            compare(Fixture.unnamedControls(panel), [])
        }

        // A 1366 × 768 screen leaves the panel less than its content: the header, the
        // actions and "Afslut" stay in the window, the rows scroll between them, and the
        // keys keep the focused row in sight and walk on to "Afslut" and back.
        function test_aSmallScreenKeepsEveryButtonInReach() {
            fyld(15, 10)
            vis({ height: 500 })
            verify(panel.implicitHeight > 500)
            const afslut = del("afslutKnap")
            verify(afslut.mapToItem(panel, 0, afslut.height).y <= panel.height)
            verify(del("antal").mapToItem(panel, 0, 0).y >= 0)
            const liste = del("menuLektieIndhold")
            compare(liste.count, 23)
            tryCompare(raekke(0), "activeFocus", true)
            for (let i = 0; i < 22; ++i)
                keyClick(Qt.Key_Down)
            const sidste = raekke(22)
            compare(sidste.activeFocus, true)
            const y = sidste.mapToItem(liste, 0, 0).y
            verify(y >= 0)
            verify(y + sidste.height <= liste.height)
            for (const naeste of ["tilfoejKnap", "fagKnap", "aabnKnap", "afslutKnap"]) {
                keyClick(Qt.Key_Down)
                compare(del(naeste).activeFocus, true, naeste)
            }
            for (let i = 0; i < 4; ++i)
                keyClick(Qt.Key_Up)
            compare(sidste.activeFocus, true)
        }

        // A row's click opens its detail, another row's a new view in its place, the same
        // row's click closes it; "Luk" closes the detail only, back to its row (Escape, which
        // the program's windows route, is proven end to end). Its "Rediger" opens the form on
        // the item, every field filled; saving changes the title only.
        function test_aRowsDetail() {
            const en = Fixture.addLektie(fag, "En", dag, "Side 4", ["https://a.dk"])
            const to = Fixture.addLektie(fag, "To", 2 * dag)
            const foer = Fixture.lektier()[0]
            vis()
            const popover = klikTil(raekke(0), del("detaljePopover"))
            compare(popover.contentRoot.lektieId, en)
            const foerste = popover.contentRoot
            klikTil(raekke(1), popover)
            compare(popover.contentRoot.lektieId, to)
            verify(popover.contentRoot !== foerste)
            klikTil(raekke(1), popover, false)
            mouseClick(raekke(1))
            tryCompare(popover, "active", true)
            klikTil(findChild(popover.contentRoot, "lukIkon"), popover, false)
            tryCompare(top.Window.window, "active", true)
            tryCompare(raekke(1), "activeFocus", true)
            compare(del("menuModel").aktivPraesentation, "")

            mouseClick(findChild(klikTil(raekke(0), popover).contentRoot, "redigerKnap"))
            const form = del("nyLektiePopover")
            tryCompare(form, "active", true)
            tryVerify(() => form.contentRoot !== null)
            const titel = findChild(form.contentRoot, "titel")
            tryCompare(titel, "text", "En")
            titel.text += " igen"
            titel.textEdited() // as typing does
            findChild(form.contentRoot, "gem").clicked()
            tryCompare(form, "visible", false)
            foer.titel = "En igen"
            compare(Fixture.lektier().find(l => l.id === en), foer)
        }

        // One pop-over at a time: "Administrer fag" takes the form's place; Ctrl+N or the
        // button again, or the form's own "Annuller", close it, and the next click opens it.
        function test_theActionsPopOvers() {
            vis()
            compare(del("tilfoejKnap").activeFocus, true)
            const form = del("nyLektiePopover")
            const indstillinger = del("fagPopover")
            keyClick(Qt.Key_N, Qt.ControlModifier)
            tryCompare(form, "active", true)
            keyClick(Qt.Key_N, Qt.ControlModifier)
            tryCompare(form, "visible", false)
            klikTil(del("tilfoejKnap"), form)
            klikTil(del("fagKnap"), indstillinger)
            compare(form.visible, false)
            // The press on the button closes it; the same click must not open it again.
            klikTil(del("fagKnap"), indstillinger, false)
            mouseClick(del("tilfoejKnap"))
            tryCompare(form.contentRoot, "height", 660) // laid out once the window has its size
            klikTil(findChild(form.contentRoot, "annuller"), form, false)
            klikTil(del("tilfoejKnap"), form)
            // A press elsewhere closes it too; a later click on the button opens it.
            klikTil(del("antal"), form, false)
            wait(0) // as the pupil's next click comes after the events of this one
            klikTil(del("tilfoejKnap"), form)
        }

        // A tick, by the mouse or Space, passes the focus to what takes the row's place; the
        // arrows walk the rows and the actions, Tab reaches a row's tick, Return its detail.
        function test_ticksAndKeys() {
            fyld(0, 4)
            vis()
            mouseClick(findChild(raekke(0), "afkryds"))
            compare(Fixture.lektier()[0].erFaerdig, true)
            compare(del("antal").text, "3 aktive")
            compare(raekke(0).activeFocus, true)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(raekke(2).activeFocus, true)
            keyClick(Qt.Key_Down)
            compare(del("tilfoejKnap").activeFocus, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Space)
            compare(Fixture.lektier()[3].erFaerdig, true)
            compare(del("tilfoejKnap").activeFocus, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Tab)
            compare(findChild(raekke(1), "afkryds").activeFocus, true)
            keyClick(Qt.Key_Backtab)
            keyClick(Qt.Key_Return)
            tryCompare(del("detaljePopover"), "visible", true)
            compare(del("detaljePopover").contentRoot.lektieId, Fixture.lektier()[2].id)
        }

        // Both parts, a light subject, an item without a subject and the read notice, which
        // comes when another program's record cannot be read and says so, with the way to
        // the copy, until the pupil says OK.
        function test_everyControlNamedEveryTextReadable_data() { return lysOgMoerk }
        function test_everyControlNamedEveryTextReadable(data) {
            Fixture.setDark(data.dark)
            const gul = Fixture.addFag("Idræt", "figure.run", "F59E0B")
            Fixture.addLektie(fag, "Forfalden", -2 * dag, "Noter")
            Fixture.addLektie(gul, "I dag", 60, "", ["a.dk"])
            Fixture.addLektie("{6a1f0c3e-0000-4000-8000-000000000001}", "Uden fag", dag)
            vis()
            compare(del("laesFejl").visible, false)
            Fixture.addUnreadableRecordOutside()
            verify(del("laesFejl").visible)
            waitForRendering(panel)
            tilgaengelig(panel)
            // The row's subject, and its deadline by the app's clock; the rest is read.
            compare(raekke(0).Accessible.name, "Forfalden, Dansk, 4. dec. 2026")
            compare(raekke(2).Accessible.name, "Uden fag, I morgen")
            compare(findChild(raekke(0), "afkryds").Accessible.name, "Markér som færdig: Forfalden")
            const tekst = del("laesFejlTekst")
            compare(tekst.Accessible.role, Accessible.AlertMessage)
            mouseClick(del("aabnMappeKnap"))
            compare(Fixture.openedFolders.length, 1)
            verify(Fixture.openedFolders[0].length > 0)
            compare(tekst.text, "1 lektie kunne ikke læses. En kopi ligger i " + Fixture.openedFolders[0] + ".")
            mouseClick(del("laesFejlOkKnap"))
            compare(del("laesFejl").visible, false)
        }

        // A tick in the panel (a stray Space on the first row, say) is taken back by the bar's
        // "Fortryd" (the keys are proven end to end); the bar stays while the pointer or the
        // keyboard is in it, then goes.
        function test_aTickCanBeTakenBack() {
            Fixture.addLektie(fag, "Læs", dag)
            Fixture.addLektie(fag, "Skriv", 2 * dag)
            vis()
            const bjaelke = del("fortrydBjaelke")
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
            bjaelke.model.varighed = 50
            bjaelke.model.vis()
            wait(200)
            compare(bjaelke.visible, true)
            panel.fokuserPaa(1)
            mouseMove(panel, 1, 1)
            tryCompare(bjaelke, "visible", false)
        }
    }
}
