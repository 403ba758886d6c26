#include "core/PreferencesFile.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "support/CountingWidgetReloader.h"
#include "support/FileSizeLimit.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tavlen;

namespace {

const QTimeZone copenhagen("Europe/Copenhagen");

QDateTime cph(int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min), copenhagen);
}

QStringList ids(const QList<Lektie>& lektier) {
    QStringList out;
    for (const Lektie& l : lektier)
        out << l.titel;
    return out;
}

const Fag dansk = Fag::ny("Dansk", "book.fill", "E8704A");
const Fag matematik = Fag::ny("Matematik", "function", "3B82F6");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One pupil's machine: config files, widget host, reminders and a store on top.
struct Machine {
    QTemporaryDir dir;
    QString configHome = dir.path() + QStringLiteral("/config");
    QString suitePath = configHome + QStringLiteral("/Tavlen/group.tavlen.json");
    QString standardPath = configHome + QStringLiteral("/Tavlen/Tavlen.json");
    QString recoveryDir = dir.path() + QStringLiteral("/data/Tavlen/recovered");
    PreferencesSuites suites{configHome};
    test::CountingWidgetReloader widgets;
    ManualClock clock{cph(2026, 12, 6, 10, 0)};
    InMemoryNotificationCenter center;
    LektieNotificationManager notifications{center, clock};
    std::unique_ptr<LektieStore> store;
    QString backupDir = dir.path() + QStringLiteral("/data/Tavlen/backups");
    int retryMs = 30000;

    LektieStore& start() {
        store.reset();
        store = std::make_unique<LektieStore>(LektieStore::Services{
            suites, widgets, notifications, clock, recoveryDir, backupDir, retryMs});
        return *store;
    }
    // Read with a plain JSON parser, not the program's own reader.
    static QJsonObject parse(const QByteArray& text) {
        return QJsonDocument::fromJson(text).object();
    }
    QJsonObject suite() const { return parse(readAll(suitePath)); }
    QJsonObject standard() const { return parse(readAll(standardPath)); }
    [[nodiscard]] static bool write(const QString& path, const QByteArray& text) {
        if (text.isEmpty())
            return true;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }
    QStringList recovered() const { return QDir(recoveryDir).entryList(QDir::Files, QDir::Name); }
    // Another program changes the stored homework list, as a widget would.
    [[nodiscard]] bool writeOutside(const std::function<void(QJsonArray&)>& change) const {
        QJsonArray list = suite().value("lektier_v4").toArray();
        change(list);
        return PreferencesFile(suitePath).setData(
            "lektier_v4", QJsonDocument(list).toJson(QJsonDocument::Compact));
    }
    Lektie lektie(const QString& titel, const QDateTime& deadline = cph(2026, 12, 9, 12, 0),
                  const Fag& fag = dansk) const {
        return Lektie::ny(fag.id, titel, QString(), {}, deadline, clock);
    }
};

QJsonObject fagJson(const Fag& f) {
    return {{"id", uuidTekst(f.id)},
            {"navn", f.navn},
            {"ikonNavn", f.ikonNavn},
            {"farveHex", f.farveHex}};
}

// Homework as the older version stored it: no links.
QByteArray oldLektieJson(const QString& titel, const QUuid& fagId, bool faerdig = false) {
    return "{\"id\":\"" + uuidTekst(QUuid::createUuid()).toLatin1() + "\",\"fagId\":\"" +
           uuidTekst(fagId).toLatin1() + "\",\"titel\":\"" + titel.toUtf8() +
           "\",\"beskrivelse\":\"Side 12-14\",\"deadline\":819442800,\"erFaerdig\":" +
           (faerdig ? "true" : "false") + ",\"oprettetDato\":757407600}";
}

} // namespace

class TestLektieStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedFormIsPlainJsonAndReloads() {
        Machine m;
        LektieStore& store = m.start();
        // A first start stores only the setup flag.
        QCOMPARE(store.lektier().size(), 0);
        QCOMPARE(store.fag().size(), 0);
        QCOMPARE(store.harSetupFaerdig(), false);
        QCOMPARE(m.suite(), QJsonObject({{"harSetupFaerdig_v4", false}}));
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(m.center.pending().size(), 0);
        QCOMPARE(QFile::exists(m.standardPath), false);
        QCOMPARE(m.widgets.reloads, 0);

        store.setHarSetupFaerdig(true);
        store.tilfoejFag(matematik);
        store.tilfoej(m.lektie("Brøker", QDateTime::fromMSecsSinceEpoch(1796979600250), matematik));
        const QJsonObject file = m.suite();
        QCOMPARE(file.value("fag_v4").toArray(), QJsonArray({fagJson(matematik)}));
        QJsonObject l = file.value("lektier_v4").toArray().at(0).toObject();
        QCOMPARE(l.take("id"), QJsonValue(uuidTekst(store.lektier().at(0).id)));
        QCOMPARE(l.take("fagId"), QJsonValue(uuidTekst(matematik.id)));
        QCOMPARE(l, Machine::parse(R"({"titel":"Brøker","beskrivelse":"","links":[],"erFaerdig":)"
                                   R"(false,"deadline":818672400.25,"oprettetDato":818240400})"));

