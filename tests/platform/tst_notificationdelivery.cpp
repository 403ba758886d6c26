#include "platform/NotificationDelivery.h"
#include "support/FakeNotificationServer.h"
#include "support/PrivateSessionBus.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;
using tavlen::test::FakeNotificationServer;

namespace {
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

class TestNotificationDelivery : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PrivateSessionBus> m_bus;

private Q_SLOTS:
    void init() {
        m_bus = std::make_unique<test::PrivateSessionBus>();
        if (!m_bus->isRunning())
            QSKIP("no dbus-daemon to run a private bus");
    }
    void cleanup() { m_bus.reset(); }

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

TAVLEN_TEST(TestNotificationDelivery)
#include "tst_notificationdelivery.moc"
