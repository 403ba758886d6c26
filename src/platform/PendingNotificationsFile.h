#pragma once

#include "NotificationScheduler.h"

#include <QString>

namespace tavlen {

// The scheduler's state as a small JSON file ("pending-notifications.json" in the
// state directory), replaced atomically on every save so a crash leaves the old or
// the new list, never a torn one.
class PendingNotificationsFile {
public:
    explicit PendingNotificationsFile(QString directory);

    QString path() const;

    // A missing file is an empty state. A damaged one is moved aside (".damaged")
    // and read as empty, so a bad file never stops reminders for good.
    SchedulerState load() const;
    bool save(const SchedulerState& state) const;

    static QByteArray encode(const SchedulerState& state);
    static std::optional<SchedulerState> decode(const QByteArray& bytes);

private:
    QString m_directory;
};

} // namespace tavlen
