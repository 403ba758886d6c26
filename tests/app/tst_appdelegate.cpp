#include "app/AppDelegate.h"
#include "app/TrayWatch.h"
#include "core/PreferencesFile.h"
#include "model/LektieNotificationManager.h"
#include "model/RecordJson.h"
#include "support/CountingWidgetReloader.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavlen;

namespace {

class FakeWindow : public ManagedWindow {
public:
    explicit FakeWindow(bool shown, bool mainCapable = true) : visible(shown), main(mainCapable) {}
    bool canBecomeMain() const override { return main; }
    bool isVisible() const override { return visible; }
    void hide() override {
        visible = false;
        ++orderOuts;
    }
    void showAndActivate() override { visible = true; }

    bool visible, main;
    int orderOuts = 0;
};

class FakeApplication : public ApplicationHost {
public:
    ActivationPolicy activationPolicy() const override { return policy; }
    void setActivationPolicy(ActivationPolicy p) override { policyChanges.append(policy = p); }
    QList<ManagedWindow*> windows() const override {
        ++windowWalks;
        return list;
    }
    void activateIgnoringOtherApps() override { ++activations; }

    ActivationPolicy policy = ActivationPolicy::Regular;
    QList<ActivationPolicy> policyChanges;
    QList<ManagedWindow*> list;
    mutable int windowWalks = 0;
    int activations = 0;
};

// The delegate with the real store and planner over temporary preferences.
struct Fixture {
    QTemporaryDir dir;
    ManualClock clock{QDateTime(QDate(2026, 3, 28), QTime(12, 0), Qt::UTC)};
    InMemoryNotificationCenter center;
    LektieNotificationManager planner{center, clock};
    PreferencesSuites suites{dir.path() + QStringLiteral("/config")};
    test::CountingWidgetReloader reloader;
    FakeApplication app;

    std::unique_ptr<AppDelegate> launch(QList<ManagedWindow*> windows = {}, bool noTray = false) {
        app.list = windows;
        auto delegate = std::make_unique<AppDelegate>(
            LektieStore::Services{suites, reloader, planner, clock, dir.path() + "/recovered"},
            app);
        delegate->setKeepsMainWindowShown(noTray);
        delegate->started();
        return delegate;
    }
};

constexpr auto Regular = ActivationPolicy::Regular;
constexpr auto Accessory = ActivationPolicy::Accessory;

} // namespace

