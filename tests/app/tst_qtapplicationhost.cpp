#include "app/QtApplicationHost.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

using namespace tavlen;

namespace {

class RefusingDelegate : public WindowDelegate {
public:
    bool windowShouldClose(ManagedWindow& window) override {
        ++asked;
        window.orderOut();
        return false;
    }
    int asked = 0;
};

} // namespace

class TestQtApplicationHost : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusedCloseKeepsTheWindow() {
        auto* window = new QWindow;
        QPointer<QWindow> alive(window);
        window->resize(900, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QtManagedWindow managed(window, true);
        RefusingDelegate delegate;
        managed.setDelegate(&delegate);

        QVERIFY(!window->close()); // what the window manager's close button does
        QCOMPARE(delegate.asked, 1);
        QVERIFY(alive);
        QVERIFY(!window->isVisible());
        QVERIFY(window->handle()); // the native window survives too

        managed.makeKeyAndOrderFront();
        QVERIFY(window->isVisible());
        delete window;
        QVERIFY(!managed.isVisible()); // the adapter outlives its window safely
        managed.orderOut();
        managed.makeKeyAndOrderFront();
    }

    void closeWithoutDelegateCloses() {
        QWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QtManagedWindow managed(&window, true);
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }

    void showingRestoresAMinimisedWindow() {
        QWindow window;
        QtManagedWindow managed(&window, true);
        window.showMinimized();
        managed.makeKeyAndOrderFront();
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowStates() & Qt::WindowMinimized));
    }

    void windowsInTheWindowSystemsOrder() {
        QWindow first;
        QWindow panel;
        QWindow stranger; // not handed to the host: never reported
        QtManagedWindow panelHandle(&panel, false);
        QtManagedWindow mainHandle(&first, true);
        QtApplicationHost host;
        host.addWindow(&panelHandle);
        host.addWindow(&mainHandle);

        const QList<ManagedWindow*> windows = host.windows();
        QCOMPARE(windows.size(), 2);
        const QWindowList order = QGuiApplication::topLevelWindows();
        QCOMPARE(order.indexOf(&first) < order.indexOf(&panel), windows.first() == &mainHandle);
        QVERIFY(!panelHandle.canBecomeMain());
        QVERIFY(mainHandle.canBecomeMain());

        QCOMPARE(host.activationPolicy(), ActivationPolicy::Regular);
        host.setActivationPolicy(ActivationPolicy::Accessory);
        QCOMPARE(host.activationPolicy(), ActivationPolicy::Accessory);
    }
};

QTEST_MAIN(TestQtApplicationHost)
#include "tst_qtapplicationhost.moc"
