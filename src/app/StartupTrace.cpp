#include "StartupTrace.h"

#include <QEvent>
#include <QObject>

#include <cstdio>
#include <ctime>

namespace tavlen::StartupTrace {

namespace {

class TrayPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The tray icon is Qt's private widget; it paints once the tray embedded it.
        if (event->type() == QEvent::Paint && watched->inherits("QSystemTrayIconSys")) {
            mark("tray-painted");
            parent()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

bool enabled() {
    static const bool on = qEnvironmentVariableIntValue("TAVLEN_TRACE_STARTUP") == 1;
    return on;
}

void mark(const char* event) {
    if (!enabled())
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "tavlen-trace %s %lld\n", event,
                 static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stderr);
}

void watchTrayIcon(QObject* application) {
    if (enabled())
        application->installEventFilter(new TrayPaintWatcher(application));
}

} // namespace tavlen::StartupTrace
