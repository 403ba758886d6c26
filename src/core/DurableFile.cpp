#include "DurableFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tavlen::durable {

namespace {

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// A link stays a link: what it points to is what gets replaced.
QFileInfo followLinks(const QString& path) {
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info = QFileInfo(info.symLinkTarget());
    return info;
}

} // namespace

bool syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info = followLinks(path);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QLatin1String("/.") +
                                        info.fileName() + QLatin1String(".tmp-XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC); // mode 0600
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok &&
         ::rename(temp.constData(), QFile::encodeName(info.absoluteFilePath()).constData()) == 0;
    if (!ok) {
        const int reason = errno; // for the caller's message
        ::unlink(temp.constData());
        errno = reason;
        return false;
    }
    return syncFolder(info.absolutePath());
}

bool writeNewFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        const int reason = errno;
        ::unlink(name.constData());
        errno = reason;
        return false;
    }
    return syncFolder(QFileInfo(path).absolutePath());
}

} // namespace tavlen::durable
