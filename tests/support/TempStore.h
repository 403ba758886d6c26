#pragma once

#include "CountingWidgetReloader.h"
#include "InMemoryNotificationCenter.h"
#include "ManualClock.h"
#include "core/PreferencesFile.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"

#include <QStringList>
#include <QTemporaryDir>

namespace tavlen::test {

// A real store on a throw-away folder with a clock that stands still, so rules get their
// lists split and sorted as in the program.
struct TempStore {
    explicit TempStore(const QDateTime& nu) : clock(nu) {}

    QTemporaryDir dir;
    PreferencesSuites suites{dir.path()};
    CountingWidgetReloader widgets;
    ManualClock clock;
    InMemoryNotificationCenter center;
    LektieNotificationManager notifications{center, clock};
    LektieStore store{{suites, widgets, notifications, clock, dir.path()}};
};

inline QStringList titler(const QList<Lektie>& lektier) {
    QStringList out;
    for (const Lektie& l : lektier)
        out << l.titel;
    return out;
}

} // namespace tavlen::test
