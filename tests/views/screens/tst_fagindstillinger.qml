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

    ScreenCase {
        name: "FagIndstillinger"

        readonly property var popover: findChild(panel, "nytFagPopover")

        function init() {
            start()
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
        function i(navn) { return findChild(popover.contentRoot || popover.contentItem, navn) }
        function aabnFormular(knap) {
            if (knap)
                knap.press() // shown on hover only
            else
                mouseClick(findChild(panel, "nytFagKnap"))
            tryCompare(popover, "active", true)
            tryVerify(() => popover.contentRoot !== null)
            tryCompare(i("navnFelt"), "activeFocus", true)
        }

        // The list with a light subject, and the form with its name's error.
        function test_everyControlNamedEveryTextReadable_data() { return lysOgMoerk }
        function test_everyControlNamedEveryTextReadable(data) {
            Fixture.setDark(data.dark)
            Fixture.addLektie(Fixture.addFag("Idræt", "figure.run", "FACC15"), "Løb", 60)
            waitForRendering(panel)
            tilgaengelig(panel)
            aabnFormular()
            mouseClick(i("opretKnap"))
            waitForRendering(popover.contentItem)
            tilgaengelig(popover.contentRoot)
        }

        // The badge counts a subject's open homework; the empty note shows without subjects.
        function test_badgeAndEmptyState() {
            verify(findChild(panel, "tomTilstand").visible)
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", 60)
            Fixture.addLektie(dansk, "Læst", 60, "", [], true)
            Fixture.addFag("Tysk")
            compare(findChild(raekke(0), "antalTekst").text, "1")
            verify(!findChild(raekke(1), "antal").visible)
            verify(!findChild(panel, "tomTilstand").visible)
        }

        // Tab from "Luk" reaches every row's buttons; "Luk" asks the presenter to close.
        function test_tabAndClose() {
            Fixture.addFag("Dansk")
            Fixture.addFag("Tysk")
            const raekker = [raekke(0), raekke(1)] // made before the keys walk them
            findChild(panel, "lukKnap").forceActiveFocus(Qt.TabFocusReason)
            for (const r of raekker) {
                for (const navn of ["rediger", "slet"]) {
                    keyClick(Qt.Key_Tab)
                    compare(panel.Window.activeFocusItem, findChild(r, navn))
                }
            }
            mouseClick(findChild(panel, "lukKnap"))
            compare(lukket.count, 1)
        }

        // An empty name is marked until something is typed, and spaces are a name; arrows
        // move between the icons and Space picks, as in every grid.
        function test_aNewSubject() {
            aabnFormular()
            keyClick(Qt.Key_Return)
            verify(i("navnFejl").visible)
            verify(i("navnFelt").invalid)
            compare(Fixture.fag().length, 0)
            verify(popover.visible)
            for (let n = 0; n < 3; ++n)
                keyClick(Qt.Key_Space)
            verify(!i("navnFejl").visible)
            verify(!i("navnFelt").invalid)
            keyClick(Qt.Key_Tab)
            compare(popover.activeFocusItem, i("ikon-book.fill"))
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Down)
            compare(popover.activeFocusItem, i("ikon-figure.run"))
            keyClick(Qt.Key_Space)
            i("farve-EC4899").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            klikTil(i("opretKnap"), popover, false)
            compare(panel.visNytFag, false)
            compare(Fixture.fag().length, 1)
            compare(Fixture.fag()[0].navn, "   ")
            compare(Fixture.fag()[0].ikonNavn, "figure.run")
            compare(Fixture.fag()[0].farveHex, "EC4899")
        }

        // "Rediger" on a row fills the form from the subject; saving keeps its id, so its
        // homework stays with it.
        function test_aSubjectIsEditedInPlace() {
            const dansk = Fixture.addFag("Dansk", "book.fill", "E8704A")
            Fixture.addFag("Fysik")
            Fixture.addLektie(dansk, "Læs", 60)
            aabnFormular(findChild(raekke(0), "rediger"))
            compare(i("navnFelt").text, "Dansk")
            verify(i("farve-E8704A").checked)
            i("navnFelt").text = "Dansk A"
            i("farve-EC4899").press()
            klikTil(i("opretKnap"), popover, false)
            compare(Fixture.fag().length, 2)
            compare(Fixture.fag()[0].id, dansk)
            compare(Fixture.fag()[0].navn, "Dansk A")
            compare(Fixture.fag()[0].farveHex, "EC4899")
            compare(Fixture.fag()[0].ikonNavn, "book.fill")
            compare(Fixture.lektier()[0].fagId, dansk)
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

        // What a deletion takes with it is the store's test; here the dialog decides.
        function test_deletion_data() {
            return [{ tag: "confirmed", knap: "destructiveButton", fag: [] },
                    { tag: "cancelled", knap: "cancelButton", fag: ["Dansk"] }]
        }
        function test_deletion(data) {
            Fixture.addFag("Dansk")
            const dialog = klikTil(findChild(raekke(0), "slet"), findChild(panel, "sletDialog"))
            compare(findChild(dialog.contentItem, "destructiveButton").text,
                    "Slet \"Dansk\" og alle lektier")
            klikTil(findChild(dialog.contentItem, data.knap), dialog, false)
            compare(Fixture.fag().map(f => f.navn), data.fag)
            tryCompare(findChild(panel, "tomTilstand"), "visible", data.fag.length === 0)
        }
    }
}
