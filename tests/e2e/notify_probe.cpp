// Schedules one reminder a few seconds ahead through the desktop notification center
// and stays until it has fired. Calendar triggers have minute resolution, so the
// probe runs on a clock set a few seconds before the next minute boundary.
// Usage: tavlen_notify_probe <state dir> <title> <body> [seconds ahead]
#include "core/Clock.h"
#include "platform/DesktopNotificationCenter.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

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
    QTextStream out(stdout);
    if (args.size() < 4) {
        out << "usage: tavlen_notify_probe <state dir> <title> <body> [seconds ahead]\n";
        return 2;
    }
    const int ahead = args.size() > 4 ? std::clamp(args.at(4).toInt(), 1, 50) : 5;

    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QTime real = QDateTime::currentDateTimeUtc().toTimeZone(zone).time();
    const qint64 intoMinuteMs = real.second() * 1000 + real.msec();
    const OffsetClock clock((60 - ahead) * 1000 - intoMinuteMs);
    const QDateTime due = clock.now().addSecs(ahead).toTimeZone(zone);

    DesktopNotificationCenter center(clock, args.at(1));
    const NotificationRequest request{
        QStringLiteral("lektie-reminder-probe-0"), args.at(2), args.at(3), true,
        CalendarTrigger{due.date().year(), due.date().month(), due.date().day(), due.time().hour(),
                        due.time().minute(), false}};
    center.add(request, [&](const QString& error) {
        if (!error.isEmpty()) {
            out << "add failed: " << error << Qt::endl;
            app.exit(1);
            return;
        }
        out << "scheduled for " << due.toString(Qt::ISODate) << " on the probe's clock" << Qt::endl;
    });

    // Fired once it has left the pending list; then give the asynchronous Notify
    // call time to reach the server before quitting.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &center, [&] {
        center.pendingRequests([&](const QList<NotificationRequest>& pending) {
            if (!pending.isEmpty() || !poll.isActive())
                return;
            poll.stop();
            out << "fired" << Qt::endl;
            QTimer::singleShot(3000, &app, [&] { app.exit(0); });
        });
    });
    poll.start(200);
    QTimer::singleShot((ahead + 60) * 1000, &app, [&] {
        out << "never fired" << Qt::endl;
        app.exit(1);
    });
    return app.exec();
}
