#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace tavlen {

class Clock;

// Daily copies of the shared suite in $XDG_DATA_HOME/Tavlen/backups (folder 0700, files
// 0600, each written as durably as the suite itself); the newest `kKeep` are kept.
class BackupFolder {
public:
    static constexpr int kKeep = 14;

    BackupFolder(QString path, const Clock& clock);
    static QString pathFromEnvironment();

    const QString& path() const { return m_path; }

    struct Kopi {
        QString sti;
        QDateTime tid; // UTC, from the file's name
    };
    QList<Kopi> kopier() const; // newest first

    // A copy unless one was made today (the clock's calendar day); false on a failed write.
    bool tagDagligt(const QByteArray& suite);
    // A copy now, whatever was made today (before a restore replaces everything).
    bool tag(const QByteArray& suite);
    void fjernAlle();

private:
    void beskaer();

    QString m_path;
    const Clock& m_clock;
};

} // namespace tavlen
