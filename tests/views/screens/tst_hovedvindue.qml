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

    TestCase {
        name: "Hovedvindue"
        when: windowShown

        readonly property int dag: 24 * 60

        function init() {
            Fixture.reset()
            const w = root.Window.window
            if (!w.contentItem.activeFocus) {
                w.requestActivate()
                tryCompare(w.contentItem, "activeFocus", true)
            }
            findChild(indhold(), "alleLektier").clicked()
            tryVerify(() => side() !== null)
        }

        function cleanup() {
            for (const navn of ["nyLektieSheet", "fagNyLektieSheet", "fagIndstillingerSheet",
                                "indstillingerSheet"]) {
                const sheet = findChild(indhold(), navn)
                if (sheet)
                    sheet.dismiss()
            }
        }

        // What the window shows now (a page taken away may linger until deleted).
        function indhold() { return findChild(vindue, "indhold").item }
        function side() {
            const loader = findChild(indhold(), "side")
            return loader ? loader.item : null
        }
        function el(navn) { return findChild(side(), navn) }
        function vis() { waitForRendering(vindue) }
        // The rows of a list as drawn, by title.
        function raekke(titel) {
            vis()
            const titler = findChildrenByName(side(), "titel")
            for (const t of titler) {
                if (t.text === titel)
                    return t.parent.parent.parent.parent
            }
            return null
        }
        function findChildrenByName(item, navn) {
            let fundet = []
            for (let i = 0; i < item.children.length; ++i) {
                const c = item.children[i]
                if (c.objectName === navn)
                    fundet.push(c)
                fundet = fundet.concat(findChildrenByName(c, navn))
            }
            return fundet
        }

        function test_overviewCountsAndEmptyState() {
            const dansk = Fixture.addFag("Dansk")
            const id = Fixture.addLektie(dansk, "Læs", 3 * dag)
            Fixture.addLektie(dansk, "Regn", -dag, "", [], true)
            vis()
            compare(findChild(el("kommendeKort"), "tal").text, "1")
            compare(findChild(el("faerdigeKort"), "tal").text, "1")
            compare(el("tomTilstand").visible, false)
            verify(el("senereSektion") !== null)
            compare(Fixture.unnamedControls(indhold()), [])
            // Ticking the last open item leaves only the empty state.
            mouseClick(findChild(raekke("Læs"), "afkrydsKnap"))
            compare(Fixture.lektier().find(l => l.id === id).erFaerdig, true)
            tryCompare(el("tomTilstand"), "visible", true)
            compare(raekke("Læs"), null)
        }

        function test_deleteShowsOnHoverAndByKeyboard() {
            mouseMove(root, 1, 1)
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", 3 * dag)
            Fixture.addLektie(dansk, "Skriv", 4 * dag)
            const r = raekke("Læs")
            const slet = findChild(r, "sletKnap")
            compare(slet.opacity, 0)
            compare(slet.enabled, false) // unseen, it cannot be pressed
            mouseMove(r, r.width / 2, r.height / 2)
            tryCompare(slet, "opacity", 1)
            compare(slet.enabled, true)
            mouseMove(root, 1, 1)
            tryCompare(slet, "opacity", 0)
            compare(slet.enabled, false)
            // A keyboard user has no hover: Tab reaches the texts (Return opens them), then
            // the delete button; Delete deletes.
            findChild(r, "afkrydsKnap").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Tab)
            compare(root.Window.activeFocusItem, findChild(r, "tekster"))
            keyClick(Qt.Key_Tab)
            compare(root.Window.activeFocusItem, slet)
            keyClick(Qt.Key_Delete)
            tryCompare(Fixture.lektier(), "length", 1)
            compare(Fixture.lektier()[0].titel, "Skriv")
        }

        function test_subjectPage() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", 3 * dag)
            Fixture.addLektie(dansk, "Regn", -dag, "", [], true)
            findChild(indhold(), "fag-Dansk").clicked()
            tryVerify(() => side() && side().objectName === "fagSide")
            vis()
            compare(el("taellerLinje").text, "1 aktive lektier \u00B7 1 færdige")
            compare(findChild(findChild(indhold(), "fag-Dansk"), "badge").visible, true)
            compare(raekke("Regn"), null) // folded
            mouseClick(el("faerdigeKnap"))
            verify(raekke("Regn") !== null)
            compare(raekke("Regn").nedtoning, 0.6)
            compare(Fixture.unnamedControls(indhold()), [])
            // Its own "Ny lektie" presets the subject; the toolbar's "+" does not.
            mouseClick(el("nyLektieKnap"))
            const fagSheet = findChild(indhold(), "fagNyLektieSheet")
            tryCompare(fagSheet, "visible", true)
            compare(String(fagSheet.contentRoot.standardFagId).toUpperCase(), dansk.toUpperCase())
            fagSheet.dismiss()
            tryCompare(fagSheet, "visible", false)
            mouseClick(findChild(indhold(), "plusKnap"))
            const plusSheet = findChild(indhold(), "nyLektieSheet")
            tryCompare(plusSheet, "visible", true)
            compare(plusSheet.contentRoot.standardFagId, undefined)
            plusSheet.dismiss()
            tryCompare(plusSheet, "visible", false)
            // Ctrl+N on the page is its own "Ny lektie".
            root.Window.window.requestActivate()
            tryCompare(root.Window.window, "active", true)
            keyClick(Qt.Key_N, Qt.ControlModifier)
            tryCompare(fagSheet, "visible", true)
            compare(String(fagSheet.contentRoot.standardFagId).toUpperCase(), dansk.toUpperCase())
            compare(plusSheet.visible, false)
        }

        // A bin click, then a click on the tick of the row that moved up into its place:
        // that row is ticked off, not deleted, on a subject page as on the overview.
        function test_aTickAfterADeleteTicksTheRowThatMovedUp_data() {
            return [{ tag: "subject page", fagSide: true }, { tag: "overview", fagSide: false }]
        }
        function test_aTickAfterADeleteTicksTheRowThatMovedUp(data) {
            const matematik = Fixture.addFag("Matematik")
            for (let i = 1; i <= 5; ++i)
                Fixture.addLektie(matematik, "Opgave " + i, i * dag)
            if (data.fagSide) {
                findChild(indhold(), "fag-Matematik").clicked()
                tryVerify(() => side() && side().objectName === "fagSide")
            }
            const foerste = raekke("Opgave 1")
            mouseMove(foerste, foerste.width / 2, foerste.height / 2)
            const slet = findChild(foerste, "sletKnap")
            tryCompare(slet, "opacity", 1)
            mouseClick(slet)
            tryCompare(Fixture.lektier(), "length", 4)
            const anden = raekke("Opgave 2")
            mouseClick(findChild(anden, "afkrydsKnap"))
            compare(Fixture.lektier().length, 4)
            compare(Fixture.lektier().find(l => l.titel === "Opgave 2").erFaerdig, true)

            // A click that arrives with the pointer, on a row not pointed at before: the
            // bin that comes with the pointer is in its own place, not under the tick.
            mouseMove(root, 1, 1)
            const flueben = findChild(raekke("Opgave 3"), "afkrydsKnap")
            mouseMove(flueben, flueben.width / 2, flueben.height / 2, 0)
            mouseClick(flueben)
            compare(Fixture.lektier().length, 4)
            compare(Fixture.lektier().find(l => l.titel === "Opgave 3").erFaerdig, true)
        }

        // The overview with every group, a light subject's page (its tinted "Ny lektie"),
        // and the settings sheet.
        function test_everyTextReadsOnItsBackground_data() {
            return [{ tag: "light", dark: false }, { tag: "dark", dark: true }]
        }
        function test_everyTextReadsOnItsBackground(data) {
            Fixture.setDark(data.dark)
            const gul = Fixture.addFag("Idræt", "figure.run", "FACC15")
            Fixture.addLektie(gul, "Forfalden", -dag, "Noter")
            Fixture.addLektie(gul, "I dag", 60)
            Fixture.addLektie(gul, "I morgen", dag)
            Fixture.addLektie(gul, "Senere", 5 * dag)
            Fixture.addLektie(gul, "Færdig", dag, "", [], true)
            Fixture.addUnreadableRecordOutside() // the notice is drawn too
            vis()
            verify(findChild(indhold(), "laesFejl").visible)
            compare(Fixture.lowContrastTexts(indhold()), [])
            findChild(indhold(), "fag-Idræt").clicked()
            tryVerify(() => side() && side().objectName === "fagSide")
            mouseClick(el("faerdigeKnap"))
            vis()
            compare(Fixture.lowContrastTexts(indhold()), [])
            mouseClick(findChild(indhold(), "indstillingerKnap"))
            const sheet = findChild(indhold(), "indstillingerSheet")
            tryCompare(sheet, "visible", true)
            waitForRendering(sheet.contentItem)
            compare(Fixture.lowContrastTexts(sheet.contentRoot), [])
        }

        // A row's deletion and a subject's deletion with its homework are taken back
        // exactly: the file is as it was.
        function test_deletionsCanBeTakenBack() {
            const dansk = Fixture.addFag("Dansk")
            const mat = Fixture.addFag("Matematik")
            Fixture.addLektie(dansk, "Første", dag)
            Fixture.addLektie(mat, "Anden", 2 * dag, "Side 4", ["https://skole.dk/a"])
            Fixture.addLektie(dansk, "Tredje", 3 * dag)
            Fixture.addLektie(dansk, "Fjerde", 4 * dag)
            const foer = Fixture.suiteText()
            const bjaelke = findChild(indhold(), "fortrydBjaelke")
            const raekken = raekke("Anden")
            mouseMove(raekken, raekken.width / 2, raekken.height / 2)
            mouseClick(findChild(raekken, "sletKnap"))
            tryCompare(bjaelke, "visible", true)
            compare(bjaelke.Accessible.name, "Anden er slettet")
            mouseClick(findChild(bjaelke, "fortrydKnap"))
            compare(Fixture.suiteText(), foer)
            verify(raekke("Anden") !== null)

            Fixture.sletFag(dansk)
            compare(bjaelke.Accessible.name, "Dansk og 3 lektier er slettet")
            keyClick(Qt.Key_Z, Qt.ControlModifier)
            compare(Fixture.suiteText(), foer)
            compare(Fixture.fag().length, 2)
        }

        // A click on a row's body (not its buttons) or Return on its texts opens the
        // item's detail over the window, with "Rediger" and "Slet"; "Rediger" edits it.
        function test_aRowOpensItsDetailAndTheDetailEditsIt() {
            const dansk = Fixture.addFag("Dansk")
            const id = Fixture.addLektie(dansk, "Læs", dag, "Side 4")
            Fixture.addLektie(dansk, "Skriv", 2 * dag)
            const sheet = findChild(indhold(), "detaljeSheet")
            const r = raekke("Læs")
            mouseClick(findChild(r, "tekster"))
            tryCompare(sheet, "visible", true)
            compare(findChild(sheet.contentItem, "titel").text, "Læs")
            verify(findChild(sheet.contentItem, "sletKnap").visible)
            for (const dark of [false, true]) {
                Fixture.setDark(dark)
                waitForRendering(sheet.contentItem)
                compare(Fixture.lowContrastTexts(sheet.contentRoot), [])
            }
            compare(Fixture.unnamedControls(sheet.contentRoot), [])
            Fixture.setDark(false)
            mouseClick(findChild(sheet.contentItem, "lukKnap"))
            tryCompare(sheet, "visible", false)

            root.Window.window.requestActivate()
            tryCompare(root.Window.window, "active", true)
            findChild(raekke("Skriv"), "tekster").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Return)
            tryCompare(sheet, "visible", true)
            compare(findChild(sheet.contentItem, "titel").text, "Skriv")
            mouseClick(findChild(sheet.contentItem, "lukKnap"))
            tryCompare(sheet, "visible", false)

            mouseClick(findChild(raekke("Læs"), "tekster"))
            tryCompare(sheet, "visible", true)
            mouseClick(findChild(sheet.contentItem, "redigerKnap"))
            const form = findChild(indhold(), "nyLektieSheet")
            tryCompare(form, "visible", true)
            tryVerify(() => findChild(form.contentItem, "titel").text === "Læs")
            compare(findChild(form.contentItem, "beskrivelse").text, "Side 4")
            const titel = findChild(form.contentItem, "titel")
            titel.text += "x"
            titel.textEdited() // as typing does
            findChild(form.contentItem, "gem").clicked()
            tryCompare(form, "visible", false)
            compare(Fixture.lektier().length, 2)
            compare(Fixture.lektier()[0].id, id)
            compare(Fixture.lektier()[0].titel, "Læsx")
            compare(Fixture.lektier()[0].beskrivelse, "Side 4")
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
                root.Window.window.requestActivate() // back from the dialog
                tryCompare(root.Window.window, "active", true)
                keyClick(Qt.Key_Q, Qt.ControlModifier)
                compare(AppContext.afslutVenter, true)
                tryCompare(dialog, "visible", true)
                compare(dialog.title, "Dine ændringer er ikke gemt")
                compare(quits.count, 0)
                mouseClick(findChild(dialog.contentItem, svar))
                tryCompare(dialog, "visible", false)
            }
            compare(quits.count, 1)
            Fixture.holdLock(false)
            root.Window.window.requestActivate()
            tryCompare(root.Window.window, "active", true)
            keyClick(Qt.Key_Q, Qt.ControlModifier)
            compare(quits.count, 2)
            compare(dialog.visible, false)
        }
        Component {
            id: spion
            SignalSpy { target: AppContext; signalName: "quitRequested" }
        }

        function test_deletingTheShownSubjectFallsBackToTheOverview() {
            const dansk = Fixture.addFag("Dansk")
            findChild(indhold(), "fag-Dansk").clicked()
            tryVerify(() => side() && side().objectName === "fagSide")
            compare(el("tomTekst").text, "Ingen lektier i Dansk")
            Fixture.sletFag(dansk)
            tryVerify(() => side() && side().objectName === "oversigt")
            compare(findChild(indhold(), "alleLektier").valgt, false)
        }

        function test_sidebarArrowsSelect() {
            Fixture.addFag("Dansk")
            Fixture.addFag("Tysk")
            vis()
            findChild(indhold(), "alleLektier").forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Down)
            tryVerify(() => side() && side().objectName === "fagSide")
            compare(findChild(indhold(), "fag-Dansk").valgt, true)
            keyClick(Qt.Key_Down)
            compare(findChild(indhold(), "fag-Tysk").valgt, true)
            keyClick(Qt.Key_Up)
            keyClick(Qt.Key_Up)
            compare(findChild(indhold(), "alleLektier").valgt, true)
        }

        // Yesterday's subjects and homework come back from the settings, after a confirmation.
        function test_aBackupIsBroughtBack() {
            const dansk = Fixture.addFag("Dansk")
            Fixture.addLektie(dansk, "Læs", dag)
            Fixture.advanceMinutes(dag)
            Fixture.addLektie(dansk, "Skriv", dag) // the day's first save copies yesterday's
            mouseClick(findChild(indhold(), "indstillingerKnap"))
            const sheet = findChild(indhold(), "indstillingerSheet")
            tryCompare(sheet, "visible", true)
            const liste = findChild(sheet.contentRoot, "kopiListe")
            tryCompare(liste, "count", 1)
            compare(Fixture.lowContrastTexts(sheet.contentRoot), [])
            compare(Fixture.unnamedControls(sheet.contentRoot), [])
            waitForRendering(sheet.contentItem)
            mouseClick(findChild(liste.itemAtIndex(0), "gendan"))
            const dialog = findChild(sheet.contentRoot, "gendanDialog")
            tryCompare(dialog, "visible", true)
            verify(dialog.message.startsWith("Dine nuværende fag og lektier erstattes af kopien fra "))
            mouseClick(findChild(dialog.contentItem, "destructiveButton"))
            tryCompare(sheet, "visible", false)
            compare(Fixture.lektier().length, 1)
            compare(Fixture.lektier()[0].titel, "Læs")
        }

        // A subject renamed elsewhere (the panel, another program) renames its open page.
        function test_aRenamedSubjectRenamesItsPage() {
            const dansk = Fixture.addFag("Dansk")
            findChild(indhold(), "fag-Dansk").clicked()
            tryCompare(el("fagNavn"), "text", "Dansk")
            Fixture.omdoebFag(dansk, "Dansk A")
            compare(el("fagNavn").text, "Dansk A")
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
            const erFaerdig = id => Fixture.lektier().find(l => l.id === id).erFaerdig
            Fixture.clickReminder(laes, "marker-faerdig")
            compare(erFaerdig(laes), true)
            Fixture.clickReminder(laes, "marker-faerdig")
            compare(erFaerdig(laes), true)
            Fixture.sletLektie(laes)
            Fixture.clickReminder(laes, "marker-faerdig")
            compare(Fixture.lektier().length, 13)

            Fixture.clickReminder(gloser, "default")
            tryCompare(findChild(indhold(), "fag-Tysk"), "valgt", true)
            const tekster = findChild(raekke("Gloser"), "tekster")
            tryCompare(tekster, "activeFocus", true)
            compare(AppContext.fokusLektieId, "") // taken once, not again with every new page
            tryVerify(() => tekster.mapToItem(side(), 0, 0).y >= 0
                      && tekster.mapToItem(side(), 0, tekster.height).y <= side().height)
            Fixture.clickReminder("", "default")
            tryCompare(findChild(indhold(), "alleLektier"), "valgt", true)
            findChild(indhold(), "fag-Dansk").clicked()
            Fixture.clickReminder(laes, "default")
            tryCompare(findChild(indhold(), "alleLektier"), "valgt", true)
        }

        // The settings say whether reminders reach the pupil, when the next comes, and send
        // a test reminder.
        function test_reminderCheck_data() {
            return [{ tag: "no server", server: "", actions: false,
                      tekst: "Ingen notifikationsserver kører, så påmindelser kan ikke vises lige nu.",
                      handlinger: "Tavlen gemmer dem og viser dem, så snart skrivebordet starter en notifikationsserver.",
                      proeve: "Prøvepåmindelsen kunne ikke vises, fordi ingen notifikationsserver svarer." },
                    { tag: "without actions", server: "dunst", actions: false,
                      tekst: "Påmindelser vises af dunst.",
                      handlinger: "dunst viser ikke knapper i påmindelser. Klik på en påmindelse for at åbne lektien.",
                      proeve: "Prøvepåmindelsen er sendt." },
                    { tag: "with actions", server: "GNOME Shell", actions: true,
                      tekst: "Påmindelser vises af GNOME Shell.",
                      handlinger: "Du kan markere en lektie som færdig direkte fra påmindelsen.",
                      proeve: "Prøvepåmindelsen er sendt." }]
        }
        function test_reminderCheck(data) {
            Fixture.setNotificationServer(data.server, data.actions)
            mouseClick(findChild(indhold(), "indstillingerKnap"))
            const sheet = findChild(indhold(), "indstillingerSheet")
            tryCompare(sheet, "visible", true)
            const sektion = findChild(sheet.contentRoot, "paamindelser")
            tryCompare(findChild(sektion, "serverTekst"), "text", data.tekst)
            compare(findChild(sektion, "handlingerTekst").text, data.handlinger)
            tryCompare(findChild(sektion, "naesteTekst"), "text", "Ingen påmindelser er planlagt.")
            // Due tomorrow at noon: the day before's reminder at 16:00 comes before 18:00's summary.
            Fixture.addLektie(Fixture.addFag("Dansk"), "Læs side 42-60", dag + 2 * 60)
            tryCompare(findChild(sektion, "naesteTekst"), "text",
                       "Næste påmindelse: i dag kl. 16:00 – Læs side 42-60")
            const sendt = Fixture.postedTitles().length
            waitForRendering(sheet.contentItem)
            mouseClick(findChild(sektion, "proeveKnap"))
            tryCompare(findChild(sektion, "proeveTekst"), "text", data.proeve)
            compare(Fixture.postedTitles().length, sendt + (data.server ? 1 : 0))
            compare(Fixture.unnamedControls(sheet.contentRoot), [])
            compare(Fixture.lowContrastTexts(sheet.contentRoot), [])
        }

        function test_reset_data() {
            return [{ tag: "cancelled", knap: "cancelButton", fag: 1, onboarding: false },
                    { tag: "confirmed", knap: "destructiveButton", fag: 0, onboarding: true }]
        }
        function test_reset(data) {
            Fixture.addLektie(Fixture.addFag("Dansk"), "Læs", dag)
            mouseClick(findChild(indhold(), "indstillingerKnap"))
            const sheet = findChild(indhold(), "indstillingerSheet")
            tryCompare(sheet, "visible", true)
            mouseClick(findChild(sheet.contentRoot, "nulstilKnap"))
            const dialog = findChild(sheet.contentRoot, "nulstilDialog")
            tryCompare(dialog, "visible", true)
            mouseClick(findChild(dialog.contentItem, data.knap))
            tryCompare(dialog, "visible", false)
            compare(Fixture.fag().length, data.fag)
            tryCompare(indhold(), "objectName", data.onboarding ? "onboarding" : "hovedIndhold")
            if (!data.onboarding)
                compare(sheet.visible, true)
        }
    }
}
