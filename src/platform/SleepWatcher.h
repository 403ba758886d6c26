#pragma once

#include <QDBusConnection>
#include <QObject>

namespace tavlen {

// Tells when the machine wakes from suspend, from logind's PrepareForSleep(false)
// on the system bus. Without that bus or logind it simply never reports.
class SleepWatcher : public QObject {
    Q_OBJECT
public:
    explicit SleepWatcher(const QDBusConnection& systemBus, QObject* parent = nullptr);

Q_SIGNALS:
    void resumed();

private Q_SLOTS:
    void onPrepareForSleep(bool goingToSleep);
};

} // namespace tavlen
