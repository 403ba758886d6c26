#include "FletteRegler.h"

#include <QHash>
#include <QSet>

namespace tavlen::flet {

namespace {

template <typename T> void pick(T& out, const T& base, const T& ours, const T& theirs) {
    out = ours != base ? ours : theirs;
}

Lektie fields(const Lektie& base, const Lektie& ours, const Lektie& theirs) {
    Lektie out = ours;
    pick(out.fagId, base.fagId, ours.fagId, theirs.fagId);
    pick(out.titel, base.titel, ours.titel, theirs.titel);
    pick(out.beskrivelse, base.beskrivelse, ours.beskrivelse, theirs.beskrivelse);
    pick(out.links, base.links, ours.links, theirs.links);
    pick(out.deadline, base.deadline, ours.deadline, theirs.deadline);
    pick(out.erFaerdig, base.erFaerdig, ours.erFaerdig, theirs.erFaerdig);
    pick(out.oprettetDato, base.oprettetDato, ours.oprettetDato, theirs.oprettetDato);
    return out;
}

Fag fields(const Fag& base, const Fag& ours, const Fag& theirs) {
    Fag out = ours;
    pick(out.navn, base.navn, ours.navn, theirs.navn);
    pick(out.ikonNavn, base.ikonNavn, ours.ikonNavn, theirs.ikonNavn);
    pick(out.farveHex, base.farveHex, ours.farveHex, theirs.farveHex);
    return out;
}

bool same(const Lektie& a, const Lektie& b) {
    return a.fagId == b.fagId && a.titel == b.titel && a.beskrivelse == b.beskrivelse &&
           a.links == b.links && a.deadline == b.deadline && a.erFaerdig == b.erFaerdig &&
           a.oprettetDato == b.oprettetDato;
}

bool same(const Fag& a, const Fag& b) {
    return a == b;
}

// The first record with each id.
template <typename R> QHash<QUuid, const R*> byId(const QList<R>& list) {
    QHash<QUuid, const R*> out;
    out.reserve(list.size());
    for (const R& r : list) {
        if (!out.contains(r.id))
            out.insert(r.id, &r);
    }
    return out;
}

template <typename R>
QList<R> merge(const QList<R>& base, const QList<R>& ours, const QList<R>& theirs) {
    const auto baseById = byId(base);
    const auto oursById = byId(ours);
    const auto theirsById = byId(theirs);
    QList<R> out;
    out.reserve(std::max(ours.size(), theirs.size()));
    for (const R& t : theirs) {
        const R* o = oursById.value(t.id);
        const R* b = baseById.value(t.id);
        if (theirsById.value(t.id) != &t) // a second record with the same id
            out.append(t);
        else if (!o && !(b && same(*b, t))) // added there, or changed there
            out.append(t);
        else if (o && !b) // added on both sides under one id
            out.append(*o);
        else if (o)
            out.append(fields(*b, *o, t));
    }
    for (const R& o : ours) {
        if (theirsById.contains(o.id))
            continue;
        const R* b = baseById.value(o.id);
        if (!b || !same(*b, o)) // added here, or changed here
            out.append(o);
    }
    return out;
}

} // namespace

QList<Lektie> lektier(const QList<Lektie>& base, const QList<Lektie>& ours,
                      const QList<Lektie>& theirs) {
    return merge(base, ours, theirs);
}

QList<Fag> fag(const QList<Fag>& base, const QList<Fag>& ours, const QList<Fag>& theirs) {
    return merge(base, ours, theirs);
}

bool ens(const Lektie& a, const Lektie& b) {
    return a.id == b.id && same(a, b);
}

bool ens(const QList<Lektie>& a, const QList<Lektie>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const Lektie& x, const Lektie& y) { return x.id == y.id && same(x, y); });
}

} // namespace tavlen::flet
