#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <unistd.h>

using namespace tavlen;

namespace {

const char* childDirVariable = "TAVLEN_SINGLEINSTANCE_CHILD_DIR";
const char* childModeVariable = "TAVLEN_SINGLEINSTANCE_CHILD_MODE";

// This test binary doubles as a second Tavlen start: with the variables above set
// it runs one SingleInstance and reports its role as its exit code.
int runChild() {
    const QString dir = qEnvironmentVariable(childDirVariable);
    const QByteArray mode = qgetenv(childModeVariable);
    SingleInstance instance(dir);
    const SingleInstance::Role role = instance.start(2000);
    if (mode == "crash" && role == SingleInstance::Role::Primary) {
        std::puts("holding");
        std::fflush(stdout);
        std::raise(SIGKILL); // dies with lock file and socket left behind
    }
    return int(role);
}

QProcess* startChild(const QString& dir, const QByteArray& mode, QObject* parent) {
    auto* process = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(childDirVariable, dir);
    env.insert(childModeVariable, QString::fromLatin1(mode));
    process->setProcessEnvironment(env);
    process->start(QCoreApplication::applicationFilePath(), {});
    return process;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondStartActivatesFirst() {
        QTemporaryDir dir;
        SingleInstance first(dir.path() + "/run");
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        QSignalSpy activated(&first, &SingleInstance::activateRequested);

        // The second start blocks while it asks; the first answers from its event loop.
        SingleInstance::Role secondRole = SingleInstance::Role::Primary;
        std::thread second([&] {
            SingleInstance other(dir.path() + "/run");
            secondRole = other.start(2000);
        });
        QTRY_COMPARE(activated.size(), 1);
        second.join();
        QCOMPARE(secondRole, SingleInstance::Role::Forwarded);
    }

    void secondProcessActivatesFirstAndExits() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        QSignalSpy activated(&first, &SingleInstance::activateRequested);

        QProcess* child = startChild(dir.path(), "plain", this);
        QTRY_VERIFY_WITH_TIMEOUT(child->state() == QProcess::NotRunning, 10000);
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), int(SingleInstance::Role::Forwarded));
        QCOMPARE(activated.size(), 1);
    }

    void lockOfCrashedInstanceDoesNotBlock() {
        QTemporaryDir dir;
        QProcess* child = startChild(dir.path(), "crash", this);
        QVERIFY(child->waitForFinished(10000));
        QCOMPARE(child->readAllStandardOutput(), QByteArray("holding\n"));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(dir.path() + "/tavlen.lock"));
        QVERIFY(QFile::exists(dir.path() + "/tavlen.socket"));

        SingleInstance next(dir.path());
        QCOMPARE(next.start(1000), SingleInstance::Role::Primary);

        // The new instance really listens on the socket the dead one left.
        SingleInstance::Role thirdRole = SingleInstance::Role::Primary;
        std::thread third([&] { thirdRole = SingleInstance(dir.path()).start(2000); });
        QSignalSpy activated(&next, &SingleInstance::activateRequested);
        QTRY_COMPARE(activated.size(), 1);
        third.join();
        QCOMPARE(thirdRole, SingleInstance::Role::Forwarded);
    }

    void unreadableLockFileDoesNotBlock() {
        // A crash while the lock file was being written leaves it empty.
        QTemporaryDir dir;
        QFile lock(dir.path() + "/tavlen.lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        SingleInstance instance(dir.path());
        QCOMPARE(instance.start(500), SingleInstance::Role::Primary);
    }

    void unusableSocketPathStillStarts() {
        // Something that is not a socket in the way: this start runs (the lock keeps
        // a second store away), only later starts cannot reach it.
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.path() + "/tavlen.socket/inside"));
        SingleInstance instance(dir.path());
        QCOMPARE(instance.start(500), SingleInstance::Role::Primary);
        SingleInstance::Role role = SingleInstance::Role::Primary;
        std::thread other([&] { role = SingleInstance(dir.path()).start(300); });
        other.join();
        QCOMPARE(role, SingleInstance::Role::Failed);
    }

    void liveSilentHolderIsReportedAsFailure() {
        // Another live process holds the lock but never answers: no false success.
        QTemporaryDir dir;
        QLockFile holder(dir.path() + "/tavlen.lock");
        holder.setStaleLockTime(0);
        QVERIFY(holder.tryLock(0));
        SingleInstance::Role role = SingleInstance::Role::Primary;
        std::thread other([&] { role = SingleInstance(dir.path()).start(500); });
        other.join();
        QCOMPARE(role, SingleInstance::Role::Failed);
    }

    void foreignFolderIsRefused() {
        // /tmp/tavlen-<uid> planted by someone else must not be used.
        if (::getuid() != 0)
            QSKIP("needs root to hand the folder to another user");
        QTemporaryDir dir;
        const QString planted = dir.path() + "/planted";
        QVERIFY(QDir().mkpath(planted));
        QVERIFY(::chown(QFile::encodeName(planted).constData(), 65534, 65534) == 0);
        QCOMPARE(SingleInstance(planted).start(200), SingleInstance::Role::Failed);
    }

    void defaultFolder() {
        QTemporaryDir dir;
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        QCOMPARE(SingleInstance::defaultRuntimeDir(), dir.path() + "/tavlen");
        qputenv("XDG_RUNTIME_DIR", "/nonexistent/tavlen-runtime");
        QCOMPARE(SingleInstance::defaultRuntimeDir(),
                 QStringLiteral("/tmp/tavlen-%1").arg(::getuid()));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(childDirVariable))
        return runChild();
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
