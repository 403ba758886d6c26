import QtQuick
import Tavlen.Toolkit

// System text at a point size and weight, optionally rounded, with line limit, truncation,
// strike-through and shrinking; always plain text, never read as markup (TruncatedText
// adds the whole text in a tooltip when it is cut off):
//   StyledText { text: lektie.titel; size: 14; weight: Font.Medium; lineLimit: 1
//                truncation: "end"; strikethrough: lektie.erFaerdig; minimumScale: 0.8 }
Text {
    property real size: 13
    property int weight: Font.Normal
    property bool rounded: false
    property int lineLimit: 0           // 0: no limit
    property string truncation: "end"   // end | middle | none
    property bool strikethrough: false
    property real minimumScale: 1.0     // shrink down to this fraction to fit

    font.family: rounded ? Typography.roundedFamily : Typography.systemFamily
    font.pixelSize: Math.max(1, Math.round(size))
    font.weight: weight
    font.strikeout: strikethrough
    color: Theme.primaryText
    textFormat: Text.PlainText
    // When it may shrink, it shrinks before it would break a word.
    wrapMode: lineLimit === 1 ? Text.NoWrap : minimumScale < 1 ? Text.WordWrap : Text.Wrap
    maximumLineCount: lineLimit > 0 ? lineLimit : 2147483647
    elide: truncation === "middle" ? Text.ElideMiddle
         : truncation === "none" ? Text.ElideNone : Text.ElideRight
    fontSizeMode: minimumScale < 1 ? Text.Fit : Text.FixedSize
    minimumPixelSize: Math.max(1, Math.floor(size * minimumScale))
    // Qt Quick leaves plain text out of the accessibility tree; screen readers need it.
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
