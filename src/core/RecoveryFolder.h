#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace tavlen {

class Clock;

// Where bytes Tavlen could not read are copied, byte for byte, before anything
// replaces them: $XDG_DATA_HOME/Tavlen/recovered. A copy never overwrites another.
class RecoveryFolder {
public:
    RecoveryFolder(QString path, const Clock& clock);
    static QString pathFromEnvironment();

    const QString& path() const { return m_path; }

    // The file that holds `bytes`, named "<stem>-<UTC time>.json" (mode 0600); the
    // same bytes are copied once per run. nullopt when the copy could not be written.
    std::optional<QString> keep(const QString& stem, const QByteArray& bytes);
    void fjernAlle();

    static constexpr int kKeep = 20; // copies kept, the oldest removed first

private:
    QString m_path;
    const Clock& m_clock;
    QHash<QByteArray, QString> m_kept; // content hash -> file
};

} // namespace tavlen
