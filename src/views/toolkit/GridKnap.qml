import QtQuick
import Tavlen.Toolkit

// A button in a grid of equal buttons: the arrow keys move the focus within its grid
// (left and right one cell, up and down one row of `kolonner`), along the focus chain,
// which runs through the cells in grid order, and stop at the grid's edge.
ButtonBase {
    id: knap
    property int kolonner: 1
    // A list whose selection follows the arrows: landing on the button presses it.
    property bool klikVedPil: false

    // The grid whose cells the arrows walk; a cell made by a Loader names it.
    property Item gitter: parent

    function iGitter(item) {
        for (let p = item.parent; p; p = p.parent) {
            if (p === gitter)
                return true
        }
        return false
    }

    // Counts only the grid's cells; a control inside a cell (a remove mark) is passed over.
    function flyt(trin) {
        let maal = knap
        let tilbage = Math.abs(trin)
        while (tilbage > 0) {
            maal = maal.nextItemInFocusChain(trin > 0)
            if (!maal || maal === knap || !iGitter(maal))
                return
            if (maal.gitter === gitter)
                --tilbage
        }
        QtProperties.focusByTab(maal)
        if (maal.klikVedPil)
            maal.clicked()
    }
    Keys.onLeftPressed: flyt(-1)
    Keys.onRightPressed: flyt(1)
    Keys.onUpPressed: flyt(-kolonner)
    Keys.onDownPressed: flyt(kolonner)
}
