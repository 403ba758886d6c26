import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The app settings, 420 wide: resetting the app after a confirmation, whether reminders
// reach the pupil (with a test reminder), and the daily backups with "Gendan" after a
// confirmation. close() asks the presenter to take the sheet away; a
// completed reset or restore closes it too.
Rectangle {
    id: root
    signal close()
    property bool visNulstilDialog: false

    implicitWidth: 420
    implicitHeight: 680

    SikkerhedskopierModel { id: kopier }
    PaamindelserModel { id: paamindelser }
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
                weight: Font.Bold
            }
            Item { Layout.fillWidth: true }
            StyledButton {
                objectName: "lukKnap"
                buttonStyle: ButtonStyle.Plain
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
                weight: Font.DemiBold
                color: Theme.secondaryText
            }
            Column {
                width: parent.width
                spacing: 8
                StyledText {
                    text: "Nulstil app"
                    size: 15
                    weight: Font.DemiBold
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
                buttonStyle: ButtonStyle.Prominent
                destructive: true
                tint: Theme.red
                symbol: "trash"
                text: "Nulstil app"
                weight: Font.DemiBold
                onClicked: root.visNulstilDialog = true
            }
        }

        Column {
            objectName: "paamindelser"
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            Layout.bottomMargin: 20
            spacing: 8
            StyledText {
                text: "Påmindelser"
                size: 12
                weight: Font.DemiBold
                color: Theme.secondaryText
                Accessible.role: Accessible.Heading
            }
            StyledText {
                objectName: "serverTekst"
                width: parent.width
                text: paamindelser.serverTekst
                size: 13
            }
            StyledText {
                objectName: "handlingerTekst"
                width: parent.width
                visible: text !== ""
                text: paamindelser.handlingerTekst
                size: 12
                color: Theme.secondaryText
            }
            StyledText {
                objectName: "naesteTekst"
                width: parent.width
                text: paamindelser.naesteTekst
                size: 12
                color: Theme.secondaryText
            }
            StyledButton {
                objectName: "proeveKnap"
                symbol: "bell"
                text: "Send en prøvepåmindelse"
                onClicked: paamindelser.sendProeve()
            }
            StyledText {
                objectName: "proeveTekst"
                width: parent.width
                visible: text !== ""
                text: paamindelser.proeveTekst
                size: 12
                color: Theme.secondaryText
                Accessible.role: Accessible.AlertMessage
            }
        }

        ColumnLayout {
            id: kopiSektion
            objectName: "sikkerhedskopier"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            Layout.bottomMargin: 12
            spacing: 8
            StyledText {
                text: "Sikkerhedskopier"
                size: 12
                weight: Font.DemiBold
                color: Theme.secondaryText
            }
            StyledText {
                visible: kopier.antal === 0
                text: "Ingen sikkerhedskopier endnu. Tavlen tager én om dagen."
                size: 12
                color: Theme.secondaryText
            }
            ListView {
                objectName: "kopiListe"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                spacing: 8
                boundsBehavior: Flickable.StopAtBounds
                model: kopier
                delegate: RowLayout {
                    id: kopiRaekke
                    required property int index
                    required property string tekst
                    required property string indhold
                    width: ListView.view.width
                    spacing: 8
                    Column {
                        Layout.fillWidth: true
                        StyledText {
                            width: parent.width
                            text: kopiRaekke.tekst
                            size: 13
                            lineLimit: 1
                        }
                        StyledText {
                            text: kopiRaekke.indhold
                            size: 11
                            color: Theme.secondaryText
                        }
                    }
                    StyledButton {
                        objectName: "gendan"
                        text: "Gendan"
                        tooltip: "Gendan kopien fra " + kopiRaekke.tekst
                        Accessible.name: "Gendan kopien fra " + kopiRaekke.tekst
                        // Through the view: qmllint takes ids from outside a delegate for unknown.
                        onClicked: kopiRaekke.ListView.view.model.vaelg(kopiRaekke.index)
                    }
                }
            }
        }
    }

    ConfirmationDialog {
        objectName: "gendanDialog"
        owner: root.Window.window
        isPresented: kopier.valgtTekst !== ""
        title: "Gendan sikkerhedskopi"
        message: "Dine nuværende fag og lektier erstattes af kopien fra " + kopier.valgtTekst + "."
        destructiveText: "Gendan"
        onConfirmed: {
            if (kopier.gendanValgt())
                root.close()
        }
        onDismissed: kopier.vaelg(-1)
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
