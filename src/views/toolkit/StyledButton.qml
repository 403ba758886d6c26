import QtQuick
import Tavlen.Toolkit

// Buttons in the three styles, with destructive role, disabled state and the form's keyboard
// equivalents (a default button takes Return unless another button has the focus):
//   StyledButton { buttonStyle: ButtonStyle.Prominent; tint: Theme.hex(valgtFarve)
//                  symbol: "plus.circle.fill"; text: "Opret fag"; weight: Font.DemiBold
//                  enabled: navnErGyldigt; isDefault: true; onClicked: opret() }
//   StyledButton { text: "Annuller"; isCancel: true; onClicked: close() }
//   StyledButton { buttonStyle: ButtonStyle.Plain; symbol: "trash"; foreground: Theme.withOpacity(Theme.red, 0.7)
//                  tooltip: "Slet" }
ButtonBase {
    id: control

    property int buttonStyle: ButtonStyle.Bordered
    property bool destructive: false
    property color tint: destructive ? Theme.red : Theme.accent
    property color foreground: buttonStyle === ButtonStyle.Prominent ? Theme.white
                               : destructive ? Theme.red : Theme.primaryText
    property string symbol: ""
    property real size: 13
    property real symbolSize: size
    property color symbolColor: foreground
    property int weight: Font.Normal
    property bool isDefault: false   // Return triggers it
    property bool isCancel: false    // Escape triggers it

    readonly property bool chrome: buttonStyle !== ButtonStyle.Plain
    // A sheet or pop-over that handles Escape itself; then the key is not ours too.
    readonly property var hostWindow: Window.window
    readonly property bool escapeTakenByWindow: hostWindow !== null && hostWindow.ownsEscape === true

    // The label's width when the layout fixes it; the label then sits centred in it.
    property real labelWidth: 0
    horizontalPadding: (chrome ? 12 : 0)
                       + (labelWidth > 0 ? Math.max(0, (labelWidth - implicitContentWidth) / 2) : 0)
    verticalPadding: chrome ? 5 : 0
    opacity: enabled ? 1 : 0.4
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    contentItem: Row {
        spacing: 6
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            visible: control.symbol !== ""
            name: control.symbol
            size: control.symbolSize
            color: control.symbolColor
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            visible: control.text !== ""
            text: control.text
            size: control.size
            weight: control.weight
            color: control.foreground
            lineLimit: 1
        }
    }

    background: Rectangle {
        visible: control.chrome
        implicitHeight: 24
        radius: 6
        antialiasing: true
        // A light tint is darkened just enough for its label; hover and press darken more.
        readonly property color fill: Theme.fillFor(control.tint, control.foreground)
        color: {
            if (control.buttonStyle === ButtonStyle.Prominent)
                return control.down ? Qt.darker(fill, 1.15)
                     : control.hovered ? Qt.darker(fill, 1.06) : fill
            return control.down ? Theme.withOpacity(Theme.primaryText, 0.12)
                                : Theme.controlBackground
        }
        border.width: control.buttonStyle === ButtonStyle.Bordered ? 1 : 0
        border.color: Theme.withOpacity(Theme.primaryText, 0.18)
    }

    // Plain buttons show their hover by a faint wash, since they have no chrome to change.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -2
        radius: 4
        visible: !control.chrome && control.hovered && control.enabled
        color: Theme.withOpacity(Theme.primaryText, 0.06)
        z: -1
    }

    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: control.isDefault && control.enabled && control.visible
        onActivated: control.clicked()
    }
    Shortcut {
        sequence: "Escape"
        enabled: control.isCancel && control.enabled && control.visible
                 && !control.escapeTakenByWindow
        onActivated: control.clicked()
    }
}
