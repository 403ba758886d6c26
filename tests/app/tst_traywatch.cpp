#include "app/TrayWatch.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tavlen;

class TestTrayWatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
};

TAVLEN_TEST(TestTrayWatch)
#include "tst_traywatch.moc"