class TestAppDelegate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hidesTheInitialWindowOnce_data() {
        test::columns<int>({"appearsAfterMs", "walks"}); // -1: never
        test::row("there at launch: first attempt", 0, 1);
        test::row("after 0.35 s: fifth attempt, at 0.4 s", 350, 5);
        test::row("never: gives up after eleven attempts", -1, 11);
    }
    void hidesTheInitialWindowOnce() {
        const auto [appearsAfterMs, walks] = test::fetch<int, int>("appearsAfterMs", "walks");
        const bool hidden = appearsAfterMs >= 0;
        Fixture f;
        FakeWindow panel(false, false), window(true);
        const auto appear = [&] { f.app.list = {&panel, &window}; };
        if (appearsAfterMs == 0)
            appear();
        else if (hidden)
            QTimer::singleShot(appearsAfterMs, appear);
        auto delegate = f.launch(f.app.list);
        QCOMPARE(f.app.policy, Accessory);

        QTRY_COMPARE_WITH_TIMEOUT(f.app.windowWalks, walks, 3000);
        QCOMPARE(delegate->hasHiddenInitialWindow(), hidden);
        QCOMPARE(window.visible, !hidden);
        QCOMPARE(delegate->mainWindow(), hidden ? &window : nullptr); // the panel is passed over
        // Once hidden nothing is done again, and no attempts follow the last.
        window.visible = true;
        if (hidden)
            delegate->hideInitialWindowIfNeeded(10);
        QTest::qWait(250);
        QVERIFY(window.visible);
        QCOMPARE(f.app.windowWalks, walks);
        QCOMPARE(window.orderOuts, int(hidden));
    }

    void closeHidesAndShowBringsBackTheSameWindow() {
        Fixture f;
        FakeWindow window(true);
        auto delegate = f.launch({&window});
        delegate->showMainWindow();
        QVERIFY(window.visible);
        QCOMPARE(f.app.activations, 1);

        // The window system's close keeps the window, hidden and off the taskbar.
        QVERIFY(!window.shouldClose());
        QVERIFY(!window.visible);
        QCOMPARE(f.app.policy, Accessory);
        QVERIFY(!AppDelegate::quitsWithLastWindow());
        QCoreApplication::processEvents();
        QCOMPARE(f.center.posted().size(), 0); // the tray icon is the way back

        delegate->showMainWindow();
        QCOMPARE(delegate->mainWindow(), &window);
        QVERIFY(window.visible);
        // Policies are only switched when they differ.
        delegate->showMainWindow();
        QCOMPARE(f.app.policyChanges,
                 (QList<ActivationPolicy>{Accessory, Regular, Accessory, Regular}));
    }

    void keepsWindowShownWithoutTrayAndCopesWithADestroyedOne() {
        Fixture f;
        auto window = std::make_unique<FakeWindow>(false);
        auto delegate = f.launch({window.get()}, true);
        QTest::qWait(250);
        QVERIFY(window->visible);
        QCOMPARE(f.app.policy, Regular);
        QVERIFY(!window->shouldClose()); // closing still only hides
        QVERIFY(!window->visible);

        // Nothing of Tavlen is left on screen, so the first close says it runs on, at once.
        QTRY_COMPARE(f.center.posted().size(), 1);
        const NotificationRequest notice = f.center.posted().constFirst();
        // Its text is checked where it is shown, on a real notification server (shell_e2e).
        // Shown, not scheduled: the planner's clearing of pending requests cannot reach it.
        QVERIFY(!f.center.pendingRequest(notice.identifier));
        // Only the first close of a run says so.
        delegate->showMainWindow();
        QVERIFY(!window->shouldClose());
        QCoreApplication::processEvents();
        QCOMPARE(f.center.posted().size(), 1);

        f.app.list.clear();
        window.reset();
        QCOMPARE(delegate->mainWindow(), nullptr); // held weakly
        delegate->showMainWindow();
    }

    // A second start or a reminder's click while the launch is still hiding the window.
    void earlyShowIsNotUndoneByTheLaunchHide() {
        Fixture f;
        FakeWindow window(true);
        auto delegate = f.launch({}); // the window exists only on the next turns
        QTimer::singleShot(20, [&] { f.app.list = {&window}; });
        QTimer::singleShot(50, [&] { delegate->showMainWindow(); });
        QTest::qWait(400); // past every retry of the hide
        QCOMPARE(window.visible, true);
        QCOMPARE(window.orderOuts, 0);
        QCOMPARE(f.app.policy, Regular);
    }

    // A tray that is late at login: the window shown in its place goes when it comes,
    // unless the pupil asked for the window.
    void lateTrayTakesOverFromTheMainWindow_data() {
        test::columns<bool>({"askedFor"});
        test::row("shown only for want of a tray", false);
        test::row("asked for by the pupil meanwhile", true);
    }
    void lateTrayTakesOverFromTheMainWindow() {
        const auto [askedFor] = test::fetch<bool>("askedFor");
        Fixture f;
        FakeWindow window(true);
        auto delegate = f.launch({&window});
        QCOMPARE(window.visible, false); // waiting for the tray as if it were there

        delegate->fallBackToMainWindow();
        QCOMPARE(window.visible, true);
        QCOMPARE(f.app.policy, Regular);
        QCOMPARE(delegate->keepsMainWindowShown(), true);
        if (askedFor)
            delegate->showMainWindow();

        delegate->trayAppeared();
        QCOMPARE(window.visible, askedFor);
        QCOMPARE(f.app.policy, askedFor ? Regular : Accessory);
        QCOMPARE(delegate->keepsMainWindowShown(), false);
        // The tray icon is the way back now: closing says nothing.
        delegate->showMainWindow();
        QVERIFY(!window.shouldClose());
        QCoreApplication::processEvents();
        QCOMPARE(f.center.posted().size(), 0);
    }

    // Grace 100 ms, checks every 10 ms and 30 ms after it.
    void fallsBackOnlyWhenTheTrayIsLate_data() {
        test::columns<int>({"trayAfterMs", "expired", "appeared"}); // -1: there at start
        test::row("there at start: no watching", -1, 0, 0);
        test::row("within the grace period", 40, 0, 1);
        test::row("after the fall-back: still found", 200, 1, 1);
    }
    void fallsBackOnlyWhenTheTrayIsLate() {
        const auto [trayAfterMs, expired, appeared] =
            test::fetch<int, int, int>("trayAfterMs", "expired", "appeared");
        bool tray = trayAfterMs < 0;
        TrayWatch watch([&] { return tray; }, TrayWatch::Timing{100, 10, 30});
        QSignalSpy expiredSpy(&watch, &TrayWatch::graceExpired);
        QSignalSpy appearedSpy(&watch, &TrayWatch::appeared);
        if (trayAfterMs >= 0)
            QTimer::singleShot(trayAfterMs, [&] { tray = true; });
        watch.start();
        QTest::qWait(350); // past the grace period and the late tray
        QCOMPARE(expiredSpy.count(), expired);
        QCOMPARE(appearedSpy.count(), appeared);
        QCOMPARE(watch.isLooking(), false);
    }

    void asksPermissionOnlyWhenNotDetermined_data() {
        test::columns<AuthorizationStatus>({"status"});
        test::columns<int>({"requests"});
        test::columns<bool>({"scheduled"});
        test::row("not determined, granted", AuthorizationStatus::NotDetermined, 1, true);
        test::row("authorized", AuthorizationStatus::Authorized, 0, true);
        test::row("denied", AuthorizationStatus::Denied, 0, false);
    }
    void asksPermissionOnlyWhenNotDetermined() {
        const auto [status, requests, scheduled] =
            test::fetch<AuthorizationStatus, int, bool>("status", "requests", "scheduled");
        Fixture f;
        f.center.setStatus(status);
        const Lektie lektie = Lektie::ny(QUuid::createUuid(), QStringLiteral("Læs kapitel 4"), {},
                                         {}, f.clock.now().addDays(5), f.clock);
        QVERIFY(f.suites.shared().setData(Keys::lektier, *json::encode(QList<Lektie>{lektie})));

        auto delegate = f.launch();
        QSignalSpy finished(delegate.get(), &AppDelegate::launchTaskFinished);
        QCOMPARE(f.center.authorizationRequests(), 0); // the task runs after launch returns
        QVERIFY(finished.wait(3000));
        QCOMPARE(f.center.authorizationRequests(), requests);
        // The refresh follows the answer, made from the store's loaded list.
        const auto summary =
            f.center.pendingRequest(LektieNotificationManager::dailySummaryIdentifier);
        QCOMPARE(bool(summary), scheduled);
        if (summary)
            QVERIFY(summary->body.contains(QStringLiteral("Læs kapitel 4")));
    }
};

TAVLEN_TEST(TestAppDelegate)
#include "tst_appdelegate.moc"
