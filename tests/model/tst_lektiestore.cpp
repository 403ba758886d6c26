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

double since2001(const QDateTime& t) {
    return QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()).msecsTo(t) / 1000.0;
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

    bool settle() {
        QElapsedTimer t;
        t.start();
        while (!notifications.isIdle() && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return notifications.isIdle();
    }

    static QJsonObject read(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QJsonParseError error;
        const auto doc = QJsonDocument::fromJson(f.readAll(), &error);
        if (error.error != QJsonParseError::NoError)
            qWarning() << "not JSON:" << path << error.errorString();
        return doc.object();
    }
    QJsonObject suite() const { return read(suitePath); }
    QJsonObject standard() const { return read(standardPath); }

    static void write(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    static void write(const QString& path, const QJsonObject& object) {
        write(path, QJsonDocument(object).toJson(QJsonDocument::Compact));
    }

    QStringList recovered() const { return QDir(recoveryDir).entryList(QDir::Files, QDir::Name); }
};

QJsonObject fagJson(const Fag& f) {
    return {
        {"id", upper(f.id)}, {"navn", f.navn}, {"ikonNavn", f.ikonNavn}, {"farveHex", f.farveHex}};
}

QJsonObject oldLektieJson(const QUuid& id, const QUuid& fagId, const QString& titel,
                          const QDateTime& deadline, bool faerdig) {
    return {{"id", upper(id)},
            {"fagId", upper(fagId)},
            {"titel", titel},
            {"beskrivelse", QStringLiteral("Side 12-14")},
            {"deadline", since2001(deadline)},
            {"erFaerdig", faerdig},
            {"oprettetDato", since2001(cph(2025, 1, 1, 8, 0))}};
}

} // namespace

class TestLektieStore : public QObject {
    Q_OBJECT

    const Fag matematik =
        Fag::ny(QStringLiteral("Matematik"), QStringLiteral("function"), QStringLiteral("3B82F6"));
    const Fag dansk =
        Fag::ny(QStringLiteral("Dansk"), QStringLiteral("book.fill"), QStringLiteral("E8704A"));

    Lektie lektie(const Machine& m, const QString& titel, const QDateTime& deadline,
                  const Fag& fag) {
        return Lektie::ny(fag.id, titel, QString(), {}, deadline, m.clock);
    }

private Q_SLOTS:
    void firstStartStoresOnlyTheSetupFlag() {
        Machine m;
        LektieStore& store = m.start();
        QVERIFY(store.lektier().isEmpty());
        QVERIFY(store.fag().isEmpty());
        QVERIFY(!store.harSetupFaerdig());
        QCOMPARE(m.suite(), QJsonObject({{"harSetupFaerdig_v4", false}}));
        QVERIFY(!QFile::exists(m.standardPath));
        QCOMPARE(m.widgets.reloads, 0);
        QVERIFY(m.settle());
        QVERIFY(m.center.pending().isEmpty());
    }

