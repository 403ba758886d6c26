#include "platform/SleepWatcher.h"
#include "support/PrivateSessionBus.h"

#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

class TestSleepWatcher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportsOnlyTheWakingUp() {
        test::PrivateSessionBus bus;
        if (!bus.isRunning())
            QSKIP("no dbus-daemon to run a private bus");
        QDBusConnection logind = bus.connect("logind");
        QVERIFY(logind.registerService("org.freedesktop.login1"));
        SleepWatcher watcher(bus.connect("watcher"));
        QSignalSpy resumed(&watcher, &SleepWatcher::resumed);

        const auto send = [&](bool goingToSleep) {
            QDBusMessage signal = QDBusMessage::createSignal(
                "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep");
            signal << goingToSleep;
            QVERIFY(logind.send(signal));
        };
        send(true);
        send(false);
        QTRY_COMPARE(resumed.count(), 1);
        send(true);
        send(false);
        QTRY_COMPARE(resumed.count(), 2);
    }

    void noSystemBusIsHarmless() {
        SleepWatcher watcher(QDBusConnection::connectToBus("unix:path=/nonexistent", "dead"));
        QSignalSpy resumed(&watcher, &SleepWatcher::resumed);
        QCOMPARE(resumed.count(), 0);
        QDBusConnection::disconnectFromBus("dead");
    }
};

QTEST_GUILESS_MAIN(TestSleepWatcher)
#include "tst_sleepwatcher.moc"
