#include "platform/SleepWatcher.h"
#include "support/PrivateSessionBus.h"
#include "support/TestMain.h"

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

TAVLEN_TEST(TestSleepWatcher)
#include "tst_sleepwatcher.moc"
