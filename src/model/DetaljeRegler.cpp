#include "DetaljeRegler.h"

#include "ValueHelpers.h"
#include "core/Clock.h"

namespace tavlen::detalje {

QString deadlineTekst(const QDateTime& deadline, const Clock& clock) {
    // Calendar dates in the zone, not 24-hour steps: a daylight-saving night is 23 or 25 hours.
    const QDate idag = clock.now().toTimeZone(clock.timeZone()).date();
    const QDate dag = deadline.toTimeZone(clock.timeZone()).date();
    if (dag == idag)
        return QStringLiteral("I dag");
    if (dag == idag.addDays(1))
        return QStringLiteral("I morgen");
    return datoStreng(deadline, clock);
}

bool erForfaldt(const Lektie& lektie, const Clock& clock) {
    return lektie.deadline < clock.now();
}

bool visBeskrivelse(const QString& beskrivelse) {
    return !beskrivelse.trimmed().isEmpty();
}

} // namespace tavlen::detalje
