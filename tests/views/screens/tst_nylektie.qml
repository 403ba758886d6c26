import QtQuick
import QtTest
import Tavlen.Toolkit
import Tavlen.Views
import Tavlen.Test

// The new-homework form and its calendar, driven by clicks and keys over a real store.
Item {
    id: root
    width: 460
    height: 680

    property int lukket: 0
    Loader {
        id: loader
        anchors.fill: parent
        active: false
        sourceComponent: NyLektieView { onClose: root.lukket++ }
    }

    ScreenCase {
        name: "NyLektieView"

        function init() {
            Fixture.reset()
            Fixture.addFag("Dansk", "book.fill", "E8704A")
            Fixture.addFag("Matematik", "function", "3B82F6")
        }
        function aabn() {
            loader.active = false
            wait(1) // the last form's Return and Escape go with it
            root.lukket = 0
            loader.active = true
            tryVerify(() => loader.item !== null)
            waitForRendering(loader.item) // grids lay out their cells when drawn
            return loader.item
        }
        function skriv(felt, tekst) {
            felt.forceActiveFocus()
            for (const tegn of tekst)
                keyClick(tegn)
        }
        // Clicks only reach what the form's scroll area shows.
        function klik(form, navn) {
            const item = findChild(form, navn)
            findChild(form, "indhold").ensureVisible(item)
            waitForRendering(form)
            mouseClick(item)
        }
        function test_returnWithoutTitleOrSubjects_data() {
            return [{ tag: "no title", fag: true, titel: "" }, { tag: "no subjects", fag: false, titel: "X" }]
        }
        function test_returnWithoutTitleOrSubjects(data) {
            if (!data.fag)
                Fixture.reset()
            const form = aabn()
            compare(findChild(form, "gem").enabled, data.fag)
            skriv(findChild(form, "titel"), data.titel)
            keyClick(Qt.Key_Return)
            compare(root.lukket, 0)
            compare(findChild(form, "titelFejl").visible, data.fag)
            skriv(findChild(form, "titel"), "L")
            compare(findChild(form, "titelFejl").visible, false)
        }

        function test_closesOnce_data() {
            return [{ tag: "Return saves", tast: Qt.Key_Return, gemt: 1 },
                    { tag: "Escape does not", tast: Qt.Key_Escape, gemt: 0 },
                    // A focused button takes Return itself.
                    { tag: "Return on Annuller", fokus: "annuller", tast: Qt.Key_Return, gemt: 0 }]
        }
        function test_closesOnce(data) {
            const form = aabn()
            compare(findChild(form, "fag_Dansk").erValgt, true)
            klik(form, "fag_Matematik")
            skriv(findChild(form, "titel"), "Broeker")
            if (data.fokus)
                findChild(form, data.fokus).forceActiveFocus(Qt.TabFocusReason)
            keyClick(data.tast)
            compare(root.lukket, 1)
            compare(Fixture.lektier().length, data.gemt)
            if (!data.gemt)
                return
            compare(Fixture.lektier()[0].titel, "Broeker")
            compare(Fixture.lektier()[0].fagId, Fixture.fag()[1].id)
        }

        function test_oneLinkFieldHasNoRemoveButtonTwoHave() {
            const form = aabn()
            compare(findChild(form, "fjernLink0").visible, false)
            klik(form, "tilfoejLink")
            tryVerify(() => findChild(form, "fjernLink1") !== null)
            klik(form, "fjernLink0")
            tryVerify(() => findChild(form, "fjernLink1") === null)
            compare(findChild(form, "fjernLink0").visible, false)
        }

        // A day picked in the calendar unpicks the quick pick; the keys move the day and the
        // month shown. December 2026 starts on a Tuesday: one leading day.
        function test_quickPicksAndTheCalendar() {
            const form = aabn()
            klik(form, "hurtigValg2")
            compare(findChild(form, "hurtigValg2").valgt, true)
            klik(form, "dag6")
            compare(findChild(form, "hurtigValg2").valgt, false)
            const kalender = findChild(form, "kalender")
            findChild(kalender, "dage").forceActiveFocus()
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_PageDown)
            compare(findChild(kalender, "titel").text, "Januar 2027")
            skriv(findChild(form, "titel"), "X")
            keyClick(Qt.Key_Return)
            compare(Fixture.lektier()[0].deadline, "2026-12-13T23:00:00Z")
        }

        // Tab goes from the description on to the link; Return on a focused quick pick picks
        // it, and the form stays open; arrows move within the subject grid.
        function test_keysOnTheForm() {
            const form = aabn()
            skriv(findChild(form, "titel"), "X")
            keyClick(Qt.Key_Tab) // into the description
            keyClick(Qt.Key_Tab)
            compare(findChild(form, "link0").activeFocus, true)
            findChild(form, "hurtigValg2").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            compare(findChild(form, "hurtigValg2").valgt, true)
            compare(root.lukket, 0)
            compare(Fixture.lektier().length, 0)
            findChild(form, "fag_Dansk").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Right)
            compare(findChild(form, "fag_Matematik").activeFocus, true)
            keyClick(Qt.Key_Space)
            compare(findChild(form, "fag_Matematik").erValgt, true)
        }

        // Open across midnight: the chosen day is no longer "I morgen", and the calendar's
        // today mark moves on.
        function test_followsTheClock() {
            const form = aabn()
            compare(findChild(form, "hurtigValg0").valgt, true)
            compare(findChild(form, "dag6").erIDag, true)
            Fixture.advanceMinutes(14 * 60 + 1)
            compare(findChild(form, "hurtigValg0").valgt, false)
            compare(findChild(form, "dag6").erIDag, false)
            compare(findChild(form, "dag7").erIDag, true)
        }

        // A light subject chosen: its tile's name, the chosen quick pick and the white label
        // on the tinted button; then the calendar's today and weekend numbers.
        function test_everyControlNamedEveryTextReadable_data() { return lysOgMoerk }
        function test_everyControlNamedEveryTextReadable(data) {
            Fixture.setDark(data.dark)
            Fixture.addFag("Idræt", "figure.run", "FACC15")
            const form = aabn()
            klik(form, "fag_Idræt")
            wait(300) // the tint's fade
            waitForRendering(form)
            tilgaengelig(form)
            findChild(form, "indhold").ensureVisible(findChild(form, "kalender"))
            waitForRendering(form)
            compare(Fixture.lowContrastTexts(form), [])
        }
    }
}
