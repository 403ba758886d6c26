#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace tavlen {

namespace detail {
struct PreferencesMember;
struct PreferencesSnapshot;
} // namespace detail

// One preferences suite: a JSON object file whose members are the keys.
// A data value that is JSON is stored as that JSON itself (so "lektier_v4" is a
// plain JSON array in the file); other bytes are stored as
// {"tavlen.bytes.base64":"..."} and come back unchanged. A JSON true/false is a
// boolean value. Every write is atomic and on disk before it returns; the file
// is re-read when another process changed it.
class PreferencesFile {
public:
    explicit PreferencesFile(QString path);

    const QString& path() const { return m_path; }

    // The file can be read and written (or created): no folder in its place,
    // no missing permission.
    bool canOpen() const;

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

private:
    const detail::PreferencesSnapshot& current() const;
    // Applies the change to the members as they are on disk now, under the lock, and
    // replaces the file atomically.
    // raw: the member's JSON text
    bool setRaw(const QList<std::pair<QString, QByteArray>>& raw);
    bool update(const std::function<void(QList<detail::PreferencesMember>&)>& change);

    QString m_path;
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
    PreferencesFile& shared();

private:
    PreferencesFile m_standard;
    PreferencesFile m_shared;
};

} // namespace tavlen
