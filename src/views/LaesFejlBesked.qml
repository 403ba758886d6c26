import QtQuick
import Tavlen.Toolkit
import Tavlen.Views

// Says what of the pupil's file could not be read and where the copy lies, with a way to
// that folder; hidden when everything was read or once the pupil has said OK.
Column {
    id: besked
    readonly property string linje: AppContext.store.laesFejlLinje
    property color baggrund: Theme.windowBackground

    visible: linje.length > 0
    spacing: 6

    StyledText {
        objectName: "laesFejlTekst"
        width: besked.width
        text: besked.linje
        size: 12
        color: Theme.readable(Theme.red, besked.baggrund)
        lineLimit: 4
        Accessible.role: Accessible.AlertMessage
        Accessible.name: besked.linje
    }
    Row {
        spacing: 8
        StyledButton {
            objectName: "aabnMappeKnap"
            text: "Åbn mappen"
            size: 12
            onClicked: AppContext.aabnMappe(AppContext.store.laesFejlMappe)
        }
        StyledButton {
            objectName: "gendanSenesteKnap"
            visible: AppContext.store.harSikkerhedskopi
            text: "Gendan seneste kopi"
            size: 12
            onClicked: AppContext.store.gendanSeneste()
        }
        StyledButton {
            objectName: "laesFejlOkKnap"
            text: "OK"
            size: 12
            onClicked: AppContext.store.kvitterLaesFejl()
        }
    }
}
