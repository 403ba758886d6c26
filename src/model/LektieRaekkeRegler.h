#pragma once

#include "Records.h"

#include <QString>

namespace tavlen {
class Clock;
}

// The rules of a homework row in the main window's lists.
namespace tavlen::raekke {

enum class DeadlineFarve { Sekundaer, Roed, Orange }; // secondary text, "EF4444", "F59E0B"

// "Forfaldt <dato>" for an open item past its deadline, else "I dag", "I morgen",
// "Om 2 dage" up to a week ahead, and the date text beyond that or for a done item's past day.
QString deadlineTekst(const Lektie& lektie, const Clock& clock);

// Done items stay quiet; overdue is red, today and tomorrow orange.
DeadlineFarve deadlineFarve(const Lektie& lektie, const Clock& clock);

} // namespace tavlen::raekke
