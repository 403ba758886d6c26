#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Reports a mouse press in any window of the program other than `window` (and the windows
// it owns), so a pop-over can close on a click outside it; clicks outside the program show
// as the focus leaving `window` and its own windows after it had the focus once.
//   ClickOutsideWatcher { window: popover; onClickedOutside: close(); onFocusLeft: close() }
// Only while `window` is visible.
class ClickOutsideWatcher : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QWindow* window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
public:
    explicit ClickOutsideWatcher(QObject* parent = nullptr);

    QWindow* window() const { return m_window; }
    void setWindow(QWindow* window);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // How long the focus may be elsewhere while it moves between a window's own windows.
    static constexpr int focusSettleMs = 120;

    // Whether `other` is `owner` itself or one of the windows it owns.
    static bool belongsTo(const QWindow* other, const QWindow* owner);

Q_SIGNALS:
    void windowChanged();
    void enabledChanged();
    void clickedOutside();
    void focusLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onFocusWindowChanged(QWindow* focus);

    QPointer<QWindow> m_window;
    bool m_enabled = true;
    bool m_hadFocus = false;
    QPointer<QWindow> m_focus; // the latest focus window reported
};

} // namespace tavlen
