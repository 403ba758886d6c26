#include "ClickOutsideWatcher.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

namespace tavlen {

ClickOutsideWatcher::ClickOutsideWatcher(QObject* parent) : QObject(parent) {
    if (qGuiApp) {
        qGuiApp->installEventFilter(this);
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
                &ClickOutsideWatcher::onFocusWindowChanged);
    }
}

void ClickOutsideWatcher::onFocusWindowChanged(QWindow* focus) {
    m_focus = focus;
    if (!m_enabled || !m_window)
        return;
    if (!m_window->isVisible()) {
        m_hadFocus = false;
    } else if (belongsTo(focus, m_window)) {
        m_hadFocus = true;
    } else if (m_hadFocus) {
        // Decided once the focus has settled: when a dialog of the window closes, the window
        // manager may first give the focus to another window before it comes back.
        QTimer::singleShot(focusSettleMs, this, [this] {
            if (!m_hadFocus || !m_window || !m_window->isVisible() || belongsTo(m_focus, m_window))
                return;
            m_hadFocus = false;
            Q_EMIT focusLeft();
        });
    }
}

void ClickOutsideWatcher::setWindow(QWindow* window) {
    if (m_window == window)
        return;
    m_window = window;
    m_hadFocus = false;
    Q_EMIT windowChanged();
}

void ClickOutsideWatcher::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    m_hadFocus = enabled && m_window && belongsTo(QGuiApplication::focusWindow(), m_window);
    Q_EMIT enabledChanged();
}

bool ClickOutsideWatcher::belongsTo(const QWindow* other, const QWindow* owner) {
    for (const QWindow* w = other; w; w = w->transientParent())
        if (w == owner)
            return true;
    return false;
}

bool ClickOutsideWatcher::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (m_enabled && m_window && m_window->isVisible() &&
        (type == QEvent::MouseButtonPress || type == QEvent::TouchBegin)) {
        // Every press reaches its window first; items see it afterwards, so counting only
        // window receivers reports each press once.
        if (auto* target = qobject_cast<QWindow*>(watched); target && !belongsTo(target, m_window))
            Q_EMIT clickedOutside();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavlen
