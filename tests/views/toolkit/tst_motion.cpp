#include "support/TestMain.h"
#include "views/toolkit/Motion.h"

#include <QtTest>
#include <cmath>

using tavlen::Motion;

namespace {

// Overshoot and seconds until within 1 % for good, stepping as Qt Quick's SpringAnimation
// does: 16 ms steps of velocity += spring * distance - damping * velocity.
std::pair<double, double> simulate(double response, double dampingFraction) {
    const double spring = Motion::springFor(response);
    const double damping = Motion::dampingFor(response, dampingFraction);
    double position = 0, velocity = 0, overshoot = 0, settled = -1;
    for (int step = 1; step <= 1000; ++step) {
        velocity += spring * (1 - position) - damping * velocity;
        position += velocity * 0.016;
        overshoot = std::max(overshoot, position - 1);
        if (std::abs(1 - position) > 0.01)
            settled = -1;
        else if (settled < 0)
            settled = step * 0.016;
    }
    return {overshoot, settled};
}

} // namespace

class TestMotion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void springsSettleLikeTheirResponse() {
        // The tick button: response 0.3 s, damping fraction 0.825, a small overshoot.
        const auto [overshoot, settled] = simulate(0.3, 0.825);
        QVERIFY2(settled > 0.1, qPrintable(QString::number(settled)));
        QVERIFY2(settled < 0.6, qPrintable(QString::number(settled)));
        QVERIFY2(overshoot > 0, qPrintable(QString::number(overshoot)));
        QVERIFY2(overshoot < 0.03, qPrintable(QString::number(overshoot)));
        QVERIFY(simulate(0.4, 1.0).first < 0.005); // critically damped
        QVERIFY(std::isfinite(simulate(0, 0.825).first));
    }
};

TAVLEN_TEST(TestMotion)
#include "tst_motion.moc"
