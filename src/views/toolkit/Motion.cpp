#include "Motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavlen {

namespace {
constexpr double kStep = 0.016;
constexpr double kMinResponse = 0.01; // a zero response would be an infinitely stiff spring
} // namespace

double Motion::springFor(double responseSeconds) {
    const double r = std::max(responseSeconds, kMinResponse);
    const double omega = 2 * std::numbers::pi / r;
    return omega * omega * kStep;
}

double Motion::dampingFor(double responseSeconds, double dampingFraction) {
    const double r = std::max(responseSeconds, kMinResponse);
    const double damping = 4 * std::numbers::pi * std::max(dampingFraction, 0.0) / r * kStep;
    // Above 1 the stepped integration overshoots in the other direction instead of settling.
    return std::min(damping, 1.0);
}

int Motion::durationFor(double seconds) {
    return std::max(0, int(std::lround(seconds * 1000)));
}

} // namespace tavlen
