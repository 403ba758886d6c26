#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Animation parameters in the screens' terms, converted for Qt Quick's animations.
// Only the visual transition is animated; the state it follows changes at once.
//   Behavior on scale { SpringAnimation { spring: Motion.spring(0.3)
//                                         damping: Motion.damping(0.3, 0.825) } }
//   Behavior on opacity { NumberAnimation { duration: Motion.duration(0.2) } }
class Motion : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int defaultDuration READ defaultDuration CONSTANT)
public:
    explicit Motion(QObject* parent = nullptr) : QObject(parent) {}

    // SpringAnimation advances in 16 ms steps (velocity += spring * distance - damping *
    // velocity), so a spring of period `response` seconds and damping fraction f (mass 1)
    // is spring = (2π / response)² · 0.016 and damping = 4π f / response · 0.016.
    static double springFor(double responseSeconds);
    static double dampingFor(double responseSeconds, double dampingFraction);
    static int durationFor(double seconds);

    Q_INVOKABLE double spring(double responseSeconds) const { return springFor(responseSeconds); }
    Q_INVOKABLE double damping(double responseSeconds, double dampingFraction) const {
        return dampingFor(responseSeconds, dampingFraction);
    }
    Q_INVOKABLE int duration(double seconds) const { return durationFor(seconds); }
    int defaultDuration() const { return 350; }
};

} // namespace tavlen
