import QtQuick
import Tavlen.Toolkit

// A symbol icon from its key at a point size, tinted:
//   SymbolIcon { name: "checkmark.circle.fill"; size: 20; color: Theme.green }
// The icon font has a single weight; `weight` is accepted so screens can state theirs.
Text {
    id: icon
    property string name: ""
    property real size: 13
    property int weight: Font.Normal

    // A Material glyph fills its em square; at this ratio it matches a text glyph of the
    // same point size next to it.
    readonly property real glyphScale: 1.2

    text: Symbols.glyphOf(name)
    font.family: Symbols.family
    font.pixelSize: Math.max(1, Math.round(size * glyphScale))
    color: Theme.primaryText
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    textFormat: Text.PlainText
    Accessible.ignored: true // decoration: the control around it carries the name
}
