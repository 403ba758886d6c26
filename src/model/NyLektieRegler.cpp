#include "NyLektieRegler.h"

#include "core/Clock.h"

#include <algorithm>

namespace tavlen::nylektie {

namespace {

// Line breaks stay: a link the pupil split over lines is kept as typed.
bool erMellemrum(QChar c) {
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QString trimMellemrum(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && erMellemrum(text.at(start)))
        ++start;
    while (end > start && erMellemrum(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

} // namespace

QList<HurtigValg> hurtigValg(const QDateTime& now) {
    constexpr qint64 dag = 86400;
    return {
        {QStringLiteral("I morgen"), now.addSecs(dag)},
        {QStringLiteral("Om 3 dage"), now.addSecs(3 * dag)},
        {QStringLiteral("Om en uge"), now.addSecs(7 * dag)},
    };
}

bool erValgt(const QDateTime& valgDato, const QDateTime& deadline, const QTimeZone& zone) {
    // Two invalid moments would otherwise share the null date.
    if (!valgDato.isValid() || !deadline.isValid())
        return false;
    return valgDato.toTimeZone(zone).date() == deadline.toTimeZone(zone).date();
}

QStringList rensLinks(const QStringList& links) {
    QStringList renset;
    for (const QString& link : links) {
        QString t = trimMellemrum(link);
        if (!t.isEmpty())
            renset << std::move(t);
    }
    return renset;
}

bool visTitelFejl(bool visFejl, const QString& titel) {
    return visFejl && titel.isEmpty();
}

Udfald byg(const QList<Fag>& fag, const QUuid& valgtFagId, const QString& titel,
           const QString& beskrivelse, const QStringList& links, const QDateTime& deadline,
           const Clock& clock, Lektie* lektie) {
    if (titel.isEmpty())
        return Udfald::TomTitel;
    if (std::none_of(fag.cbegin(), fag.cend(), [&](const Fag& f) { return f.id == valgtFagId; }))
        return Udfald::UkendtFag;
    if (lektie)
        *lektie = Lektie::ny(valgtFagId, titel, beskrivelse, rensLinks(links), deadline, clock);
    return Udfald::Gemt;
}

Udfald rediger(const QList<Fag>& fag, const QUuid& valgtFagId, const QString& titel,
               const QString& beskrivelse, const QStringList& links, const QDateTime& deadline,
               const Clock& clock, Lektie* lektie) {
    Lektie ny;
    const Udfald udfald = byg(fag, valgtFagId, titel, beskrivelse, links, deadline, clock, &ny);
    if (udfald == Udfald::Gemt) {
        ny.id = lektie->id;
        ny.oprettetDato = lektie->oprettetDato;
        ny.erFaerdig = lektie->erFaerdig;
        *lektie = ny;
    }
    return udfald;
}

QUuid startFag(const std::optional<QUuid>& standardFagId, const QList<Fag>& fag) {
    if (standardFagId)
        return *standardFagId;
    if (!fag.isEmpty())
        return fag.first().id;
    return QUuid::createUuid();
}

} // namespace tavlen::nylektie
