import QtQuick
import QtTest
import Tavlen.Toolkit

Item {
    width: 480
    height: 200

    Row {
        spacing: 10
        x: 10; y: 10
        StyledButton { id: prominent; buttonStyle: ButtonStyle.Prominent; text: "Tilføj"; isDefault: true }
        StyledButton { id: bordered; text: "Annuller"; isCancel: true }
        Item { id: andet; width: 10; height: 10; activeFocusOnTab: true }
        StyledButton { id: ikon; symbol: "trash"; buttonStyle: ButtonStyle.Plain; tooltip: "<b>fed</b>" }
        TruncatedText { id: titel; width: 60; lineLimit: 1
                     text: "<img src=\"https://example.org/p.png\" width=600>x" }
    }

    SignalSpy { id: prominentClicks; target: prominent; signalName: "clicked" }
    SignalSpy { id: borderedClicks; target: bordered; signalName: "clicked" }

    TestCase {
        name: "StyledButton"
        when: windowShown

        // What a pupil typed shows as its characters in a tooltip, never as markup.
        function test_tooltipsArePlainText_data() {
            return [{ tag: "button", item: ikon, loader: "tooltip", tekst: "<b>fed</b>" },
                    { tag: "cut-off text", item: titel, loader: "fuldTekst",
                      tekst: "<img src=\"https://example.org/p.png\" width=600>x" }]
        }
        function test_tooltipsArePlainText(data) {
            const loader = findChild(data.item, data.loader)
            mouseMove(data.item, data.item.width / 2, data.item.height / 2)
            tryVerify(() => loader.item !== null)
            const tip = data.tag === "button" ? loader.item : loader.item.tip
            tryCompare(tip, "visible", true)
            compare(tip.text, data.tekst)
            compare(tip.contentItem.textFormat, Text.PlainText)
            mouseMove(andet, 1, 1)
        }

        function test_clickKeysAndDisabled() {
            mouseClick(prominent)
            mouseClick(bordered)
            // The focused button takes Return, Enter and Space itself, before the default.
            compare(bordered.activeFocus, true)
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Enter)
            keyClick(Qt.Key_Space)
            compare(borderedClicks.count, 4)
            compare(prominentClicks.count, 1)
            // Elsewhere, Return and Enter press the default button.
            andet.forceActiveFocus()
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Enter)
            compare(prominentClicks.count, 3)
            compare(borderedClicks.count, 4)
            keyClick(Qt.Key_Escape)
            compare(borderedClicks.count, 5)
            compare(prominentClicks.count, 3)
            // Assistive technology's Press is a click.
            bordered.Accessible.pressAction()
            compare(borderedClicks.count, 6)
            // A form with an invalid field disables its default button; Return must not
            // get around that.
            prominent.enabled = bordered.enabled = false
            mouseClick(prominent)
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Escape)
            prominent.Accessible.pressAction()
            compare(prominentClicks.count, 3)
            compare(borderedClicks.count, 6)
        }
    }
}
