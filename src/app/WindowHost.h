#pragma once

#include <QList>
#include <QObject>

namespace tavlen {

// What the application delegate needs from the desktop, kept small so that the
// delegate runs against fakes in tests and against Qt windows in the program.

// Regular: the main window is shown and has a taskbar entry. Accessory: only the
// tray icon; the main window is hidden and has no taskbar entry.
enum class ActivationPolicy { Regular, Accessory };

class ManagedWindow;

class WindowDelegate {
public:
    virtual ~WindowDelegate() = default;
    // The user asked to close the window; false keeps it.
    virtual bool windowShouldClose(ManagedWindow& window) = 0;
};

// A top-level window.
class ManagedWindow : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The tray panel and other auxiliary windows cannot be the main window.
    virtual bool canBecomeMain() const = 0;
    virtual bool isVisible() const = 0;
    virtual void hide() = 0;            // hide without closing
    virtual void showAndActivate() = 0; // show, raise and focus

    WindowDelegate* delegate() const { return m_delegate; }
    void setDelegate(WindowDelegate* delegate) { m_delegate = delegate; }

    // Called when the window system asks to close the window.
    bool shouldClose() { return !m_delegate || m_delegate->windowShouldClose(*this); }

private:
    WindowDelegate* m_delegate = nullptr;
};

class ApplicationHost {
public:
    virtual ~ApplicationHost() = default;
    virtual ActivationPolicy activationPolicy() const = 0;
    virtual void setActivationPolicy(ActivationPolicy policy) = 0;
    // The application's top-level windows in the window system's order.
    virtual QList<ManagedWindow*> windows() const = 0;
    virtual void activateIgnoringOtherApps() = 0;
};

} // namespace tavlen
