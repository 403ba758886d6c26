#include "app/AppDelegate.h"
#include "model/Clock.h"
#include "model/LektieNotificationManager.h"
#include "model/RecordJson.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/PreferencesFile.h"
#include "platform/WidgetReloader.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tavlen;

namespace {

class FakeWindow : public ManagedWindow {
public:
    FakeWindow(bool visible, bool mainCapable = true) : m_visible(visible), m_main(mainCapable) {}

    bool canBecomeMain() const override { return m_main; }
    bool isVisible() const override { return m_visible; }
    void orderOut() override {
        m_visible = false;
        m_key = false;
        ++orderOuts;
    }
    void makeKeyAndOrderFront() override {
        m_visible = true;
        m_key = true;
    }
    bool isKey() const { return m_key; }
    void setVisible(bool visible) { m_visible = visible; }

    QString content; // stands in for the window's view state
    int orderOuts = 0;

private:
    bool m_visible;
    bool m_main;
    bool m_key = false;
};

class FakeApplication : public ApplicationHost {
public:
    ActivationPolicy activationPolicy() const override { return policy; }
    void setActivationPolicy(ActivationPolicy p) override {
        policy = p;
        policyChanges.append(p);
    }
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

class NullReloader : public WidgetReloader {
public:
    void reloadAllTimelines() override {}
};

// The delegate with real store and planner over temporary preferences and the
// in-memory notification center.
struct Fixture {
    QTemporaryDir dir;
    ManualClock clock{QDateTime(QDate(2026, 3, 28), QTime(12, 0), Qt::UTC)};
    InMemoryNotificationCenter center;
    LektieNotificationManager planner{center, clock};
    PreferencesSuites suites{dir.path() + QStringLiteral("/config")};
    NullReloader reloader;
    FakeApplication app;

    // One open homework item in the stored list, so the first schedule has a summary.
    void storeOneHomework() {
        const Lektie lektie = Lektie::ny(QUuid::createUuid(), QStringLiteral("Læs kapitel 4"), {},
                                         {}, clock.now().addDays(5), clock);
        QVERIFY(suites.shared().setData(Keys::lektier, *json::encode(QList<Lektie>{lektie})));
    }

    std::unique_ptr<AppDelegate> makeDelegate() {
        return std::make_unique<AppDelegate>(
            LektieStore::Services{suites, reloader, planner, clock, dir.path() + "/recovered"},
            app);
    }
};

} // namespace

class TestAppDelegate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hidesExistingWindowOnFirstAttempt() {
        Fixture f;
        FakeWindow panel(false, false);
        FakeWindow window(true);
        f.app.list = {&panel, &window};
        auto delegate = f.makeDelegate();
        QCOMPARE(AppDelegate::shared(), delegate.get());

        delegate->applicationDidFinishLaunching();

        QVERIFY(!window.isVisible());
        QVERIFY(delegate->hasHiddenInitialWindow());
        QCOMPARE(delegate->mainWindow(), &window); // the panel is passed over
        QCOMPARE(window.delegate(), delegate.get());
        QCOMPARE(f.app.policy, ActivationPolicy::Accessory);
        QCOMPARE(f.app.windowWalks, 1);
        QTest::qWait(300); // no retries were scheduled
        QCOMPARE(f.app.windowWalks, 1);
        QCOMPARE(window.orderOuts, 1);
    }

    void hidesLateWindowOnFifthAttempt() {
        Fixture f;
        FakeWindow window(true);
        auto delegate = f.makeDelegate();
        QTimer::singleShot(350, [&] { f.app.list = {&window}; });

        delegate->applicationDidFinishLaunching();
        QCOMPARE(f.app.policy, ActivationPolicy::Accessory);
        QVERIFY(!delegate->hasHiddenInitialWindow());

        QTRY_VERIFY_WITH_TIMEOUT(delegate->hasHiddenInitialWindow(), 3000);
        QVERIFY(!window.isVisible());
        QCOMPARE(f.app.windowWalks, 5); // attempts at 0, 0.1, 0.2, 0.3 and 0.4 s
    }

    void givesUpAfterElevenAttempts() {
        Fixture f;
        auto delegate = f.makeDelegate();
        delegate->applicationDidFinishLaunching();
        QTest::qWait(1600);
        QCOMPARE(f.app.windowWalks, 11);
        QVERIFY(!delegate->hasHiddenInitialWindow());
        QCOMPARE(delegate->mainWindow(), nullptr);

        // A window that turns up later stays as it is.
        FakeWindow window(true);
        f.app.list = {&window};
        QTest::qWait(300);
        QVERIFY(window.isVisible());
    }

    void doesNothingOnceHidden() {
        Fixture f;
        FakeWindow window(true);
        f.app.list = {&window};
        auto delegate = f.makeDelegate();
        delegate->applicationDidFinishLaunching();
        QVERIFY(delegate->hasHiddenInitialWindow());

        window.setVisible(true);
        const int walks = f.app.windowWalks;
        delegate->hideInitialWindowIfNeeded(10);
        delegate->hideInitialWindowIfNeeded(0);
        QTest::qWait(250);
        QVERIFY(window.isVisible());
        QCOMPARE(f.app.windowWalks, walks);
        QCOMPARE(window.orderOuts, 1);
    }

