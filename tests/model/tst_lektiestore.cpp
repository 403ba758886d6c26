#include "model/Clock.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/PreferencesFile.h"
#include "support/CountingWidgetReloader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tavlen;

namespace {

const QTimeZone copenhagen("Europe/Copenhagen");

QDateTime cph(int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min), copenhagen);
}

QString upper(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

QStringList ids(const QList<Lektie>& lektier) {
    QStringList out;
    for (const Lektie& l : lektier)
        out << l.titel;
    return out;
}

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

    LektieStore& start() {
        store.reset();
        store = std::make_unique<LektieStore>(
            LektieStore::Services{suites, widgets, notifications, clock, recoveryDir});
        return *store;
    }
    // Read with a plain JSON parser, not the program's own reader.
    static QJsonObject read(const QString& path) {
        return QJsonDocument::fromJson(readAll(path)).object();
    }
    QJsonObject suite() const { return read(suitePath); }
    QJsonObject standard() const { return read(standardPath); }
    static void write(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    QStringList recovered() const { return QDir(recoveryDir).entryList(QDir::Files, QDir::Name); }
    Lektie lektie(const QString& titel, const QDateTime& deadline, const Fag& fag) const {
        return Lektie::ny(fag.id, titel, QString(), {}, deadline, clock);
    }
};

QJsonObject fagJson(const Fag& f) {
    return {
        {"id", upper(f.id)}, {"navn", f.navn}, {"ikonNavn", f.ikonNavn}, {"farveHex", f.farveHex}};
}

// Homework as the older version stored it: no links.
QByteArray oldLektieJson(const QString& titel, const QUuid& fagId, bool faerdig = false) {
    return "{\"id\":\"" + upper(QUuid::createUuid()).toLatin1() + "\",\"fagId\":\"" +
           upper(fagId).toLatin1() + "\",\"titel\":\"" + titel.toUtf8() +
           "\",\"beskrivelse\":\"Side 12-14\",\"deadline\":819442800,\"erFaerdig\":" +
           (faerdig ? "true" : "false") + ",\"oprettetDato\":757407600}";
}

const Fag dansk = Fag::ny("Dansk", "book.fill", "E8704A");
const Fag matematik = Fag::ny("Matematik", "function", "3B82F6");

} // namespace

class TestLektieStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartStoresOnlyTheSetupFlag() {
        Machine m;
        LektieStore& store = m.start();
        QVERIFY(store.lektier().isEmpty() && store.fag().isEmpty() && !store.harSetupFaerdig());
        QCOMPARE(m.suite(), QJsonObject({{"harSetupFaerdig_v4", false}}));
        QVERIFY(!QFile::exists(m.standardPath));
        QCOMPARE(m.widgets.reloads, 0);
        QTRY_VERIFY(m.notifications.isIdle());
        QVERIFY(m.center.pending().isEmpty());
    }

    void storedFormIsPlainJsonAndReloads() {
        Machine m;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        const Fag fag = Fag::ny("Matematik", "function", "3B82F6",
                                QUuid("{0b5e2f1a-1111-4222-8333-444455556666}"));
        store.tilfoejFag(fag);
        const QDateTime deadline(QDate(2026, 12, 11), QTime(9, 0, 0, 250), QTimeZone::utc());
        Lektie l = Lektie::ny(fag.id, "Brøker side 42", "Opgave 1–5, husk æøå",
                              {"https://example.dk/brøker"}, deadline, m.clock);
        l.id = QUuid("{6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab}");
        store.tilfoej(l);
        Lektie tom = m.lektie("Tom", deadline, fag);
        tom.id = QUuid("{6f1c2a9e-3b4d-4c8e-9a1f-0123456789ac}");
        store.tilfoej(tom);

        const QByteArray expected =
            R"({"harSetupFaerdig_v4":true,"fag_v4":[{)"
            R"("id":"0B5E2F1A-1111-4222-8333-444455556666","navn":"Matematik",)"
            R"("ikonNavn":"function","farveHex":"3B82F6"}],"lektier_v4":[{)"
            R"("id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB",)"
            R"("fagId":"0B5E2F1A-1111-4222-8333-444455556666","titel":"Brøker side 42",)"
            R"("beskrivelse":"Opgave 1–5, husk æøå","links":["https://example.dk/brøker"],)"
            R"("deadline":818672400.25,"erFaerdig":false,"oprettetDato":818240400},{)"
            R"("id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AC",)"
            R"("fagId":"0B5E2F1A-1111-4222-8333-444455556666","titel":"Tom","beskrivelse":"",)"
            R"("links":[],"deadline":818672400.25,"erFaerdig":false,"oprettetDato":818240400}]})";
        QCOMPARE(m.suite(), QJsonDocument::fromJson(expected).object());

        // A new run reads back all of it: saved again, the file is the same, and a
        // readable list needs no recovery copy.
        LektieStore& again = m.start();
        QVERIFY(again.harSetupFaerdig());
        again.setLektier(again.lektier());
        again.setFag(again.fag());
        QCOMPARE(m.suite(), QJsonDocument::fromJson(expected).object());
        QVERIFY(!QFileInfo::exists(m.recoveryDir));
    }

    void migrationCopiesOnlyWhatTheSuiteLacks() {
        Machine m;
        // Lower-case ids and an extra key: copied byte for byte, not re-encoded.
        const QByteArray fagBytes = R"([{"id":"0b5e2f1a-1111-4222-8333-444455556666",)"
                                    R"("navn":"M","ikonNavn":"f","farveHex":"3B82F6","x":1}])";
        Machine::write(m.standardPath,
                       "{\"fag_v4\":" + fagBytes + ",\"lektier_v4\":[],\"harSetupFaerdig_v4\":1}");
        Machine::write(m.suitePath, QByteArray("{\"lektier_v4\":[{\"behold\":true}]}"));
        LektieSharedStore::migrateIfNeeded(m.suites);
        QCOMPARE(m.suites.standard().data("fag_v4"), std::optional<QByteArray>(fagBytes));
        QCOMPARE(m.suites.shared().data("fag_v4"), std::optional<QByteArray>(fagBytes));
        QCOMPARE(m.suites.shared().data("lektier_v4"),
                 std::optional<QByteArray>("[{\"behold\":true}]"));
        QCOMPARE(m.suite().value("harSetupFaerdig_v4"), QJsonValue(true));
        QCOMPARE(m.standard().keys(), QStringList({"fag_v4", "harSetupFaerdig_v4", "lektier_v4"}));

        // A flag the suite already holds is kept, even when it is false.
        Machine n;
        Machine::write(n.standardPath, "{\"harSetupFaerdig_v4\":true}");
        Machine::write(n.suitePath, "{\"harSetupFaerdig_v4\":false}");
        LektieSharedStore::migrateIfNeeded(n.suites);
        QCOMPARE(n.suite().value("harSetupFaerdig_v4"), QJsonValue(false));
    }

    // What a start makes of the files an older version or a damaged run left.
    void startFrom_data() {
        QTest::addColumn<QByteArray>("standard");
        QTest::addColumn<QByteArray>("suite");
        QTest::addColumn<QStringList>("lektier");
        QTest::addColumn<QStringList>("fag");
        QTest::addColumn<int>("copies"); // unreadable lists secured in the recovery folder
        const QByteArray old = "[" + oldLektieJson("Gammel", dansk.id) + "]";
        const QByteArray v4 =
            "[" + oldLektieJson("Ny", dansk.id, true).replace("}", ",\"links\":[]}") + "]";
        const QByteArray fag =
            QJsonDocument(QJsonArray{fagJson(dansk)}).toJson(QJsonDocument::Compact);
        QTest::newRow("standard v4 copied to the suite")
            << "{\"fag_v4\":" + fag + ",\"lektier_v4\":" + v4 + ",\"harSetupFaerdig_v4\":true}"
            << QByteArray() << QStringList{"Ny"} << QStringList{"Dansk"} << 0;
        QTest::newRow("v4 without links, v3 present")
            << "{\"lektier_v3\":" + old + "}"
            << "{\"lektier_v4\":" + old + "}" << QStringList{"Gammel"} << QStringList() << 1;
        QTest::newRow("v4 without links, no v3") << QByteArray() << "{\"lektier_v4\":" + old + "}"
                                                 << QStringList() << QStringList() << 0;
        QTest::newRow("no v4, v3 broken") << QByteArray("{\"lektier_v3\":[{}]}") << QByteArray()
                                          << QStringList() << QStringList() << 0;
        QTest::newRow("v4 not an array, no v3")
            << QByteArray() << QByteArray("{\"lektier_v4\":{\"x\":1}}") << QStringList()
            << QStringList() << 0;
        QTest::newRow("fag v4 before setup is finished")
            << QByteArray() << "{\"fag_v4\":" + fag + "}" << QStringList() << QStringList() << 0;
        QTest::newRow("fag v2 after setup")
            << "{\"fag_v2\":" + fag + "}" << QByteArray("{\"harSetupFaerdig_v4\":true}")
            << QStringList() << QStringList{"Dansk"} << 0;
    }
    void startFrom() {
        QFETCH(QByteArray, standard);
        QFETCH(QByteArray, suite);
        QFETCH(QStringList, lektier);
        QFETCH(QStringList, fag);
        QFETCH(int, copies);
        Machine m;
        if (!standard.isEmpty())
            Machine::write(m.standardPath, standard);
        if (!suite.isEmpty())
            Machine::write(m.suitePath, suite);
        const auto before = [&](const QString& key) {
            return QJsonDocument::fromJson(suite).object().value(key);
        };
        LektieStore& store = m.start();
        QCOMPARE(ids(store.lektier()), lektier);
        QStringList names;
        for (const Fag& f : store.fag())
            names << f.navn;
        QCOMPARE(names, fag);
        QCOMPARE(m.recovered().size(), copies);
        // Nothing that could not be read is changed; what was read is in the suite now.
        if (lektier.isEmpty())
            QCOMPARE(m.suite().value("lektier_v4"), before("lektier_v4"));
        else
            QCOMPARE(m.suite().value("lektier_v4").toArray().size(), lektier.size());
        if (fag.isEmpty())
            QCOMPARE(m.suite().value("fag_v4"), before("fag_v4"));
        else
            QCOMPARE(m.suite().value("fag_v4").toArray().at(0).toObject().value("navn"), "Dansk");
        // Nothing is removed from the standard preferences.
        QCOMPARE(m.standard(), QJsonDocument::fromJson(standard).object());
    }

    void legacyHomeworkIsConvertedAfresh() {
        Machine m;
        const QByteArray first = oldLektieJson("Læs kapitel 3", dansk.id, true);
        Machine::write(m.standardPath, "{\"lektier_v3\":[" + first + "," +
                                           oldLektieJson("Ligninger", matematik.id) + "]}");
        m.clock.advance(3600);
        LektieStore& store = m.start();
        QCOMPARE(ids(store.lektier()), QStringList({"Læs kapitel 3", "Ligninger"}));
        const Lektie& l = store.lektier().first();
        QVERIFY(!l.id.isNull() && !first.contains(upper(l.id).toLatin1()));
        QCOMPARE(l.fagId, dansk.id);
        QCOMPARE(l.beskrivelse, QStringLiteral("Side 12-14"));
        QCOMPARE(l.deadline, cph(2026, 12, 20, 8, 0));
        QVERIFY(l.links.isEmpty());
        QVERIFY(!l.erFaerdig);
        QCOMPARE(l.oprettetDato, m.clock.now());
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 2);
        QVERIFY(m.standard().contains("lektier_v3"));
        QCOMPARE(m.widgets.reloads, 1);
    }

    void unusableSuiteFallsBackToStandardPreferences() {
        Machine m;
        QVERIFY(QDir().mkpath(m.suitePath)); // a folder where the suite file belongs
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.tilfoejFag(dansk);
        store.tilfoej(m.lektie(QStringLiteral("Stil"), cph(2026, 12, 9, 12, 0), dansk));
        const QJsonObject standard = m.standard();
        QCOMPARE(standard.keys(), QStringList({"fag_v4", "harSetupFaerdig_v4", "lektier_v4"}));
        QCOMPARE(standard.value("lektier_v4").toArray().size(), 1);
        QVERIFY(QFileInfo(m.suitePath).isDir());
        QCOMPARE(m.start().lektier().size(), 1);
    }

    void changeRulesSaveThenReloadThenRefresh() {
        Machine m;
        LektieStore& store = m.start();
        QTRY_VERIFY(m.notifications.isIdle());
        QStringList events;
        int sizeAtWillChange = -1;
        connect(&store, &LektieStore::willChange, this, [&] {
            events << "willChange";
            sizeAtWillChange = int(store.lektier().size());
        });
        connect(&store, &LektieStore::lektierChanged, this, [&] { events << "lektierChanged"; });
        connect(&store, &LektieStore::fagChanged, this, [&] { events << "fagChanged"; });
        m.widgets.onReload = [&] {
            const QJsonObject file = m.suite();
            events << QStringLiteral("reload %1/%2 idle=%3")
                          .arg(file.value("lektier_v4").toArray().size())
                          .arg(file.value("fag_v4").toArray().size())
                          .arg(m.notifications.isIdle());
        };
        store.tilfoej(m.lektie("A", cph(2026, 12, 9, 12, 0), dansk));
        QVERIFY(!m.notifications.isIdle()); // refresh started after the save
        QCOMPARE(sizeAtWillChange, 0);
        QTRY_VERIFY(m.notifications.isIdle());
        store.tilfoejFag(dansk);
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(events, QStringList({"willChange", "reload 1/0 idle=1", "lektierChanged",
                                      "willChange", "reload 1/1 idle=1", "fagChanged"}));

        // The setup flag is only written: no reload, no refresh.
        events.clear();
        QSignalSpy setup(&store, &LektieStore::harSetupFaerdigChanged);
        store.setHarSetupFaerdig(true);
        QCOMPARE(events, QStringList({"willChange"}));
        QCOMPARE(setup.size(), 1);
        QVERIFY(m.notifications.isIdle());
        QCOMPARE(m.suite().value("harSetupFaerdig_v4"), QJsonValue(true));

        // gemFag saves without refreshing; opdaterNotifikationer refreshes without saving.
        const int reloads = m.widgets.reloads;
        store.gemFag();
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QVERIFY(m.notifications.isIdle());
        store.opdaterNotifikationer();
        QVERIFY(!m.notifications.isIdle());
        QCOMPARE(m.widgets.reloads, reloads + 1);
    }

    void operationsOnHomework() {
        Machine m;
        LektieStore& store = m.start();
        const Lektie a = m.lektie("A", cph(2026, 12, 9, 12, 0), dansk);
        const Lektie b = m.lektie("B", cph(2026, 12, 8, 12, 0), dansk);
        store.tilfoej(a);
        store.tilfoej(b);
        store.tilfoej(a); // same id twice
        QSignalSpy will(&store, &LektieStore::willChange);
        const int reloads = m.widgets.reloads;

        store.toggleFaerdig(QUuid::createUuid());
        QCOMPARE(will.size(), 0);
        QCOMPARE(m.widgets.reloads, reloads);

        store.toggleFaerdig(a.id); // only the first match
        QVERIFY(store.lektier().at(0).erFaerdig);
        QVERIFY(!store.lektier().at(2).erFaerdig);
        QCOMPARE(m.suite().value("lektier_v4").toArray().at(0).toObject().value("erFaerdig"),
                 QJsonValue(true));
        QCOMPARE(m.widgets.reloads, reloads + 1);

        store.slet(QUuid::createUuid()); // still assigned and saved
        QCOMPARE(m.widgets.reloads, reloads + 2);
        QCOMPARE(store.lektier().size(), 3);

        store.slet(a.id); // every match
        QCOMPARE(ids(store.lektier()), QStringList({"B"}));
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);
        QCOMPARE(will.size(), 3);

        // A list that cannot be encoded (an invalid date) is not saved.
        store.tilfoej(m.lektie("C", QDateTime(), dansk));
        QCOMPARE(store.lektier().size(), 2);
        QCOMPARE(m.widgets.reloads, reloads + 3);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);
    }

    void deletingASubjectTakesItsHomework() {
        Machine m;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.setFag({dansk, matematik});
        store.tilfoej(m.lektie("D1", cph(2026, 12, 9, 12, 0), dansk));
        store.tilfoej(m.lektie("M1", cph(2026, 12, 9, 12, 0), matematik));
        store.tilfoej(m.lektie("D2", cph(2026, 12, 1, 12, 0), dansk));
        store.toggleFaerdig(store.lektier().at(2).id);
        store.tilfoej(m.lektie("M2", cph(2026, 12, 7, 12, 0), matematik));
        QTRY_VERIFY(m.notifications.isIdle());

        QStringList saved;
        m.widgets.onReload = [&] {
            const QJsonObject file = m.suite();
            saved << QStringLiteral("%1/%2")
                         .arg(file.value("fag_v4").toArray().size())
                         .arg(file.value("lektier_v4").toArray().size());
        };
        QSignalSpy will(&store, &LektieStore::willChange);
        store.sletFag(dansk.id);
        QCOMPARE(saved, QStringList({"1/4", "1/2"})); // subjects first, then homework
        QCOMPARE(will.size(), 2);
        QCOMPARE(store.fag(), QList<Fag>({matematik}));
        QCOMPARE(ids(store.lektier()), QStringList({"M1", "M2"}));
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(m.center.pending().size(), 1 + 3 + 2); // M2's three-day reminder has passed
    }

    void queriesSortStablyByDeadline() {
        Machine m;
        LektieStore& store = m.start();
        const QDateTime now = m.clock.now();
        store.setFag({dansk, matematik});
        store.tilfoej(m.lektie("senere", now.addDays(2), dansk));
        store.tilfoej(m.lektie("lige nu 1", now, matematik));
        store.tilfoej(m.lektie("forfalden", now.addSecs(-1), dansk));
        store.tilfoej(m.lektie("lige nu 2", now, dansk));
        store.tilfoej(m.lektie("færdig", now.addDays(1), dansk));
        store.toggleFaerdig(store.lektier().last().id);
        store.tilfoej(m.lektie("gammel", now.addDays(-3), dansk));
        store.tilfoej(m.lektie("lige nu 3", now, dansk));

        QCOMPARE(ids(store.kommendeLektier()),
                 QStringList({"lige nu 1", "lige nu 2", "lige nu 3", "senere"}));
        QCOMPARE(ids(store.forfaldneLektier()), QStringList({"gammel", "forfalden"}));
        QCOMPARE(
            ids(store.lektierForFag(dansk.id)),
            QStringList({"gammel", "forfalden", "lige nu 2", "lige nu 3", "færdig", "senere"}));
        QVERIFY(store.lektierForFag(QUuid::createUuid()).isEmpty());

        Fag skygge = dansk;
        skygge.navn = "Skygge";
        store.tilfoejFag(skygge);
        QCOMPARE(store.fagMedId(dansk.id)->navn, QStringLiteral("Dansk"));
        QVERIFY(!store.fagMedId(QUuid::createUuid()));

        m.clock.advance(1); // "now" is the precise moment, not the day
        QCOMPARE(ids(store.kommendeLektier()), QStringList({"senere"}));
    }

    void resetErasesEverythingWithoutIntermediateSaves() {
        Machine m;
        Machine::write(m.standardPath, QByteArray(R"({"lektier_v4":[],"fag_v4":[],)"
                                                  R"("harSetupFaerdig_v4":true,"lektier_v3":[],)"
                                                  R"("fag_v2":[],"andet":7})"));
        LektieStore& store = m.start();
        store.tilfoejFag(dansk);
        store.tilfoej(m.lektie("A", cph(2026, 12, 9, 12, 0), dansk));
        QTRY_VERIFY(m.notifications.isIdle());
        NotificationRequest foreign;
        foreign.identifier = "andet-program";
        m.center.add(foreign, [](const QString&) {});
        QTRY_VERIFY(m.notifications.isIdle());
        QTRY_COMPARE(m.center.pending().size(), 5);

        const int reloads = m.widgets.reloads;
        const QByteArray suiteBefore = readAll(m.suitePath);
        QStringList seen;
        const auto look = [&](const char* what) {
            seen << QStringLiteral("%1 reloads=%2 sameFile=%3 idle=%4")
                        .arg(what)
                        .arg(m.widgets.reloads - reloads)
                        .arg(readAll(m.suitePath) == suiteBefore)
                        .arg(m.notifications.isIdle());
        };
        connect(&store, &LektieStore::lektierChanged, this, [&] { look("lektier"); });
        connect(&store, &LektieStore::fagChanged, this, [&] { look("fag"); });
        connect(&store, &LektieStore::harSetupFaerdigChanged, this, [&] { look("setup"); });
        store.nulstilApp();
        QCOMPARE(seen, QStringList({"lektier reloads=0 sameFile=1 idle=1",
                                    "fag reloads=0 sameFile=1 idle=1",
                                    "setup reloads=0 sameFile=1 idle=1"}));
        QCOMPARE(m.widgets.reloads, reloads + 1);
        QVERIFY(store.lektier().isEmpty() && store.fag().isEmpty() && !store.harSetupFaerdig());

        for (const char* key :
             {"lektier_v4", "fag_v4", "harSetupFaerdig_v4", "lektier_v3", "fag_v2"})
            QVERIFY2(!m.suite().contains(key) && !m.standard().contains(key), key);
        QVERIFY(m.standard().contains("andet"));
        QTRY_VERIFY(m.notifications.isIdle());
        QCOMPARE(m.center.pending().size(), 1);
        QVERIFY(m.center.pendingRequest("andet-program"));

        // The next start is a first start.
        m.start();
        QCOMPARE(m.suite(), QJsonObject({{"harSetupFaerdig_v4", false}}));
    }

    void unreadableHomeworkIsSecuredBeforeItIsReplaced() {
        const QByteArray damaged = R"([{"id":"nope","titel":"Min eneste kopi"}])";
        Machine m, blocked;
        for (Machine* x : {&m, &blocked})
            Machine::write(x->suitePath, "{\"lektier_v4\":" + damaged + "}");
        LektieStore& store = m.start();
        QVERIFY(store.lektier().isEmpty() && m.recovered().isEmpty()); // nothing replaced yet
        store.tilfoej(m.lektie("Ny", cph(2026, 12, 9, 12, 0), dansk));
        store.tilfoej(m.lektie("Ny 2", cph(2026, 12, 9, 12, 0), dansk));
        QCOMPARE(m.recovered(), QStringList({"lektier_v4-20261206T090000Z.json"}));
        QCOMPARE(readAll(m.recoveryDir + "/lektier_v4-20261206T090000Z.json"), damaged);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 2);

        // Without a place for the copy the list is not replaced.
        Machine::write(blocked.recoveryDir, QByteArray("en fil, ingen mappe"));
        blocked.start().tilfoej(blocked.lektie("Ny", cph(2026, 12, 9, 12, 0), dansk));
        QCOMPARE(blocked.store->lektier().size(), 1);
        QCOMPARE(blocked.suites.shared().data("lektier_v4"), std::optional<QByteArray>(damaged));
        QCOMPARE(blocked.widgets.reloads, 0);
    }

    void unreadableSubjectsAreSecuredWhenOnboardingSaves() {
        Machine m;
        // Bytes that are no JSON at all, as the file keeps them.
        const QByteArray garbage("\x01\x02 ikke json \xff", 15);
        m.suites.shared().setData("fag_v4", garbage);
        LektieStore& store = m.start();
        QVERIFY(!store.harSetupFaerdig());
        // An older copy with the same name must survive.
        Machine::write(m.recoveryDir + "/fag_v4-20261206T090000Z.json", QByteArray("ældre"));

        store.setFag({dansk});
        store.gemFag();
        store.setHarSetupFaerdig(true);
        QCOMPARE(m.recovered(),
                 QStringList({"fag_v4-20261206T090000Z-2.json", "fag_v4-20261206T090000Z.json"}));
        QCOMPARE(readAll(m.recoveryDir + "/fag_v4-20261206T090000Z-2.json"), garbage);
        QCOMPARE(readAll(m.recoveryDir + "/fag_v4-20261206T090000Z.json"), QByteArray("ældre"));
        QCOMPARE(m.suite().value("fag_v4").toArray(), QJsonArray({fagJson(dansk)}));
    }
};

QTEST_GUILESS_MAIN(TestLektieStore)
#include "tst_lektiestore.moc"
