#pragma once

#include "model/Records.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QUuid>

#include <optional>

namespace tavlen {

class Clock;

// The rules of the new-homework form.
namespace nylektie {

struct HurtigValg {
    QString label;
    QDateTime dato;
};

// "I morgen", "Om 3 dage" and "Om en uge": whole 24-hour steps from now, in that order.
QList<HurtigValg> hurtigValg(const QDateTime& now);

// A quick pick counts as chosen when it falls on the deadline's calendar day in the zone.
bool erValgt(const QDateTime& valgDato, const QDateTime& deadline, const QTimeZone& zone);

// Links as saved: spaces and tabs (not line breaks) cut from both ends, then empty ones
// dropped; order kept.
QStringList rensLinks(const QStringList& links);

// The title error shows while a save was refused and the title has no characters at all.
bool visTitelFejl(bool visFejl, const QString& titel);

enum class Udfald { Gemt, TomTitel, UkendtFag };

// Checks the form and, when it passes, fills `lektie` with the new homework (title and
// description as typed, links cleaned, created now). A refused form leaves `lektie` alone.
Udfald byg(const QList<Fag>& fag, const QUuid& valgtFagId, const QString& titel,
           const QString& beskrivelse, const QStringList& links, const QDateTime& deadline,
           const Clock& clock, Lektie* lektie);

// The same checks for an edit of `lektie`: when it passes, `lektie` keeps its id, its
// creation date and its done flag and takes the rest from the form, links cleaned.
Udfald rediger(const QList<Fag>& fag, const QUuid& valgtFagId, const QString& titel,
               const QString& beskrivelse, const QStringList& links, const QDateTime& deadline,
               const Clock& clock, Lektie* lektie);

// The subject chosen when the form opens: the preset one, else the first, else a fresh id
// that matches nothing.
QUuid startFag(const std::optional<QUuid>& standardFagId, const QList<Fag>& fag);

} // namespace nylektie
} // namespace tavlen
