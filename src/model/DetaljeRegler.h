#pragma once

#include "Records.h"

#include <QDateTime>
#include <QString>

namespace tavlen {
class Clock;
}

// The rules of the homework detail.
namespace tavlen::detalje {

// "I dag" or "I morgen" when the deadline falls on today's or tomorrow's calendar day in the
// clock's zone, else its date text ("9. dec. 2026"), past days included.
QString deadlineTekst(const QDateTime& deadline, const Clock& clock);

// The deadline lies before now. Done or not makes no difference: the detail still shows a
// done item as overdue.
bool erForfaldt(const Lektie& lektie, const Clock& clock);

// The description gets its section unless it is blank; it is then shown as stored.
bool visBeskrivelse(const QString& beskrivelse);

} // namespace tavlen::detalje
