#include "platform/DBusWidgetReloader.h"
#include "support/PrivateSessionBus.h"
#include "support/TestMain.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
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

class TestDBusWidgetReloader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emitsTheSignalOnTheBus() {
        test::PrivateSessionBus bus;
        if (!bus.isRunning())
            QSKIP("no dbus-daemon to run a private bus");
        QDBusConnection listenerBus = bus.connect("listener");
        Listener listener;
        QVERIFY(listenerBus.connect(QString(), "/dk/tavlen/Widgets", "dk.tavlen.Widgets",
                                    "ReloadAllTimelines", &listener, SLOT(onReload(QDBusMessage))));
        // A round trip makes sure the bus has the match rule before anything is sent.
        QVERIFY(listenerBus.interface()->isServiceRegistered("org.freedesktop.DBus").value());

        DBusWidgetReloader reloader(bus.connect("sender"));
        reloader.reloadAllTimelines();
        reloader.reloadAllTimelines();
        QTRY_COMPARE(listener.signatures, (QStringList{QString(), QString()}));

        DBusWidgetReloader dead(QDBusConnection::connectToBus("unix:path=/nonexistent", "dead"));
        dead.reloadAllTimelines(); // returns at once without a bus
        QDBusConnection::disconnectFromBus("dead");
    }
};

TAVLEN_TEST(TestDBusWidgetReloader)
#include "tst_dbuswidgetreloader.moc"
