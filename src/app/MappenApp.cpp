#include "MappenApp.h"

#include "AppDelegate.h"
#include "MainWindowScene.h"
#include "MenuBarExtra.h"
#include "StartupTrace.h"
#include "TrayWatch.h"
#include "core/BackupFolder.h"
#include "core/Clock.h"
#include "core/PreferencesFile.h"
#include "core/RecoveryFolder.h"
#include "model/LektieNotificationManager.h"
#include "platform/DBusWidgetReloader.h"
#include "platform/DesktopNotificationCenter.h"
#include "platform/DesktopUrlOpener.h"
#include "views/AppContext.h"

#include <QQmlEngine>
#include <QQuickWindow>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TavlenViewsPlugin)
Q_IMPORT_QML_PLUGIN(TavlenToolkitPlugin)

namespace tavlen {

namespace {

// The screens are flat 2D, so Qt Quick's software renderer draws them. The OpenGL
// path loads the desktop's GL driver, which on machines without a GPU driver is
// Mesa's LLVM rasteriser: some 60 MB more resident and about 100 ms more for a
// window's first frame. QT_QUICK_BACKEND or QSG_RHI_BACKEND still choose otherwise.
void chooseSceneGraphBackend() {
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") &&
        qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace

MappenApp::MappenApp(int& argc, char** argv) : m_application(argc, argv) {
    StartupTrace::mark("application-created");
    QGuiApplication::setApplicationName(QStringLiteral("Tavlen"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tavlen"));
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.tavlen.Tavlen"));
    // Closing the last window hides it; only an explicit quit ends the program.
    QGuiApplication::setQuitOnLastWindowClosed(AppDelegate::quitsWithLastWindow());
    chooseSceneGraphBackend();
}

MappenApp::~MappenApp() {
    // Windows go before the engine, the engine before the store the views point at.
    m_mainWindowHandle.reset();
    m_mainWindow.reset();
    m_menuBarExtra.reset();
    m_engine.reset();
    m_context.reset();
    m_delegate.reset();
}

SingleInstance::Role MappenApp::claimInstance() {
    return m_instance.start();
}

void MappenApp::createServices() {
    const Clock& clock = Clock::system();
    // First, so that reminders missed while Tavlen was not running are delivered
    // before anything can change the pending list.
    m_center = std::make_unique<DesktopNotificationCenter>(
        clock, DesktopNotificationCenter::stateDirFromEnvironment());
    m_planner = std::make_unique<LektieNotificationManager>(*m_center, clock);
    m_suites = std::make_unique<PreferencesSuites>(PreferencesSuites::configHomeFromEnvironment());
    m_widgets = std::make_unique<DBusWidgetReloader>();
    m_urls = std::make_unique<DesktopUrlOpener>();
    m_delegate = std::make_unique<AppDelegate>(
        LektieStore::Services{*m_suites, *m_widgets, *m_planner, clock,
                              RecoveryFolder::pathFromEnvironment(),
                              BackupFolder::pathFromEnvironment()},
        m_host);
    StartupTrace::mark("store-loaded");

    AppDelegate* delegate = m_delegate.get();
    QObject::connect(&m_instance, &SingleInstance::activateRequested, delegate,
                     &AppDelegate::showMainWindow);
    QObject::connect(&m_application, &QGuiApplication::applicationStateChanged, delegate,
                     [delegate](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive)
                             delegate->activated();
                     });
    // Without a tray the main window is the only way in, so it is shown and kept; a
    // tray that is late at login is given some seconds first, and taken when it comes.
    m_trayWatch =
        std::make_unique<TrayWatch>([] { return QSystemTrayIcon::isSystemTrayAvailable(); });
    QObject::connect(m_trayWatch.get(), &TrayWatch::graceExpired, delegate,
                     &AppDelegate::fallBackToMainWindow);
    QObject::connect(m_trayWatch.get(), &TrayWatch::appeared, delegate, [this] {
        m_menuBarExtra->reshowIcon();
        m_delegate->trayAppeared();
    });
}

void MappenApp::createScenes() {
    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImportPath(QStringLiteral("qrc:/"));
    m_context = std::make_unique<AppContext>(m_delegate->store(), Clock::system(), *m_urls);
    QObject::connect(m_context.get(), &AppContext::mainWindowRequested, m_delegate.get(),
                     &AppDelegate::showMainWindow);
    QObject::connect(m_center.get(), &NotificationCenter::actionInvoked, m_context.get(),
                     &AppContext::paamindelseValgt);
    // Both ways out end the event loop; the teardown then writes what is still
    // pending (the reminders' file) as on any normal exit. Queued, so the key press
    // that asked is handled to the end first.
    QObject::connect(m_engine.get(), &QQmlEngine::quit, &m_application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(m_context.get(), &AppContext::quitRequested, &m_application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(m_engine.get(), &QQmlEngine::exit, &m_application, &QCoreApplication::exit,
                     Qt::QueuedConnection);

    // The tray icon first: it is what the pupil sees of a start. The main window
    // follows on the next turn of the event loop; the delegate's retries pick it up.
    m_menuBarExtra = std::make_unique<MenuBarExtra>(*m_engine);
    // "Åbn Tavlen" in the panel: the main window comes, the panel goes.
    QObject::connect(m_context.get(), &AppContext::mainWindowRequested, m_menuBarExtra.get(),
                     &MenuBarExtra::hidePanel);
    StartupTrace::watchTrayIcon(&m_application);
    m_menuBarExtra->showIcon();
    QTimer::singleShot(0, &m_application, [this] { createMainWindow(); });
}

void MappenApp::createMainWindow() {
    m_mainWindow = std::make_unique<MainWindowScene>(*m_engine);
    m_mainWindowHandle = std::make_unique<QtManagedWindow>(&m_mainWindow->view(), true);
    m_host.addWindow(m_mainWindowHandle.get());
    StartupTrace::mark("main-window-created");
}

int MappenApp::launch() {
    m_delegate->started();
    m_trayWatch->start();
    return QApplication::exec();
}

} // namespace tavlen
