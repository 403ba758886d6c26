#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

class QQmlEngine;
class QQuickView;

namespace tavlen {

// The tray icon and its panel: a click on the icon toggles a frameless panel
// showing MenuBarView, 360 wide and as high as its content, placed next to the
// icon (or the pointer, where the tray host tells no icon position). The window is
// made on the first click and kept; its content is made afresh at every opening. It
// hides when the focus leaves it and its pop-overs, and on Escape.
class MenuBarExtra : public QObject {
    Q_OBJECT
public:
    static constexpr int panelWidth = 360;

    explicit MenuBarExtra(QQmlEngine& engine, QObject* parent = nullptr);
    ~MenuBarExtra() override;

    void showIcon();
    void reshowIcon(); // in a tray that turned up after the icon was first shown
    void togglePanel();
    void hidePanel();
    QQuickView* panel() const { return m_panel.get(); }

private:
    void createPanel();
    void loadContent();
    void showPanel();
    void placePanel();
    void onFocusMoved();
    bool belongsToPanel(const QWindow* window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QQmlEngine& m_engine;
    QSystemTrayIcon m_tray;
    std::unique_ptr<QQuickView> m_panel;
    bool m_panelWasActive = false;
    bool m_traceNextFrame = false;
    QElapsedTimer m_sinceFocusLossHide;
};

} // namespace tavlen
