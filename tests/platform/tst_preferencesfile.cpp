#include "platform/PreferencesFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace tavlen;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QJsonObject parsedFile(const QString& path) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(readFile(path), &error);
    return error.error == QJsonParseError::NoError ? doc.object() : QJsonObject{};
}

// Everything in the folder except the file itself and deliberate copies.
QStringList strayFiles(const QString& folder) {
    QStringList out;
    const auto names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!name.endsWith(QLatin1String(".json")) && !name.contains(QLatin1String(".damaged-")))
            out.append(name);
    }
    return out;
}

const QByteArray kList =
    "[{\"id\":\"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB\",\"titel\":\"Læs 😀 \\\"x\\\"\","
    "\"links\":[],\"deadline\":-1.5}]";

} // namespace

class TestPreferencesFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.path() + "/Tavlen/group.tavlen.json"; }

private Q_SLOTS:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void missingFileIsEmptyAndCreatedOnWrite() {
        PreferencesFile prefs(path());
        QVERIFY(prefs.canOpen());
        QVERIFY(prefs.keys().isEmpty());
        QVERIFY(!prefs.hasValue("lektier_v4"));
        QVERIFY(!prefs.data("lektier_v4"));
        QVERIFY(!prefs.boolean("harSetupFaerdig_v4"));
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", false));
        QVERIFY(QFile::exists(path()));
        QCOMPARE(prefs.boolean("harSetupFaerdig_v4"), std::optional<bool>(false));
    }

    void jsonDataIsEmbeddedAsIs() {
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("lektier_v4", kList));
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", true));
        QCOMPARE(*prefs.data("lektier_v4"), kList);
        QVERIFY(readFile(path()).contains(kList));

        const QJsonObject file = parsedFile(path());
        QCOMPARE(file.size(), 2);
        QVERIFY(file["lektier_v4"].isArray());
        QCOMPARE(file["lektier_v4"].toArray().at(0).toObject()["titel"].toString(),
                 QStringLiteral("Læs 😀 \"x\""));
        QCOMPARE(file["harSetupFaerdig_v4"], QJsonValue(true));

        // A fresh reader sees the same bytes.
        QCOMPARE(*PreferencesFile(path()).data("lektier_v4"), kList);
    }

    void otherBytesRoundTripThroughBase64_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not json") << QByteArray("not json at all");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[", 4);
        QTest::newRow("surrounding space") << QByteArray(" [1, 2] \n");
        QTest::newRow("invalid utf-8") << QByteArray("[\"\xC3\x28\"]");
        QTest::newRow("true") << QByteArray("true");
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("marker object") << QByteArray(R"({"tavlen.bytes.base64":"AAAA"})");
        QTest::newRow("truncated") << kList.chopped(1);
        QTest::newRow("nested too deep") << QByteArray(600, '[') + QByteArray(600, ']');
    }
    void otherBytesRoundTripThroughBase64() {
        QFETCH(QByteArray, bytes);
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("k", bytes));
        QCOMPARE(*prefs.data("k"), bytes);
        QCOMPARE(*PreferencesFile(path()).data("k"), bytes);
        const QJsonObject wrapped = parsedFile(path())["k"].toObject();
        QCOMPARE(wrapped.keys(), QStringList{"tavlen.bytes.base64"});
        QCOMPARE(QByteArray::fromBase64(wrapped["tavlen.bytes.base64"].toString().toLatin1()),
                 bytes);
    }

    void otherJsonShapesAreEmbedded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("object") << QByteArray(R"({"a":{"b":[1,{"c":null}]}})");
        QTest::newRow("object with marker and more")
            << QByteArray(R"({"tavlen.bytes.base64":"AAAA","x":1})");
        QTest::newRow("string") << QByteArray("\"he said \\\"hi\\\"\"");
        QTest::newRow("number") << QByteArray("-12.5e3");
        QTest::newRow("empty array") << QByteArray("[]");
        QTest::newRow("inner spaces") << QByteArray("[ 1 ,\n 2 ]");
    }
    void otherJsonShapesAreEmbedded() {
        QFETCH(QByteArray, bytes);
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("before", "[0]"));
        QVERIFY(prefs.setData("k", bytes));
        QVERIFY(prefs.setData("after", "{}"));
        QVERIFY(readFile(path()).contains(bytes));
        PreferencesFile fresh(path());
        QCOMPARE(*fresh.data("k"), bytes);
        QCOMPARE(*fresh.data("before"), QByteArray("[0]"));
        QCOMPARE(*fresh.data("after"), QByteArray("{}"));
    }

    void booleanReadingOfAnyValue() {
        writeFile(path(), R"({"t":true,"f":false,"one":1,"zero":0,"neg":-0.5,"yes":"YES",)"
                          R"("True":"True","s1":"1","no":"no","arr":[1],"obj":{},"nul":null})");
        PreferencesFile prefs(path());
        const auto b = [&](const char* key) { return prefs.boolean(key); };
        QCOMPARE(b("t"), std::optional<bool>(true));
        QCOMPARE(b("f"), std::optional<bool>(false));
        QCOMPARE(b("one"), std::optional<bool>(true));
        QCOMPARE(b("zero"), std::optional<bool>(false));
        QCOMPARE(b("neg"), std::optional<bool>(true));
        QCOMPARE(b("yes"), std::optional<bool>(true));
        QCOMPARE(b("True"), std::optional<bool>(true));
        QCOMPARE(b("s1"), std::optional<bool>(true));
        QCOMPARE(b("no"), std::optional<bool>(false));
        QCOMPARE(b("arr"), std::optional<bool>(false));
        QCOMPARE(b("obj"), std::optional<bool>(false));
        QCOMPARE(b("nul"), std::nullopt);
        QCOMPARE(b("absent"), std::nullopt);
        // A boolean is no data value; null counts as absent.
        QVERIFY(!prefs.data("t"));
        QVERIFY(prefs.hasValue("t"));
        QVERIFY(!prefs.hasValue("nul"));
        QVERIFY(!prefs.keys().contains("nul"));
        QCOMPARE(*prefs.data("one"), QByteArray("1"));
    }

    void writesKeepOtherKeysAndOrder() {
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("fag_v4", "[]"));
        QVERIFY(prefs.setData("lektier_v4", kList));
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", true));
        QVERIFY(prefs.setData("fag_v4", "[1]"));
        QCOMPARE(prefs.keys(), (QStringList{"fag_v4", "lektier_v4", "harSetupFaerdig_v4"}));
        QVERIFY(prefs.remove({"lektier_v4", "nope"}));
        QCOMPARE(prefs.keys(), (QStringList{"fag_v4", "harSetupFaerdig_v4"}));
        QCOMPARE(parsedFile(path()).keys(), (QStringList{"fag_v4", "harSetupFaerdig_v4"}));
        QCOMPARE(*PreferencesFile(path()).data("fag_v4"), QByteArray("[1]"));
    }

    void changesByAnotherWriterArePickedUp() {
        PreferencesFile mine(path());
        PreferencesFile theirs(path());
        QVERIFY(mine.setData("lektier_v4", kList));
        QVERIFY(!theirs.hasValue("fag_v4"));
        QVERIFY(theirs.setData("fag_v4", "[]"));
        // Mine had cached the file; it sees their key and keeps it when writing.
        QCOMPARE(*mine.data("fag_v4"), QByteArray("[]"));
        QVERIFY(mine.setBoolean("harSetupFaerdig_v4", true));
        QCOMPARE(theirs.keys(), (QStringList{"lektier_v4", "fag_v4", "harSetupFaerdig_v4"}));

        // Another program rewrites the file in place with the same size; the pause lets
        // the file system's coarse timestamps move on.
        QByteArray after = readFile(path());
        after.replace("\"fag_v4\":[]", "\"fag_v4\":{}");
        QTest::qSleep(50);
        writeFile(path(), after);
        QCOMPARE(*mine.data("fag_v4"), QByteArray("{}"));

        writeFile(path(), R"({"x":"y"})");
        QCOMPARE(mine.keys(), QStringList{"x"});
        QVERIFY(!mine.hasValue("lektier_v4"));
    }

    void concurrentWritersLoseNothing() {
        // Two processes write their own keys at the same time; the lock and the
        // re-read under it keep every key.
        constexpr int kWrites = 40;
        PreferencesFile(path()).setData("start", "[]");
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            PreferencesFile prefs(path());
            bool ok = true;
            for (int i = 0; i < kWrites; ++i)
                ok = prefs.setData(QString("child%1").arg(i), QByteArray::number(i)) && ok;
            ::_exit(ok ? 0 : 1);
        }
        PreferencesFile prefs(path());
        for (int i = 0; i < kWrites; ++i)
            QVERIFY(prefs.setData(QString("parent%1").arg(i), QByteArray::number(i)));
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        const QStringList keys = PreferencesFile(path()).keys();
        QCOMPARE(keys.size(), 1 + 2 * kWrites);
        for (int i = 0; i < kWrites; ++i) {
            QVERIFY(keys.contains(QString("child%1").arg(i)));
            QCOMPARE(*prefs.data(QString("parent%1").arg(i)), QByteArray::number(i));
        }
        QCOMPARE(parsedFile(path()).size(), 1 + 2 * kWrites);
        QVERIFY(strayFiles(QFileInfo(path()).absolutePath()).isEmpty());
    }

    void damagedFileReadsEmptyAndIsKeptAside_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("truncated") << QByteArray(R"({"lektier_v4":[{"id":)");
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("garbage") << QByteArray("\x00\x01\x02", 3);
        QTest::newRow("two objects") << QByteArray("{}{}");
        QTest::newRow("deep") << QByteArray("{\"a\":") + QByteArray(200000, '[');
    }
    void damagedFileReadsEmptyAndIsKeptAside() {
        QFETCH(QByteArray, content);
        writeFile(path(), content);
        PreferencesFile prefs(path());
        QVERIFY(prefs.keys().isEmpty());
        QVERIFY(!prefs.data("lektier_v4"));
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", false));
        QCOMPARE(parsedFile(path()).keys(), QStringList{"harSetupFaerdig_v4"});

        const QStringList aside = QDir(QFileInfo(path()).absolutePath())
                                      .entryList({"group.tavlen.json.damaged-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(QFileInfo(path()).absolutePath() + "/" + aside[0]), content);
        // A second write finds a good file and sets nothing more aside.
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", true));
        QCOMPARE(QDir(QFileInfo(path()).absolutePath())
                     .entryList({"group.tavlen.json.damaged-*"}, QDir::Files)
                     .size(),
                 1);
    }

    void emptyFileIsReplacedWithoutCopy() {
        writeFile(path(), "");
        PreferencesFile prefs(path());
        QVERIFY(prefs.keys().isEmpty());
        QVERIFY(prefs.setData("fag_v4", "[]"));
        QVERIFY(strayFiles(QFileInfo(path()).absolutePath()).isEmpty());
        QCOMPARE(QDir(QFileInfo(path()).absolutePath()).entryList(QDir::Files).size(), 1);
    }

    void noTemporaryFilesAreLeft() {
        PreferencesFile prefs(path());
        for (int i = 0; i < 5; ++i)
            QVERIFY(prefs.setData(QString("k%1").arg(i), kList));
        QVERIFY(prefs.remove({"k0"}));
        QVERIFY(strayFiles(QFileInfo(path()).absolutePath()).isEmpty());
    }

    void folderInPlaceOfTheFile() {
        QDir().mkpath(path());
        PreferencesFile prefs(path());
        QVERIFY(!prefs.canOpen());
        QVERIFY(prefs.keys().isEmpty());
        QVERIFY(!prefs.setData("fag_v4", "[]"));
        QVERIFY(QFileInfo(path()).isDir());
        QVERIFY(strayFiles(QFileInfo(path()).absolutePath()).isEmpty());
    }

    void fileInPlaceOfTheFolder() {
        writeFile(m_dir.path() + "/Tavlen", "x");
        PreferencesFile prefs(path());
        QVERIFY(!prefs.canOpen());
        QVERIFY(!prefs.setBoolean("a", true));
        QCOMPARE(readFile(m_dir.path() + "/Tavlen"), QByteArray("x"));
    }

    void suitesFallBackToStandard() {
        PreferencesSuites suites(m_dir.path());
        QCOMPARE(suites.standard().path(), m_dir.path() + "/Tavlen/Tavlen.json");
        QCOMPARE(suites.shared().path(), m_dir.path() + "/Tavlen/group.tavlen.json");
        QVERIFY(suites.shared().setData("lektier_v4", kList));
        QVERIFY(QFile::exists(path()));

        QFile::remove(path());
        QDir().mkpath(path());
        QCOMPARE(&suites.shared(), &suites.standard());
        QVERIFY(suites.shared().setData("fag_v4", "[]"));
        QVERIFY(parsedFile(m_dir.path() + "/Tavlen/Tavlen.json").contains("fag_v4"));

        // Checked at every access: once the folder is gone the suite is back.
        QDir(path()).removeRecursively();
        QCOMPARE(suites.shared().path(), path());
    }

    void configHomeFromEnvironment() {
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", "/tmp/somewhere");
        QCOMPARE(PreferencesSuites::configHomeFromEnvironment(), QString("/tmp/somewhere"));
        qputenv("XDG_CONFIG_HOME", "relative/path");
        QCOMPARE(PreferencesSuites::configHomeFromEnvironment(), QDir::homePath() + "/.config");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(PreferencesSuites::configHomeFromEnvironment(), QDir::homePath() + "/.config");
        if (!saved.isNull())
            qputenv("XDG_CONFIG_HOME", saved);
    }

    void unicodeKeysAreEscapedProperly() {
        PreferencesFile prefs(path());
        const QString key = QStringLiteral("nøgle \"æ\" \\ 😀");
        QVERIFY(prefs.setBoolean(key, true));
        QCOMPARE(PreferencesFile(path()).keys(), QStringList{key});
        QVERIFY(parsedFile(path()).contains(key));
    }
};

QTEST_GUILESS_MAIN(TestPreferencesFile)
#include "tst_preferencesfile.moc"
