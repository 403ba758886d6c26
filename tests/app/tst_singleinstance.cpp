#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <future>
#include <unistd.h>

using namespace tavlen;
using Role = SingleInstance::Role;

namespace {

const char* childDirVariable = "TAVLEN_SINGLEINSTANCE_CHILD_DIR";

// This test binary doubles as a Tavlen start that crashes: with the variable above set it
// runs one SingleInstance and, once the first, dies; otherwise its role is its exit code.
int runChild() {
    SingleInstance instance(qEnvironmentVariable(childDirVariable));
    const Role role = instance.start(2000);
    if (role == Role::Primary) {
        std::puts("holding");
        std::fflush(stdout);
        std::raise(SIGKILL); // dies with lock file and socket left behind
    }
    return int(role);
}

QProcess* startChild(const QString& dir, QObject* parent) {
    auto* process = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(childDirVariable, dir);
    process->setProcessEnvironment(env);
    process->start(QCoreApplication::applicationFilePath(), {});
    return process;
}

// A start from another thread, so this one's event loop can answer it.
std::future<Role> startElsewhere(const QString& dir, int timeoutMs) {
    return std::async(std::launch::async,
                      [dir, timeoutMs] { return SingleInstance(dir).start(timeoutMs); });
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lockOfCrashedInstanceDoesNotBlock() {
        QTemporaryDir dir;
        QProcess* child = startChild(dir.path(), this);
        QVERIFY(child->waitForFinished(10000));
        QCOMPARE(child->readAllStandardOutput(), QByteArray("holding\n"));
        QVERIFY(QFile::exists(dir.path() + "/tavlen.lock"));
        QVERIFY(QFile::exists(dir.path() + "/tavlen.socket"));

        SingleInstance next(dir.path());
        QCOMPARE(next.start(1000), Role::Primary);
        // The new instance really listens on the socket the dead one left.
        QSignalSpy activated(&next, &SingleInstance::activateRequested);
        auto third = startElsewhere(dir.path(), 2000);
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(third.get(), Role::Forwarded);
    }

    void obstacles_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("role");
        // A crash while the lock file was being written leaves it empty.
        QTest::newRow("empty lock file") << "empty lock" << int(Role::Primary);
        // A live process holding the lock but never answering: no false success.
        QTest::newRow("live silent holder") << "silent holder" << int(Role::Failed);
        // /tmp/tavlen-<uid> planted by someone else must not be used.
        QTest::newRow("folder of another user") << "foreign folder" << int(Role::Failed);
    }
    void obstacles() {
        QFETCH(QString, obstacle);
        QFETCH(int, role);
        QTemporaryDir dir;
        QLockFile holder(dir.path() + "/tavlen.lock");
        if (obstacle == "empty lock") {
            QFile lock(dir.path() + "/tavlen.lock");
            QVERIFY(lock.open(QIODevice::WriteOnly));
        } else if (obstacle == "silent holder") {
            holder.setStaleLockTime(0);
            QVERIFY(holder.tryLock(0));
        } else if (::getuid() != 0) {
            QSKIP("needs root to hand the folder to another user");
        } else {
            QVERIFY(::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) == 0);
            QTest::ignoreMessage(QtCriticalMsg,
                                 QRegularExpression("Tavlen cannot start: .* belongs to another "
                                                    "user .*XDG_RUNTIME_DIR"));
        }
        QCOMPARE(int(startElsewhere(dir.path(), 500).get()), role);
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
