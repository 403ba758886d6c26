#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace tavlen {

// Looks for the system tray after a start that found none. At login the program may
// start before the desktop's panel: the tray gets a grace period to appear before the
// program falls back to its main window, and is looked for afterwards as well.
class TrayWatch : public QObject {
    Q_OBJECT
public:
    using Probe = std::function<bool()>; // is there a tray now?
    struct Timing {
        int graceMs = 5000;
        int pollMs = 250;      // during the grace period
        int slowPollMs = 5000; // after it
    };

    explicit TrayWatch(Probe probe, Timing timing, QObject* parent = nullptr);
    explicit TrayWatch(Probe probe, QObject* parent = nullptr)
        : TrayWatch(std::move(probe), Timing{}, parent) {}

    // Starts looking; emits nothing when the tray is already there.
    void start();
    bool isLooking() const { return m_timer.isActive(); }

Q_SIGNALS:
    void graceExpired(); // still no tray at the end of the grace period
    void appeared();     // the tray is there now; looking stops

private:
    void poll();

    Probe m_probe;
    Timing m_timing;
    QTimer m_timer;
    int m_waitedMs = 0;
    bool m_graceOver = false;
};

} // namespace tavlen
