import QtQuick
import QtQuick.Window
import QtTest
import Tavlen.Views
import Tavlen.Test

Item {
    id: root
    width: 1000
    height: 640

    ContentView { id: vindue; anchors.fill: parent }

    Component {
        id: spion
        SignalSpy { target: AppContext; signalName: "quitRequested" }
    }

    ScreenCase {
        name: "Hovedvindue"

        function init() {
            start()
            knap("alleLektier").clicked()
            tryVerify(() => side() !== null)
        }
        function cleanup() {
            for (const navn of ["nyLektieSheet", "fagNyLektieSheet", "indstillingerSheet"]) {
                if (knap(navn))
                    knap(navn).dismiss()
            }
        }

        // What the window shows now (a page taken away may linger until deleted).
        function indhold() { return findChild(vindue, "indhold").item }
        function knap(navn) { return findChild(indhold(), navn) }
        function side() {
            const loader = knap("side")
            return loader ? loader.item : null
        }
        function el(navn) { return findChild(side(), navn) }
        function lektie(titel) { return Fixture.lektier().find(l => l.titel === titel) }
        // A row as drawn, by its title.
        function raekke(titel) {
            waitForRendering(vindue)
            const t = alle(side(), "titel").find(t => t.text === titel)
            return t ? t.parent.parent.parent.parent : null
        }
        function aabnFag(navn) {
            knap("fag-" + navn).clicked()
            tryVerify(() => side() && side().objectName === "fagSide")
        }
        function aabnIndstillinger() { return klikTil(knap("indstillingerKnap"), knap("indstillingerSheet")) }

        function test_overviewCountsAndEmptyState() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", 3 * dag)
            Fixture.addLektie(dansk, "Regn", -dag, "", [], true)
            waitForRendering(vindue)
            compare(findChild(el("kommendeKort"), "tal").text, "1")
            compare(findChild(el("faerdigeKort"), "tal").text, "1")
            compare(el("tomTilstand").visible, false)
            verify(el("senereSektion") !== null)
            // Ticking the last open item leaves only the empty state.
            mouseClick(findChild(raekke("Læs"), "afkrydsKnap"))
            compare(lektie("Læs").erFaerdig, true)
            tryCompare(el("tomTilstand"), "visible", true)
            compare(raekke("Læs"), null)
        }

        // The bin comes with the pointer; a click on the tick of the row that moved up into a
        // deleted row's place ticks that row off. Unseen, the bin cannot be pressed, but Tab
        // reaches it after the texts (Return opens them) and Delete deletes.
        function test_aRowsBin_data() {
            return [{ tag: "overview", fagSide: false }, { tag: "subject page", fagSide: true }]
        }
        function test_aRowsBin(data) {
            const mat = Fixture.addFag("Matematik")
            for (let i = 1; i <= 4; ++i)
                Fixture.addLektie(mat, "Opgave " + i, i * dag)
            if (data.fagSide)
                aabnFag("Matematik")
            const foerste = raekke("Opgave 1")
            mouseMove(foerste, foerste.width / 2, foerste.height / 2)
            tryCompare(findChild(foerste, "sletKnap"), "opacity", 1)
            mouseClick(findChild(foerste, "sletKnap"))
            tryCompare(Fixture.lektier(), "length", 3)
            mouseClick(findChild(raekke("Opgave 2"), "afkrydsKnap"))
            compare(Fixture.lektier().length, 3)
            compare(lektie("Opgave 2").erFaerdig, true)

            mouseMove(root, 1, 1)
            const r = raekke("Opgave 4")
            const slet = findChild(r, "sletKnap")
            tryCompare(slet, "opacity", 0)
            compare(slet.enabled, false)
            findChild(r, "afkrydsKnap").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            compare(root.Window.activeFocusItem, findChild(r, "tekster"))
            keyClick(Qt.Key_Tab)
            compare(root.Window.activeFocusItem, slet)
            keyClick(Qt.Key_Delete)
            tryCompare(Fixture.lektier(), "length", 2)
        }

        function test_subjectPage() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", 3 * dag)
            Fixture.addLektie(dansk, "Regn", -dag, "", [], true)
            aabnFag("Dansk")
            waitForRendering(vindue)
            compare(el("taellerLinje").text, "1 aktive lektier \u00B7 1 færdige")
            compare(findChild(knap("fag-Dansk"), "badge").visible, true)
            compare(raekke("Regn"), null) // folded
            mouseClick(el("faerdigeKnap"))
            compare(raekke("Regn").nedtoning, 0.6)
            // Its own "Ny lektie" and Ctrl+N preset the subject; the toolbar's "+" does not.
            const fagSheet = klikTil(el("nyLektieKnap"), knap("fagNyLektieSheet"))
            compare(String(fagSheet.contentRoot.standardFagId).toUpperCase(), dansk.toUpperCase())
            dismiss(fagSheet)
            const plusSheet = klikTil(knap("plusKnap"), knap("nyLektieSheet"))
            compare(plusSheet.contentRoot.standardFagId, undefined)
            dismiss(plusSheet)
            aktiver()
            keyClick(Qt.Key_N, Qt.ControlModifier)
            tryCompare(fagSheet, "visible", true)
            compare(String(fagSheet.contentRoot.standardFagId).toUpperCase(), dansk.toUpperCase())
            compare(plusSheet.visible, false)
        }

        // Every group of the overview, the read notice, and a light subject's page with its
        // tinted "Ny lektie" and the done rows.
        function test_everyControlNamedEveryTextReadable_data() { return lysOgMoerk }
        function test_everyControlNamedEveryTextReadable(data) {
            Fixture.setDark(data.dark)
            const gul = Fixture.addFag("Idræt", "figure.run", "FACC15")
            Fixture.addLektie(gul, "Forfalden", -dag, "Noter")
            Fixture.addLektie(gul, "I dag", 60)
            Fixture.addLektie(gul, "I morgen", dag)
            Fixture.addLektie(gul, "Senere", 5 * dag)
            Fixture.addLektie(gul, "Færdig", dag, "", [], true)
            Fixture.addUnreadableRecordOutside()
            waitForRendering(vindue)
            verify(knap("laesFejl").visible)
            tilgaengelig(indhold())
            aabnFag("Idræt")
            mouseClick(el("faerdigeKnap"))
            waitForRendering(vindue)
            tilgaengelig(indhold())
        }

        // Return on a row's texts or a click on its body opens the item's detail over the
        // window; its "Rediger" opens the form on the item (saving it is proven end to end).
        function test_aRowOpensItsDetail() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", dag, "Side 4")
            Fixture.addLektie(dansk, "Skriv", 2 * dag)
            const sheet = knap("detaljeSheet")
            findChild(raekke("Skriv"), "tekster").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            tryCompare(sheet, "visible", true)
            compare(findChild(sheet.contentItem, "titel").text, "Skriv")
            klikTil(findChild(sheet.contentItem, "lukKnap"), sheet, false)
            klikTil(findChild(raekke("Læs"), "tekster"), sheet)
            compare(findChild(sheet.contentItem, "titel").text, "Læs")
            const form = klikTil(findChild(sheet.contentItem, "redigerKnap"), knap("nyLektieSheet"))
            tryVerify(() => findChild(form.contentItem, "titel").text === "Læs")
            compare(findChild(form.contentItem, "beskrivelse").text, "Side 4")
        }

        // A change that cannot be saved holds the quit: the window asks, "Bliv" stays,
        // "Afslut alligevel" quits; once saved, quitting asks nothing.
        function test_quitWithAnUnsavedChangeAsksFirst() {
            const quits = createTemporaryObject(spion, root)
            const dansk = Fixture.addFag("Dansk")
            Fixture.holdLock(true)
            ignoreWarning(/Could not write/)
            Fixture.addLektie(dansk, "Ikke gemt", dag)
            const dialog = findChild(vindue, "ikkeGemtDialog")
            for (const svar of ["cancelButton", "destructiveButton"]) {
                ignoreWarning(/Could not write/)
                aktiver() // back from the dialog
                keyClick(Qt.Key_Q, Qt.ControlModifier)
                tryCompare(dialog, "visible", true)
                compare(quits.count, 0)
                klikTil(findChild(dialog.contentItem, svar), dialog, false)
            }
            compare(quits.count, 1)
            Fixture.holdLock(false)
            aktiver()
            keyClick(Qt.Key_Q, Qt.ControlModifier)
            compare(quits.count, 2)
            compare(dialog.visible, false)
        }

        // The arrows walk the sidebar. A subject renamed or deleted elsewhere (the panel,
        // another program) changes its open page; deleted, the overview takes its place.
        function test_sidebarAndTheShownSubject() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addFag("Tysk")
            waitForRendering(vindue)
            knap("alleLektier").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Down)
            compare(knap("fag-Tysk").valgt, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Up)
            compare(knap("alleLektier").valgt, true)
            keyClick(Qt.Key_Down)
            compare(knap("fag-Dansk").valgt, true)
            tryCompare(el("fagNavn"), "text", "Dansk")
            Fixture.omdoebFag(dansk, "Dansk A")
            compare(el("fagNavn").text, "Dansk A")
            Fixture.sletFag(dansk)
            tryVerify(() => side() && side().objectName === "oversigt")
            compare(knap("alleLektier").valgt, false)
        }

        // Yesterday's subjects and homework come back from the settings, after a confirmation.
        function test_aBackupIsBroughtBack() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", dag)
            Fixture.advanceMinutes(dag)
            Fixture.addLektie(dansk, "Skriv", dag) // the day's first save copies yesterday's
            const sheet = aabnIndstillinger()
            const liste = findChild(sheet.contentRoot, "kopiListe")
            tryCompare(liste, "count", 1)
            waitForRendering(sheet.contentItem)
            tilgaengelig(sheet.contentRoot)
            const dialog = klikTil(findChild(liste.itemAtIndex(0), "gendan"),
                                   findChild(sheet.contentRoot, "gendanDialog"))
            klikTil(findChild(dialog.contentItem, "destructiveButton"), sheet, false)
            compare(Fixture.lektier().map(l => l.titel), ["Læs"])
        }

        // A reminder's button ticks its item off (once; a gone item stays gone); its click
        // shows the item's row on its subject's page, scrolled to and focused; the daily
        // summary's click, and one of a gone item, the overview.
        function test_aReminderLeadsToItsItem() {
            const dansk = Fixture.addFag("Dansk")
            const tysk = Fixture.addFag("Tysk")
            for (let i = 0; i < 12; ++i)
                Fixture.addLektie(tysk, "Opgave " + i, dag + i)
            const gloser = Fixture.addLektie(tysk, "Gloser", 20 * dag)
            const laes = Fixture.addLektie(dansk, "Læs", dag)
            Fixture.clickReminder(laes, "marker-faerdig")
            compare(lektie("Læs").erFaerdig, true)
            Fixture.clickReminder(laes, "marker-faerdig")
            compare(lektie("Læs").erFaerdig, true)
            Fixture.sletLektie(laes)
            Fixture.clickReminder(laes, "marker-faerdig")
            compare(Fixture.lektier().length, 13)

            Fixture.clickReminder(gloser, "default")
            tryCompare(knap("fag-Tysk"), "valgt", true)
            const tekster = findChild(raekke("Gloser"), "tekster")
            tryCompare(tekster, "activeFocus", true)
            compare(AppContext.fokusLektieId, "") // taken once, not again with every new page
            tryVerify(() => tekster.mapToItem(side(), 0, 0).y >= 0
                      && tekster.mapToItem(side(), 0, tekster.height).y <= side().height)
            Fixture.clickReminder("", "default")
            tryCompare(knap("alleLektier"), "valgt", true)
            knap("fag-Dansk").clicked()
            Fixture.clickReminder(laes, "default")
            tryCompare(knap("alleLektier"), "valgt", true)
        }

        // The settings say whether reminders reach the pupil, when the next comes, and send
        // a test reminder.
        function test_reminderCheck_data() {
            return [{ tag: "no server, dark", server: "", actions: false, dark: true,
                      tekst: "Ingen notifikationsserver kører, så påmindelser kan ikke vises lige nu.",
                      handlinger: "Tavlen gemmer dem og viser dem, så snart skrivebordet starter en notifikationsserver.",
                      proeve: "Prøvepåmindelsen kunne ikke vises, fordi ingen notifikationsserver svarer." },
                    { tag: "without actions", server: "dunst", actions: false, dark: false,
                      tekst: "Påmindelser vises af dunst.",
                      handlinger: "dunst viser ikke knapper i påmindelser. Klik på en påmindelse for at åbne lektien.",
                      proeve: "Prøvepåmindelsen er sendt." },
                    { tag: "with actions", server: "GNOME Shell", actions: true, dark: false,
                      tekst: "Påmindelser vises af GNOME Shell.",
                      handlinger: "Du kan markere en lektie som færdig direkte fra påmindelsen.",
                      proeve: "Prøvepåmindelsen er sendt." }]
        }
        function test_reminderCheck(data) {
            Fixture.setDark(data.dark)
            Fixture.setNotificationServer(data.server, data.actions)
            const sheet = aabnIndstillinger()
            const sektion = findChild(sheet.contentRoot, "paamindelser")
            tryCompare(findChild(sektion, "serverTekst"), "text", data.tekst)
            compare(findChild(sektion, "handlingerTekst").text, data.handlinger)
            tryCompare(findChild(sektion, "naesteTekst"), "text", "Ingen påmindelser er planlagt.")
            // Due tomorrow at noon: the day before's reminder at 16:00 comes before 18:00's summary.
            Fixture.addLektie(Fixture.addFag("Dansk"), "Læs side 42-60", dag + 2 * 60)
            tryCompare(findChild(sektion, "naesteTekst"), "text",
                       "Næste påmindelse: i dag kl. 16:00 – Læs side 42-60")
            const sendt = Fixture.postedCount()
            waitForRendering(sheet.contentItem)
            mouseClick(findChild(sektion, "proeveKnap"))
            tryCompare(findChild(sektion, "proeveTekst"), "text", data.proeve)
            compare(Fixture.postedCount(), sendt + (data.server ? 1 : 0))
            tilgaengelig(sheet.contentRoot)
        }
    }
}