    void storedFormIsPlainJsonAndReloads() {
        Machine m;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.tilfoejFag(matematik);
        const QDateTime deadline =
            QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0, 250), QTimeZone::utc());
        Lektie l = Lektie::ny(matematik.id, QStringLiteral("Brøker side 42"),
                              QStringLiteral("Opgave 1–5, husk æøå"),
                              {QStringLiteral("https://example.dk/brøker")}, deadline, m.clock);
        store.tilfoej(l);
        store.tilfoej(lektie(m, QStringLiteral("Tom"), deadline, matematik));

        const QJsonObject file = m.suite();
        QCOMPARE(file.keys(), QStringList({"fag_v4", "harSetupFaerdig_v4", "lektier_v4"}));
        QCOMPARE(file.value("harSetupFaerdig_v4"), QJsonValue(true));
        QCOMPARE(file.value("fag_v4").toArray(), QJsonArray({fagJson(matematik)}));
        const QJsonArray lektier = file.value("lektier_v4").toArray();
        QCOMPARE(lektier.size(), 2);
        const QJsonObject first = lektier.at(0).toObject();
        QCOMPARE(first.keys(), QStringList({"beskrivelse", "deadline", "erFaerdig", "fagId", "id",
                                            "links", "oprettetDato", "titel"}));
        QCOMPARE(first.value("id").toString(), upper(l.id));
        QCOMPARE(first.value("fagId").toString(), upper(matematik.id));
        QCOMPARE(first.value("titel").toString(), QStringLiteral("Brøker side 42"));
        QCOMPARE(first.value("beskrivelse").toString(), QStringLiteral("Opgave 1–5, husk æøå"));
        QCOMPARE(first.value("links").toArray(), QJsonArray({"https://example.dk/brøker"}));
        QCOMPARE(first.value("deadline").toDouble(), since2001(deadline));
        QCOMPARE(first.value("erFaerdig"), QJsonValue(false));
        QCOMPARE(first.value("oprettetDato").toDouble(), since2001(m.clock.now()));
        const QJsonObject second = lektier.at(1).toObject();
        QCOMPARE(second.value("beskrivelse"), QJsonValue(QString()));
        QCOMPARE(second.value("links"), QJsonValue(QJsonArray()));

        // A new run reads back what was saved.
        LektieStore& again = m.start();
        QVERIFY(again.harSetupFaerdig());
        QCOMPARE(again.fag(), QList<Fag>({matematik}));
        QCOMPARE(again.lektier().size(), 2);
        const Lektie& back = again.lektier().first();
        QCOMPARE(back.id, l.id);
        QCOMPARE(back.links, l.links);
        QCOMPARE(back.deadline, deadline);
        QCOMPARE(back.oprettetDato, m.clock.now());
    }

    void migrationCopiesOnlyWhatTheSuiteLacks() {
        Machine m;
        // Lower-case ids and an extra key: copied byte for byte, not re-encoded.
        const QByteArray fagBytes = "[{\"id\":\"" +
                                    matematik.id.toString(QUuid::WithoutBraces).toLatin1() +
                                    "\",\"navn\":\"Matematik\",\"ikonNavn\":\"function\","
                                    "\"farveHex\":\"3B82F6\",\"ekstra\":1}]";
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
        Machine::write(n.standardPath, QJsonObject({{"harSetupFaerdig_v4", true}}));
        Machine::write(n.suitePath, QJsonObject({{"harSetupFaerdig_v4", false}}));
        LektieSharedStore::migrateIfNeeded(n.suites);
        QCOMPARE(n.suite().value("harSetupFaerdig_v4"), QJsonValue(false));
    }

    void startAfterMigrationLoadsSubjectsAndHomework() {
        Machine m;
        const Lektie l = lektie(m, QStringLiteral("Stil"), cph(2026, 12, 9, 12, 0), dansk);
        QJsonObject lektieObject{
            {"id", upper(l.id)},     {"fagId", upper(dansk.id)},
            {"titel", l.titel},      {"beskrivelse", ""},
            {"links", QJsonArray()}, {"deadline", since2001(l.deadline)},
            {"erFaerdig", true},     {"oprettetDato", since2001(l.oprettetDato)}};
        Machine::write(m.standardPath, QJsonObject({{"fag_v4", QJsonArray({fagJson(dansk)})},
                                                    {"lektier_v4", QJsonArray({lektieObject})},
                                                    {"harSetupFaerdig_v4", true}}));
        LektieStore& store = m.start();
        QVERIFY(store.harSetupFaerdig());
        QCOMPARE(store.fag(), QList<Fag>({dansk}));
        QCOMPARE(store.lektier().size(), 1);
        QVERIFY(store.lektier().first().erFaerdig);
        QCOMPARE(m.suite().value("lektier_v4").toArray(), QJsonArray({lektieObject}));
        QCOMPARE(m.standard().size(), 3); // nothing is removed from the standard preferences
    }

    void legacyHomeworkIsConvertedAfresh() {
        Machine m;
        const QUuid oldId = QUuid::createUuid();
        const QDateTime deadline = cph(2026, 12, 20, 8, 0);
        Machine::write(
            m.standardPath,
            QJsonObject(
                {{"lektier_v3",
                  QJsonArray(
                      {oldLektieJson(oldId, dansk.id, QStringLiteral("Læs kapitel 3"), deadline,
                                     true),
                       oldLektieJson(QUuid::createUuid(), matematik.id, QStringLiteral("Ligninger"),
                                     deadline.addDays(-1), false)})}}));
        m.clock.advance(3600);
        LektieStore& store = m.start();
        QCOMPARE(ids(store.lektier()), QStringList({"Læs kapitel 3", "Ligninger"}));
        const Lektie& l = store.lektier().first();
        QVERIFY(l.id != oldId && !l.id.isNull());
        QCOMPARE(l.fagId, dansk.id);
        QCOMPARE(l.beskrivelse, QStringLiteral("Side 12-14"));
        QCOMPARE(l.deadline, deadline);
        QVERIFY(l.links.isEmpty());
        QVERIFY(!l.erFaerdig);
        QCOMPARE(l.oprettetDato, m.clock.now());
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 2);
        QVERIFY(m.standard().contains("lektier_v3"));
        QCOMPARE(m.widgets.reloads, 1);
    }

    void unreadableHomeworkFallsBackToLegacy_data() {
        QTest::addColumn<QByteArray>("v4");
        QTest::addColumn<QByteArray>("v3");
        QTest::addColumn<QStringList>("expected");
        const QByteArray old =
            QJsonDocument(QJsonArray({oldLektieJson(QUuid::createUuid(), QUuid::createUuid(),
                                                    "Gammel", cph(2026, 12, 20, 8, 0), false)}))
                .toJson(QJsonDocument::Compact);
        // The legacy form lacks "links", so it is no v4 list.
        QTest::newRow("v4 without links, v3 present") << old << old << QStringList({"Gammel"});
        QTest::newRow("v4 without links, no v3") << old << QByteArray() << QStringList();
        QTest::newRow("no v4, v3 broken") << QByteArray() << QByteArray("[{}]") << QStringList();
        QTest::newRow("v4 not an array, no v3")
            << QByteArray("{\"x\":1}") << QByteArray() << QStringList();
    }
    void unreadableHomeworkFallsBackToLegacy() {
        QFETCH(QByteArray, v4);
        QFETCH(QByteArray, v3);
        QFETCH(QStringList, expected);
        Machine m;
        if (!v4.isEmpty())
            Machine::write(m.suitePath, "{\"lektier_v4\":" + v4 + "}");
        if (!v3.isEmpty())
            Machine::write(m.standardPath, "{\"lektier_v3\":" + v3 + "}");
        LektieStore& store = m.start();
        QCOMPARE(ids(store.lektier()), expected);
        if (expected.isEmpty() && !v4.isEmpty()) // left in place, nothing saved
            QCOMPARE(m.suites.shared().data("lektier_v4"), std::optional<QByteArray>(v4));
    }

    void subjectsLoadOnlyAfterSetup() {
        Machine m;
        Machine::write(m.suitePath, QJsonObject({{"fag_v4", QJsonArray({fagJson(dansk)})}}));
        QVERIFY(m.start().fag().isEmpty());
        QCOMPARE(m.suite().value("fag_v4").toArray(), QJsonArray({fagJson(dansk)}));

        Machine legacy;
        Machine::write(legacy.suitePath, QJsonObject({{"harSetupFaerdig_v4", true}}));
        Machine::write(legacy.standardPath,
                       QJsonObject({{"fag_v2", QJsonArray({fagJson(matematik)})}}));
        QCOMPARE(legacy.start().fag(), QList<Fag>({matematik}));
        QCOMPARE(legacy.suite().value("fag_v4").toArray(), QJsonArray({fagJson(matematik)}));
        QVERIFY(legacy.standard().contains("fag_v2"));
    }

    void unusableSuiteFallsBackToStandardPreferences() {
        Machine m;
        QVERIFY(QDir().mkpath(m.suitePath)); // a folder where the suite file belongs
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.tilfoejFag(dansk);
        store.tilfoej(lektie(m, QStringLiteral("Stil"), cph(2026, 12, 9, 12, 0), dansk));
        const QJsonObject standard = m.standard();
        QCOMPARE(standard.keys(), QStringList({"fag_v4", "harSetupFaerdig_v4", "lektier_v4"}));
        QCOMPARE(standard.value("lektier_v4").toArray().size(), 1);
        QVERIFY(QFileInfo(m.suitePath).isDir());
        QCOMPARE(m.start().lektier().size(), 1);
    }

    void changeRulesSaveThenReloadThenRefresh() {
        Machine m;
        LektieStore& store = m.start();
        QVERIFY(m.settle());
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
        store.tilfoej(lektie(m, "A", cph(2026, 12, 9, 12, 0), dansk));
        QVERIFY(!m.notifications.isIdle()); // refresh started after the save
        QCOMPARE(sizeAtWillChange, 0);
        QVERIFY(m.settle());
        store.tilfoejFag(dansk);
        QVERIFY(m.settle());
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
        const Lektie a = lektie(m, "A", cph(2026, 12, 9, 12, 0), dansk);
        const Lektie b = lektie(m, "B", cph(2026, 12, 8, 12, 0), dansk);
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
    }

    void deletingASubjectTakesItsHomework() {
        Machine m;
        LektieStore& store = m.start();
        store.setHarSetupFaerdig(true);
        store.setFag({dansk, matematik});
        store.tilfoej(lektie(m, "D1", cph(2026, 12, 9, 12, 0), dansk));
        store.tilfoej(lektie(m, "M1", cph(2026, 12, 9, 12, 0), matematik));
        store.tilfoej(lektie(m, "D2", cph(2026, 12, 1, 12, 0), dansk));
        store.toggleFaerdig(store.lektier().at(2).id);
        store.tilfoej(lektie(m, "M2", cph(2026, 12, 7, 12, 0), matematik));
        QVERIFY(m.settle());

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
        QVERIFY(m.settle());
        QCOMPARE(m.center.pending().size(), 1 + 3 + 2); // M2's three-day reminder has passed
    }

    void queriesSortStablyByDeadline() {
        Machine m;
        LektieStore& store = m.start();
        const QDateTime now = m.clock.now();
        store.setFag({dansk, matematik});
        store.tilfoej(lektie(m, "senere", now.addDays(2), dansk));
        store.tilfoej(lektie(m, "lige nu 1", now, matematik));
        store.tilfoej(lektie(m, "forfalden", now.addSecs(-1), dansk));
        store.tilfoej(lektie(m, "lige nu 2", now, dansk));
        store.tilfoej(lektie(m, "færdig", now.addDays(1), dansk));
        store.toggleFaerdig(store.lektier().last().id);
        store.tilfoej(lektie(m, "gammel", now.addDays(-3), dansk));
        store.tilfoej(lektie(m, "lige nu 3", now, dansk));

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
        Machine::write(m.standardPath, QJsonObject({{"lektier_v4", QJsonArray()},
                                                    {"fag_v4", QJsonArray()},
                                                    {"harSetupFaerdig_v4", true},
                                                    {"lektier_v3", QJsonArray()},
                                                    {"fag_v2", QJsonArray()},
                                                    {"andet", 7}}));
        LektieStore& store = m.start();
        store.tilfoejFag(dansk);
        store.tilfoej(lektie(m, "A", cph(2026, 12, 9, 12, 0), dansk));
        QVERIFY(m.settle());
        NotificationRequest foreign;
        foreign.identifier = "andet-program";
        m.center.add(foreign, [](const QString&) {});
        QVERIFY(m.settle());
        QTRY_COMPARE(m.center.pending().size(), 5);

        const int reloads = m.widgets.reloads;
        const QByteArray suiteBefore = [&] {
            QFile f(m.suitePath);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QStringList seen;
        const auto look = [&](const char* what) {
            QFile f(m.suitePath);
            f.open(QIODevice::ReadOnly);
            seen << QStringLiteral("%1 reloads=%2 sameFile=%3 idle=%4")
                        .arg(what)
                        .arg(m.widgets.reloads - reloads)
                        .arg(f.readAll() == suiteBefore)
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

        const QStringList five{"lektier_v4", "fag_v4", "harSetupFaerdig_v4", "lektier_v3",
                               "fag_v2"};
        for (const QString& key : five) {
            QVERIFY2(!m.suite().contains(key), qPrintable(key));
            QVERIFY2(!m.standard().contains(key), qPrintable(key));
        }
        QVERIFY(m.standard().contains("andet"));
        QVERIFY(m.settle());
        QCOMPARE(m.center.pending().size(), 1);
        QVERIFY(m.center.pendingRequest("andet-program"));

        // The next start is a first start.
        m.start();
        QCOMPARE(m.suite(), QJsonObject({{"harSetupFaerdig_v4", false}}));
    }

    void encodingFailureSkipsTheSave() {
        Machine m;
        LektieStore& store = m.start();
        store.tilfoej(lektie(m, "A", cph(2026, 12, 9, 12, 0), dansk));
        const int reloads = m.widgets.reloads;
        Lektie broken = lektie(m, "B", QDateTime(), dansk);
        store.tilfoej(broken);
        QCOMPARE(store.lektier().size(), 2);
        QCOMPARE(m.widgets.reloads, reloads);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);
    }

    // An unreadable list is kept in a file of its own before a save replaces it.
    void unreadableHomeworkIsSecuredBeforeItIsReplaced() {
        Machine m;
        const QByteArray damaged = "[{\"id\":\"nope\",\"titel\":\"Min eneste kopi\"}]";
        Machine::write(m.suitePath, "{\"lektier_v4\":" + damaged + "}");
        LektieStore& store = m.start();
        QVERIFY(store.lektier().isEmpty());
        QVERIFY(m.recovered().isEmpty()); // nothing replaced yet

        store.tilfoej(lektie(m, "Ny", cph(2026, 12, 9, 12, 0), dansk));
        QCOMPARE(m.recovered(), QStringList({"lektier_v4-20261206T090000Z.json"}));
        QFile copy(m.recoveryDir + "/lektier_v4-20261206T090000Z.json");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), damaged);
        QCOMPARE(m.suite().value("lektier_v4").toArray().size(), 1);

        store.tilfoej(lektie(m, "Ny 2", cph(2026, 12, 9, 12, 0), dansk));
        QCOMPARE(m.recovered().size(), 1);
    }

    void legacyConversionSecuresTheUnreadableList() {
        Machine m;
        const QByteArray old =
            QJsonDocument(QJsonArray({oldLektieJson(QUuid::createUuid(), dansk.id, "Gammel",
                                                    cph(2026, 12, 20, 8, 0), false)}))
                .toJson(QJsonDocument::Compact);
        Machine::write(m.suitePath, "{\"lektier_v4\":" + old + "}");
        Machine::write(m.standardPath, "{\"lektier_v3\":" + old + "}");
        m.start();
        QCOMPARE(m.recovered().size(), 1);
        QVERIFY(m.recovered().first().startsWith("lektier_v4-"));
    }

    void unreadableSubjectsAreSecuredWhenOnboardingSaves() {
        Machine m;
        // Bytes that are no JSON at all, as the file keeps them.
        const QByteArray garbage("\x01\x02 ikke json \xff", 15);
        m.suites.shared().setData("fag_v4", garbage);
        LektieStore& store = m.start();
        QVERIFY(!store.harSetupFaerdig());
        // An older copy with the same name must survive.
        QDir().mkpath(m.recoveryDir);
        Machine::write(m.recoveryDir + "/fag_v4-20261206T090000Z.json", QByteArray("ældre"));

        store.setFag({dansk});
        store.gemFag();
        store.setHarSetupFaerdig(true);
        QCOMPARE(m.recovered(),
                 QStringList({"fag_v4-20261206T090000Z-2.json", "fag_v4-20261206T090000Z.json"}));
        QFile copy(m.recoveryDir + "/fag_v4-20261206T090000Z-2.json");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), garbage);
        QFile older(m.recoveryDir + "/fag_v4-20261206T090000Z.json");
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("ældre"));
        QCOMPARE(m.suite().value("fag_v4").toArray(), QJsonArray({fagJson(dansk)}));
    }

    void withoutARecoveryCopyTheUnreadableListIsNotReplaced() {
        Machine m;
        const QByteArray damaged = "[{\"id\":\"nope\"}]";
        Machine::write(m.suitePath, "{\"lektier_v4\":" + damaged + "}");
        Machine::write(m.recoveryDir, QByteArray("en fil, ingen mappe"));
        LektieStore& store = m.start();
        store.tilfoej(lektie(m, "Ny", cph(2026, 12, 9, 12, 0), dansk));
        QCOMPARE(store.lektier().size(), 1);
        QCOMPARE(m.suites.shared().data("lektier_v4"), std::optional<QByteArray>(damaged));
        QCOMPARE(m.widgets.reloads, 0);
    }

    void readableListsNeedNoRecoveryCopy() {
        Machine m;
        LektieStore& store = m.start();
        store.tilfoej(lektie(m, "A", cph(2026, 12, 9, 12, 0), dansk));
        store.setFag({dansk});
        m.start().tilfoej(lektie(m, "B", cph(2026, 12, 9, 12, 0), dansk));
        QVERIFY(!QFileInfo::exists(m.recoveryDir));
    }
};

QTEST_GUILESS_MAIN(TestLektieStore)
#include "tst_lektiestore.moc"
