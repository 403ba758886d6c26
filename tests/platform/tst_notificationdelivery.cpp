#include "platform/NotificationDelivery.h"
#include "support/FakeNotificationServer.h"
#include "support/PrivateSessionBus.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;
using tavlen::test::FakeNotificationServer;

class TestNotificationDelivery : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PrivateSessionBus> m_bus;
    int m_connections = 0;

    QDBusConnection connection() { return m_bus->connect(QString::number(++m_connections)); }

private Q_SLOTS:
    void init() {
        m_bus = std::make_unique<test::PrivateSessionBus>();
        if (!m_bus->isRunning())
            QSKIP("no dbus-daemon to run a private bus");
    }
    void cleanup() { m_bus.reset(); }

    void notifyCall_data() {
        QTest::addColumn<bool>("markup");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("sent");
        QTest::newRow("markup server") << true << true << "Brøker & <b>x</b> > 2 \"y\" 'z'"
                                       << "Brøker &amp; &lt;b&gt;x&lt;/b&gt; &gt; 2 \"y\" 'z'";
        QTest::newRow("plain server, silent") << false << false << "Tom & Jerry <3"
                                              << "Tom & Jerry <3";
    }
    void notifyCall() {
        QFETCH(bool, markup);
        QFETCH(bool, sound);
        QFETCH(QString, body);
        QFETCH(QString, sent);
        FakeNotificationServer server(connection());
        if (markup)
            server.capabilities.append("body-markup");
        QVERIFY(server.start());
        NotificationDelivery delivery(connection());
        QSignalSpy delivered(&delivery, &NotificationDelivery::delivered);
        delivery.deliver("Lektie i dag", body, sound);
        QTRY_COMPARE(delivered.count(), 1);
        QCOMPARE(server.received.size(), 1);
        const auto& n = server.received.first();
        QCOMPARE(n.appName, QString("Tavlen"));
        QCOMPARE(n.replacesId, 0u);
        QCOMPARE(n.appIcon, QString("dk.tavlen.Tavlen"));
        QCOMPARE(n.summary, QString("Lektie i dag"));
        QCOMPARE(n.body, sent);
        QCOMPARE(n.actions, (QStringList{"default", "Åbn Tavlen"}));
        QCOMPARE(n.hints.value("desktop-entry").toString(), QString("dk.tavlen.Tavlen"));
        QCOMPARE(n.hints.value("sound-name").toString(),
                 sound ? QString("message-new-instant") : QString());
        QCOMPARE(n.expireTimeout, -1);
    }

    void capabilitiesAskedOncePerServer() {
        NotificationDelivery delivery(connection());
        {
            FakeNotificationServer plain(connection());
            QVERIFY(plain.start());
            delivery.deliver("t", "<x>", true);
            delivery.deliver("t", "<y>", true);
            QTRY_COMPARE(plain.received.size(), 2);
            QCOMPARE(plain.received.first().body, QString("<x>"));
            QCOMPARE(plain.capabilityQueries, 1);
            plain.stop();
        }
        FakeNotificationServer markup(connection());
        markup.capabilities.append("body-markup");
        QVERIFY(markup.start());
        // The owner change reaches the delivery through the bus; deliver until it asks.
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

    void failuresDropOnlyThatNotificationAndOnlyOursActivate() {
        NotificationDelivery delivery(connection());
        QSignalSpy dropped(&delivery, &NotificationDelivery::dropped);
        QSignalSpy activated(&delivery, &NotificationDelivery::activated);
        delivery.deliver("no server", "a", true);
        QTRY_COMPARE(dropped.count(), 1);
        FakeNotificationServer server(connection()); // a server that appears later is used
        server.failNotify = true;
        QVERIFY(server.start());
        delivery.deliver("refused", "b", true);
        QTRY_COMPARE(dropped.count(), 2);
        server.failNotify = false;
        delivery.deliver("shown", "c", true);
        QTRY_COMPARE(server.received.size(), 1);
        QCOMPARE(server.received.first().summary, QString("shown"));
        QCOMPARE(dropped.count(), 2);
        server.invokeAction(151, "default"); // someone else's notification
        server.invokeAction(101, "other");
        server.invokeAction(101, "default"); // the one shown
        QTRY_COMPARE(activated.count(), 1);
        QTest::qWait(50); // let any stray signal arrive
        QCOMPARE(activated.count(), 1);

        NotificationDelivery dead(QDBusConnection::connectToBus("unix:path=/nonexistent", "dead"));
        QSignalSpy deadDropped(&dead, &NotificationDelivery::dropped);
        dead.deliver("a", "a", true);
        QCOMPARE(deadDropped.count(), 1); // at once, without a bus to wait for
        QDBusConnection::disconnectFromBus("dead");
    }
};

QTEST_GUILESS_MAIN(TestNotificationDelivery)
#include "tst_notificationdelivery.moc"
