import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The subject choice: the catalogue's subjects to tick, own subjects made with a small
// form, and "Fortsæt" once anything is chosen. Nothing is stored here; the flow holds it.
ColumnLayout {
    id: trin
    required property OnboardingModel flow
    property bool visNytFagSheet: false

    spacing: 16

    Column {
        Layout.fillWidth: true
        spacing: 6
        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Vælg dine fag"
            size: 24
            weight: Font.Bold
        }
        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Vælg de fag du har — du kan altid tilføje flere senere"
            size: 13
            color: Theme.secondaryText
        }
    }

    ScrollArea {
        id: rulle
        objectName: "fagRulle"
        Layout.fillWidth: true
        Layout.leftMargin: 50
        Layout.rightMargin: 50
        Layout.preferredHeight: Math.min(310, contentHeight)
        margins: 4

        OnboardingFagGitter {
            objectName: "fagGitter"
            // Clear of the scroll bar, which would take the clicks on the remove marks.
            width: parent.width - rulle.indicatorWidth
            flow: trin.flow
            onEgetFag: trin.visNytFagSheet = true
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 50
        Layout.rightMargin: 50
        spacing: 12
        StyledButton {
            objectName: "vaelgAlleKnap"
            text: "Vælg alle"
            onClicked: trin.flow.vaelgAlle()
        }
        StyledButton {
            objectName: "fravaelgAlleKnap"
            text: "Fravælg alle"
            onClicked: trin.flow.fravaelgAlle()
        }
        Item { Layout.fillWidth: true }
        StyledText {
            objectName: "taeller"
            text: trin.flow.taellerTekst
            size: 13
            color: Theme.secondaryText
        }
        StyledButton {
            objectName: "fortsaetKnap"
            buttonStyle: ButtonStyle.Prominent
            tint: Theme.accent
            text: "Fortsæt"
            size: 14
            weight: Font.DemiBold
            labelWidth: 110
            verticalPadding: 6
            enabled: trin.flow.kanFortsaette
            isDefault: true
            onClicked: trin.flow.naeste()
        }
    }

    Sheet {
        objectName: "nytFagSheet"
        owner: trin.Window.window
        width: 380
        height: 560
        isPresented: trin.visNytFagSheet
        onDismissed: trin.visNytFagSheet = false
        content: Component { OnboardingNytFagView {} }
        // Joined here: qmllint takes ids used inside the content's component for unknown.
        onContentRootChanged: {
            if (!contentRoot)
                return
            contentRoot.close.connect(() => trin.visNytFagSheet = false)
            contentRoot.oprettet.connect(fag => trin.flow.tilfoejEgetFag(fag))
        }
    }
}
