// Schedules one reminder through the desktop notification center and runs until it is
// ended. Calendar triggers have minute resolution, so the probe runs on a clock set the
// given seconds before the next whole minute, and the reminder is due at that minute.
// Usage: tavlen_notify_probe <state dir> <title> <body> <seconds ahead>
#include "core/Clock.h"
#include "platform/DesktopNotificationCenter.h"

#include <QCoreApplication>

using namespace tavlen;

namespace {
class OffsetClock : public Clock {
public:
    explicit OffsetClock(qint64 offsetMs) : m_offsetMs(offsetMs) {}
    QDateTime now() const override { return QDateTime::currentDateTimeUtc().addMSecs(m_offsetMs); }
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }

private:
    qint64 m_offsetMs;
};
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const int ahead = std::clamp(args.at(4).toInt(), 1, 50);
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QTime real = QDateTime::currentDateTimeUtc().toTimeZone(zone).time();
    const OffsetClock clock((60 - ahead) * 1000 - (real.second() * 1000 + real.msec()));
    const QDateTime due = clock.now().addSecs(ahead).toTimeZone(zone);

    DesktopNotificationCenter center(clock, args.at(1));
    center.add({QStringLiteral("lektie-reminder-probe-0"), args.at(2), args.at(3), true,
                CalendarTrigger{due.date().year(), due.date().month(), due.date().day(),
                                due.time().hour(), due.time().minute(), false}},
               [&](const QString& error) {
                   if (!error.isEmpty())
                       qFatal("add failed: %s", qPrintable(error));
               });
    return app.exec();
}
