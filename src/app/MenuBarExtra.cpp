#include "MenuBarExtra.h"

#include "PanelPlacement.h"
#include "StartupTrace.h"
#include "model/LektieStore.h"
#include "views/toolkit/ClickOutsideWatcher.h"
#include "views/toolkit/Symbols.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickView>
#include <QScreen>
#include <QTimer>

namespace tavlen {

namespace {

// A click on the icon while the panel is open first takes the focus away (which
// hides the panel) and then arrives as a trigger; within this time the trigger
// belongs to that hide and must not reopen the panel.
constexpr int reopenGuardMs = 300;

QIcon trayIcon() {
    QIcon icon;
    const QColor accent(0x3B, 0x82, 0xF6); // readable on light and dark trays alike
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(Symbols::pixmap(u"book.closed.fill", size, accent));
    return icon;
}

} // namespace

MenuBarExtra::MenuBarExtra(QQmlEngine& engine, QObject* parent)
    : QObject(parent), m_engine(engine) {
    m_tray.setIcon(trayIcon());
    m_tray.setToolTip(QStringLiteral("Tavlen"));
    connect(&m_tray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    StartupTrace::mark("tray-clicked");
                    togglePanel();
                }
            });
}

MenuBarExtra::~MenuBarExtra() = default;

void MenuBarExtra::showIcon() {
    m_tray.show();
    StartupTrace::mark("tray-shown");
}

void MenuBarExtra::reshowIcon() {
    m_tray.hide();
    m_tray.show();
}

void MenuBarExtra::togglePanel() {
    if (m_panel && m_panel->isVisible()) {
        hidePanel();
        return;
    }
    if (m_sinceFocusLossHide.isValid() && !m_sinceFocusLossHide.hasExpired(reopenGuardMs))
        return;
    showPanel();
}

void MenuBarExtra::createPanel() {
    m_panel = std::make_unique<QQuickView>(&m_engine, nullptr);
    m_panel->setObjectName(QStringLiteral("menu-bar-panel"));
    m_panel->setTitle(QStringLiteral("Tavlen"));
    m_panel->setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_panel->setResizeMode(QQuickView::SizeRootObjectToView);
    m_panel->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MenuBarExtra::onFocusMoved);
    connect(m_panel.get(), &QWindow::visibleChanged, this, [this](bool visible) {
        // Its pop-overs, hover and scroll position go with the content, so the next
        // opening starts afresh; later, since a hide may come from inside the content.
        if (!visible)
            QTimer::singleShot(0, this, [this] {
                if (m_panel && !m_panel->isVisible())
                    m_panel->setSource(QUrl());
            });
    });
    connect(m_panel.get(), &QQuickWindow::frameSwapped, this, [this] {
        if (m_traceNextFrame) {
            m_traceNextFrame = false;
            StartupTrace::mark("panel-drawn");
        }
    });
}

void MenuBarExtra::loadContent() {
    m_panel->setSource(QUrl(QStringLiteral("qrc:/Tavlen/Views/panel/MenuBarView.qml")));
    if (QQuickItem* root = m_panel->rootObject()) {
        connect(root, &QQuickItem::implicitHeightChanged, this, [this] {
            if (m_panel->isVisible())
                placePanel();
        });
    }
}

void MenuBarExtra::showPanel() {
    if (!m_panel)
        createPanel();
    m_panelWasActive = false;
    m_traceNextFrame = StartupTrace::enabled();
    loadContent();
    placePanel();
    m_panel->show();
    m_panel->raise();
    m_panel->requestActivate();
}

void MenuBarExtra::hidePanel() {
    if (m_panel && m_panel->isVisible())
        m_panel->hide();
}

void MenuBarExtra::placePanel() {
    const QQuickItem* root = m_panel->rootObject();
    const int height = root ? std::max(1, qCeil(root->implicitHeight())) : 1;
    const QSize size(panelWidth, height);
    QList<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->availableGeometry()});
    m_panel->setGeometry(tavlen::placePanel(m_tray.geometry(), size, screens, QCursor::pos()));
}

bool MenuBarExtra::belongsToPanel(const QWindow* window) const {
    for (const QWindow* w = window; w; w = w->transientParent()) {
        if (w == m_panel.get())
            return true;
    }
    return false;
}

// The panel stays while the focus is in it or in one of its pop-overs and dialogs (windows
// of their own), and goes when the focus leaves all of them.
void MenuBarExtra::onFocusMoved() {
    if (!m_panel || !m_panel->isVisible())
        return;
    if (belongsToPanel(QGuiApplication::focusWindow())) {
        m_panelWasActive = true;
        return;
    }
    // Decided once the focus has settled: closing a pop-over hands the focus back to the
    // panel, sometimes with a moment of no focus at all in between.
    QTimer::singleShot(ClickOutsideWatcher::focusSettleMs, this, [this] {
        if (!m_panel || !m_panelWasActive || !m_panel->isVisible() ||
            belongsToPanel(QGuiApplication::focusWindow()))
            return;
        m_panelWasActive = false;
        m_panel->hide();
        m_sinceFocusLossHide.start();
    });
}

// The second Escape: the first one belongs to an open pop-over, which is a window of its own.
bool MenuBarExtra::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel.get() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hidePanel();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavlen
