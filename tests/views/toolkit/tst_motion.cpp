#include "views/toolkit/Motion.h"

#include <QtTest>
#include <cmath>

using tavlen::Motion;

namespace {

struct Run {
    double overshoot = 0;
    double settledAfter = -1; // seconds until within 1 % for good
};

// Qt Quick's SpringAnimation stepping: 16 ms steps of
// velocity += spring * distance - damping * velocity; position += velocity * 0.016.
Run simulate(double response, double dampingFraction) {
    const double spring = Motion::springFor(response);
    const double damping = Motion::dampingFor(response, dampingFraction);
    double position = 0, velocity = 0;
    Run run;
    for (int step = 1; step <= 1000; ++step) {
        velocity += spring * (1 - position) - damping * velocity;
        position += velocity * 0.016;
        run.overshoot = std::max(run.overshoot, position - 1);
        if (std::abs(1 - position) > 0.01)
            run.settledAfter = -1;
        else if (run.settledAfter < 0)
            run.settledAfter = step * 0.016;
    }
    return run;
}

} // namespace

class TestMotion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void springsSettleLikeTheirResponse() {
        // The tick button: response 0.3 s, damping fraction 0.825, a small overshoot.
        const Run tick = simulate(0.3, 0.825);
        QVERIFY2(tick.settledAfter > 0.1 && tick.settledAfter < 0.6,
                 qPrintable(QString::number(tick.settledAfter)));
        QVERIFY2(tick.overshoot > 0 && tick.overshoot < 0.03,
                 qPrintable(QString::number(tick.overshoot)));
        QVERIFY(simulate(0.2, 0.825).settledAfter < tick.settledAfter);
        const Run critical = simulate(0.4, 1.0);
        QVERIFY2(critical.overshoot < 0.005, qPrintable(QString::number(critical.overshoot)));
        QVERIFY(critical.settledAfter > 0);
    }

    void degenerateParameters() {
        QVERIFY(std::isfinite(Motion::springFor(0)));
        QVERIFY(std::isfinite(Motion::dampingFor(0, 0.8)));
        QVERIFY(std::isfinite(simulate(0, 0.825).overshoot));
        QVERIFY(Motion::dampingFor(0.01, 5) <= 1.0);
        QCOMPARE(Motion::dampingFor(0.3, -1), 0.0);
        QCOMPARE(Motion::durationFor(-1), 0);
    }
};

QTEST_APPLESS_MAIN(TestMotion)
#include "tst_motion.moc"
