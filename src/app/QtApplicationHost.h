#pragma once

#include "WindowHost.h"

#include <QPointer>
#include <QWindow>

namespace tavlen {

// A Qt top-level window for the delegate. The window system's close request is
// put to the delegate, which may turn it into hiding.
class QtManagedWindow : public ManagedWindow {
    Q_OBJECT
public:
    QtManagedWindow(QWindow* window, bool canBecomeMain, QObject* parent = nullptr);

    QWindow* window() const { return m_window; }

    bool canBecomeMain() const override { return m_canBecomeMain; }
    bool isVisible() const override { return m_window && m_window->isVisible(); }
    void hide() override;
    void showAndActivate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> m_window;
    bool m_canBecomeMain;
};

// The activation policy on Linux desktops: X11 and Wayland taskbars list a window
// while it is mapped, so "accessory" (no taskbar entry) holds exactly while the
// main window is hidden and "regular" while it is shown. The policy is therefore
// kept as state that the delegate switches together with hiding and showing.
class QtApplicationHost : public ApplicationHost {
public:
    void addWindow(QtManagedWindow* window) { m_windows.append(window); }

    ActivationPolicy activationPolicy() const override { return m_policy; }
    void setActivationPolicy(ActivationPolicy policy) override { m_policy = policy; }
    QList<ManagedWindow*> windows() const override;
    void activateIgnoringOtherApps() override {} // done per window by requestActivate()

private:
    ActivationPolicy m_policy = ActivationPolicy::Regular;
    QList<QPointer<QtManagedWindow>> m_windows;
};

} // namespace tavlen
