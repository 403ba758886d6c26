#include "platform/DBusWidgetReloader.h"
#include "platform/SleepWatcher.h"
#include "support/PrivateSessionBus.h"
#include "support/TestMain.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

// Receives the reload signal on its own connection to the private bus.
class Listener : public QObject {
    Q_OBJECT
public:
    QStringList signatures;
public Q_SLOTS:
    void onReload(const QDBusMessage& message) { signatures.append(message.signature()); }
};

// The signals Tavlen sends and hears on the session bus: the widgets' reload, logind's sleep.
class TestDBusSignals : public QObject {
    Q_OBJECT
    std::unique_ptr<test::PrivateSessionBus> m_bus;

private Q_SLOTS:
    void init() {
        m_bus = std::make_unique<test::PrivateSessionBus>();
        if (!m_bus->isRunning())
            QSKIP("no dbus-daemon to run a private bus");
    }

    void widgetReloadGoesOutOnTheBus() {
        QDBusConnection listenerBus = m_bus->connect();
        Listener listener;
        QVERIFY(listenerBus.connect(QString(), "/dk/tavlen/Widgets", "dk.tavlen.Widgets",
                                    "ReloadAllTimelines", &listener, SLOT(onReload(QDBusMessage))));
        // A round trip makes sure the bus has the match rule before anything is sent.
        QVERIFY(listenerBus.interface()->isServiceRegistered("org.freedesktop.DBus").value());

        DBusWidgetReloader reloader(m_bus->connect());
        reloader.reloadAllTimelines();
        reloader.reloadAllTimelines();
        QTRY_COMPARE(listener.signatures, (QStringList{QString(), QString()}));

        DBusWidgetReloader dead(QDBusConnection::connectToBus("unix:path=/nonexistent", "dead"));
        dead.reloadAllTimelines(); // returns at once without a bus
        QDBusConnection::disconnectFromBus("dead");
    }

    void onlyTheWakingUpIsReported() {
        QDBusConnection logind = m_bus->connect();
        QVERIFY(logind.registerService("org.freedesktop.login1"));
        SleepWatcher watcher(m_bus->connect());
        QSignalSpy resumed(&watcher, &SleepWatcher::resumed);
        for (const bool goingToSleep : {true, false, true, false}) {
            QDBusMessage signal = QDBusMessage::createSignal(
                "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep");
            QVERIFY(logind.send(signal << goingToSleep));
        }
        QTRY_COMPARE(resumed.count(), 2);
        QTest::qWait(50); // let any stray signal arrive
        QCOMPARE(resumed.count(), 2);
    }
};

TAVLEN_TEST(TestDBusSignals)
#include "tst_dbussignals.moc"
