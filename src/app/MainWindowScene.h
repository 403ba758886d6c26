#pragma once

#include <QQuickView>

class QQmlEngine;

namespace tavlen {

class LektieStore;

// The main window: ContentView, at least 900 × 600. Created once
// and kept for the whole run; the delegate hides and shows it.
class MainWindowScene {
public:
    static constexpr QSize minimumSize{900, 600};

    explicit MainWindowScene(QQmlEngine& engine);

    QQuickView& view() { return m_view; }

private:
    QQuickView m_view;
};

} // namespace tavlen
