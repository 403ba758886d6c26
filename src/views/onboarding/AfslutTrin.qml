import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The finish: a few tips, and "Åbn Tavlen", which ends the flow.
Column {
    id: trin
    required property OnboardingModel flow

    spacing: 24
    leftPadding: 60
    rightPadding: 60

    Circle {
        anchors.horizontalCenter: parent.horizontalCenter
        diameter: 90
        color: Theme.withOpacity(Theme.green, 0.12)
        SymbolIcon {
            anchors.centerIn: parent
            name: "checkmark.circle.fill"
            size: 50
            color: Theme.green
        }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 10
        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Klar til brug!"
            size: 26
            weight: Font.Bold
        }
        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Du er nu klar til at notere dine lektier."
            size: 14
            color: Theme.secondaryText
        }
    }

    RoundedBox {
        anchors.horizontalCenter: parent.horizontalCenter
        width: tips.implicitWidth + 36
        height: tips.implicitHeight + 36
        cornerRadius: 12
        color: Theme.controlBackground
        Column {
            id: tips
            x: 18
            y: 18
            spacing: 12
            Repeater {
                model: [
                    "Tryk på + for at tilføje en ny lektie",
                    "Vælg fag, skriv titel og vælg afleveringsdato",
                    "Tilføj links og beskrivelse til lektien",
                    "Klik på bogen i menulinjen øverst for hurtig adgang",
                    "Marker en lektie som færdig med hak-ikonet"
                ]
                delegate: GuideRaekke {
                    required property int index
                    required property string modelData
                    nummer: String(index + 1)
                    tekst: modelData
                }
            }
        }
    }

    StyledButton {
        objectName: "aabnTavlenKnap"
        anchors.horizontalCenter: parent.horizontalCenter
        buttonStyle: ButtonStyle.Prominent
        tint: Theme.accent
        text: "Åbn Tavlen"
        size: 15
        weight: Font.DemiBold
        labelWidth: 200
        verticalPadding: 10
        isDefault: true
        focus: true
        onClicked: trin.flow.afslut()
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 4
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "heart.fill"
            size: 10
            color: Theme.red
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: "Lavet med omhu af Tavlen-holdet"
            size: 11
            color: Theme.secondaryText
        }
    }
}
