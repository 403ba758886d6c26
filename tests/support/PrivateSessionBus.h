#pragma once

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tavlen::test {

// A session bus of our own for one test: a dbus-daemon with no service directories,
// so nothing installed on the machine (a notification server, say) is started on it.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        if (daemon.isEmpty() || !config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<auth>EXTERNAL</auth><policy context=\"default\"><allow "
                                    "send_destination=\"*\" eavesdrop=\"true\"/><allow "
                                    "eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                         .arg(m_dir.path())
                         .toUtf8());
        config.close();
        m_daemon.start(daemon, {QStringLiteral("--config-file=") + config.fileName(),
                                QStringLiteral("--nofork"), QStringLiteral("--nosyslog"),
                                QStringLiteral("--print-address=1")});
        while (m_daemon.waitForStarted() && !m_daemon.canReadLine() &&
               m_daemon.waitForReadyRead(10000)) {
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }

    ~PrivateSessionBus() {
        for (const QString& name : std::as_const(m_names))
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

    bool isRunning() const { return !m_address.isEmpty(); }
    // A new connection to this bus under a name unique to it.
    QDBusConnection connect() {
        m_names.append(QString::number(m_names.size()) + QStringLiteral("@") + m_address);
        return QDBusConnection::connectToBus(m_address, m_names.last());
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

} // namespace tavlen::test
