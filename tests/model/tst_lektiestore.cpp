#include "support/FileSizeLimit.h"
#include "support/TempStore.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>

using namespace tavlen;
using test::kbh;
using test::row;
using test::titler;

namespace {

const Fag dansk = Fag::ny("Dansk", "book.fill", "E8704A");
const Fag matematik = Fag::ny("Matematik", "function", "3B82F6");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Read with a plain JSON parser, not the program's own reader.
QJsonObject parse(const QByteArray& text) {
    return QJsonDocument::fromJson(text).object();
}

[[nodiscard]] bool write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return text.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
}

QJsonArray fagListe(const Fag& f) {
    return {QJsonObject{{"id", uuidTekst(f.id)},
                        {"navn", f.navn},
                        {"ikonNavn", f.ikonNavn},
                        {"farveHex", f.farveHex}}};
}

// Homework as the older version stored it: no links.
QByteArray oldLektieJson(const QString& titel, bool faerdig = false) {
    return "{\"id\":\"" + uuidTekst(QUuid::createUuid()).toLatin1() + "\",\"fagId\":\"" +
           uuidTekst(dansk.id).toLatin1() + "\",\"titel\":\"" + titel.toUtf8() +
           "\",\"beskrivelse\":\"Side 12-14\",\"deadline\":819442800,\"erFaerdig\":" +
           (faerdig ? "true" : "false") + ",\"oprettetDato\":757407600}";
}

// One pupil's machine: config files, widget host, reminders and a store on top.
struct Machine {
    QTemporaryDir dir;
    QString configHome = dir.path() + "/config";
    QString suitePath = configHome + "/Tavlen/group.tavlen.json";
    QString standardPath = configHome + "/Tavlen/Tavlen.json";
    QString recoveryDir = dir.path() + "/data/Tavlen/recovered";
    QString backupDir = dir.path() + "/data/Tavlen/backups";
    PreferencesSuites suites{configHome};
    test::CountingWidgetReloader widgets;
    ManualClock clock{kbh(2026, 12, 6, 10)};
    InMemoryNotificationCenter center;
    LektieNotificationManager notifications{center, clock};
    std::unique_ptr<LektieStore> store;
    int retryMs = 30000;

    LektieStore& start() {
        store.reset();
        store = std::make_unique<LektieStore>(LektieStore::Services{
            suites, widgets, notifications, clock, recoveryDir, backupDir, retryMs});
        return *store;
    }
    QJsonObject suite() const { return parse(readAll(suitePath)); }
    QJsonObject standard() const { return parse(readAll(standardPath)); }
    qsizetype stored(const char* key = "lektier_v4") const { return suite()[key].toArray().size(); }
    QStringList recovered() const { return QDir(recoveryDir).entryList(QDir::Files, QDir::Name); }
    // Another program changes the stored homework list, as a widget would.
    [[nodiscard]] bool writeOutside(const std::function<void(QJsonArray&)>& change) const {
        QJsonArray list = suite().value("lektier_v4").toArray();
        change(list);
        return PreferencesFile(suitePath).setData(
            "lektier_v4", QJsonDocument(list).toJson(QJsonDocument::Compact));
    }
    Lektie lektie(const QString& titel, const QDateTime& deadline = kbh(2026, 12, 9, 12),
                  const Fag& fag = dansk) const {
        return Lektie::ny(fag.id, titel, QString(), {}, deadline, clock);
    }
    // A started store with setup finished, Dansk and these items due on the 9th.
    LektieStore& medLektier(const QStringList& titler) {
        LektieStore& s = start();
        s.setHarSetupFaerdig(true);
        s.tilfoejFag(dansk);
        for (const QString& titel : titler)
            s.tilfoej(lektie(titel));
        return s;
    }
};

} // namespace

class TestLektieStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a start makes of the files an older version or a damaged run left.
    void startFrom_data() {
        test::columns<QByteArray>({"standard", "suite"});
        QTest::addColumn<QStringList>("lektier");
        QTest::addColumn<bool>("fag");   // "Dansk" read
        QTest::addColumn<int>("copies"); // unreadable lists secured in the recovery folder
        const QByteArray old = "[" + oldLektieJson("Gammel") + "]",
                         fag = QJsonDocument(fagListe(dansk)).toJson(QJsonDocument::Compact);
        const QByteArray v4 = "[" + oldLektieJson("Ny", true).replace("}", ",\"links\":[]}") + "]";
        row("first start", QByteArray(), QByteArray(), QStringList(), false, 0);
        row("standard v4 copied to the suite",
            "{\"fag_v4\":" + fag + ",\"lektier_v4\":" + v4 + ",\"harSetupFaerdig_v4\":true}",
            QByteArray(), QStringList{"Ny"}, true, 0);
        row("suite keeps what it has", QByteArray(R"({"lektier_v4":[],"harSetupFaerdig_v4":true})"),
            "{\"lektier_v4\":" + v4 + ",\"harSetupFaerdig_v4\":false}", QStringList{"Ny"}, false,
            0);
        row("v4 without links, v3 present", "{\"lektier_v3\":" + old + "}",
            "{\"lektier_v4\":" + old + "}", QStringList{"Gammel"}, false, 1);
        row("no v4, v3 broken", QByteArray("{\"lektier_v3\":[{}]}"), QByteArray(), QStringList(),
            false, 0);
        row("fag v4 before setup is finished", QByteArray(), "{\"fag_v4\":" + fag + "}",
            QStringList(), false, 0);
        row("flag cut off, subjects read: set up", QByteArray(),
            "{\n\"fag_v4\":" + fag + ",\n\"harSetupFaerdig_v4\":tr", QStringList(), true, 1);
        row("fag v2 after setup", "{\"fag_v2\":" + fag + "}",
            QByteArray("{\"harSetupFaerdig_v4\":true}"), QStringList(), true, 0);
    }
    void startFrom() {
        const auto [standard, suite, lektier, fag, copies] =
            test::fetch<QByteArray, QByteArray, QStringList, bool, int>("standard", "suite",
                                                                        "lektier", "fag", "copies");
        Machine m;
        QVERIFY(write(m.standardPath, standard));
        QVERIFY(write(m.suitePath, suite));
        LektieStore& store = m.start();
        QCOMPARE(titler(store.lektier()), lektier);
        QCOMPARE(store.fag().isEmpty() ? QString() : store.fag().at(0).navn,
                 fag ? QStringLiteral("Dansk") : QString());
        QCOMPARE(m.recovered().size(), copies);
        // What was read is in the suite now; what could not be read is left as it was.
        const QJsonObject before = parse(suite), after = m.suite();
        if (lektier.isEmpty())
            QCOMPARE(after["lektier_v4"], before["lektier_v4"]);
        else
            QCOMPARE(m.stored(), 1);
        if (fag)
            QCOMPARE(m.stored("fag_v4"), 1);
        else
            QCOMPARE(after["fag_v4"], before["fag_v4"]);
        QCOMPARE(m.standard(), parse(standard)); // nothing is removed from it
    }

    // The older form's homework gets a new id and creation date, no links, and is open.
    void legacyHomeworkIsConvertedAfresh() {
        Machine m;
        const QByteArray first = oldLektieJson("Læs kapitel 3", true);
        QVERIFY(write(m.standardPath, "{\"lektier_v3\":[" + first + "]}"));
        m.clock.advance(3600);
        const Lektie l = m.start().lektier().value(0);
        QCOMPARE(l.id.isNull(), false);
        QCOMPARE(first.contains(uuidTekst(l.id).toLatin1()), false);
        QCOMPARE(l.titel, QStringLiteral("Læs kapitel 3"));
        QCOMPARE(l.fagId, dansk.id);
        QCOMPARE(l.beskrivelse, QStringLiteral("Side 12-14"));
        QCOMPARE(l.deadline, kbh(2026, 12, 20, 8));
        QCOMPARE(l.oprettetDato, m.clock.now());
        QCOMPARE(l.links, QStringList());
        QCOMPARE(l.erFaerdig, false);
    }

    // A change is announced, saved, the widget told, then the reminders rebuilt.
    void changeRulesSaveThenReloadThenRefresh() {
        Machine m;
        LektieStore& store = m.start();
        QTRY_VERIFY(m.notifications.isIdle());
        QStringList events;
        connect(&store, &LektieStore::willChange, this,
                [&] { events << QStringLiteral("will %1").arg(store.lektier().size()); });
        connect(&store, &LektieStore::lektierChanged, this, [&] { events << "lektierChanged"; });
        connect(&store, &LektieStore::harSetupFaerdigChanged, this, [&] { events << "setup"; });
        m.widgets.onReload = [&] {
            events << QStringLiteral("reload %1 idle=%2")
                          .arg(m.stored())
                          .arg(m.notifications.isIdle());
        };
        store.tilfoej(m.lektie("A"));
        QCOMPARE(m.notifications.isIdle(), false); // refresh started after the save
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(events, QStringList({"will 0", "reload 1 idle=1", "lektierChanged"}));
        events.clear();
        store.setHarSetupFaerdig(true);
        QCOMPARE(events, QStringList({"will 1", "setup"}));
        QCOMPARE(m.notifications.isIdle(), true);
        QCOMPARE(m.suite().value("harSetupFaerdig_v4"), QJsonValue(true));
        const int reloads = m.widgets.reloads;
        store.gemFag();
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QCOMPARE(m.notifications.isIdle(), true);
    }

    // A tick takes the first item with the id, a deletion every one; an id that is not there
    // changes nothing. An item without valid dates has no stored form: taking it would make
    // every later save of the list fail.
    void operationsOnHomework() {
        Machine m;
        LektieStore& store = m.start();
        const Lektie a = m.lektie("A");
        store.tilfoej(a);
        store.tilfoej(m.lektie("B"));
        store.tilfoej(a); // same id twice
        Lektie udenDeadline = m.lektie("C"), udenOprettet = m.lektie("D");
        udenDeadline.deadline = udenOprettet.oprettetDato = QDateTime();
        QSignalSpy will(&store, &LektieStore::willChange);
        const int reloads = m.widgets.reloads;
        QCOMPARE(store.tilfoej(udenDeadline), false);
        QCOMPARE(store.setLektier({a, udenOprettet}), false);
        store.skiftFaerdig(QUuid::createUuid());
        QCOMPARE(will.size(), 0);
        QCOMPARE(m.widgets.reloads, reloads);
        QCOMPARE(titler(store.lektier()), QStringList({"A", "B", "A"}));
        store.skiftFaerdig(a.id);
        QCOMPARE(store.lektier().at(0).erFaerdig, true);
        QCOMPARE(store.lektier().at(2).erFaerdig, false);
        store.slet(a.id);
        QCOMPARE(titler(store.lektier()), QStringList({"B"}));
        QCOMPARE(will.size(), 2);
        QCOMPARE(m.stored(), 1);
    }

    void queriesSortStablyByDeadline() {
        Machine m;
        LektieStore& store = m.start();
        const QDateTime now = m.clock.now();
        store.tilfoej(m.lektie("senere", now.addDays(2), matematik));
        store.tilfoej(m.lektie("lige nu 1", now, matematik));
        store.tilfoej(m.lektie("forfalden", now.addSecs(-1)));
        store.tilfoej(m.lektie("lige nu 2", now));
        store.tilfoej(m.lektie("færdig", now.addDays(1), matematik));
        store.skiftFaerdig(store.lektier().last().id);
        store.tilfoej(m.lektie("gammel", now.addDays(-3)));
        store.tilfoej(m.lektie("lige nu 3", now));
        QCOMPARE(titler(store.kommendeLektier()),
                 QStringList({"lige nu 1", "lige nu 2", "lige nu 3", "senere"}));
        QCOMPARE(titler(store.forfaldneLektier()), QStringList({"gammel", "forfalden"}));
        QCOMPARE(titler(store.lektierForFag(matematik.id)),
                 QStringList({"lige nu 1", "færdig", "senere"}));
        m.clock.advance(1); // "now" is the precise moment, not the day
        QCOMPARE(titler(store.kommendeLektier()), QStringList({"senere"}));
    }

    // Every key goes, the older versions' too; each change is announced before anything is
    // saved or refreshed, and the file is written once.
    void resetErasesEverythingWithoutIntermediateSaves() {
        Machine m;
        const QStringList gone{"lektier_v4", "fag_v4", "harSetupFaerdig_v4", "lektier_v3",
                               "fag_v2"};
        for (const QString& key : gone)
            m.suites.standard().setData(key, key.startsWith("har") ? "true" : "[]");
        LektieStore& store = m.medLektier({"A"});
        QTRY_COMPARE(m.center.pending().size(), 4);
        const int reloads = m.widgets.reloads;
        const QByteArray suiteBefore = readAll(m.suitePath);
        int clean = 0;
        const auto look = [&] {
            clean += m.widgets.reloads == reloads && readAll(m.suitePath) == suiteBefore &&
                     m.notifications.isIdle();
        };
        for (const auto signal : {&LektieStore::lektierChanged, &LektieStore::fagChanged,
                                  &LektieStore::harSetupFaerdigChanged})
            connect(&store, signal, this, look);
        store.nulstilApp();
        QCOMPARE(clean, 3);
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QCOMPARE(store.lektier().size(), 0);
        QCOMPARE(store.fag().size(), 0);
        QCOMPARE(store.harSetupFaerdig(), false);
        for (const QString& key : gone) {
            QVERIFY2(!m.suite().contains(key), qPrintable(key));
            QVERIFY2(!m.standard().contains(key), qPrintable(key));
        }
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(m.center.pending().size(), 0);
    }

    // What cannot be read is copied to the recovery folder as it is read (the notice is the
    // screens'); the next save leaves it out of the file. The subjects are read for this even
    // before setup is finished.
    void unreadableListsAreSecuredBeforeTheyAreReplaced() {
        const QByteArray damaged = R"([{"id":"nope","titel":"Min eneste kopi"}])";
        const QByteArray garbage("\x01\x02 ikke json \xff", 15); // no JSON at all, kept as is
        Machine m, blocked;
        for (Machine* x : {&m, &blocked}) {
            x->suites.shared().setData("lektier_v4", damaged);
            x->suites.shared().setData("fag_v4", garbage);
        }
        // An older copy with the same name must survive.
        const QString kopi = m.recoveryDir + "/fag_v4-20261206T090000Z";
        QVERIFY(write(kopi + ".json", "ældre"));
        LektieStore& store = m.start();
        QCOMPARE(store.lektier().size(), 0);
        QCOMPARE(m.recovered(),
                 QStringList({"fag_v4-20261206T090000Z-2.json", "fag_v4-20261206T090000Z.json",
                              "lektier_v4-20261206T090000Z.json"}));
        QCOMPARE(readAll(kopi + "-2.json"), garbage);
        QCOMPARE(readAll(kopi + ".json"), QByteArray("ældre"));
        QCOMPARE(readAll(m.recoveryDir + "/lektier_v4-20261206T090000Z.json"), damaged);
        QCOMPARE(store.laesFejlMappe(), m.recoveryDir);
        store.setFag({dansk});
        store.tilfoej(m.lektie("Ny"));
        QCOMPARE(m.suite().value("fag_v4").toArray(), fagListe(dansk));
        QCOMPARE(m.stored(), 1);
        m.clock.advance(60);
        QCOMPARE(m.start().laesFejlLinje(), QString()); // read whole, nothing copied again
        QCOMPARE(m.recovered().size(), 3);

        // Without a place for the copy, the unreadable bytes stay in the suite beside the list.
        QVERIFY(write(blocked.recoveryDir, "en fil, ingen mappe"));
        for (int i = 0; i < 3; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not copy the unreadable"));
        LektieStore& saved = blocked.start();
        QCOMPARE(saved.laesFejlMappe(), QFileInfo(blocked.suitePath).absolutePath());
        saved.tilfoej(blocked.lektie("Ny"));
        saved.tilfoej(blocked.lektie("Ny 2"));
        QCOMPARE(saved.sidsteGemningFejlede(), false);
        QCOMPARE(blocked.start().lektier().size(), 2);
        QCOMPARE(blocked.suites.shared().data("lektier_v4.ulaeselig-20261206T090000Z"),
                 std::optional<QByteArray>(damaged));
    }

    // Another program (the widget, a script, Tavlen on another machine sharing this home)
    // changes the file: the change is loaded, and a save merges instead of overwriting it.
    void outsideChangesAreLoadedAndMerged() {
        Machine m;
        LektieStore& store = m.medLektier({"A", "B"});
        QSignalSpy changed(&store, &LektieStore::lektierChanged);
        const int reloads = m.widgets.reloads;
        QVERIFY(m.writeOutside([&](QJsonArray& list) {
            QJsonObject o = list[1].toObject();
            o["erFaerdig"] = true;
            list[1] = o;
        }));
        QTRY_COMPARE(changed.size(), 1); // noticed without a save
        QCOMPARE(store.lektier().at(1).erFaerdig, true);
        QCOMPARE(m.widgets.reloads, reloads);

        // Changed outside and here before Tavlen looked: both survive the save.
        QVERIFY(m.writeOutside([&](QJsonArray& list) {
            QJsonObject c = list[0].toObject();
            c["id"] = uuidTekst(QUuid::createUuid());
            c["titel"] = "C";
            list.append(c);
            list.removeAt(1);
        }));
        store.skiftFaerdig(store.lektier().at(0).id);
        store.tilfoej(m.lektie("D"));
        QStringList stored;
        for (const QJsonValue& v : m.suite().value("lektier_v4").toArray())
            stored << v["titel"].toString() + (v["erFaerdig"].toBool() ? "*" : "");
        QCOMPARE(stored, QStringList({"A*", "C", "D"}));
        QCOMPARE(titler(store.lektier()), QStringList({"A", "C", "D"}));

        // A file another writer cut short: the next save writes every key again.
        const QByteArray whole = readAll(m.suitePath);
        QVERIFY(write(m.suitePath, whole.left(whole.indexOf("\"lektier_v4\"") + 30)));
        store.skiftFaerdig(store.lektier().at(2).id);
        QCOMPARE(m.stored("fag_v4"), 1);
        QCOMPARE(m.suite().value("harSetupFaerdig_v4"), QJsonValue(true));
        QCOMPARE(m.stored(), 3);

        // A file gone for a moment (a writer that deletes before it writes) deletes nothing.
        QVERIFY(QFile::remove(m.suitePath));
        store.tjekFil();
        QCOMPARE(store.lektier().size(), 3);
        QCOMPARE(store.fag().size(), 1);
    }

    // Undoing is a change like any other: saved exactly as before, the widget told (a tick
    // taken back is the panel's screen's). A deleted subject takes its homework (subjects
    // saved first) and brings it back. An outside change to the same record withdraws the
    // offer.
    void theLastChangeCanBeTakenBack() {
        Machine m;
        LektieStore& store = m.medLektier({"A", "B"});
        store.tilfoejFag(matematik);
        store.tilfoej(m.lektie("M", kbh(2026, 12, 9, 12), matematik));
        const QByteArray foer = readAll(m.suitePath);
        QList<qsizetype> saved; // homework in the file at each save
        m.widgets.onReload = [&] { saved << m.stored(); };
        QSignalSpy will(&store, &LektieStore::willChange);
        store.sletFag(dansk.id);
        QCOMPARE(saved, QList<qsizetype>({3, 1}));
        QCOMPARE(will.size(), 2);
        QCOMPARE(store.fag(), QList<Fag>({matematik}));
        QCOMPARE(titler(store.lektier()), QStringList({"M"}));
        QCOMPARE(store.aendringTekst(), QStringLiteral("Dansk og 2 lektier er slettet"));
        const QByteArray efter = readAll(m.suitePath);
        QCOMPARE(store.fortryd(), true);
        QCOMPARE(readAll(m.suitePath), foer);
        QCOMPARE(saved.size(), 3);
        QCOMPARE(store.kanGentage(), true);
        QCOMPARE(store.gentag(), true);
        QCOMPARE(readAll(m.suitePath), efter);
        QCOMPARE(store.fortryd(), true);
        QCOMPARE(titler(store.lektier()), QStringList({"A", "B", "M"}));
        // Another program retitles B: ticking A stays undoable; retitling A withdraws it.
        store.skiftFaerdig(store.lektier().at(0).id);
        for (int i : {1, 0}) {
            QCOMPARE(store.kanFortryde(), true);
            QVERIFY(m.writeOutside([i](QJsonArray& list) {
                QJsonObject o = list[i].toObject();
                o["titel"] = o["titel"].toString() + " (ændret)";
                list[i] = o;
            }));
            store.tjekFil();
        }
        QCOMPARE(store.kanFortryde(), false);
        store.skiftFaerdig(store.lektier().at(0).id);
        store.nulstilApp(); // its confirmation says it cannot be taken back
        QCOMPARE(store.kanFortryde(), false);
        QCOMPARE(store.aendringTekst(), QString());
    }

    // One copy a day before the day's first save, the newest 14 kept, the folder the pupil's
    // alone; a restore copies the present state first and brings the copy back exactly (the
    // settings' screen proves it from the pupil's side); a reset leaves no copy behind.
    void dailyBackupsAndRestore() {
        Machine m;
        LektieStore& store = m.medLektier({"A"}); // the first start's file is copied
        const auto kopier = [&] { return QDir(m.backupDir).entryList(QDir::Files).size(); };
        QCOMPARE(kopier(), 1);
        const QString foerste = store.sikkerhedskopier().front().sti;
        m.clock.advance(24 * 3600);
        store.tilfoej(m.lektie("B"));
        store.tilfoej(m.lektie("C"));
        QCOMPARE(kopier(), 2);
        QCOMPARE(QFileInfo(m.backupDir).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());
        QCOMPARE(readAll(store.sikkerhedskopier().front().sti).contains("\"B\""), false);
        for (int dag = 0; dag < 15; ++dag) {
            m.clock.advance(24 * 3600);
            store.skiftFaerdig(store.lektier().at(0).id);
        }
        QCOMPARE(kopier(), 14);
        QCOMPARE(QFile::exists(foerste), false); // the oldest went

        const QByteArray foer = readAll(m.suitePath);
        const QString aeldste = store.sikkerhedskopier().back().sti;
        const QByteArray kopi = readAll(aeldste);
        QVERIFY(store.gendan(aeldste));
        QCOMPARE(readAll(store.sikkerhedskopier().front().sti), foer); // copied first
        QCOMPARE(m.suite(), parse(kopi));

        // Bounded recovered copies: 21 unreadable lists leave the newest 20.
        for (int i = 0; i < 21; ++i) {
            PreferencesFile(m.suitePath).setData("lektier_v4", QByteArray::number(i) + "x");
            m.clock.advance(1);
            store.tjekFil();
        }
        QCOMPARE(m.recovered().size(), 20);
        store.nulstilApp();
        QCOMPARE(QDir(m.backupDir).exists(), false);
        QCOMPARE(QDir(m.recoveryDir).exists(), false);
        store.tilfoejFag(dansk); // no copy of the emptied suite that day either
        QCOMPARE(QDir(m.backupDir).exists(), false);
    }

    // A suite that can be read but not replaced stays the one read and written to; the
    // failure shows instead of a silent switch to the standard preferences (where one that
    // cannot be opened at all goes: the preferences file's test).
    void aSuiteThatCannotBeReplacedStaysTheSuite() {
        Machine m;
        m.start().tilfoej(m.lektie("A"));
        m.store.reset();
        if (QProcess::execute("chattr", {"+i", m.suitePath}) != 0)
            QSKIP("this file system cannot make a file immutable");
        const auto undo = qScopeGuard([&] { QProcess::execute("chattr", {"-i", m.suitePath}); });
        LektieStore& store = m.start();
        QCOMPARE(titler(store.lektier()), QStringList({"A"}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not write .*group.tavlen"));
        store.tilfoej(m.lektie("B"));
        QCOMPARE(store.sidsteGemningFejlede(), true);
        QCOMPARE(QFile::exists(m.standardPath), false);
        QCOMPARE(m.suites.shared().path(), m.suitePath);
    }

    // When the file refuses a write, the change stays in memory, the store says so, and the
    // next write that succeeds (a later change, the store's own retry) saves it too; a quit
    // that saves it is the main window's screen's.
    void failedSaveIsReportedUntilASaveSucceeds() {
        Machine m;
        m.retryMs = 50;
        LektieStore& store = m.medLektier({});
        QSignalSpy status(&store, &LektieStore::gemmeStatusChanged);
        const int reloads = m.widgets.reloads;
        const auto fuld = [&](const QString& titel) {
            test::FileSizeLimit full(100); // as on a full disk
            QVERIFY(full.isActive());
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("Could not write .*group.tavlen"));
            store.tilfoej(m.lektie(titel));
        };
        fuld("Tabt?");
        QCOMPARE(store.lektier().size(), 1);
        QCOMPARE(store.sidsteGemningFejlede(), true);
        QCOMPARE(status.size(), 1);
        QCOMPARE(store.gemFejlLinje(), QStringLiteral("Dine ændringer kunne ikke gemmes. (%1)")
                                           .arg(QFileInfo(m.suitePath).absolutePath()));
        QCOMPARE(m.widgets.reloads, reloads);
        QCOMPARE(m.stored(), 0);
        store.tilfoejFag(matematik);
        QCOMPARE(store.sidsteGemningFejlede(), false);
        QCOMPARE(store.gemFejlLinje(), QString());
        QCOMPARE(status.size(), 2);
        QCOMPARE(m.stored(), 1);
        QCOMPARE(m.stored("fag_v4"), 2);

        fuld("Igen"); // without another change
        QCOMPARE(store.sidsteGemningFejlede(), true);
        QTRY_COMPARE(store.sidsteGemningFejlede(), false);
        QCOMPARE(m.stored(), 2);
    }
};

TAVLEN_TEST(TestLektieStore)
#include "tst_lektiestore.moc"
