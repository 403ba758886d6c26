#pragma once

#include <QDir>
#include <QString>

namespace tavlen {

// An XDG base folder: the variable when it holds an absolute path, otherwise the
// standard folder below the home (e.g. ".config").
inline QString xdgHome(const char* variable, const char* belowHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(belowHome);
}

} // namespace tavlen
