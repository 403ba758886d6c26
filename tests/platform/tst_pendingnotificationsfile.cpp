#include "platform/PendingNotificationsFile.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace tavlen;

namespace {
SchedulerState sample() {
    SchedulerState state;
    state.pending.append(
        {{"daily-summary", "Husk dine lektier", "Du har 2 aktive lektier. Næste er <Øv> & læs.",
          true, CalendarTrigger{{}, {}, {}, 18, 0, true}},
         wallTime(QDate(2026, 5, 4), QTime(18, 0))});
    state.pending.append(
        {{"never", "t", "b", true, CalendarTrigger{2026, 2, 31, 8, 0, false}}, std::nullopt});
    state.lastFired.insert("daily-summary", wallTime(QDate(2026, 5, 3), QTime(18, 0)));
    NotificationRequest approaching{"lektie-reminder-X-3", "Deadline nærmer sig", "b", true,
                                    CalendarTrigger{2026, 5, 1, 16, 0, false}};
    approaching.showUntil = QDateTime(QDate(2026, 5, 4), QTime(7, 0, 0, 500), Qt::UTC);
    approaching.actions = {{"marker-faerdig", "Markér som færdig"}};
    state.undelivered.append({approaching, wallTime(QDate(2026, 5, 1), QTime(16, 0))});
    return state;
}
} // namespace

class TestPendingNotificationsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTripInPlainJson() {
        QTemporaryDir dir;
        const PendingNotificationsFile file(dir.filePath("state/Tavlen"));
        QCOMPARE(file.load(), SchedulerState{}); // missing file
        QVERIFY(file.save(sample()));            // creates the missing directories
        QCOMPARE(file.load(), sample());
        QCOMPARE(QDir(dir.filePath("state/Tavlen")).entryList(QDir::Files),
                 QStringList{"pending-notifications.json"});            // no temporary left behind
        QVERIFY(!PendingNotificationsFile(file.path()).save(sample())); // a file in the way

        const QVariantMap root =
            QJsonDocument::fromJson(PendingNotificationsFile::encode(sample())).toVariant().toMap();
        QCOMPARE(root["version"], QVariant(1));
        QCOMPARE(root["lastFired"], QVariant(QVariantMap{{"daily-summary", "2026-05-03T18:00"}}));
        const QVariantMap first = root["pending"].toList().first().toMap();
        QCOMPARE(first["next"], QVariant("2026-05-04T18:00"));
        // Absent components stay absent.
        QCOMPARE(first["trigger"],
                 QVariant(QVariantMap{{"hour", 18}, {"minute", 0}, {"repeats", true}}));
        QCOMPARE(first.contains("showUntil"), false);
        const QVariantMap kept = root["undelivered"].toList().first().toMap();
        QCOMPARE(kept["showUntil"], QVariant("2026-05-04T07:00:00.500Z"));
        QCOMPARE(kept["next"], QVariant("2026-05-01T16:00"));
        QCOMPARE(kept["actions"], QVariant(QVariantList{QVariantMap{
                                      {"key", "marker-faerdig"}, {"label", "Markér som færdig"}}}));
        QCOMPARE(first.contains("actions"), false); // files from before actions read the same
    }

    void damagedFileIsSetAside_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not json") << QByteArray("{\"version\":1,\"pending\":[");
        QTest::newRow("array root") << QByteArray("[]");
        QTest::newRow("unknown version") << QByteArray(R"({"version":7,"pending":[]})");
        QTest::newRow("entry without identifier")
            << QByteArray(R"({"version":1,"pending":[{"title":"t","body":"b","trigger":{}}]})");
        QTest::newRow("an action without a label")
            << QByteArray(R"({"version":1,"pending":[{"identifier":"a","title":"t","body":"b",)"
                          R"("trigger":{},"actions":[{"key":"k"}]}]})");
        QTest::newRow("kept entry with a bad showUntil")
            << QByteArray(R"({"version":1,"pending":[],"undelivered":[{"identifier":"a","title":)"
                          R"("t","body":"b","trigger":{},"showUntil":"snart"}]})");
    }
    void damagedFileIsSetAside() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const PendingNotificationsFile file(dir.path());
        QFile damaged(file.path());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        QCOMPARE(damaged.write(bytes), bytes.size());
        damaged.close();
        QCOMPARE(file.load(), SchedulerState{});
        QVERIFY(!QFile::exists(file.path()));
        QFile aside(file.path() + ".damaged");
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), bytes);
        QVERIFY(file.save(sample())); // and the next save starts afresh
        QCOMPARE(file.load(), sample());
    }
};

TAVLEN_TEST(TestPendingNotificationsFile)
#include "tst_pendingnotificationsfile.moc"
