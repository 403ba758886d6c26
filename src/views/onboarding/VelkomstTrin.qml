import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The welcome: what Tavlen does, and "Kom i gang".
Column {
    id: trin
    required property OnboardingModel flow

    spacing: 32
    leftPadding: 60
    rightPadding: 60
    readonly property real indre: width - leftPadding - rightPadding

    RoundedBox {
        anchors.horizontalCenter: parent.horizontalCenter
        width: 96
        height: 96
        cornerRadius: 24
        color: Theme.withOpacity(Theme.accent, 0.15)
        SymbolIcon {
            anchors.centerIn: parent
            name: "book.closed.fill"
            size: 46
            color: Theme.accent
        }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 10
        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Velkommen til Tavlen"
            size: 30
            weight: Font.Bold
        }
        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Din personlige lektieassistent"
            size: 15
            color: Theme.secondaryText
        }
    }

    Column {
        x: trin.leftPadding + 40
        width: trin.indre - 80
        spacing: 20
        FeatureRaekke {
            width: parent.width
            ikon: "tray.full.fill"
            farve: "3B82F6"
            titel: "Hold styr på lektierne"
            tekst: "Se alle dine lektier sorteret efter deadline"
        }
        FeatureRaekke {
            width: parent.width
            ikon: "menubar.rectangle"
            farve: "6366F1"
            titel: "Hurtig adgang fra menulinjen"
            tekst: "Tjek kommende lektier med ét klik øverst på skærmen"
        }
        FeatureRaekke {
            width: parent.width
            ikon: "rectangle.3.group"
            farve: "10B981"
            titel: "Widget på skrivebordet"
            tekst: "Se næste lektie direkte fra dit skrivebord"
        }
    }

    StyledButton {
        objectName: "komIGangKnap"
        anchors.horizontalCenter: parent.horizontalCenter
        buttonStyle: ButtonStyle.Prominent
        tint: Theme.accent
        text: "Kom i gang"
        size: 15
        weight: Font.DemiBold
        labelWidth: 240
        verticalPadding: 12
        isDefault: true
        focus: true
        onClicked: trin.flow.naeste()
    }
}
