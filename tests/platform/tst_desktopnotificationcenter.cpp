#include "platform/DesktopNotificationCenter.h"
#include "platform/NotificationDelivery.h"
#include "support/FakeNotificationServer.h"
#include "support/ManualClock.h"
#include "support/PrivateSessionBus.h"
#include "support/TestMain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tavlen;
using tavlen::test::FakeNotificationServer;

namespace {
QDateTime at(int d, int h) {
    return test::kbh(2026, 5, d, h);
}

NotificationRequest reminder(const QString& id, int day, int hour) {
    return {id, "Lektie i dag", id + " i Dansk skal laves i dag.", true,
            CalendarTrigger{2026, 5, day, hour, 0, false}};
}

const NotificationRequest summary{"daily-summary", "Husk dine lektier", "Du har 1 aktive lektier.",
                                  true, CalendarTrigger{{}, {}, {}, 18, 0, true}};

QStringList pendingIds(NotificationCenter& center) {
    std::optional<QStringList> ids;
    center.pendingRequests([&](QList<NotificationRequest> pending) {
        ids.emplace();
        for (const auto& r : pending)
            ids->append(r.identifier);
    });
    return QTest::qWaitFor([&] { return ids.has_value(); }) ? *ids : QStringList{"timed out"};
}

QString postAndWait(NotificationCenter& center, const NotificationRequest& request) {
    std::optional<QString> error;
    center.post(request, [&](QString e) { error = e; });
    return QTest::qWaitFor([&] { return error.has_value(); }, 15000) ? *error : "timed out";
}

QString addAndWait(NotificationCenter& center, const NotificationRequest& request) {
    std::optional<QString> error;
    center.add(request, [&](QString e) { error = e; });
    if (error)
        return "answered inside the call";
    return QTest::qWaitFor([&] { return error.has_value(); }) ? *error : "timed out";
}

NotificationRequest request(const QString& id, const QString& title, const QString& body,
                            bool sound = true) {
    NotificationRequest r{id, title, body, sound, {}};
    r.actions = {{"marker-faerdig", "Markér som færdig"}};
    return r;
}

NotificationServer askServer(NotificationDelivery& delivery) {
    std::optional<NotificationServer> answer;
    delivery.askServer([&](NotificationServer s) { answer = s; });
    return QTest::qWaitFor([&] { return answer.has_value(); }) ? *answer : NotificationServer{};
}
} // namespace

