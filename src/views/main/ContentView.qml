import QtQuick
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

    Loader {
        id: indhold
        objectName: "indhold"
        anchors.fill: parent
        focus: true
        sourceComponent: AppContext.store.harSetupFaerdig ? hovedIndhold : onboarding
    }

    Component {
        id: onboarding
        FocusScope {
            objectName: "onboardingRamme"
            focus: true
            OnboardingView {
                objectName: "onboarding"
                anchors.centerIn: parent
                width: 680
                height: 580
            }
        }
    }

    Component {
        id: hovedIndhold
        Item {
            objectName: "hovedIndhold"
            StyledText {
                anchors.centerIn: parent
                text: "Tavlen"
                size: 30
                weight: "bold"
                rounded: true
            }

            GemFejlLinje {
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 12
                horizontalAlignment: Text.AlignHCenter
                linje: AppContext.store.gemFejlLinje
            }
        }
    }
}
