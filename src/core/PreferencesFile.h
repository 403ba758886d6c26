#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tavlen {

class RecoveryFolder;

// What of a file could not be read as it stands; the rest was read.
struct PreferencesDamage {
    QStringList members;     // keys whose values could not be read
    bool rest = false;       // text that belongs to no member it could read (a cut-off end)
    bool characters = false; // bytes that were no UTF-8, read as U+FFFD
    QString copy;            // the file as it was, byte for byte; empty when no copy was made

    bool any() const { return !members.isEmpty() || rest || characters; }
};

namespace detail {
struct PreferencesMember;
struct PreferencesSnapshot;
} // namespace detail

// One preferences suite: a JSON object file whose members are the keys.
// A data value that is JSON is stored as that JSON itself (so "lektier_v4" is a
// plain JSON array in the file); other bytes are stored as
// {"tavlen.bytes.base64":"..."} and come back unchanged. A JSON true/false is a
// boolean value. Every write is atomic and on disk before it returns; the file
// is re-read when another process changed it. A file that is partly damaged is
// read as far as it can be; the damaged parts are copied to the recovery folder
// before a write leaves them out.
class PreferencesFile {
public:
    explicit PreferencesFile(QString path, RecoveryFolder* recovery = nullptr);

    const QString& path() const { return m_path; }
    void setRecovery(RecoveryFolder* recovery) { m_recovery = recovery; }

    // The file can be read, or created where it is missing: no folder in its place,
    // no missing permission. It may still refuse writes.
    bool canOpen() const;
    // Whether the file on disk is no longer the one last read or written here.
    bool changedOnDisk() const;
    PreferencesDamage damage() const;

    bool hasValue(const QString& key) const;
    // The bytes of a data value; nullopt when absent or a boolean.
    std::optional<QByteArray> data(const QString& key) const;
    // The boolean reading of any value (true, non-zero numbers, "true"/"yes"/"1");
    // nullopt when absent.
    std::optional<bool> boolean(const QString& key) const;
    QStringList keys() const;

    // Each returns false when the file could not be written; the file is then unchanged
    // and lastError() says why.
    bool setData(const QString& key, const QByteArray& bytes);
    // Several keys in one atomic write: all of them are stored, or none.
    bool setData(const QList<std::pair<QString, QByteArray>>& values);
    bool setBoolean(const QString& key, bool value);
    bool remove(const QStringList& keys);
    const QString& lastError() const { return m_lastError; }

    // The changes of one write.
    class Changes {
    public:
        void setData(const QString& key, const QByteArray& bytes);
        void setBoolean(const QString& key, bool value);
        void remove(const QString& key);

    private:
        friend class PreferencesFile;
        QList<std::pair<QString, std::optional<QByteArray>>> m_raw; // JSON text; none: removed
    };
    // One atomic write whose changes are worked out under the file's lock: while
    // `compute` runs, this object's reads show the file as it is on disk now, so a
    // change another process made in the meantime can be taken into account.
    bool write(const std::function<void(Changes&)>& compute);

private:
    const detail::PreferencesSnapshot& current() const;

    QString m_path;
    RecoveryFolder* m_recovery;
    mutable std::shared_ptr<const detail::PreferencesSnapshot> m_snapshot;
    QString m_lastError;
};

// The standard preferences and the suite shared with the desktop widget, both
// under $XDG_CONFIG_HOME/Tavlen/. When the shared suite cannot be opened, the
// standard preferences stand in for it (checked at every access).
class PreferencesSuites {
public:
    explicit PreferencesSuites(const QString& configHome);
    static QString configHomeFromEnvironment(); // $XDG_CONFIG_HOME or ~/.config

    PreferencesFile& standard() { return m_standard; }
    // Where both copy what they could not read; none: beside the file.
    void setRecovery(RecoveryFolder* recovery);
    PreferencesFile& shared();

private:
    PreferencesFile m_standard;
    PreferencesFile m_shared;
};

} // namespace tavlen
