#include "platform/DBusWidgetReloader.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace tavlen;

// Receives the reload signal on its own connection to the private bus.
class Listener : public QObject {
    Q_OBJECT
public:
    int received = 0;
    QString signature = QStringLiteral("unset");
public Q_SLOTS:
    void onReload(const QDBusMessage& message) {
        ++received;
        signature = message.signature();
    }
};

class TestDBusWidgetReloader : public QObject {
    Q_OBJECT

    QProcess m_daemon;
    QString m_address;

private Q_SLOTS:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            QSKIP("dbus-daemon is not installed");
        m_daemon.start(daemon, {"--session", "--nofork", "--nosyslog", "--print-address"});
        QVERIFY(m_daemon.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 10000);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
    }

    void cleanupTestCase() {
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.kill();
            m_daemon.waitForFinished();
        }
    }

    void emitsTheSignalOnTheBus() {
        QDBusConnection listenerBus = QDBusConnection::connectToBus(m_address, "listener");
        QVERIFY(listenerBus.isConnected());
        Listener listener;
        QVERIFY(listenerBus.connect(QString(), "/dk/tavlen/Widgets", "dk.tavlen.Widgets",
                                    "ReloadAllTimelines", &listener, SLOT(onReload(QDBusMessage))));
        // A round trip makes sure the bus has the match rule before anything is sent.
        QVERIFY(listenerBus.interface()->isServiceRegistered("org.freedesktop.DBus").value());

        DBusWidgetReloader reloader(QDBusConnection::connectToBus(m_address, "sender"));
        reloader.reloadAllTimelines();
        QTRY_COMPARE(listener.received, 1);
        QCOMPARE(listener.signature, QString());
        reloader.reloadAllTimelines();
        QTRY_COMPARE(listener.received, 2);
    }

    void withoutABusDoesNothing() {
        // The test environment points the session bus at a missing socket.
        DBusWidgetReloader reloader;
        for (int i = 0; i < 100; ++i)
            reloader.reloadAllTimelines();

        DBusWidgetReloader unconnected(
            QDBusConnection::connectToBus("unix:path=/nonexistent/tavlen-bus", "dead"));
        unconnected.reloadAllTimelines();
        QVERIFY(!QDBusConnection("dead").isConnected());
    }
};

QTEST_GUILESS_MAIN(TestDBusWidgetReloader)
#include "tst_dbuswidgetreloader.moc"
