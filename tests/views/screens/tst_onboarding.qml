import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Toolkit
import Tavlen.Views
import Tavlen.Test

Item {
    id: root
    width: 900
    height: 600

    ContentView { id: vindue; anchors.fill: parent }

    ScreenCase {
        name: "Onboarding"

        readonly property int katalog: 14

        function init() {
            start()
            AppContext.store.harSetupFaerdig = false
            tryVerify(() => flow() !== null)
        }
        function cleanup() {
            const sheet = findChild(vindue, "nytFagSheet")
            if (sheet)
                sheet.dismiss()
        }

        // What the window shows now (an item taken away may linger until deleted).
        function vist() { return findChild(vindue, "indhold").item }
        function onboarding() { return vist().objectName === "onboarding" ? vist() : null }
        function flow() { return onboarding() ? onboarding().flow : null }
        function el(navn) { return findChild(onboarding(), navn) }
        function taeller() { return el("taeller").text }
        function navne() { return Fixture.fag().map(f => f.navn) }
        function tilTrin(n) {
            while (flow().trin < n)
                flow().naeste()
            waitForRendering(onboarding())
        }
        function tilfoejEgetFag(navn, ikon) {
            const sheet = klikTil(el("egetFagKnap"), findChild(vindue, "nytFagSheet"))
            tryVerify(() => sheet.contentRoot !== null)
            findChild(sheet.contentRoot, "navnFelt").text = navn
            if (ikon) {
                waitForRendering(sheet.contentRoot)
                mouseClick(findChild(sheet.contentRoot, "ikon-" + ikon))
            }
            klikTil(findChild(sheet.contentRoot, "opretKnap"), sheet, false)
        }

        // Each step in both appearances: the progress bar is filled up to and including it,
        // every control has a name and every text reads.
        function test_everyStep_data() { return lysOgMoerk }
        function test_everyStep(data) {
            Fixture.setDark(data.dark)
            for (let trin = 0; trin < 4; ++trin) {
                tilTrin(trin)
                const fyldt = () => [0, 1, 2, 3].map(i => Qt.colorEqual(el("segment" + i).color,
                                                                        Theme.accent) === i <= trin)
                tryVerify(() => !fyldt().includes(false), 1000, "step " + trin)
                tilgaengelig(onboarding())
            }
        }

        // Through the flow by keys and clicks: Return presses the step's button, or the
        // focused tile rather than "Fortsæt". Nothing is stored before the end; then the
        // chosen subjects take the old ones' place, the homework stays, and a reset brings
        // a fresh flow.
        function test_walk() {
            Fixture.addLektie(Fixture.addFag("Gammelt fag"), "Læs", 60)
            keyClick(Qt.Key_Return)
            compare(flow().trin, 1)
            compare(taeller(), katalog + " valgt")
            keyClick(Qt.Key_Tab)
            compare(root.Window.activeFocusItem, el("fag-Dansk"))
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_Right)
            compare(root.Window.activeFocusItem, el("fag-Historie"))
            keyClick(Qt.Key_Down)
            compare(root.Window.activeFocusItem, el("fag-Samfundsfag"))
            keyClick(Qt.Key_Return)
            compare(taeller(), (katalog - 2) + " valgt")
            compare(el("fag-Samfundsfag").Accessible.checked, false)
            compare(flow().trin, 1)
            mouseClick(el("fravaelgAlleKnap"))
            compare(taeller(), "0 valgt")
            compare(el("fortsaetKnap").enabled, false)
            mouseClick(el("fag-Matematik"))
            compare(el("fortsaetKnap").enabled, true)
            tilfoejEgetFag("Musik", "music.note")
            compare(taeller(), "2 valgt")
            compare(navne(), ["Gammelt fag"])
            aktiver()
            for (let i = 0; i < 40 && root.Window.activeFocusItem !== el("fortsaetKnap"); ++i)
                keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Return)
            compare(flow().trin, 2)
            mouseClick(el("galleriKnap"))
            compare(flow().trin, 2)
            mouseClick(el("springOverKnap"))
            compare(flow().trin, 3)
            aktiver()
            keyClick(Qt.Key_Return)
            compare(vist().objectName, "hovedIndhold")
            compare(navne(), ["Matematik", "Musik"])
            compare(Fixture.fag()[1].ikonNavn, "music.note")
            compare(Fixture.lektier().length, 1)
            AppContext.store.harSetupFaerdig = false
            tryVerify(() => flow() !== null)
            compare(flow().trin, 0)
        }

        // Own subjects are tiles of their own, removed by their mark; "Vælg alle" keeps them.
        function test_ownSubjects() {
            tilTrin(1)
            tilfoejEgetFag("Kor")
            tilfoejEgetFag("Kor")
            compare(taeller(), (katalog + 2) + " valgt")
            waitForRendering(onboarding())
            const fliser = Array.from(el("fagGitter").children).filter(c => c.objectName.startsWith("eget-"))
            compare(fliser.length, 2)
            verify(fliser[0].objectName !== fliser[1].objectName)
            compare(Fixture.unnamedControls(onboarding()), [])
            el("fagRulle").ensureVisible(fliser[1])
            waitForRendering(onboarding())
            mouseClick(findChild(fliser[1], "fjernKnap"))
            compare(taeller(), (katalog + 1) + " valgt")
            el("fravaelgAlleKnap").clicked()
            el("vaelgAlleKnap").clicked()
            compare(taeller(), (katalog + 1) + " valgt")
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
