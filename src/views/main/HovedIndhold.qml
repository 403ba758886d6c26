pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Window
import Tavlen.Toolkit
import Tavlen.Views

// The main content once setup is finished: the sidebar beside the selected page, a
// toolbar with "+", and the three sheets (new homework, subject settings, app settings).
FocusScope {
    id: hoved
    objectName: "hovedIndhold"
    required property HovedVindueModel navigation
    property bool visNyLektie: false
    property bool visFagIndstillinger: false
    property bool visIndstillinger: false
    property string redigerId: "" // the item the form edits; empty: a new item
    readonly property var vindue: Window.window

    // On a subject's page, as its own "Ny lektie": the form opens with that subject chosen.
    Shortcut {
        sequence: "Ctrl+N"
        onActivated: {
            const fagSide = side.item as FagView
            if (fagSide)
                fagSide.visNyLektie = true
            else
                hoved.visNyLektie = true
        }
    }

    Sidebar {
        id: sidebar
        objectName: "sidebar"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: Math.max(200, Math.min(220, hoved.width * 0.25))
        hoved: hoved.navigation
        onTilfoejFag: hoved.visFagIndstillinger = true
        onIndstillinger: hoved.visIndstillinger = true
    }

    Rectangle {
        id: skillelinje
        anchors.left: sidebar.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 1
        color: Theme.separator
    }

    Item {
        id: vaerktoejslinje
        anchors.left: skillelinje.right
        anchors.right: parent.right
        anchors.top: parent.top
        height: 44
        StyledText {
            objectName: "sideTitel"
            x: 24
            anchors.verticalCenter: parent.verticalCenter
            text: hoved.navigation.sideTitel
            size: 15
            weight: Font.DemiBold
            Accessible.role: Accessible.Heading
        }
        StyledButton {
            objectName: "plusKnap"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            buttonStyle: ButtonStyle.Prominent
            tint: Theme.accent
            symbol: "plus"
            symbolSize: 14
            weight: Font.DemiBold
            tooltip: "Tilføj ny lektie"
            onClicked: hoved.visNyLektie = true
        }
    }

    Loader {
        id: side
        objectName: "side"
        anchors.left: skillelinje.right
        anchors.right: parent.right
        anchors.top: vaerktoejslinje.bottom
        anchors.bottom: parent.bottom
        // Another subject's page is a new page: it starts folded, without a form.
        readonly property string fagId: hoved.navigation.sideFagId
        function vis() {
            if (fagId === "")
                setSource(Qt.resolvedUrl("OversigtView.qml"))
            else
                setSource(Qt.resolvedUrl("FagView.qml"), { fagId: fagId })
        }
        onFagIdChanged: vis()
        Component.onCompleted: vis()
    }

    Sheet {
        objectName: "nyLektieSheet"
        owner: hoved.vindue
        width: 460
        height: 680
        isPresented: hoved.visNyLektie
        onDismissed: {
            hoved.visNyLektie = false
            hoved.redigerId = ""
        }
        content: Component {
            NyLektieView {
                redigerId: hoved.redigerId === "" ? undefined : hoved.redigerId
                onClose: {
                    hoved.visNyLektie = false
                    hoved.redigerId = ""
                }
            }
        }
    }
    Sheet {
        objectName: "detaljeSheet"
        owner: hoved.vindue
        width: 440
        height: 480
        isPresented: AppContext.detaljeLektieId !== ""
        onDismissed: AppContext.detaljeLektieId = ""
        content: Component {
            LektieDetaljeView {
                lektieId: AppContext.detaljeLektieId
                visSlet: true
                onClose: AppContext.detaljeLektieId = ""
                onRediger: {
                    hoved.redigerId = AppContext.detaljeLektieId
                    AppContext.detaljeLektieId = ""
                    hoved.visNyLektie = true
                }
            }
        }
    }
    Sheet {
        objectName: "fagIndstillingerSheet"
        owner: hoved.vindue
        width: 360
        height: 460
        isPresented: hoved.visFagIndstillinger
        onDismissed: hoved.visFagIndstillinger = false
        content: Component { FagIndstillingerView { onClose: hoved.visFagIndstillinger = false } }
    }
    Sheet {
        objectName: "indstillingerSheet"
        owner: hoved.vindue
        width: 420
        height: 680
        isPresented: hoved.visIndstillinger
        onDismissed: hoved.visIndstillinger = false
        content: Component { AppIndstillingerView { onClose: hoved.visIndstillinger = false } }
    }

    GemFejlLinje {
        id: gemFejl
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 12
        horizontalAlignment: Text.AlignHCenter
        linje: AppContext.store.gemFejlLinje
    }

    FortrydBjaelke {
        id: fortrydBjaelke
        objectName: "fortrydBjaelke"
        anchors.left: skillelinje.right
        anchors.right: parent.right
        anchors.bottom: gemFejl.visible ? gemFejl.top : parent.bottom
        anchors.margins: 12
    }

    Rectangle {
        anchors.left: skillelinje.right
        anchors.right: parent.right
        anchors.bottom: fortrydBjaelke.visible ? fortrydBjaelke.top
                                              : gemFejl.visible ? gemFejl.top : parent.bottom
        anchors.margins: 12
        visible: laesFejl.linje.length > 0
        height: laesFejl.implicitHeight + 20
        radius: 8
        color: Theme.controlBackground
        border.color: Theme.separator
        LaesFejlBesked {
            id: laesFejl
            objectName: "laesFejl"
            baggrund: Theme.controlBackground
            anchors.fill: parent
            anchors.margins: 10
        }
    }
}
