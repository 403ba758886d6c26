import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The app settings, 420 × 240: resetting the app after a confirmation. close() asks the
// presenter to take the sheet away; a completed reset closes it too.
Rectangle {
    id: root
    signal close()
    property bool visNulstilDialog: false

    implicitWidth: 420
    implicitHeight: 240
    color: Theme.windowBackground

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 20
            StyledText {
                text: "Indstillinger"
                size: 18
                weight: "bold"
            }
            Item { Layout.fillWidth: true }
            StyledButton {
                objectName: "lukKnap"
                buttonStyle: "plain"
                symbol: "xmark.circle.fill"
                symbolSize: 20
                foreground: Theme.secondaryText
                tooltip: "Luk"
                onClicked: root.close()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.separator
        }

        Column {
            Layout.fillWidth: true
            Layout.margins: 20
            spacing: 14
            StyledText {
                text: "App"
                size: 12
                weight: "semibold"
                color: Theme.secondaryText
            }
            Column {
                width: parent.width
                spacing: 8
                StyledText {
                    text: "Nulstil app"
                    size: 15
                    weight: "semibold"
                }
                StyledText {
                    width: parent.width
                    text: "Sletter alle fag, lektier og onboarding-data, så appen starter som en helt ny installation."
                    size: 12
                    color: Theme.secondaryText
                }
            }
            StyledButton {
                objectName: "nulstilKnap"
                buttonStyle: "prominent"
                destructive: true
                tint: Theme.hex("EF4444")
                symbol: "trash"
                text: "Nulstil app"
                weight: "semibold"
                onClicked: root.visNulstilDialog = true
            }
        }

        Item { Layout.fillHeight: true }
    }

    ConfirmationDialog {
        objectName: "nulstilDialog"
        owner: root.Window.window
        isPresented: root.visNulstilDialog
        title: "Nulstil app"
        message: "Alle fag, lektier og din nuværende opsætning bliver slettet. Handlingen kan ikke fortrydes."
        destructiveText: "Nulstil app"
        onConfirmed: {
            AppContext.store.nulstilApp()
            root.close()
        }
        onDismissed: root.visNulstilDialog = false
    }
}
