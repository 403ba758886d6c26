import QtQuick
import QtQuick.Window
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The tray panel, 360 wide and as high as its content, but never higher than the window the
// program gives it (the screen's free height): the header, the actions and "Afslut" stay,
// and the rows scroll between them in one list that makes only the rows in sight. A row's
// detail, the new-homework form and the subject settings open in one pop-over at a time.
// Keys: Up and Down walk the rows and buttons, Space ticks a row off, Return opens it,
// Ctrl+N toggles the form, Ctrl+Q quits. Escape belongs to the pop-overs and the program.
Rectangle {
    id: root

    width: 360
    implicitWidth: 360
    implicitHeight: top.height + listeOmraade.implicitHeight + bund.implicitHeight
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

    // Up and Down walk the rows, then the actions and "Afslut": one index for all of them.
    readonly property var knapper: [tilfoejKnap, fagKnap, aabnKnap, afslutKnap]

    function fokuserPaa(i) {
        const plads = Math.max(0, Math.min(liste.count + knapper.length - 1, i))
        if (plads >= liste.count)
            QtProperties.focusByTab(knapper[plads - liste.count])
        else
            liste.fokuserRaekke(plads)
    }

    // Space and Return act on the first row the moment the panel opens.
    Component.onCompleted: {
        liste.forceLayout()
        fokuserPaa(0)
    }

    Shortcut {
        sequence: "Ctrl+N"
        onActivated: menu.skiftNyLektie()
    }
    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: AppContext.quit()
    }
    Shortcut {
        sequence: "Ctrl+Z"
        onActivated: AppContext.store.fortryd()
    }
    Shortcut {
        sequences: ["Ctrl+Shift+Z", "Ctrl+Y"]
        onActivated: AppContext.store.gentag()
    }

    Column {
        id: top
        width: parent.width

        Item {
            width: parent.width
            implicitHeight: hoved.implicitHeight + 2 * 10
            height: implicitHeight
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
                    weight: Font.Bold
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
    }

    Item {
        id: listeOmraade
        readonly property bool tom: !menu.harForfaldne && !menu.harKommende
        y: top.height
        width: parent.width
        // At most a screen's height: more never shows, and the list would make every row
        // to measure them before the window has its size.
        implicitHeight: tom ? tomNote.height
                            : Math.min(liste.contentHeight + liste.topMargin + liste.bottomMargin,
                                       Screen.height > 0 ? Screen.height : 1080)
        // What the window leaves for the list once the header and the actions have their room.
        height: Math.max(0, Math.min(implicitHeight, root.height - top.height - bund.implicitHeight))

        Item {
            id: tomNote
            objectName: "tomNote"
            visible: listeOmraade.tom
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
                    color: Theme.withOpacity(Theme.green, 0.8)
                }
                StyledText {
                    objectName: "tomTekst"
                    text: "Ingen lektier!"
                    size: 13
                    color: Theme.secondaryText
                }
            }
        }

        MenuBarListe {
            id: liste
            objectName: "menuLektieIndhold"
            visible: !listeOmraade.tom
            anchors.fill: parent
            menu: menu
            section.property: "afsnit"
            section.delegate: MenuBarAfsnit {}
            onFokusOenskes: i => root.fokuserPaa(i)
        }
    }

    Column {
        id: bund
        y: listeOmraade.y + listeOmraade.height
        width: parent.width

        Item {
            width: parent.width
            height: fortrydBjaelke.visible ? fortrydBjaelke.implicitHeight + 2 * 6 : 0
            FortrydBjaelke {
                id: fortrydBjaelke
                objectName: "fortrydBjaelke"
                x: 8
                y: 6
                width: parent.width - 2 * 8
                height: implicitHeight
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
                Keys.onUpPressed: root.fokuserPaa(liste.count - 1)
                Keys.onDownPressed: root.fokuserPaa(liste.count + 1)
            }
            MenuBarKnap {
                id: fagKnap
                objectName: "fagKnap"
                width: parent.width - 2 * 8
                ikon: "books.vertical.fill"
                tekst: "Administrer fag"
                onHandling: menu.skiftFagIndstillinger()
                Keys.onUpPressed: root.fokuserPaa(liste.count)
                Keys.onDownPressed: root.fokuserPaa(liste.count + 2)
            }
            MenuBarKnap {
                id: aabnKnap
                objectName: "aabnKnap"
                width: parent.width - 2 * 8
                ikon: "arrow.up.forward.app"
                tekst: "Åbn Tavlen"
                onHandling: AppContext.showMainWindow()
                Keys.onUpPressed: root.fokuserPaa(liste.count + 1)
                Keys.onDownPressed: root.fokuserPaa(liste.count + 3)
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

        LaesFejlBesked {
            objectName: "laesFejl"
            x: 14
            width: parent.width - 2 * 14
            topPadding: 6
        }

        StyledButton {
            id: afslutKnap
            objectName: "afslutKnap"
            buttonStyle: ButtonStyle.Plain
            leftPadding: 14
            rightPadding: 14
            topPadding: 8
            bottomPadding: 8
            text: "Afslut"
            size: 12
            foreground: Theme.secondaryText
            onClicked: AppContext.quit()
            Keys.onUpPressed: root.fokuserPaa(liste.count + 2)
            Keys.onDownPressed: root.fokuserPaa(liste.count + 3)
        }
    }

    Popover {
        id: nyLektiePopover
        objectName: "nyLektiePopover"
        owner: root
        anchorX: root.width / 2
        anchorY: root.height / 2
        width: 460
        height: 660
        isPresented: menu.praesentationsType === MenuBarModel.VisNyLektie
                     || menu.praesentationsType === MenuBarModel.VisRedigerLektie
        onDismissed: menu.afvis()
        // The form keeps its own height; the pop-over shows its middle.
        content: Component {
            Item {
                id: ramme
                signal close()
                signal skift()
                implicitWidth: 460
                implicitHeight: 660
                clip: true
                property alias redigerId: nyLektieForm.redigerId
                NyLektieView {
                    id: nyLektieForm
                    objectName: "nyLektieForm"
                    anchors.centerIn: parent
                    width: 460
                    height: 680
                    onClose: ramme.close()
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
            if (menu.praesentationsType === MenuBarModel.VisRedigerLektie)
                contentRoot.redigerId = menu.valgtLektieId
            contentRoot.close.connect(menu.close)
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
        isPresented: menu.praesentationsType === MenuBarModel.VisFagIndstillinger
        onDismissed: menu.afvis()
        content: Component { FagIndstillingerView {} }
        onContentRootChanged: if (contentRoot) contentRoot.close.connect(menu.close)
    }

    Popover {
        id: detaljePopover
        objectName: "detaljePopover"
        owner: root
        anchorX: root.width / 2
        anchorY: root.height / 2
        width: 400
        height: 480
        isPresented: menu.praesentationsType === MenuBarModel.VisLektie
        onDismissed: menu.afvis()
        content: detaljeIndhold
        property string vistLektieId: ""
        // The item is fixed when the detail is made; another row's detail is a new one.
        onContentRootChanged: {
            if (!contentRoot)
                return
            vistLektieId = menu.valgtLektieId
            contentRoot.lektieId = vistLektieId
            contentRoot.close.connect(menu.close)
            contentRoot.rediger.connect(() => menu.redigerLektie(vistLektieId))
        }
        // Closed with "Luk" or Escape: the panel stays, with the focus on the item's row.
        onReturned: {
            const plads = menu.raekker.raekkeFor(vistLektieId)
            root.fokuserPaa(plads >= 0 ? plads : 0)
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
