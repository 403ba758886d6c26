#include "platform/NotificationDelivery.h"
#include "support/FakeNotificationServer.h"
#include "support/PrivateSessionBus.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;
using tavlen::test::FakeNotificationServer;
using tavlen::test::PrivateSessionBus;

class TestNotificationDelivery : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateSessionBus> m_bus;
    int m_connections = 0;

    QDBusConnection connection() { return m_bus->connect(QString::number(++m_connections)); }

private Q_SLOTS:
    void init() {
        m_bus = std::make_unique<PrivateSessionBus>();
        if (!m_bus->isRunning())
            QSKIP("no dbus-daemon to run a private bus");
    }
    void cleanup() { m_bus.reset(); }

    void markupServerGetsEscapedBody() {
        FakeNotificationServer server(connection());
        server.capabilities.append("body-markup");
        QVERIFY(server.start());
        NotificationDelivery delivery(connection());
        QSignalSpy delivered(&delivery, &NotificationDelivery::delivered);

        delivery.deliver("Lektie i dag", "Brøker & <b>ligninger</b> > 2 i Matematik", true);
        QTRY_COMPARE(server.received.size(), 1);
        const auto& n = server.received.first();
        QCOMPARE(n.appName, QString("Tavlen"));
        QCOMPARE(n.replacesId, 0u);
        QCOMPARE(n.appIcon, QString("dk.tavlen.Tavlen"));
        QCOMPARE(n.summary, QString("Lektie i dag"));
        QCOMPARE(n.body, QString("Brøker &amp; &lt;b&gt;ligninger&lt;/b&gt; &gt; 2 i Matematik"));
        QCOMPARE(n.actions, (QStringList{"default", "Åbn Tavlen"}));
        QCOMPARE(n.hints.value("desktop-entry").toString(), QString("dk.tavlen.Tavlen"));
        QCOMPARE(n.hints.value("sound-name").toString(), QString("message-new-instant"));
        QCOMPARE(n.expireTimeout, -1);
        QTRY_COMPARE(delivered.count(), 1);
    }

    void plainServerGetsTextAsIs() {
        FakeNotificationServer server(connection());
        QVERIFY(server.start());
        NotificationDelivery delivery(connection());
        delivery.deliver("Husk dine lektier", "Tom & Jerry <3", false);
        delivery.deliver("Anden", "a > b", true);
        QTRY_COMPARE(server.received.size(), 2);
        QCOMPARE(server.received.at(0).body, QString("Tom & Jerry <3"));
        QVERIFY(!server.received.at(0).hints.contains("sound-name"));
        QCOMPARE(server.received.at(1).body, QString("a > b"));
        QCOMPARE(server.capabilityQueries, 1); // asked once, then remembered

        delivery.deliver("Tredje", "c", true);
        QTRY_COMPARE(server.received.size(), 3);
        QCOMPARE(server.capabilityQueries, 1);
    }

    void newServerIsAskedAgain() {
        NotificationDelivery delivery(connection());
        {
            FakeNotificationServer plain(connection());
            QVERIFY(plain.start());
            delivery.deliver("t", "<x>", true);
            QTRY_COMPARE(plain.received.size(), 1);
            QCOMPARE(plain.received.first().body, QString("<x>"));
            plain.stop();
        }
        FakeNotificationServer markup(connection());
        markup.capabilities.append("body-markup");
        QVERIFY(markup.start());
        // The owner change reaches the delivery through the bus; wait until it asks.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                if (markup.capabilityQueries == 0)
                    delivery.deliver("t", "<x>", true);
                return markup.capabilityQueries > 0;
            }(),
            10000);
        QTRY_VERIFY(!markup.received.isEmpty());
        QCOMPARE(markup.received.last().body, QString("&lt;x&gt;"));
    }

    void failingServerDropsOnlyThatNotification() {
        FakeNotificationServer server(connection());
        QVERIFY(server.start());
        NotificationDelivery delivery(connection());
        QSignalSpy dropped(&delivery, &NotificationDelivery::dropped);
        server.failNotify = true;
        delivery.deliver("a", "a", true);
        QTRY_COMPARE(dropped.count(), 1);
        server.failNotify = false;
        delivery.deliver("b", "b", true);
        QTRY_COMPARE(server.received.size(), 1);
        QCOMPARE(server.received.first().summary, QString("b"));
        QCOMPARE(dropped.count(), 1);
    }

    void noServerIsHarmless() {
        NotificationDelivery delivery(connection());
        QSignalSpy dropped(&delivery, &NotificationDelivery::dropped);
        delivery.deliver("a", "a", true);
        delivery.deliver("b", "b", true);
        QTRY_COMPARE(dropped.count(), 2);

        // A server that appears later is used.
        FakeNotificationServer server(connection());
        QVERIFY(server.start());
        delivery.deliver("c", "c", true);
        QTRY_COMPARE(server.received.size(), 1);
    }

    void noBusIsHarmless() {
        NotificationDelivery delivery(
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), "dead"));
        QSignalSpy dropped(&delivery, &NotificationDelivery::dropped);
        delivery.deliver("a", "a", true);
        QCOMPARE(dropped.count(), 1);
        QDBusConnection::disconnectFromBus("dead");
    }

    void defaultActionOnOurNotificationActivates() {
        FakeNotificationServer server(connection());
        QVERIFY(server.start());
        NotificationDelivery delivery(connection());
        QSignalSpy delivered(&delivery, &NotificationDelivery::delivered);
        QSignalSpy activated(&delivery, &NotificationDelivery::activated);
        delivery.deliver("a", "a", true);
        QTRY_COMPARE(delivered.count(), 1);
        const uint ours = delivered.first().at(0).toUInt();

        server.invokeAction(ours + 50, "default"); // someone else's notification
        server.invokeAction(ours, "other");
        server.invokeAction(ours, "default");
        QTRY_COMPARE(activated.count(), 1);
        QTest::qWait(50); // let any stray signal arrive
        QCOMPARE(activated.count(), 1);
    }

    void escapeMarkup() {
        QCOMPARE(NotificationDelivery::escapeMarkup("&amp; <i>"), QString("&amp;amp; &lt;i&gt;"));
        QCOMPARE(NotificationDelivery::escapeMarkup("Æble \"x\" 'y'"), QString("Æble \"x\" 'y'"));
    }
};

QTEST_GUILESS_MAIN(TestNotificationDelivery)
#include "tst_notificationdelivery.moc"
