#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace tavlen {

// One Tavlen per user: the first start holds a lock file and listens on a local
// socket next to it; a later start finds the lock taken and asks the running one,
// over that socket, to show its main window. A lock left behind by a crashed
// instance is recognised (dead process, or a lock file cut short) and taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        Primary,   // this process is the one instance
        Forwarded, // another instance runs and has been asked to show itself
        Failed,    // another instance holds the lock but does not answer
    };

    // runtimeDir holds the lock and the socket; it is created (private to the user).
    explicit SingleInstance(QString runtimeDir = defaultRuntimeDir(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // $XDG_RUNTIME_DIR/tavlen, or /tmp/tavlen-<uid> without one.
    static QString defaultRuntimeDir();

    // Decides the role; blocks for at most about timeoutMs while a running
    // instance is asked.
    Role start(int timeoutMs = 3000);

    QString lockPath() const;
    QString socketPath() const;

Q_SIGNALS:
    // Another start asked this (primary) instance to come forward.
    void activateRequested();

private:
    // Why the folder cannot hold the lock; empty when it can.
    QString dirProblem() const;
    void becomePrimary();
    bool askRunning(int timeoutMs);
    void serveConnection();

    QString m_dir;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace tavlen
