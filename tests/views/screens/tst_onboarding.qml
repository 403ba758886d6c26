import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Views
import Tavlen.Test

Item {
    id: root
    width: 900
    height: 600

    ContentView { id: vindue; anchors.fill: parent }

    TestCase {
        name: "Onboarding"
        when: windowShown

        readonly property int katalog: 14

        function init() {
            Fixture.reset()
            AppContext.store.harSetupFaerdig = false
            const w = root.Window.window
            if (!w.contentItem.activeFocus) {
                w.requestActivate()
                tryCompare(w.contentItem, "activeFocus", true)
            }
            tryVerify(() => flow() !== null)
        }

        function cleanup() {
            const sheet = findChild(vindue, "nytFagSheet")
            if (sheet)
                sheet.dismiss()
        }

        // What the window shows now (an item taken away may linger until deleted).
        function vist() { return findChild(vindue, "indhold").item.objectName }
        function onboarding() {
            const vises = findChild(vindue, "indhold").item
            return vises.objectName === "onboarding" ? vises : null
        }
        function flow() { return onboarding() ? onboarding().flow : null }
        function el(navn) { return findChild(onboarding(), navn) }
        function segmenter() {
            let blaa = []
            for (let i = 0; i < 4; ++i)
                blaa.push(Qt.colorEqual(el("segment" + i).color, "#3B82F6"))
            return blaa
        }
        function tilTrin(n) {
            while (flow().trin < n)
                flow().naeste()
            waitForRendering(onboarding())
        }
        function gemteNavne() { return Fixture.fag().map(f => f.navn) }

        // Opens the own-subject form and returns it once made.
        function aabnFormular() {
            mouseClick(el("egetFagKnap"))
            const sheet = findChild(vindue, "nytFagSheet")
            tryCompare(sheet, "visible", true)
            tryVerify(() => sheet.contentRoot !== null)
            return sheet.contentRoot
        }
        function tilfoejEgetFag(navn) {
            const form = aabnFormular()
            findChild(form, "navnFelt").text = navn
            mouseClick(findChild(form, "opretKnap"))
            tryCompare(findChild(vindue, "nytFagSheet"), "visible", false)
        }

        function test_theWindowShowsOnlyTheFlowUntilSetupIsFinished() {
            compare(vist(), "onboarding")
            compare(flow().trin, 0)
            tilTrin(3)
            mouseClick(el("aabnTavlenKnap"))
            compare(vist(), "hovedIndhold")
            // A reset brings a fresh flow, from the beginning.
            AppContext.store.harSetupFaerdig = false
            tryVerify(() => flow() !== null)
            compare(flow().trin, 0)
        }

        // Segments fill up to and including the step shown.
        function test_progressBar_data() {
            return [{ tag: "welcome", trin: 0, blaa: [true, false, false, false] },
                    { tag: "subjects", trin: 1, blaa: [true, true, false, false] },
                    { tag: "widget", trin: 2, blaa: [true, true, true, false] },
                    { tag: "finish", trin: 3, blaa: [true, true, true, true] }]
        }
        function test_progressBar(data) {
            tilTrin(data.trin)
            tryVerify(() => JSON.stringify(segmenter()) === JSON.stringify(data.blaa))
            compare(Fixture.unnamedControls(onboarding()), [])
        }

        function test_walkByClicks() {
            Fixture.addLektie(Fixture.addFag("Gammelt fag"), "Læs", 60)
            mouseClick(el("komIGangKnap"))
            compare(flow().trin, 1)
            waitForRendering(onboarding())
            compare(el("taeller").text, katalog + " valgt")
            mouseClick(el("fravaelgAlleKnap"))
            compare(el("taeller").text, "0 valgt")
            compare(el("fortsaetKnap").enabled, false)
            mouseClick(el("fag-Matematik"))
            compare(el("fag-Matematik").checked, true)
            compare(el("fortsaetKnap").enabled, true)
            mouseClick(el("fag-Dansk"))
            compare(el("taeller").text, "2 valgt")

            // An own subject through the form; an empty name is refused first.
            const form = aabnFormular()
            compare(findChild(form, "opretKnap").text, "Tilføj fag")
            mouseClick(findChild(form, "opretKnap"))
            compare(findChild(form, "navnFejl").visible, true)
            findChild(form, "navnFelt").text = "Musik"
            compare(findChild(form, "navnFejl").visible, false)
            findChild(form, "navnFelt").text = ""
            compare(findChild(form, "navnFejl").visible, true)
            findChild(form, "navnFelt").text = "Musik"
            waitForRendering(form)
            mouseClick(findChild(form, "ikon-music.note"))
            mouseClick(findChild(form, "opretKnap"))
            tryCompare(findChild(vindue, "nytFagSheet"), "visible", false)
            compare(el("taeller").text, "3 valgt")
            compare(Fixture.fag().length, 1) // nothing stored before the end

            mouseClick(el("fortsaetKnap"))
            compare(flow().trin, 2)
            mouseClick(el("galleriKnap"))
            compare(flow().trin, 2)
            mouseClick(el("springOverKnap"))
            compare(flow().trin, 3)
            mouseClick(el("aabnTavlenKnap"))

            compare(gemteNavne(), ["Dansk", "Matematik", "Musik"])
            compare(Fixture.fag()[2].ikonNavn, "music.note")
            compare(AppContext.store.harSetupFaerdig, true)
            compare(Fixture.lektier().length, 1)
        }

        function test_everyStepReadsOnItsBackground_data() {
            return [{ tag: "light", dark: false }, { tag: "dark", dark: true }]
        }
        function test_everyStepReadsOnItsBackground(data) {
            Fixture.setDark(data.dark)
            for (let trin = 0; trin < 4; ++trin) {
                tilTrin(trin)
                waitForRendering(onboarding())
                compare(Fixture.lowContrastTexts(onboarding()), [], "step " + trin)
            }
        }

        function test_walkByKeys() {
            keyClick(Qt.Key_Return)
            compare(flow().trin, 1)
            keyClick(Qt.Key_Tab)
            compare(root.Window.activeFocusItem, el("fag-Dansk"))
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Right)
            compare(root.Window.activeFocusItem, el("fag-Historie"))
            keyClick(Qt.Key_Down)
            compare(root.Window.activeFocusItem, el("fag-Samfundsfag"))
            keyClick(Qt.Key_Space)
            compare(el("taeller").text, (katalog - 2) + " valgt")
            compare(el("fag-Samfundsfag").Accessible.checked, false)
            // Return presses the focused tile, not the step's "Fortsæt".
            keyClick(Qt.Key_Return)
            compare(el("taeller").text, (katalog - 1) + " valgt")
            compare(flow().trin, 1)
            keyClick(Qt.Key_Space)
            for (let i = 0; i < 40 && root.Window.activeFocusItem !== el("fortsaetKnap"); ++i)
                keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Return)
            compare(flow().trin, 2)
            keyClick(Qt.Key_Return)
            compare(flow().trin, 3)
            keyClick(Qt.Key_Return)
            compare(vist(), "hovedIndhold")
            compare(Fixture.fag().length, katalog - 2)
            verify(!gemteNavne().includes("Dansk"))
            verify(!gemteNavne().includes("Samfundsfag"))
        }

        function test_ownSubjectsAreRemovedByTheirMark() {
            tilTrin(1)
            tilfoejEgetFag("Kor")
            tilfoejEgetFag("Kor")
            compare(el("taeller").text, (katalog + 2) + " valgt")
            waitForRendering(onboarding())
            let fliser = []
            const gitter = findChild(onboarding(), "fagGitter")
            for (let n = 0; n < gitter.children.length; ++n) {
                const f = gitter.children[n]
                if (f.objectName.startsWith("eget-"))
                    fliser.push(f)
            }
            compare(fliser.length, 2)
            verify(fliser[0].objectName !== fliser[1].objectName)
            findChild(onboarding(), "fagRulle").ensureVisible(fliser[1])
            waitForRendering(onboarding())
            mouseClick(findChild(fliser[1], "fjernKnap"))
            compare(el("taeller").text, (katalog + 1) + " valgt")
            compare(Fixture.unnamedControls(onboarding()), [])
        }

        // The measurements are the rule's test; here the indicator follows the area.
        function test_widgetIndicatorFollowsTheScroll() {
            tilTrin(2)
            const rulle = el("widgetRulle")
            const indikator = el("rulleIndikator")
            tryCompare(indikator, "opacity", 1)
            rulle.contentY = rulle.contentHeight - rulle.height
            tryCompare(findChild(indikator, "greb"), "y", 92)
        }
    }
}
