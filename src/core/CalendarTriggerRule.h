#pragma once

#include "NotificationCenter.h"

#include <QDateTime>
#include <QTimeZone>
#include <optional>

namespace tavlen {

// A wall-clock reading (date and time as a clock on the wall shows them), kept as a
// QDateTime pinned to UTC, so readings compare and step without any zone rules.
using WallTime = QDateTime;

WallTime wallTime(const QDate& date, const QTime& time);
WallTime wallTimeAt(const QDateTime& moment, const QTimeZone& zone);

// The moment a wall time names in `zone`. A reading that occurs twice (autumn
// overlap) names its first occurrence; one that never occurs (spring gap) names the
// first valid moment after it.
QDateTime momentOf(const WallTime& wall, const QTimeZone& zone);

// The first whole-minute wall time strictly after `after` whose date and time match
// every component the trigger sets. None when the components can never match.
std::optional<WallTime> nextMatch(const CalendarTrigger& trigger, const WallTime& after);

// The first moment strictly after `after` at which the trigger fires in `zone`.
std::optional<QDateTime> nextFireMoment(const CalendarTrigger& trigger, const QTimeZone& zone,
                                        const QDateTime& after);

} // namespace tavlen
