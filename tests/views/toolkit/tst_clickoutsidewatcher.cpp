#include "views/toolkit/ClickOutsideWatcher.h"

#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

using tavlen::ClickOutsideWatcher;

class TestClickOutsideWatcher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pressesOutsideAreReported() {
        QWindow owner, popover, child, stranger;
        owner.setGeometry(0, 0, 400, 300);
        popover.setGeometry(50, 50, 100, 100);
        popover.setTransientParent(&owner);
        child.setGeometry(60, 60, 50, 50);
        child.setTransientParent(&popover); // e.g. a dialog the pop-over opened
        stranger.setGeometry(500, 0, 100, 100);
        for (QWindow* w : {&owner, &popover, &child, &stranger})
            w->show();

        ClickOutsideWatcher watcher;
        watcher.setWindow(&popover);
        QSignalSpy outside(&watcher, &ClickOutsideWatcher::clickedOutside);

        QTest::mouseClick(&popover, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(&child, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(outside.count(), 0);

        QTest::mouseClick(&owner, Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(outside.count(), 1); // one press, one report
        QTest::mouseClick(&stranger, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(outside.count(), 2);

        watcher.setEnabled(false);
        QTest::mouseClick(&owner, Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(outside.count(), 2);

        watcher.setEnabled(true);
        popover.hide();
        QTest::mouseClick(&owner, Qt::LeftButton, {}, QPoint(300, 200));
        QCOMPARE(outside.count(), 2);
    }

    void focusLeavingAfterHavingItIsReported() {
        // The offscreen platform does not move the focus between windows reliably, so the
        // focus changes are announced directly, as the window system would.
        QWindow owner, popover, child, stranger;
        popover.setTransientParent(&owner);
        child.setTransientParent(&popover); // e.g. a dialog the pop-over opened
        for (QWindow* w : {&owner, &popover, &child, &stranger})
            w->show();
        const auto focus = [](QWindow* w) { Q_EMIT qGuiApp->focusWindowChanged(w); };

        ClickOutsideWatcher watcher;
        watcher.setWindow(&popover);
        QSignalSpy left(&watcher, &ClickOutsideWatcher::focusLeft);

        // Visible but never focused: focus moving between other windows is no leave.
        focus(&stranger);
        focus(&owner);
        focus(nullptr);
        QCOMPARE(left.count(), 0);

        focus(&popover);
        focus(&child); // its own dialog taking the focus keeps it open
        QCOMPARE(left.count(), 0);
        focus(&owner);
        QCOMPARE(left.count(), 1);
        focus(&stranger);
        QCOMPARE(left.count(), 1);

        // Another program taking the focus leaves no window of ours focused.
        focus(&popover);
        focus(nullptr);
        QCOMPARE(left.count(), 2);

        // Hidden while focused: the next change is no leave of a shown pop-over.
        focus(&popover);
        popover.hide();
        focus(&owner);
        QCOMPARE(left.count(), 2);

        // Disabled: nothing.
        popover.show();
        focus(&popover);
        watcher.setEnabled(false);
        focus(&owner);
        QCOMPARE(left.count(), 2);
    }

    void belongsToFollowsTheOwnerChain() {
        QWindow a, b, c, d;
        b.setTransientParent(&a);
        c.setTransientParent(&b);
        QVERIFY(ClickOutsideWatcher::belongsTo(&a, &a));
        QVERIFY(ClickOutsideWatcher::belongsTo(&c, &a));
        QVERIFY(!ClickOutsideWatcher::belongsTo(&a, &c));
        QVERIFY(!ClickOutsideWatcher::belongsTo(&d, &a));
        QVERIFY(!ClickOutsideWatcher::belongsTo(nullptr, &a));
    }
};

QTEST_MAIN(TestClickOutsideWatcher)
#include "tst_clickoutsidewatcher.moc"
