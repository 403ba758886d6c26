#pragma once

#include "core/Clock.h"
#include "core/PreferencesFile.h"
#include "core/WidgetReloader.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "support/InMemoryNotificationCenter.h"

#include <QTemporaryDir>
#include <memory>

namespace tavlen {

// A real LektieStore for rendering, on a throw-away config folder, with reminders kept in
// memory and no widget to tell. With sample data it holds six subjects and homework in every
// group a screen shows (overdue, today, tomorrow, later, done); without, it is a first start.
class SampleStore {
public:
    explicit SampleStore(bool sampleData);
    ~SampleStore();

    LektieStore* store() const { return m_store.get(); }
    // The sample item with a description and links (null without sample data).
    QUuid showcaseLektie() const { return m_showcase; }

private:
    class NoWidgets : public WidgetReloader {
    public:
        void reloadAllTimelines() override {}
    };

    QTemporaryDir m_dir;
    PreferencesSuites m_suites;
    NoWidgets m_widgets;
    InMemoryNotificationCenter m_center;
    LektieNotificationManager m_notifications;
    std::unique_ptr<LektieStore> m_store;
    QUuid m_showcase;
};

} // namespace tavlen
