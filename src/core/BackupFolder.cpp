#include "BackupFolder.h"

#include "Clock.h"
#include "DurableFile.h"
#include "XdgDirs.h"

#include <QDir>
#include <QFile>

namespace tavlen {

namespace {
const QString kPrefix = QStringLiteral("group.tavlen-");
} // namespace

BackupFolder::BackupFolder(QString path, const Clock& clock)
    : m_path(std::move(path)), m_clock(clock) {}

QString BackupFolder::pathFromEnvironment() {
    return xdgHome("XDG_DATA_HOME", ".local/share") + QStringLiteral("/Tavlen/backups");
}

QList<BackupFolder::Kopi> BackupFolder::kopier() const {
    QList<Kopi> out;
    const QStringList navne =
        QDir(m_path).entryList({kPrefix + QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& navn : navne) {
        const QString stempel = navn.mid(kPrefix.size(), kUtcStempel.size() - 4); // no quotes
        QDateTime tid = QDateTime::fromString(stempel, kUtcStempel);
        tid.setTimeSpec(Qt::UTC);
        if (tid.isValid())
            out.prepend({QDir(m_path).filePath(navn), tid});
    }
    return out;
}

bool BackupFolder::tagDagligt(const QByteArray& suite) {
    const QList<Kopi> alle = kopier();
    const QDate idag = m_clock.now().toTimeZone(m_clock.timeZone()).date();
    if (!alle.isEmpty() && alle.front().tid.toTimeZone(m_clock.timeZone()).date() == idag)
        return true;
    return tag(suite);
}

bool BackupFolder::tag(const QByteArray& suite) {
    if (!QDir().mkpath(m_path))
        return false;
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDateTime tid = m_clock.now().toUTC();
    QString sti;
    // Two copies in one second (a restore right after the day's copy) get the next second.
    do {
        sti = QDir(m_path).filePath(kPrefix + utcStempel(tid) + QStringLiteral(".json"));
        tid = tid.addSecs(1);
    } while (QFile::exists(sti));
    if (!durable::writeAtomically(sti, suite))
        return false;
    beskaer();
    return true;
}

void BackupFolder::beskaer() {
    const QList<Kopi> alle = kopier();
    for (qsizetype i = kKeep; i < alle.size(); ++i)
        QFile::remove(alle[i].sti);
}

void BackupFolder::fjernAlle() {
    QDir(m_path).removeRecursively();
}

} // namespace tavlen
