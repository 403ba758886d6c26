// Plays the desktop's side of the StatusNotifierItem protocol (as KDE Plasma, or GNOME
// with the AppIndicator extension, do) on the session bus: the watcher that items
// register with, and a host, so that Qt's tray icon takes the D-Bus path. Prints
// "ready" once the watcher's name is owned, "item <service>" when an item registers.
// Usage: tavlen_sni_watcher
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QTextStream>

namespace {

void say(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

class Watcher : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& serviceOrPath) {
        // Some items pass only their object path; the caller's bus name then completes it.
        const QString item =
            serviceOrPath.startsWith(u'/') ? message().service() + serviceOrPath : serviceOrPath;
        m_items.removeAll(item);
        m_items.append(item);
        say(QStringLiteral("item ") + item);
        Q_EMIT StatusNotifierItemRegistered(item);
    }

    void RegisterStatusNotifierHost(const QString& service) { Q_UNUSED(service) }

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierItemUnregistered(const QString& service);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    const QString host =
        QStringLiteral("org.kde.StatusNotifierHost-%1").arg(QCoreApplication::applicationPid());
    // The watcher's name comes last: items decide on the protocol as soon as it exists.
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(host) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        say(QStringLiteral("cannot own the watcher's names: ") + bus.lastError().message());
        return 1;
    }
    Q_EMIT watcher.StatusNotifierHostRegistered();
    say(QStringLiteral("ready"));
    return app.exec();
}

#include "sni_watcher.moc"