        // A new run reads back all of it: saved again, the file is the same.
        LektieStore& again = m.start();
        again.setLektier(again.lektier());
        again.setFag(again.fag());
        QCOMPARE(m.suite(), file);
    }

    // What a start makes of the files an older version or a damaged run left.
    void startFrom_data() {
        QTest::addColumn<QByteArray>("standard");
        QTest::addColumn<QByteArray>("suite");
        QTest::addColumn<QStringList>("lektier");
        QTest::addColumn<bool>("fag");   // "Dansk" read
        QTest::addColumn<int>("copies"); // unreadable lists secured in the recovery folder
        const QByteArray old = "[" + oldLektieJson("Gammel", dansk.id) + "]";
        const QByteArray v4 =
            "[" + oldLektieJson("Ny", dansk.id, true).replace("}", ",\"links\":[]}") + "]";
        const QByteArray fag =
            QJsonDocument(QJsonArray{fagJson(dansk)}).toJson(QJsonDocument::Compact);
        QTest::newRow("standard v4 copied to the suite")
            << "{\"fag_v4\":" + fag + ",\"lektier_v4\":" + v4 + ",\"harSetupFaerdig_v4\":true}"
            << QByteArray() << QStringList{"Ny"} << true << 0;
        QTest::newRow("suite keeps what it has")
            << QByteArray(R"({"lektier_v4":[],"harSetupFaerdig_v4":true})")
            << "{\"lektier_v4\":" + v4 + ",\"harSetupFaerdig_v4\":false}" << QStringList{"Ny"}
            << false << 0;
        QTest::newRow("v4 without links, v3 present")
            << "{\"lektier_v3\":" + old + "}"
            << "{\"lektier_v4\":" + old + "}" << QStringList{"Gammel"} << false << 1;
        QTest::newRow("no v4, v3 broken")
            << QByteArray("{\"lektier_v3\":[{}]}") << QByteArray() << QStringList() << false << 0;
        QTest::newRow("fag v4 before setup is finished")
            << QByteArray() << "{\"fag_v4\":" + fag + "}" << QStringList() << false << 0;
        QTest::newRow("flag cut off, subjects read: set up")
            << QByteArray() << "{\n\"fag_v4\":" + fag + ",\n\"harSetupFaerdig_v4\":tr"
            << QStringList() << true << 1;
        QTest::newRow("byte-order mark")
            << QByteArray() << "\xEF\xBB\xBF{\"lektier_v4\":" + v4 + "}" << QStringList{"Ny"}
            << false << 0;
        QTest::newRow("fag v2 after setup")
            << "{\"fag_v2\":" + fag + "}" << QByteArray("{\"harSetupFaerdig_v4\":true}")
            << QStringList() << true << 0;
    }
    void startFrom() {
        QFETCH(QByteArray, standard);
        QFETCH(QByteArray, suite);
        QFETCH(QStringList, lektier);
        QFETCH(bool, fag);
        QFETCH(int, copies);
        Machine m;
        QVERIFY(Machine::write(m.standardPath, standard));
        QVERIFY(Machine::write(m.suitePath, suite));
        LektieStore& store = m.start();
        QCOMPARE(ids(store.lektier()), lektier);
        QCOMPARE(store.fag().isEmpty() ? QString() : store.fag().at(0).navn,
                 fag ? QStringLiteral("Dansk") : QString());
        QCOMPARE(m.recovered().size(), copies);
        // What was read is in the suite now; what could not be read is left as it was.
        const QJsonObject before = Machine::parse(suite), after = m.suite();
        QVERIFY(lektier.isEmpty() ? after["lektier_v4"] == before["lektier_v4"]
                                  : after["lektier_v4"].toArray().size() == 1);
        QVERIFY(fag ? after["fag_v4"].toArray().size() == 1 : after["fag_v4"] == before["fag_v4"]);
        // Nothing is removed from the standard preferences.
        QCOMPARE(m.standard(), Machine::parse(standard));
    }

    void legacyHomeworkIsConvertedAfresh() {
        Machine m;
        const QByteArray first = oldLektieJson("Læs kapitel 3", dansk.id, true);
        QVERIFY(Machine::write(m.standardPath, "{\"lektier_v3\":[" + first + "]}"));
        m.clock.advance(3600);
        const Lektie l = m.start().lektier().value(0);
        QCOMPARE(l.id.isNull(), false);
        QCOMPARE(first.contains(uuidTekst(l.id).toLatin1()), false); // a new id
        QCOMPARE(l.titel, QStringLiteral("Læs kapitel 3"));
        QCOMPARE(l.fagId, dansk.id);
        QCOMPARE(l.beskrivelse, QStringLiteral("Side 12-14"));
        QCOMPARE(l.deadline, cph(2026, 12, 20, 8, 0));
        QCOMPARE(l.oprettetDato, m.clock.now());
        QCOMPARE(l.links, QStringList());
        QCOMPARE(l.erFaerdig, false);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);
        QCOMPARE(m.standard().contains("lektier_v3"), true);
    }

    void unusableSuiteFallsBackToStandardPreferences() {
        Machine m;
        QVERIFY(QDir().mkpath(m.suitePath)); // a folder where the suite file belongs
        m.start().tilfoej(m.lektie("Stil"));
        QCOMPARE(m.standard().value("lektier_v4").toArray().size(), 1);
        QVERIFY(QFileInfo(m.suitePath).isDir());
        QCOMPARE(m.start().lektier().size(), 1);
    }

    void changeRulesSaveThenReloadThenRefresh() {
        Machine m;
        LektieStore& store = m.start();
        QTRY_VERIFY(m.notifications.isIdle());
        QStringList events;
        connect(&store, &LektieStore::willChange, this,
                [&] { events << QStringLiteral("will %1").arg(store.lektier().size()); });
        connect(&store, &LektieStore::lektierChanged, this, [&] { events << "lektierChanged"; });
        m.widgets.onReload = [&] {
            events << QStringLiteral("reload %1 idle=%2")
                          .arg(m.suite().value("lektier_v4").toArray().size())
                          .arg(m.notifications.isIdle());
        };
        store.tilfoej(m.lektie("A"));
        QVERIFY(!m.notifications.isIdle()); // refresh started after the save
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(events, QStringList({"will 0", "reload 1 idle=1", "lektierChanged"}));

        events.clear();
        connect(&store, &LektieStore::harSetupFaerdigChanged, this, [&] { events << "setup"; });
        store.setHarSetupFaerdig(true);
        QCOMPARE(events, QStringList({"will 1", "setup"}));
        QCOMPARE(m.notifications.isIdle(), true);
        QCOMPARE(m.suite().value("harSetupFaerdig_v4"), QJsonValue(true));

        const int reloads = m.widgets.reloads;
        store.gemFag();
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QCOMPARE(m.notifications.isIdle(), true);
        store.opdaterNotifikationer();
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QCOMPARE(m.notifications.isIdle(), false);
    }

    void operationsOnHomework() {
        Machine m;
        LektieStore& store = m.start();
        const Lektie a = m.lektie("A");
        store.tilfoej(a);
        store.tilfoej(m.lektie("B", cph(2026, 12, 8, 12, 0)));
        store.tilfoej(a); // same id twice
        QSignalSpy will(&store, &LektieStore::willChange);
        const int reloads = m.widgets.reloads;

        store.skiftFaerdig(QUuid::createUuid());
        QCOMPARE(will.size(), 0);
        QCOMPARE(m.widgets.reloads, reloads);

        store.skiftFaerdig(a.id); // only the first match
        QCOMPARE(store.lektier().at(0).erFaerdig, true);
        QCOMPARE(store.lektier().at(2).erFaerdig, false);
        QCOMPARE(m.widgets.reloads, reloads + 1);

        store.slet(QUuid::createUuid()); // still assigned and saved
        QCOMPARE(m.widgets.reloads, reloads + 2);
        QCOMPARE(store.lektier().size(), 3);

        store.slet(a.id); // every match
        QCOMPARE(ids(store.lektier()), QStringList({"B"}));
        QCOMPARE(will.size(), 3);
    }

    // An item without valid dates has no stored form; taking it would make every later
    // save of the list fail.
    void homeworkWithoutValidDatesIsRefused_data() {
        QTest::addColumn<bool>("deadline"); // the date left invalid, else the creation date
        QTest::newRow("no deadline") << true;
        QTest::newRow("no creation date") << false;
    }
    void homeworkWithoutValidDatesIsRefused() {
        QFETCH(bool, deadline);
        Machine m;
        LektieStore& store = m.start();
        QVERIFY(store.tilfoej(m.lektie("A")));
        Lektie bad = m.lektie("B");
        (deadline ? bad.deadline : bad.oprettetDato) = QDateTime();
        QSignalSpy will(&store, &LektieStore::willChange);
        const int reloads = m.widgets.reloads;

        QCOMPARE(store.tilfoej(bad), false);
        QCOMPARE(store.setLektier({store.lektier().at(0), bad}), false);
        QCOMPARE(will.size(), 0);
        QCOMPARE(ids(store.lektier()), QStringList({"A"}));
        QCOMPARE(m.widgets.reloads, reloads);
        QVERIFY(store.tilfoej(m.lektie("C")));
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 2);
    }

    void deletingASubjectTakesItsHomework() {
        Machine m;
        LektieStore& store = m.start();
        store.setFag({dansk, matematik});
        store.tilfoej(m.lektie("D1"));
        store.tilfoej(m.lektie("M1", cph(2026, 12, 9, 12, 0), matematik));
        store.tilfoej(m.lektie("D2", cph(2026, 12, 1, 12, 0)));
        store.tilfoej(m.lektie("M2", cph(2026, 12, 7, 12, 0), matematik));
        QList<qsizetype> saved; // homework in the file at each save
        m.widgets.onReload = [&] { saved << m.suite().value("lektier_v4").toArray().size(); };
        QSignalSpy will(&store, &LektieStore::willChange);
        store.sletFag(dansk.id);
        QCOMPARE(saved, QList<qsizetype>({4, 2})); // subjects first, then homework
        QCOMPARE(will.size(), 2);
        QCOMPARE(store.fag(), QList<Fag>({matematik}));
        QCOMPARE(ids(store.lektier()), QStringList({"M1", "M2"}));
    }

    void queriesSortStablyByDeadline() {
        Machine m;
        LektieStore& store = m.start();
        const QDateTime now = m.clock.now();
        store.setFag({dansk, matematik});
        store.tilfoej(m.lektie("senere", now.addDays(2), matematik));
        store.tilfoej(m.lektie("lige nu 1", now, matematik));
        store.tilfoej(m.lektie("forfalden", now.addSecs(-1), dansk));
        store.tilfoej(m.lektie("lige nu 2", now, dansk));
        store.tilfoej(m.lektie("færdig", now.addDays(1), matematik));
        store.skiftFaerdig(store.lektier().last().id);
        store.tilfoej(m.lektie("gammel", now.addDays(-3), dansk));
        store.tilfoej(m.lektie("lige nu 3", now, dansk));

        QCOMPARE(ids(store.kommendeLektier()),
                 QStringList({"lige nu 1", "lige nu 2", "lige nu 3", "senere"}));
        QCOMPARE(ids(store.forfaldneLektier()), QStringList({"gammel", "forfalden"}));
        QCOMPARE(ids(store.lektierForFag(matematik.id)),
                 QStringList({"lige nu 1", "færdig", "senere"}));

        m.clock.advance(1); // "now" is the precise moment, not the day
        QCOMPARE(ids(store.kommendeLektier()), QStringList({"senere"}));
    }

    void resetErasesEverythingWithoutIntermediateSaves() {
        Machine m;
        const QStringList gone{"lektier_v4", "fag_v4", "harSetupFaerdig_v4", "lektier_v3",
                               "fag_v2"};
        for (const QString& key : gone)
            m.suites.standard().setData(key, key.startsWith("har") ? "true" : "[]");
        LektieStore& store = m.start();
        store.tilfoejFag(dansk);
        store.tilfoej(m.lektie("A"));
        QTRY_COMPARE(m.center.pending().size(), 4);

        const int reloads = m.widgets.reloads;
        const QByteArray suiteBefore = readAll(m.suitePath);
        // Each change is announced before anything is saved or refreshed.
        int clean = 0;
        const auto look = [&] {
            clean += m.widgets.reloads == reloads && readAll(m.suitePath) == suiteBefore &&
                     m.notifications.isIdle();
        };
        connect(&store, &LektieStore::lektierChanged, this, look);
        connect(&store, &LektieStore::fagChanged, this, look);
        connect(&store, &LektieStore::harSetupFaerdigChanged, this, look);
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

    // What cannot be read is copied to the recovery folder as it is read, and the pupil
    // is told; the next save leaves it out of the file. The subjects are read for this
    // even before setup is finished.
    void unreadableListsAreSecuredBeforeTheyAreReplaced() {
        const QByteArray damaged = R"([{"id":"nope","titel":"Min eneste kopi"}])";
        const QByteArray garbage("\x01\x02 ikke json \xff", 15); // no JSON at all, kept as is
        Machine m, blocked;
        for (Machine* x : {&m, &blocked}) {
            x->suites.shared().setData("lektier_v4", damaged);
            x->suites.shared().setData("fag_v4", garbage);
        }
        // An older copy with the same name must survive.
        QVERIFY(
            Machine::write(m.recoveryDir + "/fag_v4-20261206T090000Z.json", QByteArray("ældre")));
        LektieStore& store = m.start();
        QCOMPARE(store.lektier().size(), 0);
        QCOMPARE(m.recovered(),
                 QStringList({"fag_v4-20261206T090000Z-2.json", "fag_v4-20261206T090000Z.json",
                              "lektier_v4-20261206T090000Z.json"}));
        QCOMPARE(readAll(m.recoveryDir + "/fag_v4-20261206T090000Z-2.json"), garbage);
        QCOMPARE(readAll(m.recoveryDir + "/fag_v4-20261206T090000Z.json"), QByteArray("ældre"));
        QCOMPARE(readAll(m.recoveryDir + "/lektier_v4-20261206T090000Z.json"), damaged);
        QCOMPARE(store.laesFejlLinje(),
                 "1 lektie og 1 fag kunne ikke læses. En kopi ligger i " + m.recoveryDir + ".");
        QCOMPARE(store.laesFejlMappe(), m.recoveryDir);
        store.setFag({dansk});
        store.setHarSetupFaerdig(true);
        store.tilfoej(m.lektie("Ny"));
        QCOMPARE(m.suite().value("fag_v4").toArray(), QJsonArray({fagJson(dansk)}));
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);
        m.clock.advance(60);
        QCOMPARE(m.start().laesFejlLinje(), QString()); // read whole, nothing copied again
        QCOMPARE(m.recovered().size(), 3);

        // Without a place for the copy, the unreadable bytes are kept in the suite beside
        // the list, and stay there.
        QVERIFY(Machine::write(blocked.recoveryDir, QByteArray("en fil, ingen mappe")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not copy the unreadable"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not copy the unreadable"));
        LektieStore& saved = blocked.start();
        QCOMPARE(saved.laesFejlMappe(), QFileInfo(blocked.suitePath).absolutePath());
        saved.tilfoej(blocked.lektie("Ny"));
        saved.tilfoej(blocked.lektie("Ny 2"));
        QCOMPARE(blocked.suite().value("lektier_v4").toArray().size(), 2);
        QCOMPARE(blocked.suites.shared().data("lektier_v4.ulaeselig-20261206T090000Z"),
                 std::optional<QByteArray>(damaged));
        QCOMPARE(blocked.widgets.reloads, 2);
        QCOMPARE(saved.sidsteGemningFejlede(), false);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not copy the unreadable"));
        QCOMPARE(blocked.start().lektier().size(), 2);
        QCOMPARE(blocked.suites.shared().data("lektier_v4.ulaeselig-20261206T090000Z"),
                 std::optional<QByteArray>(damaged));
    }

    // Another program (the widget, a script, Tavlen on another machine sharing this
    // home) changes the file: the change is loaded, and a save merges instead of
    // overwriting it.
    void outsideChangesAreLoadedAndMerged() {
        Machine m;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.tilfoejFag(dansk);
        store.tilfoej(m.lektie("A"));
        store.tilfoej(m.lektie("B"));
        const auto tick = [](QJsonArray& list, int i) {
            QJsonObject o = list[i].toObject();
            o["erFaerdig"] = true;
            list[i] = o;
        };
        QSignalSpy changed(&store, &LektieStore::lektierChanged);
        const int reloads = m.widgets.reloads;
        QVERIFY(m.writeOutside([&](QJsonArray& list) { tick(list, 1); }));
        QTRY_COMPARE(changed.size(), 1); // noticed without a save
        QCOMPARE(store.lektier().at(1).erFaerdig, true);
        QCOMPARE(m.widgets.reloads, reloads);

        // Changed outside and here before Tavlen looked: both survive the save.
        QJsonObject c = m.suite().value("lektier_v4").toArray().at(0).toObject();
        c["id"] = uuidTekst(QUuid::createUuid());
        c["titel"] = "C";
        QVERIFY(m.writeOutside([&](QJsonArray& list) {
            list.append(c);
            list.removeAt(1);
        }));
        store.skiftFaerdig(store.lektier().at(0).id);
        store.tilfoej(m.lektie("D"));
        QStringList stored;
        for (const QJsonValue& v : m.suite().value("lektier_v4").toArray())
            stored << v["titel"].toString() + (v["erFaerdig"].toBool() ? "*" : "");
        QCOMPARE(stored, QStringList({"A*", "C", "D"}));
        QCOMPARE(ids(store.lektier()), QStringList({"A", "C", "D"}));
        QCOMPARE(m.suite().value("fag_v4").toArray().size(), 1);

        // A file another writer cut short: the next save writes every key again.
        const QByteArray whole = readAll(m.suitePath);
        QVERIFY(Machine::write(m.suitePath, whole.left(whole.indexOf("\"lektier_v4\"") + 30)));
        store.skiftFaerdig(store.lektier().at(2).id);
        QCOMPARE(m.suite().value("fag_v4").toArray().size(), 1);
        QCOMPARE(m.suite().value("harSetupFaerdig_v4"), QJsonValue(true));
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 3);

        // A file gone for a moment (a writer that deletes before it writes) deletes nothing.
        QVERIFY(QFile::remove(m.suitePath));
        store.tjekFil();
        QCOMPARE(store.lektier().size(), 3);
        QCOMPARE(store.fag().size(), 1);
    }

    // Undoing is a change like any other: saved exactly as before, the widget told; an
    // outside change to the same record withdraws the offer.
    void theLastChangeCanBeTakenBack() {
        Machine m;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.tilfoejFag(dansk);
        store.tilfoej(m.lektie("A"));
        store.tilfoej(m.lektie("B"));
        const QByteArray foer = readAll(m.suitePath);
        store.skiftFaerdig(store.lektier().at(0).id);
        QCOMPARE(store.aendringTekst(), QStringLiteral("A er markeret som færdig"));
        const int reloads = m.widgets.reloads;
        QCOMPARE(store.fortryd(), true);
        QCOMPARE(readAll(m.suitePath), foer);
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QCOMPARE(store.kanGentage(), true);
        QCOMPARE(store.gentag(), true);
        QCOMPARE(store.lektier().at(0).erFaerdig, true);

        store.sletFag(dansk.id);
        QCOMPARE(store.aendringTekst(), QStringLiteral("Dansk og 2 lektier er slettet"));
        const QByteArray efter = readAll(m.suitePath);
        QCOMPARE(store.fortryd(), true);
        QCOMPARE(store.gentag(), true);
        QCOMPARE(readAll(m.suitePath), efter);
        QCOMPARE(store.fortryd(), true);
        QCOMPARE(store.lektier().size(), 2);
        QCOMPARE(store.fag().size(), 1);

        // Another program retitles B: ticking A stays undoable; retitling A withdraws it.
        store.skiftFaerdig(store.lektier().at(0).id);
        const auto retitle = [&](int i) {
            QVERIFY(m.writeOutside([i](QJsonArray& list) {
                QJsonObject o = list[i].toObject();
                o["titel"] = o["titel"].toString() + " (ændret)";
                list[i] = o;
            }));
            store.tjekFil();
        };
        retitle(1);
        QCOMPARE(store.kanFortryde(), true);
        retitle(0);
        QCOMPARE(store.kanFortryde(), false);
        store.skiftFaerdig(store.lektier().at(0).id);
        store.nulstilApp(); // its confirmation says it cannot be taken back
        QCOMPARE(store.kanFortryde(), false);
        QCOMPARE(store.aendringTekst(), QString());
    }

    // One copy a day before the day's first save, the newest 14 kept; a restore copies the
    // present state first and brings the copy back exactly; a reset leaves no copy behind.
    void dailyBackupsAndRestore() {
        Machine m;
        LektieStore& store = m.start();
        const auto kopier = [&] {
            return QDir(m.backupDir).entryList({"group.tavlen-*.json"}, QDir::Files).size();
        };
        store.setHarSetupFaerdig(true); // the day's first save: the first start's file is copied
        store.tilfoejFag(dansk);
        store.tilfoej(m.lektie("A"));
        QCOMPARE(kopier(), 1);
        const QString foerste = store.sikkerhedskopier().front().sti;
        m.clock.advance(24 * 3600);
        store.tilfoej(m.lektie("B"));
        store.tilfoej(m.lektie("C"));
        QCOMPARE(kopier(), 2);
        QCOMPARE(QFileInfo(m.backupDir).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());
        const QString anden = store.sikkerhedskopier().front().sti;
        QCOMPARE(readAll(anden).contains("\"A\""), true);
        QCOMPARE(readAll(anden).contains("\"B\""), false);
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
        QCOMPARE(Machine::parse(readAll(m.suitePath)), Machine::parse(kopi));
        QCOMPARE(ids(store.lektier()), QStringList({"A", "B", "C"}));

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

    // Two machines sharing one home are two stores on one file: every change made on
    // either survives.
    void twoStoresOnOneFileLoseNothing() {
        Machine m;
        LektieStore& first = m.start();
        first.tilfoej(m.lektie("A"));
        PreferencesSuites suites{m.configHome};
        test::CountingWidgetReloader widgets;
        InMemoryNotificationCenter center;
        LektieNotificationManager notifications{center, m.clock};
        LektieStore second({suites, widgets, notifications, m.clock, m.recoveryDir});
        QCOMPARE(ids(second.lektier()), QStringList({"A"}));
        first.tilfoej(m.lektie("B"));
        second.tilfoej(m.lektie("C"));
        second.slet(second.lektier().at(0).id);
        first.tilfoej(m.lektie("D"));
        QCOMPARE(ids(first.lektier()), QStringList({"B", "C", "D"}));
        QTRY_COMPARE(ids(second.lektier()), QStringList({"B", "C", "D"}));
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 3);
    }

    // A suite that can be read but not replaced stays the one read and written to; the
    // failure shows instead of a silent switch to the standard preferences.
    void aSuiteThatCannotBeReplacedStaysTheSuite() {
        Machine m;
        m.start().tilfoej(m.lektie("A"));
        m.store.reset();
        if (QProcess::execute("chattr", {"+i", m.suitePath}) != 0)
            QSKIP("this file system cannot make a file immutable");
        const auto undo = qScopeGuard([&] { QProcess::execute("chattr", {"-i", m.suitePath}); });
        LektieStore& store = m.start();
        QCOMPARE(ids(store.lektier()), QStringList({"A"}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not write .*group.tavlen"));
        store.tilfoej(m.lektie("B"));
        QCOMPARE(store.sidsteGemningFejlede(), true);
        QCOMPARE(QFile::exists(m.standardPath), false);
        QCOMPARE(&m.suites.shared(), &m.suites.shared());
        QCOMPARE(m.suites.shared().path(), m.suitePath);
    }

    // When the file refuses a write, the change stays in memory, the store says so, and
    // the next write that succeeds saves it too and clears the note.
    void failedSaveIsReportedUntilASaveSucceeds() {
        Machine m;
        m.retryMs = 50;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.tilfoejFag(dansk);
        QSignalSpy status(&store, &LektieStore::gemmeStatusChanged);
        const int reloads = m.widgets.reloads;
        {
            test::FileSizeLimit full(100); // as on a full disk
            QVERIFY(full.isActive());
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("Could not write .*group.tavlen.json"));
            store.tilfoej(m.lektie("Tabt?"));
        }

        QCOMPARE(store.lektier().size(), 1);
        QCOMPARE(store.sidsteGemningFejlede(), true);
        QCOMPARE(status.size(), 1);
        QCOMPARE(store.gemFejlLinje(), QStringLiteral("Dine ændringer kunne ikke gemmes. (%1)")
                                           .arg(QFileInfo(m.suitePath).absolutePath()));
        QCOMPARE(m.widgets.reloads, reloads);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 0);

        store.tilfoejFag(matematik); // a later save also writes the homework left unsaved
        QCOMPARE(store.sidsteGemningFejlede(), false);
        QCOMPARE(store.gemFejlLinje(), QString());
        QCOMPARE(status.size(), 2);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);
        QCOMPARE(m.suite().value("fag_v4").toArray().size(), 2);

        // Without another change, the store tries again by itself.
        {
            test::FileSizeLimit full(100);
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("Could not write .*group.tavlen.json"));
            store.tilfoej(m.lektie("Igen"));
        }
        QCOMPARE(store.sidsteGemningFejlede(), true);
        QTRY_COMPARE(store.sidsteGemningFejlede(), false);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 2);

        // A lock another program holds is a failed save like any other.
        QLockFile other(m.suitePath + ".lock");
        QVERIFY(other.tryLock(0));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not write .*holds the lock"));
        QCOMPARE(store.gemNu(), true); // nothing unsaved: nothing to write
        store.tilfoej(m.lektie("Låst"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not write .*holds the lock"));
        QCOMPARE(store.gemNu(), false);
        other.unlock();
        QCOMPARE(store.gemNu(), true);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 3);
    }
};

TAVLEN_TEST(TestLektieStore)
#include "tst_lektiestore.moc"
