import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Views
import Tavlen.Test

Item {
    id: root
    width: 360
    height: 460

    FagIndstillingerView { id: panel; anchors.fill: parent }

    SignalSpy { id: lukket; target: panel; signalName: "close" }

    TestCase {
        name: "FagIndstillinger"
        when: windowShown

        readonly property var popover: findChild(panel, "nytFagPopover")
        readonly property var dialog: findChild(panel, "sletDialog")

        function init() {
            Fixture.reset()
            // Keys go to the focused window, which a closed pop-over may still hold.
            const vindue = root.Window.window
            if (!vindue.contentItem.activeFocus) {
                vindue.requestActivate()
                tryCompare(vindue.contentItem, "activeFocus", true)
            }
            lukket.clear()
        }

        function cleanup() {
            panel.visNytFag = false
            tryCompare(popover, "visible", false)
        }

        // A row as drawn, once the list has caught up with the store.
        function raekke(i) {
            const liste = findChild(panel, "fagListe")
            liste.forceLayout()
            return liste.itemAtIndex(i)
        }

        function i(navn) {
            return findChild(popover.contentRoot || popover.contentItem, navn)
        }

        function aabnFormular() {
            mouseClick(findChild(panel, "nytFagKnap"))
            tryCompare(popover, "active", true)
            tryVerify(() => popover.contentRoot !== null)
            tryCompare(i("navnFelt"), "activeFocus", true)
        }

        function test_everyTextReadsOnItsBackground_data() {
            return [{ tag: "light", dark: false }, { tag: "dark", dark: true }]
        }
        function test_everyTextReadsOnItsBackground(data) {
            Fixture.setDark(data.dark)
            const gul = Fixture.addFag("Idræt", "figure.run", "FACC15")
            Fixture.addLektie(gul, "Løb", 60)
            waitForRendering(panel)
            compare(Fixture.lowContrastTexts(panel), [])
            aabnFormular()
            mouseClick(i("opretKnap")) // the name's error shows too
            waitForRendering(popover.contentItem)
            compare(Fixture.lowContrastTexts(popover.contentRoot), [])
        }

        function test_emptyState() {
            compare(findChild(panel, "tomTekst").text,
                    "Tilføj dine fag ved at trykke på 'Nyt fag' ovenfor.")
            verify(findChild(panel, "tomTilstand").visible)
            compare(Fixture.unnamedControls(panel), [])
        }

        // Which homework counts is the rules' and the list model's to say.
        function test_badgeShowsTheOpenCount() {
            Fixture.addLektie(Fixture.addFag("Dansk"), "Læs", 60)
            Fixture.addFag("Tysk")
            compare(findChild(raekke(0), "antalTekst").text, "1")
            verify(!findChild(raekke(1), "antal").visible)
            verify(!findChild(panel, "tomTilstand").visible)
            compare(Fixture.unnamedControls(panel), [])
        }

        function test_tabReachesEveryRowsButtons() {
            Fixture.addFag("Dansk")
            Fixture.addFag("Tysk")
            const raekker = [raekke(0), raekke(1)] // made before the keys walk them
            findChild(panel, "lukKnap").forceActiveFocus(Qt.TabFocusReason)
            for (const i of [0, 1]) {
                for (const navn of ["rediger", "slet"]) {
                    keyClick(Qt.Key_Tab)
                    compare(panel.Window.activeFocusItem, findChild(raekker[i], navn))
                }
            }
        }

        function test_formShowsThePlaceholderName() {
            aabnFormular()
            compare(i("forhaandsvisningNavn").text, "Fagnavn")
            compare(Fixture.unnamedControls(popover.contentItem), [])
        }

        function test_anEmptyNameIsMarkedUntilSomethingIsTyped() {
            aabnFormular()
            keyClick(Qt.Key_Return)
            verify(i("navnFejl").visible)
            verify(i("navnFelt").invalid)
            compare(Fixture.fag().length, 0)
            verify(popover.visible)
            keyClick(Qt.Key_M)
            verify(!i("navnFejl").visible)
            verify(!i("navnFelt").invalid)
        }

        function test_spacesMakeANameAndTheChoicesAreKept() {
            aabnFormular()
            for (let n = 0; n < 3; ++n)
                keyClick(Qt.Key_Space)
            mouseClick(i("ikon-music.note"))
            i("farve-EC4899").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            mouseClick(i("opretKnap"))
            tryCompare(popover, "visible", false)
            compare(panel.visNytFag, false)
            compare(Fixture.fag().length, 1)
            compare(Fixture.fag()[0].navn, "   ")
            compare(Fixture.fag()[0].ikonNavn, "music.note")
            compare(Fixture.fag()[0].farveHex, "EC4899")
        }

        // "Rediger" on a row opens the form filled from the subject; saving keeps its id,
        // so its homework stays with it.
        function test_aSubjectIsEditedInPlace() {
            const dansk = Fixture.addFag("Dansk", "book.fill", "E8704A")
            Fixture.addFag("Fysik")
            Fixture.addLektie(dansk, "Læs", 60)
            findChild(raekke(0), "rediger").press()
            tryCompare(popover, "active", true)
            tryVerify(() => popover.contentRoot !== null)
            compare(i("navnFelt").text, "Dansk")
            verify(i("ikon-book.fill").checked)
            verify(i("farve-E8704A").checked)
            compare(i("opretKnap").text, "Gem ændringer")
            i("navnFelt").text = ""
            mouseClick(i("opretKnap"))
            verify(i("navnFejl").visible) // the same validation as a new subject
            i("navnFelt").text = "Dansk A"
            i("farve-EC4899").press()
            mouseClick(i("opretKnap"))
            tryCompare(popover, "visible", false)
            compare(Fixture.fag().length, 2)
            compare(Fixture.fag()[0].id, dansk)
            compare(Fixture.fag()[0].navn, "Dansk A")
            compare(Fixture.fag()[0].farveHex, "EC4899")
            compare(Fixture.lektier()[0].fagId, dansk)
        }

        function test_arrowsMoveBetweenIconsAndSpacePicks() {
            aabnFormular()
            keyClick(Qt.Key_Tab)
            compare(popover.activeFocusItem, i("ikon-book.fill"))
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Down)
            compare(popover.activeFocusItem, i("ikon-figure.run"))
            keyClick(Qt.Key_Space)
            verify(i("ikon-figure.run").checked)
        }

        function test_escapeClosesOnceAndTheFormStartsAfresh() {
            aabnFormular()
            keyClick(Qt.Key_X)
            mouseClick(i("ikon-globe"))
            keyClick(Qt.Key_Escape)
            tryCompare(popover, "visible", false)
            compare(panel.visNytFag, false)
            compare(lukket.count, 0)
            compare(Fixture.fag().length, 0)
            aabnFormular()
            compare(i("navnFelt").text, "")
            verify(i("ikon-book.fill").checked)
        }

        // What a deletion takes with it is the list model's test; here the dialog decides.
        function test_deletion_data() {
            return [{ tag: "confirmed", knap: "destructiveButton", fag: [] },
                    { tag: "cancelled", knap: "cancelButton", fag: ["Dansk"] }]
        }
        function test_deletion(data) {
            Fixture.addFag("Dansk")
            mouseClick(findChild(raekke(0), "slet"))
            tryCompare(dialog, "visible", true)
            compare(dialog.title, "Slet fag")
            compare(findChild(dialog.contentItem, "destructiveButton").text,
                    "Slet \"Dansk\" og alle lektier")
            mouseClick(findChild(dialog.contentItem, data.knap))
            tryCompare(dialog, "visible", false)
            compare(Fixture.fag().map(f => f.navn), data.fag)
            tryCompare(findChild(panel, "tomTilstand"), "visible", data.fag.length === 0)
        }

        function test_closeButtonAsksThePresenter() {
            mouseClick(findChild(panel, "lukKnap"))
            compare(lukket.count, 1)
        }
    }
}
