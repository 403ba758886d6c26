import QtQuick
import Tavlen.Toolkit

// A form section's heading: an icon and a text, small and secondary.
Row {
    property string ikon: ""
    property string tekst: ""
    spacing: 5
    SymbolIcon {
        anchors.verticalCenter: parent.verticalCenter
        name: parent.ikon
        size: 12
        color: Theme.secondaryText
    }
    StyledText {
        anchors.verticalCenter: parent.verticalCenter
        text: parent.tekst
        size: 12
        weight: Font.DemiBold
        color: Theme.secondaryText
        Accessible.role: Accessible.Heading
    }
}
