import QtQuick
import Tavlen.Toolkit

// The one line that tells the pupil a change could not be written to disk; empty and
// hidden while everything is saved.
StyledText {
    property string linje: ""

    visible: linje.length > 0
    text: linje
    size: 11
    color: Theme.readable(Theme.red, Theme.windowBackground)
    lineLimit: 2
    Accessible.role: Accessible.AlertMessage
    Accessible.name: linje
}
