pragma ComponentBehavior: Bound

import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// The month calendar of the new-homework form. Bound to the form's date, which it follows;
// a click on a day of the shown month (or the arrow keys) chooses 00:00 of that day.
// Page Up / Page Down change the month.
//   CustomKalender { valgtDato: form.deadline; accentFarve: form.fagFarve
//                    onDatoValgt: (dato) => form.deadline = dato }
RoundedBox {
    id: root
    property date valgtDato
    property color accentFarve: Theme.accent
    signal datoValgt(date dato)

    implicitWidth: 380
    implicitHeight: kolonne.implicitHeight
    cornerRadius: 14
    color: Theme.withOpacity(Theme.controlBackground, 0.6)
    border.width: 1
    border.color: Theme.withOpacity(Theme.primaryText, 0.08)

    KalenderModel {
        id: kalenderModel
        valgtDato: root.valgtDato
        onDatoValgt: (dato) => root.datoValgt(dato)
    }

    Column {
        id: kolonne
        width: parent.width

        Item {
            width: parent.width
            height: 28 + 24
            StyledButton {
                objectName: "forrigeMaaned"
                x: 16
                anchors.verticalCenter: parent.verticalCenter
                buttonStyle: ButtonStyle.Plain
                tooltip: "Forrige måned"
                onClicked: kalenderModel.skiftMaaned(-1)
                contentItem: Item {}
                background: RoundedBox {
                    implicitWidth: 28
                    implicitHeight: 28
                    cornerRadius: 6
                    color: Theme.controlBackground
                    SymbolIcon {
                        anchors.centerIn: parent
                        name: "chevron.left"
                        size: 13
                        color: Theme.secondaryText
                    }
                }
            }
            StyledText {
                objectName: "titel"
                anchors.centerIn: parent
                text: kalenderModel.titel
                size: 15
                weight: Font.Bold
            }
            StyledButton {
                objectName: "naesteMaaned"
                anchors.right: parent.right
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                buttonStyle: ButtonStyle.Plain
                tooltip: "Næste måned"
                onClicked: kalenderModel.skiftMaaned(1)
                contentItem: Item {}
                background: RoundedBox {
                    implicitWidth: 28
                    implicitHeight: 28
                    cornerRadius: 6
                    color: Theme.controlBackground
                    SymbolIcon {
                        anchors.centerIn: parent
                        name: "chevron.right"
                        size: 13
                        color: Theme.secondaryText
                    }
                }
            }
        }

        Rectangle {
            width: parent.width
            height: 1
            color: Theme.withOpacity(Theme.separator, 0.4)
        }

        EqualColumnsGrid {
            x: 8
            width: parent.width - 16
            columns: 7
            Repeater {
                model: kalenderModel.dagNavne
                delegate: StyledText {
                    required property string modelData
                    required property int index
                    height: implicitHeight + 16
                    topPadding: 8
                    bottomPadding: 8
                    horizontalAlignment: Text.AlignHCenter
                    text: modelData
                    size: 11
                    weight: Font.DemiBold
                    color: index >= 5 ? Theme.readable(Theme.withOpacity(root.accentFarve, 0.7),
                                                       root.color)
                                      : Theme.secondaryText
                }
            }
        }

        Item {
            width: parent.width
            height: dage.implicitHeight + 12

            EqualColumnsGrid {
                id: dage
                objectName: "dage"
                x: 8
                width: parent.width - 16
                columns: 7
                rowSpacing: 4
                activeFocusOnTab: true
                Accessible.role: Accessible.Table
                Accessible.name: "Kalender, " + kalenderModel.titel

                Keys.onLeftPressed: kalenderModel.flyt(-1)
                Keys.onRightPressed: kalenderModel.flyt(1)
                Keys.onUpPressed: kalenderModel.flyt(-7)
                Keys.onDownPressed: kalenderModel.flyt(7)
                Keys.onPressed: (event) => {
                    if (event.key === Qt.Key_PageUp) {
                        kalenderModel.skiftMaaned(-1)
                        event.accepted = true
                    } else if (event.key === Qt.Key_PageDown) {
                        kalenderModel.skiftMaaned(1)
                        event.accepted = true
                    }
                }

                Repeater {
                    model: kalenderModel
                    delegate: DagCelle {
                        accentFarve: root.accentFarve
                        kalender: kalenderModel
                        onTapped: kalenderModel.vaelg(index)
                    }
                }
            }
            FocusRing { target: dage; inset: -4 }
        }
    }
}
