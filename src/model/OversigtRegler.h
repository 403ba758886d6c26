#pragma once

#include "Records.h"

#include <QDateTime>
#include <QList>

namespace tavlen {
class Clock;
}

// The rules of the overview page.
namespace tavlen::oversigt {

struct Grupper {
    QList<Lektie> forfaldne; // open, deadline before now, earliest first
    QList<Lektie> iDag;      // open, deadline at/after now and on today's calendar day
    QList<Lektie> iMorgen;   // open, deadline on tomorrow's calendar day
    QList<Lektie> senere;    // open, deadline on any later day
    int kommende = 0;        // iDag + iMorgen + senere
    int faerdige = 0;        // every done item, whatever its deadline
    bool tom = true;         // nothing open at all (done items do not count)
};

// `forfaldne` and `kommende` as the store gives them (filtered and sorted); `alle` is the whole
// homework list, for counting the done items. The upcoming groups keep the order of `kommende`.
Grupper grupper(const QList<Lektie>& forfaldne, const QList<Lektie>& kommende,
                const QList<Lektie>& alle, const Clock& clock);

// When the grouping next changes by time alone: the next midnight in the clock's zone or
// the earliest open deadline strictly after now, whichever comes first (UTC).
QDateTime naesteOmgruppering(const QList<Lektie>& kommende, const Clock& clock);

} // namespace tavlen::oversigt
