#include "support/TestMain.h"
#include "views/toolkit/ClickOutsideWatcher.h"

#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

using tavlen::ClickOutsideWatcher;

namespace {

// A pop-over over its owner, a dialog the pop-over opened, and an unrelated window.
struct Windows {
    QWindow owner, popover, child, stranger;
    ClickOutsideWatcher watcher;
    Windows() {
        popover.setTransientParent(&owner);
        child.setTransientParent(&popover);
        for (QWindow* w : {&owner, &popover, &child, &stranger})
            w->show();
        watcher.setWindow(&popover);
    }
};

void click(QWindow* window) {
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10, 10));
}

// The offscreen platform does not move the focus between windows reliably, so the focus
// changes are announced directly, as the window system would.
void focus(QWindow* window) {
    Q_EMIT qGuiApp->focusWindowChanged(window);
}

} // namespace

class TestClickOutsideWatcher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pressesOutsideAreReported() {
        Windows w;
        QSignalSpy outside(&w.watcher, &ClickOutsideWatcher::clickedOutside);
        click(&w.popover);
        click(&w.child);
        QCOMPARE(outside.count(), 0);
        click(&w.owner);
        QCOMPARE(outside.count(), 1); // one press, one report
        w.watcher.setEnabled(false);
        click(&w.stranger);
        w.watcher.setEnabled(true);
        w.popover.hide();
        click(&w.owner);
        QCOMPARE(outside.count(), 1);
    }

    void focusLeavingAfterHavingItIsReported() {
        Windows w;
        // The platform's own activations of the shown windows are over before the focus is
        // announced here.
        QVERIFY(QTest::qWaitForWindowActive(&w.stranger));
        QSignalSpy left(&w.watcher, &ClickOutsideWatcher::focusLeft);
        focus(&w.stranger); // never focused: focus moving elsewhere is no leave
        focus(nullptr);
        focus(&w.popover);
        focus(&w.child); // its own dialog taking the focus keeps it open
        // The dialog closing: the window manager picks another window before it comes back.
        focus(&w.owner);
        focus(&w.popover);
        QTest::qWait(2 * ClickOutsideWatcher::focusSettleMs);
        QCOMPARE(left.count(), 0);
        focus(&w.stranger);
        QTRY_COMPARE(left.count(), 1);
        focus(&w.popover);
        focus(nullptr); // another program took the focus
        QTRY_COMPARE(left.count(), 2);
    }
};

TAVLEN_TEST(TestClickOutsideWatcher)
#include "tst_clickoutsidewatcher.moc"
