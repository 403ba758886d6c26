#include "model/Clock.h"
#include "platform/DesktopNotificationCenter.h"
#include "support/FakeNotificationServer.h"
#include "support/PrivateSessionBus.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tavlen;
using tavlen::test::FakeNotificationServer;
using tavlen::test::PrivateSessionBus;

namespace {
QDateTime at(int y, int mo, int d, int h, int mi) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), QTimeZone("Europe/Copenhagen"));
}

NotificationRequest reminder(const QString& id, int day, int hour) {
    return {id, "Lektie i dag", "Stil i Dansk skal laves i dag.", true,
            CalendarTrigger{2026, 5, day, hour, 0, false}};
}

NotificationRequest summary() {
    return {"daily-summary", "Husk dine lektier", "Du har 1 aktive lektier.", true,
            CalendarTrigger{{}, {}, {}, 18, 0, true}};
}

QStringList ids(const QList<NotificationRequest>& requests) {
    QStringList result;
    for (const auto& r : requests)
        result.append(r.identifier);
    return result;
}

QList<NotificationRequest> pendingOf(NotificationCenter& center) {
    std::optional<QList<NotificationRequest>> result;
    center.pendingRequests([&](QList<NotificationRequest> p) { result = p; });
    if (!QTest::qWaitFor([&] { return result.has_value(); }))
        return {};
    return result.value_or(QList<NotificationRequest>{});
}

void addAndWait(NotificationCenter& center, const NotificationRequest& request) {
    std::optional<QString> error;
    center.add(request, [&](QString e) { error = e; });
    QVERIFY(QTest::qWaitFor([&] { return error.has_value(); }));
    QVERIFY(error->isEmpty());
}
} // namespace

class TestDesktopNotificationCenter : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateSessionBus> m_bus;
    std::unique_ptr<QTemporaryDir> m_state;
    int m_connections = 0;

    QDBusConnection connection() { return m_bus->connect(QString::number(++m_connections)); }

