#pragma once

#include <QByteArray>
#include <QString>

// Writing files so that they survive a crash or a power cut: the data is on disk
// before the call returns, and a reader sees the old or the new file, never half.
// A failed call leaves errno telling why.
namespace tavlen::durable {

// Replaces `path` (or the file a link there points to) through a temporary file in
// the same folder (flushed, renamed over, folder flushed). The file is created
// private to the user. On failure the old file stays as it was.
bool writeAtomically(const QString& path, const QByteArray& bytes);

// Creates `path`, which must not exist yet, and flushes it and its folder.
bool writeNewFile(const QString& path, const QByteArray& bytes);

// Makes the folder's entries (a rename, a new file) durable.
bool syncFolder(const QString& folder);

} // namespace tavlen::durable
