// Plays the desktop's side of the StatusNotifierItem protocol (as KDE Plasma, or GNOME
// with the AppIndicator extension, do) on the session bus: the watcher that items
// register with, and a host, so that Qt's tray icon takes the D-Bus path. Prints
// "ready" once the watcher's name is owned, "item <service>" when an item registers.
// Commands on stdin, one a line: "activate X Y" clicks the item as a host would; it
// answers "activated" or "activate failed: <error>". Ends at the end of stdin.
// Usage: tavlen_sni_watcher
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSocketNotifier>
#include <QTextStream>

#include <unistd.h>

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");

void say(const QString& line) {
    QTextStream out(stdout);
    out << line << Qt::endl;
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

    void activate(int x, int y) {
        if (m_items.isEmpty()) {
            say(QStringLiteral("activate failed: no item registered"));
            return;
        }
        // The newest item: a restarted program registers again under a new name.
        const QString item = m_items.constLast();
        const qsizetype slash = item.indexOf(u'/');
        const QString service = slash < 0 ? item : item.left(slash);
        const QString path = slash < 0 ? itemPath : item.mid(slash);
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.kde.StatusNotifierItem"),
            QStringLiteral("Activate"));
        call << x << y;
        auto* pending =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
        connect(pending, &QDBusPendingCallWatcher::finished, this,
                [](QDBusPendingCallWatcher* finished) {
                    const QDBusPendingReply<> reply = *finished;
                    say(reply.isError()
                            ? QStringLiteral("activate failed: ") + reply.error().message()
                            : QStringLiteral("activated"));
                    finished->deleteLater();
                });
    }

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
    if (!bus.isConnected()) {
        say(QStringLiteral("no session bus: ") + bus.lastError().message());
        return 1;
    }

    Watcher watcher;
    const QString host =
        QStringLiteral("org.kde.StatusNotifierHost-%1").arg(QCoreApplication::applicationPid());
    // The watcher's name comes last: items decide on the protocol as soon as it exists.
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(host) || !bus.registerService(watcherService)) {
        say(QStringLiteral("cannot own the watcher's names: ") + bus.lastError().message());
        return 1;
    }
    Q_EMIT watcher.StatusNotifierHostRegistered();
    say(QStringLiteral("ready"));

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char chunk[256];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            input.setEnabled(false);
            app.quit();
            return;
        }
        pending.append(chunk, n);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QStringList words =
                QString::fromUtf8(pending.left(end)).split(u' ', Qt::SkipEmptyParts);
            pending.remove(0, end + 1);
            if (words.size() == 3 && words.at(0) == u"activate")
                watcher.activate(words.at(1).toInt(), words.at(2).toInt());
            else if (!words.isEmpty())
                say(QStringLiteral("unknown command: ") + words.join(u' '));
        }
    });
    return app.exec();
}

#include "sni_watcher.moc"
