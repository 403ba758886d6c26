#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>

#include <unistd.h>

namespace tavlen {

Q_LOGGING_CATEGORY(lcShell, "tavlen.shell")

namespace {

const QByteArray activateMessage = QByteArrayLiteral("activate\n");
const QByteArray acknowledgement = QByteArrayLiteral("ok\n");

} // namespace

SingleInstance::SingleInstance(QString runtimeDir, QObject* parent)
    : QObject(parent), m_dir(std::move(runtimeDir)),
      m_lock(m_dir + QStringLiteral("/tavlen.lock")) {
    // Never stale by age: a long-running instance keeps its lock. Dead holders are
    // still detected by their process id.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultRuntimeDir() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/tavlen");
    return QStringLiteral("/tmp/tavlen-%1").arg(::getuid());
}

QString SingleInstance::lockPath() const {
    return m_dir + QStringLiteral("/tavlen.lock");
}

QString SingleInstance::socketPath() const {
    return m_dir + QStringLiteral("/tavlen.socket");
}

QString SingleInstance::dirProblem() const {
    if (!QDir().mkpath(m_dir))
        return QStringLiteral("cannot be created");
    // The folder may sit in a shared /tmp: accept it only when it is ours, and keep
    // others out of it.
    const QFileInfo info(m_dir);
    if (info.ownerId() != ::getuid()) {
        return QStringLiteral("belongs to another user (%1); remove it, or set XDG_RUNTIME_DIR "
                              "to a folder of your own")
            .arg(info.owner().isEmpty() ? QString::number(info.ownerId()) : info.owner());
    }
    if (!QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QStringLiteral("cannot be made private");
    return {};
}

SingleInstance::Role SingleInstance::start(int timeoutMs) {
    if (const QString problem = dirProblem(); !problem.isEmpty()) {
        qCCritical(lcShell).noquote() << "Tavlen cannot start: the folder for its instance lock,"
                                      << m_dir + QLatin1Char(',') << problem;
        return Role::Failed;
    }

    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (m_lock.tryLock(0)) {
            becomePrimary();
            return Role::Primary;
        }
        if (askRunning(std::max<qint64>(100, std::min<qint64>(1000, deadline.remainingTime()))))
            return Role::Forwarded;
        if (deadline.hasExpired())
            break;
        QThread::msleep(100);
    }

    // A lock file that cannot be read (a crash while it was written) is never
    // recognised as stale by the lock itself. Removing it fails while a live
    // process still holds it.
    qint64 pid = 0;
    QString host;
    QString app;
    if (!m_lock.getLockInfo(&pid, &host, &app) && m_lock.removeStaleLockFile() &&
        m_lock.tryLock(0)) {
        becomePrimary();
        return Role::Primary;
    }
    qCCritical(lcShell).noquote() << "Another Tavlen holds the instance lock in" << m_dir
                                  << "but does not answer";
    return Role::Failed;
}

void SingleInstance::becomePrimary() {
    // A socket left behind by a crashed instance would block listen(); the lock
    // proves nobody uses it.
    QLocalServer::removeServer(socketPath());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::serveConnection);
    // Without the socket a later start cannot reach this one, but the lock still
    // keeps it from opening the store: better than refusing to start at all.
    m_server->listen(socketPath());
}

void SingleInstance::serveConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine(64) == activateMessage) {
                socket->write(acknowledgement);
                socket->flush();
                Q_EMIT activateRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::askRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(activateMessage);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine(64) == acknowledgement;
}

} // namespace tavlen
