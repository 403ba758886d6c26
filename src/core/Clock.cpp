#include "Clock.h"

namespace tavlen {

namespace {
class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
};
} // namespace

const Clock& Clock::system() {
    static const SystemClock clock;
    return clock;
}

} // namespace tavlen
