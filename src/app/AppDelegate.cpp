#include "AppDelegate.h"

#include "model/LektieNotificationManager.h"

#include <QTimer>

namespace tavlen {

namespace {
AppDelegate* sharedDelegate = nullptr;
}

AppDelegate::AppDelegate(LektieStore::Services services, ApplicationHost& application,
                         QObject* parent)
    : QObject(parent), m_services(services), m_application(application),
      m_store(std::make_unique<LektieStore>(services)) {
    sharedDelegate = this;
}

AppDelegate::~AppDelegate() {
    if (sharedDelegate == this)
        sharedDelegate = nullptr;
    if (m_mainWindow && m_mainWindow->delegate() == this)
        m_mainWindow->setDelegate(nullptr);
}

AppDelegate* AppDelegate::shared() {
    return sharedDelegate;
}

void AppDelegate::started() {
    if (m_keepsMainWindowShown) {
        bringMainWindowFront();
    } else {
        m_application.setActivationPolicy(ActivationPolicy::Accessory);
        hideInitialWindowIfNeeded(10);
    }
    // Notifications shown while Tavlen is in front are presented like any other by
    // the desktop center, so there is no presentation delegate to install.
    QTimer::singleShot(0, this, &AppDelegate::runLaunchTask);
}

void AppDelegate::hideInitialWindowIfNeeded(int retriesRemaining) {
    // Once the window was asked for, hiding it would undo the pupil's request.
    if (m_hasHiddenInitialWindow || m_keepsMainWindowShown || m_mainWindowAskedFor)
        return;
    attachMainWindowDelegateIfNeeded();
    if (m_mainWindow) {
        m_mainWindow->hide();
        m_hasHiddenInitialWindow = true;
    } else if (retriesRemaining >= 1) {
        QTimer::singleShot(hideRetryIntervalMs, this, [this, retriesRemaining] {
            hideInitialWindowIfNeeded(retriesRemaining - 1);
        });
    }
}

void AppDelegate::attachMainWindowDelegateIfNeeded() {
    const QList<ManagedWindow*> windows = m_application.windows();
    for (ManagedWindow* window : windows) {
        if (!window->canBecomeMain())
            continue;
        m_mainWindow = window;
        if (window->delegate() != this)
            window->setDelegate(this);
        return;
    }
}

void AppDelegate::showMainWindow() {
    m_mainWindowAskedFor = true;
    bringMainWindowFront();
}

void AppDelegate::fallBackToMainWindow() {
    if (m_keepsMainWindowShown)
        return;
    m_keepsMainWindowShown = true;
    bringMainWindowFront();
}

void AppDelegate::trayAppeared() {
    if (!m_keepsMainWindowShown)
        return;
    m_keepsMainWindowShown = false;
    if (m_mainWindowAskedFor)
        return;
    m_application.setActivationPolicy(ActivationPolicy::Accessory);
    attachMainWindowDelegateIfNeeded();
    if (m_mainWindow)
        m_mainWindow->hide();
}

void AppDelegate::bringMainWindowFront() {
    if (m_application.activationPolicy() != ActivationPolicy::Regular)
        m_application.setActivationPolicy(ActivationPolicy::Regular);
    attachMainWindowDelegateIfNeeded();
    m_application.activateIgnoringOtherApps();
    if (m_mainWindow)
        m_mainWindow->showAndActivate();
}

bool AppDelegate::windowShouldClose(ManagedWindow& window) {
    window.hide();
    if (m_application.activationPolicy() != ActivationPolicy::Accessory)
        m_application.setActivationPolicy(ActivationPolicy::Accessory);
    // Without a tray icon nothing on screen is left of Tavlen: say once that it runs
    // on. With a tray the icon says so.
    if (m_keepsMainWindowShown && !m_hasToldItRunsOn) {
        m_hasToldItRunsOn = true;
        tellItRunsOn();
    }
    return false;
}

void AppDelegate::tellItRunsOn() {
    NotificationRequest notice;
    notice.identifier = runsOnNoticeIdentifier;
    notice.title = QStringLiteral("Tavlen kører videre");
    notice.body =
        QStringLiteral("Du får stadig påmindelser. Åbn Tavlen igen for at se dine lektier.");
    notice.defaultSound = false; // the pupil is right there, having just closed the window
    // Posted, not scheduled: a reminder for this moment would wait for the next whole
    // minute. A click on it brings the window back like a reminder's.
    m_services.notifications.center().post(notice, {});
}

void AppDelegate::activated() {
    attachMainWindowDelegateIfNeeded();
}

void AppDelegate::runLaunchTask() {
    QPointer<AppDelegate> self(this);
    m_services.notifications.center().authorizationStatus([self](AuthorizationStatus status) {
        if (!self)
            return;
        if (status != AuthorizationStatus::NotDetermined) {
            self->refreshAfterLaunch();
            return;
        }
        // The answer does not matter: the planner copes with either.
        self->m_services.notifications.center().requestAuthorization([self](bool, QString) {
            if (self)
                self->refreshAfterLaunch();
        });
    });
}

void AppDelegate::refreshAfterLaunch() {
    QPointer<AppDelegate> self(this);
    m_services.notifications.refreshNotifications(m_store->lektier(), m_store->fag(), [self] {
        if (self)
            Q_EMIT self->launchTaskFinished();
    });
}

} // namespace tavlen
