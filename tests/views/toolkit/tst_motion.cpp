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
Run simulate(double spring, double damping) {
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
    void springOfTheTickButtonSettlesLikeItsResponse() {
        // Response 0.3 s, damping fraction 0.825: a short spring with a small overshoot.
        const Run run = simulate(Motion::springFor(0.3), Motion::dampingFor(0.3, 0.825));
        QVERIFY2(run.settledAfter > 0.1 && run.settledAfter < 0.6,
                 qPrintable(QString::number(run.settledAfter)));
        QVERIFY2(run.overshoot > 0 && run.overshoot < 0.03,
                 qPrintable(QString::number(run.overshoot)));
    }

    void shorterResponseIsFaster() {
        const Run quick = simulate(Motion::springFor(0.2), Motion::dampingFor(0.2, 0.825));
        const Run slow = simulate(Motion::springFor(0.3), Motion::dampingFor(0.3, 0.825));
        QVERIFY(quick.settledAfter < slow.settledAfter);
    }

    void criticalDampingDoesNotOvershoot() {
        const Run run = simulate(Motion::springFor(0.4), Motion::dampingFor(0.4, 1.0));
        QVERIFY2(run.overshoot < 0.005, qPrintable(QString::number(run.overshoot)));
        QVERIFY(run.settledAfter > 0);
    }

    void degenerateParametersStayFinite() {
        QVERIFY(std::isfinite(Motion::springFor(0)));
        QVERIFY(std::isfinite(Motion::dampingFor(0, 0.8)));
        QVERIFY(Motion::dampingFor(0.01, 5) <= 1.0);
        QCOMPARE(Motion::dampingFor(0.3, -1), 0.0);
        const Run run = simulate(Motion::springFor(0), Motion::dampingFor(0, 0.825));
        QVERIFY(std::isfinite(run.overshoot));
    }

    void durations() {
        QCOMPARE(Motion::durationFor(0.2), 200);
        QCOMPARE(Motion::durationFor(0.35), 350);
        QCOMPARE(Motion::durationFor(-1), 0);
    }
};

QTEST_APPLESS_MAIN(TestMotion)
#include "tst_motion.moc"
