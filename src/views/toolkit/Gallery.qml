import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit

// Every piece of the toolkit once, for looking at both appearances (tavlen_render Gallery).
Rectangle {
    id: gallery
    color: Theme.windowBackground
    implicitWidth: 900
    implicitHeight: 920

    component Heading: StyledText { size: 12; weight: Font.DemiBold; color: Theme.secondaryText }
    component Swatch: ColumnLayout {
        property color fill
        property string label
        spacing: 4
        RoundedBox {
            Layout.preferredWidth: 64; Layout.preferredHeight: 36
            cornerRadius: 8; color: parent.fill
            border.width: 1; border.color: Theme.separator
        }
        StyledText { text: parent.label; size: 10; color: Theme.secondaryText }
    }

    Flickable {
        id: scroller
        anchors.fill: parent
        contentHeight: column.implicitHeight + 40
        clip: true

        ColumnLayout {
            id: column
            x: 20; y: 20
            width: scroller.width - 40
            spacing: 14

            StyledText { text: "Værktøjskasse"; size: 22; weight: Font.Bold; rounded: true }

            Heading { text: "Farver" }
            Flow {
                Layout.preferredWidth: column.width
                spacing: 10
                Swatch { fill: Theme.primaryText; label: "primær" }
                Swatch { fill: Theme.secondaryText; label: "sekundær" }
                Swatch { fill: Theme.white; label: "hvid" }
                Swatch { fill: Theme.clear; label: "klar" }
                Swatch { fill: Theme.windowBackground; label: "vindue" }
                Swatch { fill: Theme.controlBackground; label: "kontrolbaggr." }
                Swatch { fill: Theme.controlColor; label: "kontrol" }
                Swatch { fill: Theme.textBackground; label: "tekstbaggr." }
                Swatch { fill: Theme.selectedContentBackground; label: "markeret" }
                Swatch { fill: Theme.accent; label: "3B82F6" }
                Swatch { fill: Theme.red; label: "EF4444" }
                Swatch { fill: Theme.amber; label: "F59E0B" }
                Swatch { fill: Theme.green; label: "22C55E" }
                Swatch { fill: Theme.indigo; label: "6366F1" }
                Swatch { fill: Theme.hex("#22C55E", 0.7); label: "22C55E 70 %" }
                Swatch { fill: Theme.hex("E8704A", 0.15); label: "E8704A 15 %" }
            }

            Heading { text: "Tekst" }
            RowLayout {
                spacing: 16
                StyledText { text: "Regular 13"; size: 13 }
                StyledText { text: "Medium 13"; size: 13; weight: Font.Medium }
                StyledText { text: "Semibold 13"; size: 13; weight: Font.DemiBold }
                StyledText { text: "Bold 13"; size: 13; weight: Font.Bold }
                StyledText { text: "Fag (afrundet)"; size: 18; weight: Font.Bold; rounded: true }
                StyledText { text: "Læst færdig"; size: 14; weight: Font.Medium
                             strikethrough: true; color: Theme.secondaryText }
            }
            RowLayout {
                spacing: 16
                StyledText {
                    Layout.preferredWidth: 180
                    text: "En meget lang titel der bliver afkortet i enden"
                    size: 12; lineLimit: 1
                }
                StyledText {
                    Layout.preferredWidth: 180
                    text: "https://www.eksempel.dk/en/meget/lang/sti/til/opgaven"
                    size: 12; lineLimit: 1; truncation: "middle"; color: Theme.accent
                }
                StyledText {
                    Layout.preferredWidth: 78; Layout.preferredHeight: 28
                    text: "Entreprenørskab"; size: 10; weight: Font.Medium; lineLimit: 2
                    minimumScale: 0.8; horizontalAlignment: Text.AlignHCenter
                }
            }

            Heading { text: "Symboler (" + Symbols.keys.length + ")" }
            Grid {
                Layout.fillWidth: true
                columns: 15
                spacing: 6
                Repeater {
                    model: Symbols.keys
                    delegate: RoundedBox {
                        required property string modelData
                        required property int index
                        width: 48; height: 40; cornerRadius: 8
                        color: Theme.controlBackground
                        SymbolIcon {
                            anchors.centerIn: parent
                            name: parent.modelData; size: 18
                            color: Theme.hex(["3B82F6", "EF4444", "F59E0B", "22C55E",
                                              "6366F1"][parent.index % 5])
                        }
                    }
                }
                SymbolIcon { name: "ukendt.noegle"; size: 18; width: 48; height: 40
                             color: Theme.secondaryText }
            }

            Heading { text: "Former" }
            RowLayout {
                spacing: 16
                Circle {
                    diameter: 40; color: Theme.hex("8B6FBE", 0.15)
                    SymbolIcon { anchors.centerIn: parent; name: "staroflife.fill"; size: 18
                                 color: Theme.hex("8B6FBE") }
                }
                Capsule { width: 80; height: 22; color: Theme.withOpacity(Theme.accent, 0.12)
                          StyledText { anchors.centerIn: parent; text: "Matematik"; size: 10
                                       color: Theme.accent } }
                RoundedBox {
                    width: 72; height: 72; cornerRadius: 16
                    color: Theme.hex("E8704A", 0.12)
                    border.width: 1.5; border.color: Theme.hex("E8704A", 0.30)
                    SymbolIcon { anchors.centerIn: parent; name: "book.fill"; size: 32
                                 color: Theme.hex("E8704A") }
                }
                RoundedBox {
                    width: 96; height: 96; cornerRadius: 24; color: Theme.withOpacity(Theme.indigo, 0.15)
                    SymbolIcon { anchors.centerIn: parent; name: "rectangle.3.group.fill"
                                 size: 42; color: Theme.indigo }
                }
            }

            Heading { text: "Knapper" }
            Flow {
                Layout.preferredWidth: column.width
                spacing: 10
                StyledButton { buttonStyle: ButtonStyle.Prominent; text: "Tilføj lektie"
                               symbol: "plus.circle.fill"; weight: Font.DemiBold
                               tooltip: "Tilføj ny lektie" }
                StyledButton { buttonStyle: ButtonStyle.Prominent; tint: Theme.green
                               text: "Opret fag"; weight: Font.DemiBold }
                StyledButton { text: "Annuller" }
                StyledButton { text: "Markér som færdig"; symbol: "checkmark.circle.fill"
                               weight: Font.Medium }
                StyledButton { buttonStyle: ButtonStyle.Plain; symbol: "gearshape"; text: "Indstillinger"
                               weight: Font.Medium; foreground: Theme.secondaryText }
                StyledButton { buttonStyle: ButtonStyle.Prominent; destructive: true; symbol: "trash"
                               text: "Nulstil app"; weight: Font.DemiBold }
                StyledButton { buttonStyle: ButtonStyle.Prominent; text: "Deaktiveret"; enabled: false }
                StyledButton { buttonStyle: ButtonStyle.Plain; symbol: "xmark.circle.fill"; symbolSize: 20
                               foreground: Theme.secondaryText; tooltip: "Luk" }
            }

            Heading { text: "Felter, gitter og fold-ud" }
            RowLayout {
                spacing: 16
                ColumnLayout {
                    spacing: 6
                    StyledTextField { Layout.preferredWidth: 220; caption: "Titel"
                                      placeholder: "Fx. Læs side 45-60" }
                    StyledTextField { Layout.preferredWidth: 220; caption: "Fagnavn"; invalid: true
                                      placeholder: "Fx. Musik" }
                }
                TextEditor { Layout.preferredWidth: 220; Layout.preferredHeight: 70
                             caption: "Beskrivelse"; text: "Svar på spørgsmål 1-4." }
                EqualColumnsGrid {
                    Layout.preferredWidth: 200
                    Layout.preferredHeight: implicitHeight
                    columns: 4
                    columnSpacing: 8
                    rowSpacing: 8
                    Repeater {
                        model: 6
                        RoundedBox { required property int index
                                     implicitHeight: 28; cornerRadius: 6
                                     color: Theme.withOpacity(Theme.accent, 0.15 + index * 0.1) }
                    }
                }
                DisclosureControl { id: fold; text: "Færdige (3)"; onToggled: expanded = !expanded }
            }

            Heading { text: "Bevægelse og måling" }
            RowLayout {
                spacing: 16
                StyledButton {
                    id: flueben
                    property bool faerdig: true
                    buttonStyle: ButtonStyle.Plain
                    symbol: faerdig ? "checkmark.circle.fill" : "circle"
                    symbolSize: 20
                    foreground: faerdig ? Theme.green : Theme.secondaryText
                    onClicked: faerdig = !faerdig
                    Behavior on foreground {
                        ColorAnimation {
                            duration: Motion.duration(0.2)
                            Component.onCompleted: QtProperties.easeInOut(this)
                        }
                    }
                    Behavior on scale {
                        SpringAnimation { spring: Motion.spring(0.3); damping: Motion.damping(0.3, 0.825) }
                    }
                    scale: hovered ? 1.15 : 1
                }
                StyledText {
                    id: maalt
                    text: "Denne tekst er " + Math.round(maalt.height) + " punkter høj"
                    size: 12; color: Theme.secondaryText
                }
                StyledText {
                    text: "Markørens afstand i rulleområdet: " + Math.round(markoer.offset)
                    size: 12; color: Theme.secondaryText
                }
            }
            Item {
                id: slutMarkoer
                Layout.fillWidth: true
                Layout.preferredHeight: 1
            }
        }
        ScrollOffset { id: markoer; marker: slutMarkoer; area: scroller }
    }
}
