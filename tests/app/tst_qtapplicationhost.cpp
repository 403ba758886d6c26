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

        window->showMinimized();
        managed.makeKeyAndOrderFront();
        QVERIFY(window->isVisible());
        QVERIFY(!(window->windowStates() & Qt::WindowMinimized));

        managed.setDelegate(nullptr); // without a delegate a close closes
        QVERIFY(window->close());
        delete window;
        QVERIFY(!managed.isVisible()); // the adapter outlives its window safely
        managed.orderOut();
        managed.makeKeyAndOrderFront();
    }

    void windowsInTheWindowSystemsOrder() {
        QWindow first, panel, stranger; // the stranger is not handed to the host
        QtManagedWindow panelHandle(&panel, false), mainHandle(&first, true);
        QtApplicationHost host;
        host.addWindow(&panelHandle);
        host.addWindow(&mainHandle);
        const QList<ManagedWindow*> windows = host.windows();
        QCOMPARE(windows.size(), 2);
        const QWindowList order = QGuiApplication::topLevelWindows();
        QCOMPARE(order.indexOf(&first) < order.indexOf(&panel), windows.first() == &mainHandle);
    }
};

QTEST_MAIN(TestQtApplicationHost)
#include "tst_qtapplicationhost.moc"
