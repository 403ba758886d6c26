#include "core/PreferencesFile.h"
#include "core/RecoveryFolder.h"
#include "core/Utf8.h"
#include "support/FileSizeLimit.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tavlen;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

[[nodiscard]] bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// What a plain JSON parser makes of the file (empty when it cannot).
QJsonObject parsedFile(const QString& path) {
    return QJsonDocument::fromJson(readFile(path)).object();
}

const QByteArray kList =
    "[{\"id\":\"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB\",\"titel\":\"Læs 😀 \\\"x\\\"\","
    "\"links\":[],\"deadline\":-1.5}]";

} // namespace

class TestPreferencesFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.path() + "/Tavlen/group.tavlen.json"; }
    QStringList files() const {
        return QDir(m_dir.path() + "/Tavlen").entryList(QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    // JSON is embedded as it is; anything else as {"tavlen.bytes.base64": ...}.
    void roundTrip_data() {
        test::columns<QByteArray>({"bytes"});
        test::columns<bool>({"embedded"});
        QTest::newRow("list") << kList << true;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[", 4) << false;
        QTest::newRow("invalid utf-8") << QByteArray("[\"\xC3\x28\"]") << false;
        QTest::newRow("true") << QByteArray("true") << false;
        QTest::newRow("marker object") << QByteArray(R"({"tavlen.bytes.base64":"AAAA"})") << false;
        QTest::newRow("nested too deep") << QByteArray(600, '[') + QByteArray(600, ']') << false;
    }
    void roundTrip() {
        const auto [bytes, embedded] = test::fetch<QByteArray, bool>("bytes", "embedded");
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("k", bytes));
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", true));
        QCOMPARE(*PreferencesFile(path()).data("k"), bytes);
        const QJsonObject file = parsedFile(path());
        QCOMPARE(file["harSetupFaerdig_v4"], QJsonValue(true));
        if (embedded) {
            QVERIFY(readFile(path()).contains(bytes));
        } else {
            QCOMPARE(file["k"].toObject().keys(), QStringList{"tavlen.bytes.base64"});
            QCOMPARE(QByteArray::fromBase64(file["k"]["tavlen.bytes.base64"].toString().toLatin1()),
                     bytes);
        }
    }

    // The file's text is checked before it is read; a bad byte is a damaged file.
    void utf8Validation_data() {
        test::columns<QByteArray>({"bytes"});
        test::columns<bool>({"valid"});
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("overlong two") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cut at the end") << QByteArray("abcdefgh\xF0\x9F\x98") << false;
        QTest::newRow("bad byte after an ascii run") << QByteArray("abcdefgh12345678\xFF") << false;
    }
    void utf8Validation() {
        const auto [bytes, valid] = test::fetch<QByteArray, bool>("bytes", "valid");
        QCOMPARE(isValidUtf8(bytes), valid);
    }

    void booleanReadingOfAnyValue() {
        QVERIFY(writeFile(path(), R"({"t":true,"f":false,"one":1,"zero":0,"yes":"YES","no":"no",)"
                                  R"("arr":[1],"nul":null})"));
        PreferencesFile prefs(path());
        const std::optional<bool> yes = true, no = false;
        const QList<std::pair<const char*, std::optional<bool>>> cases = {
            {"t", yes}, {"f", no},   {"one", yes}, {"zero", no},  {"yes", yes},
            {"no", no}, {"arr", no}, {"nul", {}},  {"absent", {}}};
        for (const auto& [key, expected] : cases)
            QVERIFY2(prefs.boolean(key) == expected, key);
        // A boolean is no data value; null counts as absent.
        QCOMPARE(prefs.data("t"), std::nullopt);
        QCOMPARE(prefs.hasValue("t"), true);
        QCOMPARE(prefs.hasValue("nul"), false);
        QCOMPARE(prefs.keys().contains("nul"), false);
    }

    void writesKeepOtherKeysAndOrder() {
        PreferencesFile prefs(path());
        QCOMPARE(prefs.canOpen(), true);
        QCOMPARE(prefs.keys(), QStringList());
        QCOMPARE(prefs.boolean("x"), std::nullopt);
        const QString odd = QStringLiteral("nøgle \"æ\" \\ 😀");
        for (const QString& key :
             {QString("fag_v4"), QString("lektier_v4"), odd, QString("fag_v4")})
            QVERIFY(prefs.setData(key, kList));
        QVERIFY(prefs.remove({"lektier_v4", "nope"}));
        QCOMPARE(PreferencesFile(path()).keys(), (QStringList{"fag_v4", odd}));
        QCOMPARE(parsedFile(path())[odd][0]["titel"].toString(), QString("Læs 😀 \"x\""));
        QCOMPARE(files(), QStringList{"group.tavlen.json"}); // no temporary left behind
    }

    // A write cut off midway (here by a file-size limit, as by a full disk) leaves the
    // old file byte for byte; several keys are written together or not at all.
    void writeCutOffMidwayLeavesTheOldFile() {
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("fag_v4", kList));
        const QByteArray before = readFile(path());
        const QByteArray big = "[\"" + QByteArray(8192, 'x') + "\"]";
        {
            test::FileSizeLimit limit(4096);
            QVERIFY(limit.isActive());
            QCOMPARE(prefs.setData({{"lektier_v4", big}, {"harSetupFaerdig_v4", "[]"}}), false);
        }
        QVERIFY(prefs.lastError().contains(QString::fromLocal8Bit(std::strerror(EFBIG))));
        QCOMPARE(readFile(path()), before);
        QCOMPARE(files(), QStringList{"group.tavlen.json"});
        QCOMPARE(PreferencesFile(path()).keys(), QStringList{"fag_v4"});

        QVERIFY(prefs.setData({{"lektier_v4", big}, {"fag_v4", "[]"}}));
        QCOMPARE(prefs.lastError(), QString());
        QCOMPARE(*PreferencesFile(path()).data("lektier_v4"), big);
        QCOMPARE(*PreferencesFile(path()).data("fag_v4"), QByteArray("[]"));
    }

    void changesByAnotherWriterArePickedUp() {
        PreferencesFile mine(path());
        PreferencesFile theirs(path());
        QVERIFY(mine.setData("lektier_v4", kList));
        QVERIFY(theirs.setData("fag_v4", "[]"));
        // Mine had cached the file; it sees their key and keeps it when writing.
        QCOMPARE(*mine.data("fag_v4"), QByteArray("[]"));
        QVERIFY(mine.setBoolean("harSetupFaerdig_v4", true));
        QCOMPARE(theirs.keys(), (QStringList{"lektier_v4", "fag_v4", "harSetupFaerdig_v4"}));
        // A write looks again under the lock, even when nothing was read since.
        QVERIFY(theirs.setData("a", "1"));
        QVERIFY(mine.setData("b", "2"));
        QCOMPARE(theirs.keys().contains("a"), true);

        // Another program rewrites the file in place with the same size; the pause lets
        // the file system's coarse timestamps move on.
        QTest::qSleep(50);
        QVERIFY(writeFile(path(), readFile(path()).replace("\"fag_v4\":[]", "\"fag_v4\":{}")));
        QCOMPARE(*mine.data("fag_v4"), QByteArray("{}"));
    }

    void concurrentWritersLoseNothing() {
        // Two processes write their own keys at once; the lock and the re-read under
        // it keep every key. A write that waited too long for the lock on a busy machine
        // is tried again, as the store does.
        const auto writeKeys = [&](const QString& who) {
            PreferencesFile prefs(path());
            for (int i = 0; i < 40; ++i) {
                int tries = 0;
                while (!prefs.setData(who + QString::number(i), QByteArray::number(i))) {
                    if (++tries == 50)
                        return false;
                }
            }
            return true;
        };
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0)
            ::_exit(writeKeys("child") ? 0 : 1);
        QVERIFY(writeKeys("parent"));
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(WIFEXITED(status), true);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(parsedFile(path()).size(), 80);
    }

    // A damaged file is read as far as it can be; the file as it was is copied to the
    // recovery folder, and a write leaves out only what could not be read.
    void damagedFileIsReadAsFarAsItCan_data() {
        test::columns<QByteArray>({"content"});
        test::columns<QStringList>({"keys", "damagedMembers"});
        test::columns<bool>({"rest", "characters"});
        const QStringList none, a{"a"};
        test::row("byte-order mark", QByteArray("\xEF\xBB\xBF{\"a\":1}"), a, none, false, false);
        test::row("a byte that is no UTF-8", QByteArray("{\"a\":\"bl\xE5\",\"b\":2}"),
                  QStringList{"a", "b"}, none, false, true);
        test::row("a number too big for a double", QByteArray("{\"a\":1e400,\"b\":true}"),
                  QStringList{"a", "b"}, none, false, false);
        test::row("cut off in a member", QByteArray("{\n\"a\":1,\n\"lektier_v4\":[{\"id\":"), a,
                  QStringList{"lektier_v4"}, false, false);
        test::row("a damaged member between good ones",
                  QByteArray("{\n\"a\":1,\n\"b\":[1,?],\n\"c\":true\n}\n"), QStringList{"a", "c"},
                  QStringList{"b"}, false, false);
        test::row("cut off between members", QByteArray("{\n\"a\":1,\n"), a, none, true, false);
        test::row("no object", QByteArray("[1,2]"), none, none, true, false);
        test::row("too deep", QByteArray("{\"a\":") + QByteArray(200000, '['), none, a, false,
                  false);
        test::row("empty", QByteArray(), none, none, false, false);
    }
    void aKeyTwiceReadsItsLastValue() {
        QVERIFY(writeFile(path(), "{\"a\":1,\"a\":2}"));
        QCOMPARE(*PreferencesFile(path()).data("a"), QByteArray("2"));
    }
    void damagedFileIsReadAsFarAsItCan() {
        const auto [content, keys, damagedMembers, rest, characters] =
            test::fetch<QByteArray, QStringList, QStringList, bool, bool>(
                "content", "keys", "damagedMembers", "rest", "characters");
        QVERIFY(writeFile(path(), content));
        ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(8, 12), Qt::UTC));
        RecoveryFolder recovery(m_dir.path() + "/recovered", clock);
        PreferencesFile prefs(path(), &recovery);
        QCOMPARE(prefs.keys(), keys);
        const PreferencesDamage damage = prefs.damage();
        QCOMPARE(damage.members, damagedMembers);
        QCOMPARE(damage.rest, rest);
        QCOMPARE(damage.characters, characters);
        if (characters)
            QCOMPARE(prefs.data("a"), std::optional<QByteArray>("\"bl\uFFFD\""));

        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", false));
        QCOMPARE(PreferencesFile(path()).keys(), (keys + QStringList{"harSetupFaerdig_v4"}));
        QCOMPARE(PreferencesFile(path()).damage().any(), false);
        const QStringList copies = QDir(recovery.path()).entryList(QDir::Files);
        QCOMPARE(copies, damage.any() ? QStringList{"group.tavlen.json-20261207T081200Z.json"}
                                      : QStringList());
        if (damage.any()) {
            QCOMPARE(damage.copy, recovery.path() + "/" + copies[0]);
            QCOMPARE(readFile(damage.copy), content);
            const auto others = QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther;
            QCOMPARE(QFileInfo(damage.copy).permissions() & others, QFile::Permissions());
        }
        QCOMPARE(files().filter("damaged"), QStringList()); // nothing beside the file
    }

    // Without a recovery folder, a damaged file is copied beside itself before a write.
    void damagedFileWithoutRecoveryFolderIsKeptBeside() {
        const QByteArray content(R"({"lektier_v4":[{"id":)");
        QVERIFY(writeFile(path(), content));
        PreferencesFile prefs(path());
        QVERIFY(prefs.setBoolean("harSetupFaerdig_v4", true));
        const QStringList aside = files().filter("group.tavlen.json.damaged-");
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(m_dir.path() + "/Tavlen/" + aside.value(0)), content);
    }

    // A suite kept in a synced folder through a link stays a link; what it points to
    // is replaced.
    void aLinkStaysALink() {
        const QString target = m_dir.path() + "/Synk/tavlen.json";
        QVERIFY(writeFile(target, "{\"a\":1}"));
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QVERIFY(QFile::link(target, path()));
        PreferencesFile prefs(path());
        QVERIFY(prefs.setData("b", "2"));
        QCOMPARE(QFileInfo(path()).isSymLink(), true);
        QCOMPARE(parsedFile(target), QJsonObject({{"a", 1}, {"b", 2}}));
        QCOMPARE(QDir(m_dir.path() + "/Synk").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"tavlen.json"});
    }

    // A lock another program holds is not waited for long: the write fails and says so.
    // Something there that cannot be opened (a socket, which not even root can open) is
    // never replaced.
    void aFileThatCannotBeOpenedIsNeverReplaced() {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        const QByteArray name = QFile::encodeName(path());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        PreferencesFile prefs(path());
        QCOMPARE(prefs.setData("a", "1"), false);
        QCOMPARE(prefs.lastError(), QStringLiteral("the file cannot be read"));
        QCOMPARE(QFileInfo(path()).isFile(), false);
        ::close(socket);
    }

    void aLockHeldElsewhereFailsTheWrite() {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QLockFile other(path() + ".lock");
        QVERIFY(other.tryLock(0));
        PreferencesFile prefs(path());
        QCOMPARE(prefs.setData("a", "1"), false);
        QCOMPARE(prefs.lastError(), QStringLiteral("another program holds the lock"));
        other.unlock();
        QCOMPARE(prefs.setData("a", "1"), true);
        // A lock let go of within the wait is taken.
        QVERIFY(other.tryLock(0));
        std::thread release([&] {
            QThread::msleep(50);
            other.unlock();
        });
        const bool written = prefs.setData("b", "2");
        release.join();
        QCOMPARE(written, true);
    }

    void suitesFallBackToStandard() {
        PreferencesSuites suites(m_dir.path());
        QCOMPARE(suites.standard().path(), m_dir.path() + "/Tavlen/Tavlen.json");
        QCOMPARE(suites.shared().path(), path());
        QVERIFY(suites.shared().setData("lektier_v4", kList));
        QCOMPARE(QFile::exists(path()), true);

        QFile::remove(path());
        QDir().mkpath(path()); // a folder in place of the file: left alone
        QCOMPARE(PreferencesFile(path()).canOpen(), false);
        QCOMPARE(PreferencesFile(path()).setData("x", "1"), false);
        QCOMPARE(&suites.shared(), &suites.standard());
        QVERIFY(suites.shared().setData("fag_v4", "[]"));
        QVERIFY(parsedFile(m_dir.path() + "/Tavlen/Tavlen.json").contains("fag_v4"));
        // Checked at every access: once the folder is gone the suite is back.
        QDir(path()).removeRecursively();
        QCOMPARE(suites.shared().path(), path());
    }
};

TAVLEN_TEST(TestPreferencesFile)
#include "tst_preferencesfile.moc"
