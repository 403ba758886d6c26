#include "ValueHelpers.h"

#include "core/Clock.h"

#include <QLocale>

#include <array>

namespace tavlen {

QString datoStreng(const QDateTime& dato, const Clock& clock) {
    // The abbreviated month names of the Danish locale ("jan.", "maj", "dec."),
    // looked up once.
    static const std::array<QString, 12> months = [] {
        const QLocale danish(QLocale::Danish, QLocale::Denmark);
        std::array<QString, 12> names;
        for (int m = 1; m <= 12; ++m)
            names[size_t(m - 1)] = danish.monthName(m, QLocale::ShortFormat);
        return names;
    }();
    const QDate day = dato.toTimeZone(clock.timeZone()).date();
    if (!day.isValid())
        return {};
    return QString::number(day.day()) + QLatin1String(". ") + months[size_t(day.month() - 1)] +
           QLatin1Char(' ') + QString::number(day.year());
}

QString tidspunktStreng(const QDateTime& tid, const Clock& clock) {
    static const QLocale danish(QLocale::Danish, QLocale::Denmark);
    const QDateTime lokal = tid.toTimeZone(clock.timeZone());
    if (!lokal.isValid())
        return {};
    return danish.dayName(lokal.date().dayOfWeek()) + QLatin1Char(' ') +
           QString::number(lokal.date().day()) + QLatin1String(". ") +
           danish.monthName(lokal.date().month()) + QLatin1Char(' ') +
           QString::number(lokal.date().year()) + QLatin1String(" kl. ") +
           lokal.time().toString(QStringLiteral("HH:mm"));
}

QString naarStreng(const QDateTime& tid, const Clock& clock) {
    const QDateTime lokal = tid.toTimeZone(clock.timeZone());
    const qint64 dage = clock.now().toTimeZone(clock.timeZone()).date().daysTo(lokal.date());
    const QString klokken = QLatin1String(" kl. ") + lokal.time().toString(QStringLiteral("HH:mm"));
    if (dage == 0)
        return QLatin1String("i dag") + klokken;
    if (dage == 1)
        return QLatin1String("i morgen") + klokken;
    return tidspunktStreng(tid, clock);
}

int dagetilbage(const QDateTime& dato, const Clock& clock) {
    if (!dato.isValid())
        return 0;
    const QDateTime from = clock.now().toTimeZone(clock.timeZone());
    const QDateTime to = dato.toTimeZone(clock.timeZone());
    // Calendar days keep the wall-clock time, so a day across a DST change is 23 or 25 hours.
    qint64 days = from.date().daysTo(to.date());
    if (days > 0 && from.addDays(days) > to)
        --days;
    else if (days < 0 && from.addDays(days) < to)
        ++days;
    return int(days);
}

} // namespace tavlen
