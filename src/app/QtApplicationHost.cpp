#include "QtApplicationHost.h"

#include <QCloseEvent>
#include <QGuiApplication>

namespace tavlen {

QtManagedWindow::QtManagedWindow(QWindow* window, bool canBecomeMain, QObject* parent)
    : ManagedWindow(parent), m_window(window), m_canBecomeMain(canBecomeMain) {
    window->installEventFilter(this);
}

void QtManagedWindow::hide() {
    if (m_window)
        m_window->hide();
}

void QtManagedWindow::showAndActivate() {
    if (!m_window)
        return;
    m_window->setWindowStates(m_window->windowStates() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->requestActivate();
}

bool QtManagedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Close && !shouldClose()) {
        // Refused: the window stays alive (hidden by the delegate) instead of
        // being destroyed by QWindow.
        event->ignore();
        return true;
    }
    return ManagedWindow::eventFilter(watched, event);
}

QList<ManagedWindow*> QtApplicationHost::windows() const {
    QList<ManagedWindow*> result;
    const QWindowList order = QGuiApplication::topLevelWindows();
    for (QWindow* qtWindow : order) {
        for (const QPointer<QtManagedWindow>& managed : m_windows) {
            if (managed && managed->window() == qtWindow)
                result.append(managed.data());
        }
    }
    return result;
}

} // namespace tavlen
