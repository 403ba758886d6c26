import QtQuick
import QtQuick.Layouts
import Tavlen.Toolkit
import Tavlen.Views

// The first-run flow: welcome, subject choice, widget guide, finish. Steps only go forward;
// the last one writes the chosen subjects and marks setup as finished. Made afresh each
// time the main window shows it.
Rectangle {
    id: root
    objectName: "onboarding"

    readonly property OnboardingModel flow: OnboardingModel {}

    implicitWidth: 680
    implicitHeight: 580
    color: Theme.windowBackground

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        FremskridtsBjaelke {
            objectName: "fremskridt"
            Layout.fillWidth: true
            Layout.leftMargin: 60
            Layout.rightMargin: 60
            Layout.topMargin: 32
            trin: root.flow.trin
            antalTrin: root.flow.antalTrin
        }

        Item { Layout.fillHeight: true }

        Loader {
            id: trin
            objectName: "trin"
            Layout.fillWidth: true
            // A step taller than the space left (the widget guide) scrolls inside it.
            Layout.preferredHeight: implicitHeight
            Layout.maximumHeight: root.height - 36 - 40
            focus: true

            readonly property var filer: ["VelkomstTrin.qml", "VaelgFagTrin.qml",
                                          "WidgetTrin.qml", "AfslutTrin.qml"]
            // Each step is made afresh with the flow, which it moves on. Any step past the
            // last shows the finish.
            readonly property int vist: Math.min(root.flow.trin, filer.length - 1)
            onVistChanged: setSource(Qt.resolvedUrl(filer[vist]), { flow: root.flow })
            Component.onCompleted: setSource(Qt.resolvedUrl(filer[vist]), { flow: root.flow })
        }

        Item { Layout.fillHeight: true }
    }
}