    void closeHidesAndShowBringsBackTheSameWindow() {
        Fixture f;
        FakeWindow window(true);
        f.app.list = {&window};
        auto delegate = f.makeDelegate();
        delegate->applicationDidFinishLaunching();

        delegate->showMainWindow();
        QCOMPARE(f.app.policy, ActivationPolicy::Regular);
        QVERIFY(window.isVisible());
        QVERIFY(window.isKey());
        QCOMPARE(f.app.activations, 1);
        window.content = QStringLiteral("Matematik, side 2");

        // The window system asks to close: the window is kept, only hidden.
        QVERIFY(!window.shouldClose());
        QVERIFY(!window.isVisible());
        QCOMPARE(f.app.policy, ActivationPolicy::Accessory);
        QVERIFY(!AppDelegate::applicationShouldTerminateAfterLastWindowClosed());

        delegate->showMainWindow();
        QCOMPARE(delegate->mainWindow(), &window);
        QVERIFY(window.isVisible());
        QCOMPARE(window.content, QStringLiteral("Matematik, side 2"));
        QCOMPARE(f.app.policy, ActivationPolicy::Regular);

        // Policies are only switched when they differ.
        QCOMPARE(f.app.policyChanges,
                 (QList<ActivationPolicy>{ActivationPolicy::Accessory, ActivationPolicy::Regular,
                                          ActivationPolicy::Accessory, ActivationPolicy::Regular}));
        delegate->showMainWindow();
        QCOMPARE(f.app.policyChanges.size(), 4);
    }

    void showFindsWindowCreatedAfterLaunch() {
        Fixture f;
        auto delegate = f.makeDelegate();
        delegate->showMainWindow(); // nothing to show yet: no crash, policy regular
        QCOMPARE(f.app.policy, ActivationPolicy::Regular);

        FakeWindow window(false);
        f.app.list = {&window};
        delegate->showMainWindow();
        QVERIFY(window.isVisible());
        QCOMPARE(window.delegate(), delegate.get());
    }

    void destroyedWindowIsForgotten() {
        Fixture f;
        auto window = std::make_unique<FakeWindow>(true);
        f.app.list = {window.get()};
        auto delegate = f.makeDelegate();
        delegate->attachMainWindowDelegateIfNeeded();
        QCOMPARE(delegate->mainWindow(), window.get());
        f.app.list.clear();
        window.reset();
        QCOMPARE(delegate->mainWindow(), nullptr); // held weakly
        delegate->showMainWindow();
    }

    void keepsWindowShownWithoutTray() {
        Fixture f;
        FakeWindow window(false);
        f.app.list = {&window};
        auto delegate = f.makeDelegate();
        delegate->setKeepsMainWindowShown(true);
        delegate->applicationDidFinishLaunching();
        QVERIFY(window.isVisible());
        QCOMPARE(f.app.policy, ActivationPolicy::Regular);
        QTest::qWait(250);
        QVERIFY(window.isVisible());

        // Closing still only hides; the program keeps running.
        QVERIFY(!window.shouldClose());
        QVERIFY(!window.isVisible());
    }

    void asksPermissionOnlyWhenNotDetermined_data() {
        QTest::addColumn<AuthorizationStatus>("status");
        QTest::addColumn<bool>("grant");
        QTest::addColumn<int>("requests");
        QTest::addColumn<bool>("scheduled");
        QTest::newRow("not determined, granted")
            << AuthorizationStatus::NotDetermined << true << 1 << true;
        QTest::newRow("not determined, refused")
            << AuthorizationStatus::NotDetermined << false << 1 << false;
        QTest::newRow("authorized") << AuthorizationStatus::Authorized << true << 0 << true;
        QTest::newRow("provisional") << AuthorizationStatus::Provisional << true << 0 << true;
        QTest::newRow("denied") << AuthorizationStatus::Denied << true << 0 << false;
    }
    void asksPermissionOnlyWhenNotDetermined() {
        QFETCH(AuthorizationStatus, status);
        QFETCH(bool, grant);
        QFETCH(int, requests);
        QFETCH(bool, scheduled);
        Fixture f;
        f.center.setStatus(status);
        f.center.setGrantOnRequest(grant);
        f.storeOneHomework();
        auto delegate = f.makeDelegate();
        QSignalSpy finished(delegate.get(), &AppDelegate::launchTaskFinished);

        delegate->applicationDidFinishLaunching();
        QCOMPARE(f.center.authorizationRequests(), 0); // the task runs after launch returns
        QVERIFY(finished.wait(3000));
        QCOMPARE(f.center.authorizationRequests(), requests);
        // The first schedule follows the answer: the daily summary is pending only
        // with permission.
        const auto summary =
            f.center.pendingRequest(LektieNotificationManager::dailySummaryIdentifier);
        QCOMPARE(bool(summary), scheduled);
        if (summary) // made from the store's loaded list
            QVERIFY(summary->body.contains(QStringLiteral("Læs kapitel 4")));
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
