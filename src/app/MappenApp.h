#pragma once

#include "QtApplicationHost.h"
#include "SingleInstance.h"

#include <QApplication>
#include <memory>

class QQmlEngine;

namespace tavlen {

class AppContext;
class AppDelegate;
class DesktopUrlOpener;
class DesktopNotificationCenter;
class DBusWidgetReloader;
class LektieNotificationManager;
class MainWindowScene;
class MenuBarExtra;
class PreferencesSuites;
class TrayWatch;

// The program: the Qt application, the one-instance check and the object graph
// from the notification center to the two scenes, built in that order and torn
// down in reverse.
class MappenApp {
public:
    MappenApp(int& argc, char** argv);
    ~MappenApp();

    // Primary: carry on. Forwarded: the running instance shows itself, exit.
    SingleInstance::Role claimInstance();
    void createServices(); // center, planner, preferences, widget reloader, delegate
    void createScenes();   // tray icon and panel, then the main window
    int launch();          // the delegate's launch sequence, then the event loop

private:
    void createMainWindow();

    QApplication m_application;
    SingleInstance m_instance;
    std::unique_ptr<DesktopNotificationCenter> m_center;
    std::unique_ptr<LektieNotificationManager> m_planner;
    std::unique_ptr<PreferencesSuites> m_suites;
    std::unique_ptr<DBusWidgetReloader> m_widgets;
    QtApplicationHost m_host;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<DesktopUrlOpener> m_urls;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<TrayWatch> m_trayWatch;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<MenuBarExtra> m_menuBarExtra;
    std::unique_ptr<MainWindowScene> m_mainWindow;
    std::unique_ptr<QtManagedWindow> m_mainWindowHandle;
};

} // namespace tavlen