// The notification center and, below it, the delivery to a notification server, both on a
// private bus with a stand-in server.
class TestDesktopNotificationCenter : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PrivateSessionBus> m_bus;
    std::unique_ptr<QTemporaryDir> m_state;
    QByteArray pendingFile() const {
        QFile file(m_state->filePath("pending-notifications.json"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::unique_ptr<DesktopNotificationCenter> center(const Clock& clock) {
        return std::make_unique<DesktopNotificationCenter>(clock, m_state->path(),
                                                           m_bus->connect());
    }

private Q_SLOTS:
    void init() {
        m_bus = std::make_unique<test::PrivateSessionBus>();
        if (!m_bus->isRunning())
            QSKIP("no dbus-daemon to run a private bus");
        m_state = std::make_unique<QTemporaryDir>();
    }

    void pendingListAndDeliveryWhenDue() {
        FakeNotificationServer server(m_bus->connect());
        QVERIFY(server.start());
        ManualClock clock(at(4, 7));
        auto c = center(clock);
        QSignalSpy invoked(c.get(), &NotificationCenter::actionInvoked);
        std::optional<AuthorizationStatus> status;
        c->authorizationStatus([&](AuthorizationStatus s) { status = s; });
        QTRY_COMPARE(status, std::optional(AuthorizationStatus::Authorized));
        for (const auto& r : {reminder("a", 4, 9), summary, reminder("b", 5, 8)})
            QCOMPARE(addAndWait(*c, r), QString());
        QVERIFY(!addAndWait(*c, reminder("", 5, 8)).isEmpty());
        bool removed = false;
        c->removePending({"b", "not-there"}, [&] { removed = true; });
        QTRY_VERIFY(removed);
        clock.setNow(at(4, 9));
        c->checkNow();
        QTRY_COMPARE(server.received.size(), 1);
        QCOMPARE(server.received.first().body, QString("a i Dansk skal laves i dag."));
        QCOMPARE(pendingIds(*c), QStringList{"daily-summary"});
        server.invokeAction(101, "default");
        QTRY_COMPARE(invoked.count(), 1);
        QCOMPARE(invoked.first(), (QVariantList{"a", "default"}));
        QCOMPARE(postAndWait(*c, reminder("now", 4, 9)), QString());
    }

    void reminderDueWhileNotRunningComesOnceAtStart() {
        FakeNotificationServer server(m_bus->connect());
        QVERIFY(server.start());
        ManualClock clock(at(3, 15));
        {
            auto c = center(clock);
            for (const auto& r : {summary, reminder("yesterday", 3, 16), reminder("missed", 4, 16),
                                  reminder("future", 9, 16)})
                QCOMPARE(addAndWait(*c, r), QString());
        }
        // Quit before 16:00; two starts the next day past the summary too.
        clock.setNow(at(4, 19));
        for (int start = 0; start < 2; ++start) {
            auto c = center(clock);
            QTRY_COMPARE(server.received.size(), 1);
            QCOMPARE(pendingIds(*c), (QStringList{"daily-summary", "future"}));
            QTest::qWait(100); // nothing more on its way
            QCOMPARE(server.received.size(), 1);
        }
        QCOMPARE(server.received.first().body, QString("missed i Dansk skal laves i dag."));
    }

    // At login Tavlen may start before the desktop's notification server: a reminder due
    // then waits, across a restart too, and comes once when a server appears; one withdrawn
    // meanwhile never comes. A post that no server showed says so.
    void reminderWaitsForANotificationServer() {
        ManualClock clock(at(4, 7));
        {
            auto c = center(clock);
            for (const auto& r : {reminder("a", 4, 9), reminder("b", 4, 9)})
                QCOMPARE(addAndWait(*c, r), QString());
            clock.setNow(at(4, 9));
            c->checkNow();
            QVERIFY(postAndWait(*c, reminder("now", 4, 9)) != QString());
            std::optional<QStringList> shown;
            c->shownIdentifiers([&](QStringList ids) { shown = ids; });
            QTRY_COMPARE(shown, std::optional(QStringList{"a", "b"}));
            c->withdraw({"a"});
        }
        clock.setNow(at(4, 10));
        auto c = center(clock); // a restart, still without a server
        QTRY_VERIFY(pendingFile().contains("\"undelivered\""));
        FakeNotificationServer server(m_bus->connect());
        QVERIFY(server.start());
        QTRY_COMPARE(server.received.size(), 1);
        QCOMPARE(server.received.first().body, QString("b i Dansk skal laves i dag."));
        c.reset();
        c = center(clock);
        QTest::qWait(100); // nothing more on its way
        QCOMPARE(server.received.size(), 1);
    }

    void notifyCallToAMarkupServer() {
        FakeNotificationServer server(m_bus->connect());
        server.capabilities.append("body-markup");
        QVERIFY(server.start());
        NotificationDelivery delivery(m_bus->connect());
        QSignalSpy delivered(&delivery, &NotificationDelivery::delivered);
        delivery.deliver(7, request("a", "Lektie i dag", "Brøker & <b>x</b> > 2 \"y\""));
        QTRY_COMPARE(delivered.count(), 1);
        QCOMPARE(delivered.first().first().toULongLong(), 7u);
        const auto n = server.received.value(0);
        QCOMPARE(n.appName, QString("Tavlen"));
        QCOMPARE(n.appIcon, QString("dk.tavlen.Tavlen"));
        QCOMPARE(n.summary, QString("Lektie i dag"));
        QCOMPARE(n.body, QString("Brøker &amp; &lt;b&gt;x&lt;/b&gt; &gt; 2 \"y\""));
        QCOMPARE(n.actions,
                 (QStringList{"default", "Åbn Tavlen", "marker-faerdig", "Markér som færdig"}));
        QCOMPARE(n.hints.value("desktop-entry").toString(), QString("dk.tavlen.Tavlen"));
        QCOMPARE(n.hints.value("sound-name").toString(), QString("message-new-instant"));
        const NotificationServer info = askServer(delivery);
        QCOMPARE(info.running, true);
        QCOMPARE(info.name, QString("Testserver"));
        QCOMPARE(info.showsActions, true);
    }

    void shownNotificationsAreWithdrawnByRequest() {
        FakeNotificationServer server(m_bus->connect());
        QVERIFY(server.start());
        NotificationDelivery delivery(m_bus->connect());
        for (const char* id : {"a", "b", "a"})
            delivery.deliver(1, request(id, "t", "b"));
        QTRY_COMPARE(delivery.shownIdentifiers().size(), 3);
        delivery.withdraw({"a", "not-shown"});
        QCOMPARE(delivery.shownIdentifiers(), QStringList{"b"});
        QTRY_COMPARE(server.closed.size(), 2);
        std::sort(server.closed.begin(), server.closed.end());
        QCOMPARE(server.closed, (QList<uint>{101, 103}));
    }

    void failuresDropOnlyThatNotificationAndOnlyOursActivate() {
        NotificationDelivery delivery(m_bus->connect());
        QSignalSpy dropped(&delivery, &NotificationDelivery::dropped);
        QSignalSpy invoked(&delivery, &NotificationDelivery::actionInvoked);
        QSignalSpy appeared(&delivery, &NotificationDelivery::serverAppeared);
        QCOMPARE(askServer(delivery).running, false);
        delivery.deliver(1, request("1", "no server", "a"));
        QTRY_COMPARE(dropped.count(), 1);
        QCOMPARE(dropped.at(0).at(0).toULongLong(), 1u);
        FakeNotificationServer server(m_bus->connect()); // a server that appears later is used
        server.failNotify = true;
        QVERIFY(server.start());
        QTRY_COMPARE(appeared.count(), 1);
        delivery.deliver(2, request("2", "refused", "b"));
        QTRY_COMPARE(dropped.count(), 2);
        QCOMPARE(dropped.at(1).at(0).toULongLong(), 2u);
        server.failNotify = false;
        server.capabilities = QStringList{"body"};
        QCOMPARE(askServer(delivery).showsActions, false);
        delivery.deliver(3, request("3", "shown", "Tom & Jerry <3", false));
        QTRY_COMPARE(server.received.size(), 1);
        // A server without "body-markup" gets the text as it is; no sound asked for; one
        // without "actions" only the click.
        QCOMPARE(server.received.first().body, QString("Tom & Jerry <3"));
        QCOMPARE(server.received.first().actions, (QStringList{"default", "Åbn Tavlen"}));
        QVERIFY(!server.received.first().hints.contains("sound-name"));
        QCOMPARE(dropped.count(), 2);
        server.invokeAction(151, "default"); // someone else's notification
        server.invokeAction(101, "default"); // the one shown
        QTRY_COMPARE(invoked.count(), 1);
        QCOMPARE(invoked.first(), (QVariantList{"3", "default"}));
        QTRY_COMPARE(server.closed, QList<uint>{101}); // acted on, it goes
        QTest::qWait(50);                              // let any stray signal arrive
        QCOMPARE(invoked.count(), 1);

        NotificationDelivery dead(QDBusConnection::connectToBus("unix:path=/nonexistent", "dead"));
        QSignalSpy deadDropped(&dead, &NotificationDelivery::dropped);
        dead.deliver(1, request("1", "a", "a"));
        QCOMPARE(deadDropped.count(), 1); // at once, without a bus to wait for
        QDBusConnection::disconnectFromBus("dead");
    }
};

TAVLEN_TEST(TestDesktopNotificationCenter)
#include "tst_desktopnotificationcenter.moc"
