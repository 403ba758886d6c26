#pragma once

namespace tavlen {

// Tells the desktop widget that the shared suite changed. Returns at once.
class WidgetReloader {
public:
    virtual ~WidgetReloader() = default;
    virtual void reloadAllTimelines() = 0;
};

} // namespace tavlen
