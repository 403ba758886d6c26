#include "Records.h"

#include "core/Clock.h"

#include <QHashFunctions>

namespace tavlen {

Fag Fag::ny(const QString& navn, const QString& ikonNavn, const QString& farveHex, QUuid id) {
    return Fag{id, navn, ikonNavn, farveHex};
}

size_t qHash(const Fag& fag, size_t seed) noexcept {
    return qHashMulti(seed, fag.id, fag.navn, fag.ikonNavn, fag.farveHex);
}

Lektie Lektie::ny(QUuid fagId, const QString& titel, const QString& beskrivelse,
                  const QStringList& links, const QDateTime& deadline, const Clock& clock) {
    Lektie lektie;
    lektie.id = QUuid::createUuid();
    lektie.fagId = fagId;
    lektie.titel = titel;
    lektie.beskrivelse = beskrivelse;
    lektie.links = links;
    lektie.deadline = deadline.toUTC();
    lektie.erFaerdig = false;
    lektie.oprettetDato = clock.now();
    return lektie;
}

} // namespace tavlen
