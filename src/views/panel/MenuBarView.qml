import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The tray panel, 360 wide and as high as its content: the number of open homework items,
// the overdue ones and the next upcoming ones as rows, the actions and "Afslut". A row's
// detail, the new-homework form and the subject settings open in one pop-over at a time.
// Keys: Up and Down walk the rows and buttons, Space ticks a row off, Return opens it,
// Ctrl+N toggles the form, Ctrl+Q quits. Escape belongs to the pop-overs and the program.
Rectangle {
    id: root

    width: 360
    implicitWidth: 360
    implicitHeight: indhold.implicitHeight
    color: Theme.windowBackground

    MenuBarModel {
        id: menu
        objectName: "menuModel"
    }

    component Skillelinje: Rectangle {
        width: parent ? parent.width : 0
        height: 1
        color: Theme.separator
    }

    component Overskrift: StyledText {
        width: parent ? parent.width : 0
        leftPadding: 14
        rightPadding: 14
        bottomPadding: 2
        size: 9
        weight: "semibold"
        Accessible.role: Accessible.Heading
    }

    // Rows of both lists, the actions and "Afslut", in the order Up and Down walk them.
    function fokusKaede() {
        const kaede = []
        for (let i = 0; i < forfaldneRaekker.count; ++i)
            kaede.push(forfaldneRaekker.itemAt(i))
        for (let i = 0; i < kommendeRaekker.count; ++i)
            kaede.push(kommendeRaekker.itemAt(i))
        kaede.push(tilfoejKnap, fagKnap, aabnKnap, afslutKnap)
        return kaede.filter(item => item !== null)
    }

    function fokuserPaa(kaede, i) {
        kaede[Math.max(0, Math.min(kaede.length - 1, i))].forceActiveFocus(Qt.TabFocusReason)
    }

    function flytFokus(fra, trin) {
        const kaede = fokusKaede()
        fokuserPaa(kaede, kaede.indexOf(fra) + trin)
    }

    // The focus stays where the ticked row was: on the row that takes its place.
    function afkryds(raekke) {
        const havdeFokus = raekke.fokusIRaekke
        const plads = fokusKaede().indexOf(raekke)
        menu.toggleFaerdig(raekke.lektieId)
        if (havdeFokus)
            fokuserPaa(fokusKaede(), plads)
    }

    // Space and Return act on the first row the moment the panel opens.
    Component.onCompleted: fokuserPaa(fokusKaede(), 0)

    Shortcut {
        sequence: "Ctrl+N"
        onActivated: menu.skiftNyLektie()
    }
    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: Qt.quit()
    }

    Column {
        id: indhold
        width: parent.width

        Item {
            width: parent.width
            implicitHeight: hoved.implicitHeight + 2 * 10
            RowLayout {
                id: hoved
                x: 14
                y: 10
                width: parent.width - 2 * 14
                spacing: 8
                SymbolIcon {
                    name: "book.closed.fill"
                    size: 13
                    color: Theme.accent
                }
                StyledText {
                    text: "Mine lektier"
                    size: 13
                    weight: "bold"
                    Accessible.role: Accessible.Heading
                }
                Item { Layout.fillWidth: true }
                StyledText {
                    objectName: "antal"
                    text: menu.aktiveAntal + " aktive"
                    size: 11
                    color: Theme.secondaryText
                }
            }
        }

        Skillelinje {}

        Item {
            objectName: "tomNote"
            visible: !menu.harForfaldne && !menu.harKommende
            width: parent.width
            height: Math.max(160, tomIndhold.implicitHeight + 2 * 20)
            Column {
                id: tomIndhold
                anchors.centerIn: parent
                spacing: 8
                SymbolIcon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    name: "checkmark.seal.fill"
                    size: 26
                    color: Theme.hex("22C55E", 0.8)
                }
                StyledText {
                    objectName: "tomTekst"
                    text: "Ingen lektier!"
                    size: 13
                    color: Theme.secondaryText
                }
            }
        }

        Column {
            objectName: "menuLektieIndhold"
            visible: menu.harForfaldne || menu.harKommende
            width: parent.width
            topPadding: 4
            bottomPadding: 4
            spacing: 2

            Overskrift {
                objectName: "forfaldneOverskrift"
                visible: menu.harForfaldne
                topPadding: 8
                text: "FORFALDNE"
                color: Theme.hex("EF4444", 0.8)
            }
            Repeater {
                id: forfaldneRaekker
                objectName: "forfaldneRaekker"
                model: menu.forfaldne
                delegate: raekkeKomponent
                onItemAdded: (index, item) => root.forbind(item)
            }
            Item {
                objectName: "listeSkillelinje"
                visible: menu.harForfaldne && menu.harKommende
                width: parent.width
                height: 1 + 2 * 4
                Rectangle {
                    x: 10
                    y: 4
                    width: parent.width - 2 * 10
                    height: 1
                    color: Theme.separator
                }
            }
            Overskrift {
                objectName: "kommendeOverskrift"
                visible: menu.harForfaldne && menu.harKommende
                text: "KOMMENDE"
                color: Theme.secondaryText
            }
            Repeater {
                id: kommendeRaekker
                objectName: "kommendeRaekker"
                model: menu.kommende
                delegate: raekkeKomponent
                onItemAdded: (index, item) => root.forbind(item)
            }
        }

        Skillelinje {}

        Column {
            width: parent.width
            leftPadding: 8
            rightPadding: 8
            topPadding: 6
            spacing: 2

            MenuBarKnap {
                id: tilfoejKnap
                objectName: "tilfoejKnap"
                width: parent.width - 2 * 8
                ikon: "plus.circle.fill"
                tekst: "Tilføj lektie"
                onHandling: menu.skiftNyLektie()
                Keys.onUpPressed: root.flytFokus(tilfoejKnap, -1)
                Keys.onDownPressed: root.flytFokus(tilfoejKnap, 1)
            }
            MenuBarKnap {
                id: fagKnap
                objectName: "fagKnap"
                width: parent.width - 2 * 8
                ikon: "books.vertical.fill"
                tekst: "Administrer fag"
                onHandling: menu.skiftFagIndstillinger()
                Keys.onUpPressed: root.flytFokus(fagKnap, -1)
                Keys.onDownPressed: root.flytFokus(fagKnap, 1)
            }
            MenuBarKnap {
                id: aabnKnap
                objectName: "aabnKnap"
                width: parent.width - 2 * 8
                ikon: "arrow.up.forward.app"
                tekst: "Åbn Tavlen"
                onHandling: AppContext.showMainWindow()
                Keys.onUpPressed: root.flytFokus(aabnKnap, -1)
                Keys.onDownPressed: root.flytFokus(aabnKnap, 1)
            }
        }

        Item {
            width: parent.width
            height: 4 + 1
            Skillelinje { y: 4 }
        }

        GemFejlLinje {
            objectName: "gemFejl"
            x: 14
            width: parent.width - 2 * 14
            topPadding: 6
            linje: AppContext.store.gemFejlLinje
        }

        StyledButton {
            id: afslutKnap
            objectName: "afslutKnap"
            buttonStyle: "plain"
            leftPadding: 14
            rightPadding: 14
            topPadding: 8
            bottomPadding: 8
            text: "Afslut"
            size: 12
            foreground: Theme.secondaryText
            onClicked: Qt.quit()
            Keys.onReturnPressed: afslutKnap.clicked()
            Keys.onEnterPressed: afslutKnap.clicked()
            Keys.onUpPressed: root.flytFokus(afslutKnap, -1)
            Keys.onDownPressed: root.flytFokus(afslutKnap, 1)
        }
    }

    Component {
        id: raekkeKomponent
        MenuBarLektieRaekke { width: parent ? parent.width : 0 }
    }

    // Joined here, outside the delegate: Qt 6.4's qmllint takes the file's ids inside a
    // component for unknown, and a bound component cannot be made by a pop-over's loader.
    function forbind(raekke) {
        raekke.tap.connect(() => menu.skiftLektie(raekke.lektieId))
        raekke.afkryds.connect(() => afkryds(raekke))
        raekke.flyt.connect(trin => flytFokus(raekke, trin))
    }

    Popover {
        id: nyLektiePopover
        objectName: "nyLektiePopover"
        owner: root
        anchorX: root.width / 2
        anchorY: root.height / 2
        width: 460
        height: 660
        isPresented: menu.praesentationsType === "nyLektie"
        onDismissed: menu.afvis()
        // The form keeps its own height; the pop-over shows its middle.
        content: Component {
            Item {
                id: ramme
                signal luk()
                signal skift()
                implicitWidth: 460
                implicitHeight: 660
                clip: true
                NyLektieView {
                    objectName: "nyLektieForm"
                    anchors.centerIn: parent
                    width: 460
                    height: 680
                    onClose: ramme.luk()
                }
                // The pop-over has the focus; Ctrl+N takes the form away again from here.
                Shortcut {
                    sequence: "Ctrl+N"
                    onActivated: ramme.skift()
                }
            }
        }
        onContentRootChanged: {
            if (!contentRoot)
                return
            contentRoot.luk.connect(menu.luk)
            contentRoot.skift.connect(menu.skiftNyLektie)
        }
    }

    Popover {
        id: fagPopover
        objectName: "fagPopover"
        owner: root
        anchorX: root.width / 2
        anchorY: root.height / 2
        width: 360
        height: 460
        isPresented: menu.praesentationsType === "fagIndstillinger"
        onDismissed: menu.afvis()
        content: Component { FagIndstillingerView {} }
        onContentRootChanged: if (contentRoot) contentRoot.close.connect(menu.luk)
    }

    Popover {
        id: detaljePopover
        objectName: "detaljePopover"
        owner: root
        anchorX: root.width / 2
        anchorY: root.height / 2
        width: 400
        height: 480
        isPresented: menu.praesentationsType === "lektie"
        onDismissed: menu.afvis()
        content: detaljeIndhold
        // The item is fixed when the detail is made; another row's detail is a new one.
        onContentRootChanged: {
            if (!contentRoot)
                return
            contentRoot.lektieId = menu.valgtLektieId
            contentRoot.close.connect(menu.luk)
        }
    }

    Component {
        id: detaljeIndhold
        LektieDetaljeView {}
    }

    // Another row's detail replaces the shown one as a new view.
    readonly property string valgtLektieId: menu.valgtLektieId
    onValgtLektieIdChanged: {
        const detalje = detaljePopover.contentRoot
        if (detalje === null || valgtLektieId === "" || detalje.lektieId === valgtLektieId)
            return
        detaljePopover.content = null
        detaljePopover.content = detaljeIndhold
        // The press on the other row may just have hidden the old detail.
        if (!detaljePopover.visible)
            detaljePopover.present()
    }
}
