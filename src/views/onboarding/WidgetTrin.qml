import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The widget guide: how to put Tavlen's widget on the desktop, shown on two mock-ups with
// fixed sample texts. Its content scrolls under a small indicator of its own.
ColumnLayout {
    id: trin
    required property OnboardingModel flow

    // The mock-ups are always dark, whatever the window is, so their texts are light.
    readonly property color mockTekst: Theme.white
    readonly property color mockSekundaer: Theme.withOpacity(Theme.white, 0.55)

    implicitHeight: rulle.contentHeight + spacing + knapper.implicitHeight
    spacing: 18

    WidgetScrollModel {
        id: maaling
        scrollOffset: rulle.contentY
        viewportHeight: rulle.height
        contentHeight: rulle.contentHeight
    }

    component Overskrift: Row {
        property string tekst: ""
        property real stoerrelse: 11
        spacing: 4
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "book.closed.fill"
            size: 11
            color: Theme.accent
        }
        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: "Lektier"
            size: 11
            weight: Font.Bold
            color: Theme.white
        }
    }

    component Vaerdi: RowLayout {
        property string label: ""
        property string vaerdi: ""
        StyledText { text: parent.label; size: 10; color: Theme.withOpacity(Theme.white, 0.55) }
        Item { Layout.fillWidth: true }
        StyledText { text: parent.vaerdi; size: 11; weight: Font.Bold; color: Theme.white }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.leftMargin: 50
        Layout.rightMargin: 50
        spacing: 12

        ScrollArea {
            id: rulle
            objectName: "widgetRulle"
            Layout.fillWidth: true
            Layout.fillHeight: true
            indicatorsShown: false
            spacing: 24
            topPadding: 8
            bottomPadding: 4

            RoundedBox {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 96
                height: 96
                cornerRadius: 24
                color: Theme.withOpacity(Theme.indigo, 0.15)
                SymbolIcon {
                    anchors.centerIn: parent
                    name: "rectangle.3.group.fill"
                    size: 42
                    color: Theme.indigo
                }
            }

            Column {
                width: parent.width
                spacing: 8
                StyledText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "Tilføj Tavlen-widget"
                    size: 26
                    weight: Font.Bold
                }
                StyledText {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: "Få overblik over dine lektier direkte fra dit skrivebord"
                    size: 14
                    color: Theme.secondaryText
                }
                Capsule {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: beta.implicitWidth + 20
                    height: beta.implicitHeight + 10
                    color: Theme.withOpacity(Theme.indigo, 0.14)
                    StyledText {
                        id: beta
                        anchors.centerIn: parent
                        text: "Beta-funktion"
                        size: 11
                        weight: Font.DemiBold
                        color: Theme.readable(Theme.indigo, Theme.withOpacity(Theme.indigo, 0.14))
                    }
                }
                Column {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: Math.min(430, parent.width)
                    topPadding: 6
                    StyledText {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: "Knappen til widget-galleri er midlertidigt utilgængelig."
                        size: 12
                        weight: Font.DemiBold
                        color: Theme.readable(Theme.amber, Theme.windowBackground)
                    }
                    StyledText {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: "Widget-galleriet kan ikke åbnes fra appen endnu. Funktionen er stadig under udvikling."
                        size: 12
                        color: Theme.secondaryText
                    }
                }
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 14

                WidgetPreview {
                    titel: "Lille"
                    bredde: 130
                    hoejde: 130
                    ColumnLayout {
                        anchors.fill: parent
                        anchors.margins: 12
                        spacing: 2
                        Overskrift {}
                        Item { Layout.fillHeight: true }
                        StyledText {
                            Layout.fillWidth: true
                            text: "Læs side 42-60"
                            size: 13
                            weight: Font.Bold
                            lineLimit: 2
                            color: trin.mockTekst
                        }
                        StyledText { text: "I morgen"; size: 10; color: trin.mockSekundaer }
                        Item { Layout.fillHeight: true }
                        StyledText {
                            text: "2 aktive"
                            size: 10
                            weight: Font.DemiBold
                            color: trin.mockSekundaer
                        }
                    }
                }

                WidgetPreview {
                    titel: "Mellem"
                    bredde: 270
                    hoejde: 130
                    RowLayout {
                        anchors.fill: parent
                        anchors.margins: 12
                        spacing: 12
                        ColumnLayout {
                            Layout.preferredWidth: 110
                            spacing: 2
                            Overskrift {}
                            StyledText { text: "Næste lektie"; size: 9; color: trin.mockSekundaer }
                            StyledText {
                                Layout.fillWidth: true
                                text: "Læs side 42-60"
                                size: 14
                                weight: Font.Bold
                                lineLimit: 2
                                color: trin.mockTekst
                            }
                            StyledText { text: "I morgen"; size: 10; color: trin.mockSekundaer }
                        }
                        Rectangle {
                            Layout.fillHeight: true
                            implicitWidth: 1
                            color: Theme.withOpacity(Theme.white, 0.1)
                        }
                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 5
                            StyledText { text: "Overblik"; size: 9; color: trin.mockSekundaer }
                            Vaerdi { Layout.fillWidth: true; label: "Aktive"; vaerdi: "2" }
                            Vaerdi { Layout.fillWidth: true; label: "Forfaldne"; vaerdi: "0" }
                        }
                    }
                }
            }

            Column {
                x: 60
                width: parent.width - 120
                spacing: 10
                StyledText {
                    text: "Sådan tilføjer du widget:"
                    size: 12
                    weight: Font.DemiBold
                    color: Theme.secondaryText
                }
                RoundedBox {
                    width: parent.width
                    height: trinRaekke.implicitHeight + 28
                    cornerRadius: 10
                    color: Theme.controlBackground
                    RowLayout {
                        id: trinRaekke
                        x: 14
                        y: 14
                        width: parent.width - 28
                        spacing: 10
                        Repeater {
                            model: ["Højreklik på skrivebordet", "Vælg 'Rediger widgets'",
                                    "Søg efter 'Tavlen'", "Træk widget til skrivebordet"]
                            delegate: Column {
                                id: guideTrin
                                required property int index
                                required property string modelData
                                Layout.fillWidth: true
                                Layout.preferredWidth: 1
                                Layout.fillHeight: true // top-aligned
                                spacing: 6
                                Circle {
                                    anchors.horizontalCenter: parent.horizontalCenter
                                    diameter: 20
                                    color: Theme.indigo
                                    StyledText {
                                        anchors.centerIn: parent
                                        text: String(guideTrin.index + 1)
                                        size: 10
                                        weight: Font.Bold
                                        color: Theme.white
                                        Accessible.ignored: true
                                    }
                                }
                                StyledText {
                                    width: parent.width
                                    horizontalAlignment: Text.AlignHCenter
                                    text: guideTrin.modelData
                                    size: 10
                                    color: Theme.secondaryText
                                    Accessible.name: (guideTrin.index + 1) + ". " + guideTrin.modelData
                                }
                            }
                        }
                    }
                }
            }
        }

        WidgetScrollIndicator {
            objectName: "rulleIndikator"
            Layout.fillHeight: true // the track hangs from the top
            Layout.topMargin: 8
            progress: maaling.scrollProgress
            isVisible: maaling.indikatorSynlig
            trackHeight: maaling.sporHoejde
            thumbHeight: maaling.grebHoejde
        }
    }

    Item {
        Layout.fillWidth: true
        implicitHeight: knapper.implicitHeight

        Row {
            id: knapper
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 14

            StyledButton {
                objectName: "springOverKnap"
                buttonStyle: ButtonStyle.Prominent
                tint: Theme.accent
                text: "Spring over"
                size: 14
                weight: Font.DemiBold
                labelWidth: 150
                verticalPadding: 12
                isDefault: true
                focus: true
                onClicked: trin.flow.naeste()
            }

            StyledButton {
                objectName: "galleriKnap"
                buttonStyle: ButtonStyle.Prominent
                tint: Theme.withOpacity(Theme.indigo, 0.55)
                foreground: Theme.withOpacity(Theme.white, 0.78)
                symbol: "hammer"
                text: "Åbn widget-galleri"
                size: 14
                weight: Font.DemiBold
                labelWidth: 230
                verticalPadding: 12
                enabled: false
                // Shown as the design has it, not dimmed a second time.
                opacity: 1
            }
        }
    }
}
