import QtQuick
import QtQuick.Controls.Basic as C
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The overview page: three counters, then the open homework by day, or the empty state.
// One list in sections, so only the rows in sight are made, however many are open.
// Qt 6.4 cannot make a list's header, footer or sections from bound components, so this
// file is not bound and qmllint is told that its delegates reach the file's ids.
ListView {
    id: side
    objectName: "oversigt"

    // Heading, icon and colour of each day's section, in the order the rows come.
    readonly property var sektioner: ({
        forfaldne: { titel: "Forfaldne lektier", ikon: "exclamationmark.triangle.fill", farve: "EF4444" },
        iDag: { titel: "For i dag", ikon: "calendar", farve: "F59E0B" },
        iMorgen: { titel: "I morgen", ikon: "calendar.badge.plus", farve: "6366F1" },
        senere: { titel: "Kommende lektier", ikon: "calendar.badge.clock", farve: "3B82F6" }
    })

    clip: true
    boundsBehavior: Flickable.StopAtBounds
    spacing: 10
    leftMargin: 24
    rightMargin: 24
    C.ScrollBar.vertical: C.ScrollBar {}

    OversigtModel { id: oversigt }
    model: oversigt.raekker

    // qmllint disable unqualified
    header: Item {
        width: side.width - 48
        height: kort.implicitHeight + 24 + 10 // 10 more, as the list puts between rows
        RowLayout {
            id: kort
            y: 24
            width: parent.width
            spacing: 16
            StatKort {
                objectName: "kommendeKort"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                tal: oversigt.kommende
                label: "Kommende"
                farve: Theme.accent
                ikon: "clock.fill"
            }
            StatKort {
                objectName: "forfaldneKort"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                tal: oversigt.forfaldneAntal
                label: "Forfaldne"
                farve: Theme.red
                ikon: "exclamationmark.circle.fill"
            }
            StatKort {
                objectName: "faerdigeKort"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                tal: oversigt.faerdige
                label: "Færdige"
                farve: Theme.green
                ikon: "checkmark.circle.fill"
            }
        }
    }

    section.property: "gruppe"
    section.delegate: Item {
        id: overskrift
        required property string section
        readonly property var sektion: side.sektioner[section]
        objectName: section + "Sektion"
        width: side.width - 48
        // 24 above a group, 10 of them the list's own spacing; 2 more below the heading.
        height: linje.implicitHeight + 14 + 2
        Row {
            id: linje
            y: 14
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: overskrift.sektion.ikon
                size: 13
                weight: Font.DemiBold
                // The group's own colour on its icon only; the heading stays quiet.
                color: Theme.hex(overskrift.sektion.farve)
            }
            StyledText {
                anchors.verticalCenter: parent.verticalCenter
                text: overskrift.sektion.titel
                size: 13
                weight: Font.DemiBold
                color: Theme.secondaryText
                Accessible.role: Accessible.Heading
            }
        }
    }

    delegate: LektieRaekke {
        width: side.width - 48
        liste: oversigt.raekker
    }

    footer: Item {
        width: side.width - 48
        height: oversigt.tom ? tom.implicitHeight + 60 + 40 : 40
        TomTilstand {
            id: tom
            objectName: "tomTilstand"
            visible: oversigt.tom
            y: 60
            anchors.horizontalCenter: parent.horizontalCenter
        }
    }
    // qmllint enable unqualified
}
