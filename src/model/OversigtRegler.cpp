#include "OversigtRegler.h"

#include "KalenderRegler.h"
#include "core/Clock.h"

#include <algorithm>

namespace tavlen::oversigt {

namespace {

// The start of a coming calendar day in the clock's zone; a daylight-saving night moves it off
// the 24-hour grid.
QDateTime dagStart(const Clock& clock, int dageFrem) {
    const QDate idag = clock.now().toTimeZone(clock.timeZone()).date();
    return kalender::dagensStart(idag.addDays(dageFrem), clock.timeZone());
}

} // namespace

Grupper grupper(const QList<Lektie>& forfaldne, const QList<Lektie>& kommende,
                const QList<Lektie>& alle, const Clock& clock) {
    Grupper g;
    g.forfaldne = forfaldne;
    const QDateTime iMorgen = dagStart(clock, 1);
    const QDateTime overmorgen = dagStart(clock, 2);
    for (const Lektie& l : kommende) {
        if (l.deadline < iMorgen)
            g.iDag.append(l);
        else if (l.deadline < overmorgen)
            g.iMorgen.append(l);
        else
            g.senere.append(l);
    }
    g.kommende = int(g.iDag.size() + g.iMorgen.size() + g.senere.size());
    g.faerdige =
        int(std::count_if(alle.cbegin(), alle.cend(), [](const Lektie& l) { return l.erFaerdig; }));
    g.tom = g.forfaldne.isEmpty() && g.kommende == 0;
    return g;
}

QDateTime naesteOmgruppering(const QList<Lektie>& kommende, const Clock& clock) {
    const QDateTime nu = clock.now();
    QDateTime naeste = dagStart(clock, 1);
    // A deadline equal to now is skipped: that item is still due, not yet overdue.
    for (const Lektie& l : kommende) {
        if (!l.erFaerdig && l.deadline > nu && l.deadline < naeste)
            naeste = l.deadline;
    }
    return naeste.toUTC();
}

} // namespace tavlen::oversigt
