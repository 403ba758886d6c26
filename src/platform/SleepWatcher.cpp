#include "SleepWatcher.h"

namespace tavlen {

SleepWatcher::SleepWatcher(const QDBusConnection& systemBus, QObject* parent) : QObject(parent) {
    if (!systemBus.isConnected())
        return;
    QDBusConnection bus = systemBus;
    bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                this, SLOT(onPrepareForSleep(bool)));
}

void SleepWatcher::onPrepareForSleep(bool goingToSleep) {
    if (!goingToSleep)
        Q_EMIT resumed();
}

} // namespace tavlen
