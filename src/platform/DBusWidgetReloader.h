#pragma once

#include "core/WidgetReloader.h"

#include <QDBusConnection>

namespace tavlen {

// Tells the desktop widget to reload with a signal on the session bus:
// /dk/tavlen/Widgets dk.tavlen.Widgets.ReloadAllTimelines, no arguments.
// Sending only queues the message, so it never waits for the widget; without a
// bus it does nothing.
class DBusWidgetReloader : public WidgetReloader {
public:
    static constexpr const char* kPath = "/dk/tavlen/Widgets";
    static constexpr const char* kInterface = "dk.tavlen.Widgets";
    static constexpr const char* kMember = "ReloadAllTimelines";

    DBusWidgetReloader(); // the session bus
    explicit DBusWidgetReloader(QDBusConnection connection);

    void reloadAllTimelines() override;

private:
    QDBusConnection m_connection;
};

} // namespace tavlen
