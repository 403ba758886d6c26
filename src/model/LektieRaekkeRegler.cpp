#include "LektieRaekkeRegler.h"

#include "KalenderRegler.h"
#include "ValueHelpers.h"
#include "core/Clock.h"

namespace tavlen::raekke {

namespace {

enum class Dag { IDag, IMorgen, Andet };

// Calendar days in the clock's zone, not 24-hour steps: a daylight-saving night is 23 or 25 hours.
Dag kalenderDag(const QDateTime& deadline, const Clock& clock) {
    const QTimeZone zone = clock.timeZone();
    const QDateTime nu = clock.now();
    if (kalender::sammeDag(deadline, nu, zone))
        return Dag::IDag;
    const QDate iMorgen = nu.toTimeZone(zone).date().addDays(1);
    if (kalender::sammeDag(deadline, kalender::dagensStart(iMorgen, zone), zone))
        return Dag::IMorgen;
    return Dag::Andet;
}

} // namespace

QString deadlineTekst(const Lektie& lektie, const Clock& clock) {
    if (!lektie.erFaerdig && lektie.deadline < clock.now())
        return QStringLiteral("Forfaldt ") + datoStreng(lektie.deadline, clock);
    switch (kalenderDag(lektie.deadline, clock)) {
    case Dag::IDag:
        return QStringLiteral("I dag");
    case Dag::IMorgen:
        return QStringLiteral("I morgen");
    case Dag::Andet:
        break;
    }
    // A done item from an earlier day gets no count either: never "Om 0 dage" or below.
    const int d = dagetilbage(lektie.deadline, clock);
    if (d < 1 || d > 7)
        return datoStreng(lektie.deadline, clock);
    return d == 1 ? QStringLiteral("Om 1 dag") : QStringLiteral("Om %1 dage").arg(d);
}

DeadlineFarve deadlineFarve(const Lektie& lektie, const Clock& clock) {
    if (lektie.erFaerdig)
        return DeadlineFarve::Sekundaer;
    if (lektie.deadline < clock.now())
        return DeadlineFarve::Roed;
    return kalenderDag(lektie.deadline, clock) == Dag::Andet ? DeadlineFarve::Sekundaer
                                                             : DeadlineFarve::Orange;
}

} // namespace tavlen::raekke