private Q_SLOTS:
    void init() {
        m_bus = std::make_unique<PrivateSessionBus>();
        if (!m_bus->isRunning())
            QSKIP("no dbus-daemon to run a private bus");
        m_state = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        m_state.reset();
        m_bus.reset();
    }

    void answersAreAuthorizedAndNeverSynchronous() {
        ManualClock clock(at(2026, 5, 4, 12, 0));
        DesktopNotificationCenter center(clock, m_state->path(), connection());
        std::optional<AuthorizationStatus> status;
        std::optional<bool> granted;
        center.authorizationStatus([&](AuthorizationStatus s) { status = s; });
        center.requestAuthorization([&](bool g, QString error) {
            QVERIFY(error.isEmpty());
            granted = g;
        });
        QVERIFY(!status && !granted);
        QTRY_VERIFY(status && granted);
        QCOMPARE(*status, AuthorizationStatus::Authorized);
        QVERIFY(*granted);

        bool added = false;
        center.add(reminder("a", 5, 8), [&](QString) { added = true; });
        QVERIFY(!added);
        QTRY_VERIFY(added);
    }

    void pendingListByIdentifier() {
        ManualClock clock(at(2026, 5, 4, 12, 0));
        DesktopNotificationCenter center(clock, m_state->path(), connection());
        addAndWait(center, reminder("a", 5, 8));
        addAndWait(center, summary());
        auto replaced = reminder("a", 6, 8);
        replaced.title = "Lektie i morgen";
        addAndWait(center, replaced);
        auto pending = pendingOf(center);
        QCOMPARE(ids(pending), (QStringList{"a", "daily-summary"}));
        QCOMPARE(pending.first(), replaced);

        bool removed = false;
        center.removePending({"a", "not-there"}, [&] { removed = true; });
        QTRY_VERIFY(removed);
        QCOMPARE(ids(pendingOf(center)), QStringList{"daily-summary"});

        std::optional<QString> error;
        center.add(reminder("", 5, 8), [&](QString e) { error = e; });
        QTRY_VERIFY(error);
        QVERIFY(!error->isEmpty());
        QCOMPARE(ids(pendingOf(center)), QStringList{"daily-summary"});
    }

    void deliversWhenDueAndOpensOnClick() {
        FakeNotificationServer server(connection());
        server.capabilities.append("body-markup");
        QVERIFY(server.start());
        ManualClock clock(at(2026, 5, 4, 7, 59));
        DesktopNotificationCenter center(clock, m_state->path(), connection());
        QSignalSpy activated(&center, &DesktopNotificationCenter::activated);
        auto request = reminder("a", 4, 8);
        request.body = "Læs <kapitel 3> & 4 i Dansk skal laves i dag.";
        addAndWait(center, request);

        center.checkNow();
        clock.setNow(at(2026, 5, 4, 8, 0));
        center.checkNow();
        center.checkNow();
        QTRY_COMPARE(server.received.size(), 1);
        QCOMPARE(server.received.first().summary, QString("Lektie i dag"));
        QCOMPARE(server.received.first().body,
                 QString("Læs &lt;kapitel 3&gt; &amp; 4 i Dansk skal laves i dag."));
        QVERIFY(pendingOf(center).isEmpty());

        server.invokeAction(101, "default");
        QTRY_COMPARE(activated.count(), 1);
    }

    void reminderDueWhileNotRunningComesOnceAtStart() {
        FakeNotificationServer server(connection());
        QVERIFY(server.start());
        ManualClock clock(at(2026, 5, 4, 15, 0));
        {
            DesktopNotificationCenter center(clock, m_state->path(), connection());
            addAndWait(center, summary());
            addAndWait(center, reminder("missed", 4, 16));
            addAndWait(center, reminder("future", 9, 16));
        } // quit before 16:00

        clock.setNow(at(2026, 5, 4, 19, 0)); // next start, past the summary too
        {
            DesktopNotificationCenter center(clock, m_state->path(), connection());
            QTRY_COMPARE(server.received.size(), 1);
            QCOMPARE(server.received.first().body, QString("Stil i Dansk skal laves i dag."));
            QCOMPARE(ids(pendingOf(center)), (QStringList{"daily-summary", "future"}));
        }
        {
            DesktopNotificationCenter center(clock, m_state->path(), connection());
            QCOMPARE(ids(pendingOf(center)), (QStringList{"daily-summary", "future"}));
        }
        QTest::qWait(100); // nothing more on its way
        QCOMPARE(server.received.size(), 1);
    }

    void missedWhileNoServerIsNotKeptForever() {
        ManualClock clock(at(2026, 5, 4, 15, 0));
        {
            DesktopNotificationCenter center(clock, m_state->path(), connection());
            addAndWait(center, reminder("missed", 4, 16));
        }
        clock.setNow(at(2026, 5, 4, 17, 0));
        {
            DesktopNotificationCenter center(clock, m_state->path(), connection());
            QVERIFY(pendingOf(center).isEmpty()); // dropped, no server to show it
        }
    }

    void damagedPendingFileIsIgnored() {
        const QString path = QDir(m_state->path()).filePath("pending-notifications.json");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"version\":1,\"pending\":[{\"identifier\":");
        file.close();

        ManualClock clock(at(2026, 5, 4, 12, 0));
        {
            DesktopNotificationCenter center(clock, m_state->path(), connection());
            QVERIFY(pendingOf(center).isEmpty());
            addAndWait(center, summary());
        }
        QVERIFY(QFile::exists(path + ".damaged"));
        DesktopNotificationCenter again(clock, m_state->path(), connection());
        QCOMPARE(ids(pendingOf(again)), QStringList{"daily-summary"});
    }

    void stateDirectoryFromEnvironment() {
        const QByteArray old = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", "/tmp/xdg-state");
        QCOMPARE(DesktopNotificationCenter::stateDirFromEnvironment(),
                 QString("/tmp/xdg-state/Tavlen"));
        qputenv("XDG_STATE_HOME", "relative/ignored");
        QCOMPARE(DesktopNotificationCenter::stateDirFromEnvironment(),
                 QDir::homePath() + "/.local/state/Tavlen");
        qunsetenv("XDG_STATE_HOME");
        QCOMPARE(DesktopNotificationCenter::stateDirFromEnvironment(),
                 QDir::homePath() + "/.local/state/Tavlen");
        if (!old.isNull())
            qputenv("XDG_STATE_HOME", old);
    }
};

QTEST_GUILESS_MAIN(TestDesktopNotificationCenter)
#include "tst_desktopnotificationcenter.moc"
