#include "app/TrayWatch.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTest>

using namespace tavlen;

namespace {
const TrayWatch::Timing fast{100, 10, 30};
}

class TestTrayWatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void trayThereAtStartNeedsNoWatching() {
        TrayWatch watch([] { return true; }, fast);
        QSignalSpy expired(&watch, &TrayWatch::graceExpired);
        QSignalSpy appeared(&watch, &TrayWatch::appeared);
        watch.start();
        QCOMPARE(watch.isLooking(), false);
        QTest::qWait(150);
        QCOMPARE(expired.count(), 0);
        QCOMPARE(appeared.count(), 0);
    }

    void trayWithinTheGracePeriodIsTakenWithoutFallingBack() {
        bool tray = false;
        TrayWatch watch([&] { return tray; }, fast);
        QSignalSpy expired(&watch, &TrayWatch::graceExpired);
        QSignalSpy appeared(&watch, &TrayWatch::appeared);
        watch.start();
        QTest::qWait(40);
        tray = true;
        QTRY_COMPARE(appeared.count(), 1);
        QTest::qWait(150);
        QCOMPARE(expired.count(), 0);
        QCOMPARE(appeared.count(), 1);
        QCOMPARE(watch.isLooking(), false);
    }

    void lateTrayIsStillFoundAfterTheFallBack() {
        bool tray = false;
        TrayWatch watch([&] { return tray; }, fast);
        QSignalSpy expired(&watch, &TrayWatch::graceExpired);
        QSignalSpy appeared(&watch, &TrayWatch::appeared);
        watch.start();
        QTRY_COMPARE(expired.count(), 1);
        QTest::qWait(100);
        QCOMPARE(expired.count(), 1); // once
        QCOMPARE(appeared.count(), 0);
        tray = true;
        QTRY_COMPARE(appeared.count(), 1);
        QCOMPARE(watch.isLooking(), false);
    }
};

TAVLEN_TEST(TestTrayWatch)
#include "tst_traywatch.moc"
