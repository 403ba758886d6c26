#pragma once

#include "core/WidgetReloader.h"

#include <functional>

namespace tavlen::test {

// Counts reload requests; `onReload` lets a test look at the world at that moment.
class CountingWidgetReloader : public WidgetReloader {
public:
    void reloadAllTimelines() override {
        ++reloads;
        if (onReload)
            onReload();
    }

    int reloads = 0;
    std::function<void()> onReload;
};

} // namespace tavlen::test
