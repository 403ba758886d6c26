#pragma once

#include <QLoggingCategory>

namespace tavlen {

// Reminders on their way to the desktop (tavlen.notify). Warnings reach the journal
// through standard error; debug output only with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(lcNotify)
// The other desktop services: opening links (tavlen.platform).
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

} // namespace tavlen
