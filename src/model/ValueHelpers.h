#pragma once

#include "core/Farve.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

namespace tavlen {

class Clock;

// The Danish medium date in the clock's time zone: "6. dec. 2026", "1. maj 2027".
QString datoStreng(const QDateTime& dato, const Clock& clock);

// The full Danish date and time in the clock's time zone: "mandag 7. december 2026 kl. 08:12".
QString tidspunktStreng(const QDateTime& tid, const Clock& clock);

// When something happens, as a pupil says it: "i dag kl. 18:00", "i morgen kl. 16:00", or
// the full date and time.
QString naarStreng(const QDateTime& tid, const Clock& clock);

// Whole calendar days from now until the date, rounded toward zero; negative when past.
// A day across a daylight-saving change is 23 or 25 hours.
int dagetilbage(const QDateTime& dato, const Clock& clock);

} // namespace tavlen
