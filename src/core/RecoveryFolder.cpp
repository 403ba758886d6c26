#include "RecoveryFolder.h"

#include "Clock.h"
#include "DurableFile.h"
#include "XdgDirs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavlen {

RecoveryFolder::RecoveryFolder(QString path, const Clock& clock)
    : m_path(std::move(path)), m_clock(clock) {}

QString RecoveryFolder::pathFromEnvironment() {
    return xdgHome("XDG_DATA_HOME", ".local/share") + QStringLiteral("/Tavlen/recovered");
}

std::optional<QString> RecoveryFolder::keep(const QString& stem, const QByteArray& bytes) {
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    if (const auto it = m_kept.constFind(hash); it != m_kept.cend() && QFile::exists(*it))
        return *it;
    if (m_path.isEmpty() || !QDir().mkpath(m_path))
        return std::nullopt;
    // A copy an earlier run made of the same bytes is the copy.
    const QFileInfoList earlier = QDir(m_path).entryInfoList(
        {stem + QStringLiteral("-*")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : earlier) {
        QFile f(file.filePath());
        if (file.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes) {
            m_kept.insert(hash, file.filePath());
            return file.filePath();
        }
    }
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString name = stem + QLatin1Char('-') + utcStempel(m_clock.now());
    for (int n = 1; n < 1000; ++n) {
        const QString path = QDir(m_path).filePath(
            n == 1 ? name + QStringLiteral(".json")
                   : name + QLatin1Char('-') + QString::number(n) + QStringLiteral(".json"));
        if (QFile::exists(path))
            continue;
        if (!durable::writeNewFile(path, bytes)) {
            if (errno == EEXIST) // taken between the look and the write
                continue;
            return std::nullopt;
        }
        m_kept.insert(hash, path);
        // Bounded: the oldest copies go first (the names sort by time within a stem).
        QFileInfoList alle = QDir(m_path).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
        for (qsizetype i = 0; alle.size() - i > kKeep; ++i)
            QFile::remove(alle[i].filePath());
        return path;
    }
    return std::nullopt;
}

void RecoveryFolder::fjernAlle() {
    QDir(m_path).removeRecursively();
    m_kept.clear();
}

} // namespace tavlen
