import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Test

// What every screen test stands on: the fixture afresh, the keys on this window, and the
// checks that each control has a name and each text reads on what is drawn behind it.
TestCase {
    when: windowShown

    readonly property int dag: 24 * 60
    readonly property var lysOgMoerk: [{ tag: "light", dark: false }, { tag: "dark", dark: true }]

    function start() {
        Fixture.reset()
        aktiver()
    }
    // Keys go to the focused window, which a closed pop-over or sheet may have left empty.
    function aktiver() {
        const w = Window.window
        w.requestActivate()
        tryCompare(w, "active", true)
        tryCompare(w.contentItem, "activeFocus", true)
    }
    function tilgaengelig(item) {
        compare(Fixture.unnamedControls(item), [])
        compare(Fixture.lowContrastTexts(item), [])
    }
    // A click on `item`, then `vindue` (a sheet, pop-over or dialog) shown, or gone.
    function klikTil(item, vindue, synlig = true) {
        mouseClick(item)
        tryCompare(vindue, "visible", synlig)
        return vindue
    }
    // Closed as Escape closes it.
    function dismiss(vindue) {
        vindue.dismiss()
        tryCompare(vindue, "visible", false)
    }
    // Every item under `item` with the object name, made and drawn or not.
    function alle(item, navn) {
        let fundet = []
        for (let i = 0; i < item.children.length; ++i) {
            const c = item.children[i]
            fundet = fundet.concat(c.objectName === navn ? [c] : [], alle(c, navn))
        }
        return fundet
    }
}
