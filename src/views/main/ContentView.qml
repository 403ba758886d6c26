import QtQuick
import QtQuick.Window
import Tavlen.Toolkit
import Tavlen.Views

// The main window's root: the first-run flow until setup is finished (again after a
// reset), then the main content.
Rectangle {
    id: root

    implicitWidth: 900
    implicitHeight: 600
    color: Theme.windowBackground
    focus: true

    // The selection outlives the main content: after a reset and a new first run, a
    // subject selected before is gone, so the overview shows with no row selected.
    readonly property HovedVindueModel valg: HovedVindueModel {}

    // The pages are made when the window is first shown: a start in the tray does not
    // wait for pages nobody sees yet.
    readonly property bool vindueVist: Window.window !== null && Window.window.visible
    property bool harVaeretVist: false
    onVindueVistChanged: if (vindueVist) harVaeretVist = true
    onHarVaeretVistChanged: indhold.vis()
    Component.onCompleted: if (vindueVist) harVaeretVist = true

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

    Loader {
        id: indhold
        objectName: "indhold"
        readonly property bool hovedVises: AppContext.store.harSetupFaerdig
        // The first-run flow keeps its fixed size, centred; the main content fills the window.
        anchors.centerIn: parent
        width: hovedVises ? root.width : 680
        height: hovedVises ? root.height : 580
        focus: true
        function vis() {
            if (!root.harVaeretVist)
                return
            if (hovedVises)
                setSource(Qt.resolvedUrl("HovedIndhold.qml"), { navigation: root.valg, focus: true })
            else
                setSource(Qt.resolvedUrl("../onboarding/OnboardingView.qml"), { focus: true })
        }
        onHovedVisesChanged: vis()
        Component.onCompleted: vis()
    }

    ConfirmationDialog {
        objectName: "ikkeGemtDialog"
        owner: root.Window.window
        isPresented: AppContext.afslutVenter
        title: "Dine ændringer er ikke gemt"
        message: AppContext.store.gemFejlLinje + "\nFrigør plads, eller prøv igen senere. "
                 + "Afslutter du nu, går de ændringer, der ikke er gemt, tabt."
        destructiveText: "Afslut alligevel"
        cancelText: "Bliv"
        onConfirmed: AppContext.quitAnyway()
        onDismissed: AppContext.afslutVenter = false
    }
}
