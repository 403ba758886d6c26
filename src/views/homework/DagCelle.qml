import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// One day of the calendar grid: the number in its colour on its background; days of the
// neighbouring months are greyed out and cannot be chosen.
Item {
    id: celle
    required property int index
    required property int dag
    required property bool erDenneMaaned
    required property bool erValgt
    required property bool erIDag
    required property bool kanVaelges
    required property int tekstFarve
    required property string navn
    property color accentFarve: Theme.accent
    // What the calendar is drawn on, for its coloured numbers to read on.
    readonly property color grund: Theme.withOpacity(Theme.controlBackground, 0.6)
    property KalenderModel kalender: null
    signal tapped()

    implicitHeight: 34
    objectName: "dag" + index
    enabled: kanVaelges
    Accessible.role: Accessible.Button
    Accessible.name: navn
    Accessible.checkable: true
    Accessible.checked: erValgt
    Accessible.onPressAction: tapped()

    readonly property int baggrund: kalender ? kalender.baggrund(erValgt, hover.hovered,
                                                                 erDenneMaaned) : 2

    RoundedBox {
        anchors.fill: parent
        cornerRadius: 8
        color: celle.baggrund === 0 ? Theme.fillFor(celle.accentFarve, Theme.white)
             : celle.baggrund === 1 ? Theme.withOpacity(Theme.primaryText, 0.08)
             : "transparent"
        border.width: celle.erIDag && !celle.erValgt ? 1.5 : 0
        border.color: Theme.withOpacity(celle.accentFarve, 0.5)
        Behavior on color { ColorAnimation { duration: Motion.duration(0.1) } }
    }

    StyledText {
        anchors.centerIn: parent
        text: celle.dag
        size: 13
        weight: celle.erValgt || celle.erIDag ? Font.Bold : Font.Normal
        color: celle.tekstFarve === 0 ? Theme.white
             : celle.tekstFarve === 1 ? Theme.withOpacity(Theme.secondaryText, 0.35)
             : celle.tekstFarve === 2 ? Theme.readable(celle.accentFarve, celle.grund)
             : celle.tekstFarve === 3 ? Theme.readable(Theme.withOpacity(celle.accentFarve, 0.8),
                                                       celle.grund)
             : Theme.primaryText
        Accessible.ignored: true
    }

    HoverHandler { id: hover }
    TapHandler { onTapped: celle.tapped() }
}
