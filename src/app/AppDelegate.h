#pragma once

#include "WindowHost.h"
#include "model/LektieStore.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace tavlen {

// Owns the store for the whole run, hides the main window at launch, shows it on
// request and turns the user's closing of it into hiding, so the window and its
// state live as long as the program. Sets up reminders once launching is done.
class AppDelegate : public QObject, public WindowDelegate {
    Q_OBJECT
public:
    static constexpr int hideRetryIntervalMs = 100;
    // The notice that Tavlen runs on after the main window was closed without a tray;
    // the planner's refreshes leave it alone.
    static inline const QString runsOnNoticeIdentifier = QStringLiteral("runs-on");

    AppDelegate(LektieStore::Services services, ApplicationHost& application,
                QObject* parent = nullptr);
    ~AppDelegate() override;

    // The one delegate, for the tray panel; null before it exists.
    static AppDelegate* shared();

    LektieStore& store() { return *m_store; }
    ManagedWindow* mainWindow() const { return m_mainWindow; }
    bool hasHiddenInitialWindow() const { return m_hasHiddenInitialWindow; }

    // Without a tray the main window is the only way in: launch shows it instead
    // of hiding it.
    void setKeepsMainWindowShown(bool keep) { m_keepsMainWindowShown = keep; }
    bool keepsMainWindowShown() const { return m_keepsMainWindowShown; }
    // No tray turned up in the time it was given: the main window is shown and kept.
    void fallBackToMainWindow();
    // A tray turned up after all: it is the way in from now on, and the main window
    // goes unless the pupil asked for it.
    void trayAppeared();

    void started();
    void hideInitialWindowIfNeeded(int retriesRemaining);
    void attachMainWindowDelegateIfNeeded();
    Q_INVOKABLE void showMainWindow();
    bool windowShouldClose(ManagedWindow& window) override;
    void activated();
    static constexpr bool quitsWithLastWindow() { return false; }

Q_SIGNALS:
    // The launch task (permission, first schedule) has finished.
    void launchTaskFinished();

private:
    void runLaunchTask();
    void refreshAfterLaunch();
    void bringMainWindowFront();
    void tellItRunsOn();

    LektieStore::Services m_services;
    ApplicationHost& m_application;
    std::unique_ptr<LektieStore> m_store;
    QPointer<ManagedWindow> m_mainWindow;
    bool m_hasHiddenInitialWindow = false;
    bool m_keepsMainWindowShown = false;
    bool m_mainWindowAskedFor = false; // by the pupil: a second start, a reminder's click
    bool m_hasToldItRunsOn = false;
};

} // namespace tavlen
