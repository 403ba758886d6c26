#pragma once

#include "Records.h"

// Joining the stored lists when the file changed outside since Tavlen last read it:
// a three-way merge per record id against the version last read. A record added
// or changed on one side only keeps that side's version; a record deleted on one
// side and untouched on the other stays deleted; a record changed on both sides
// keeps each side's changed fields, ours where both changed the same field (and a
// change outlives a delete). The order is the outside order, with our new records
// at the end.
namespace tavlen::flet {

QList<Lektie> lektier(const QList<Lektie>& base, const QList<Lektie>& ours,
                      const QList<Lektie>& theirs);
QList<Fag> fag(const QList<Fag>& base, const QList<Fag>& ours, const QList<Fag>& theirs);

// The same records with the same fields, in the same order.
bool ens(const Lektie& a, const Lektie& b);
bool ens(const QList<Lektie>& a, const QList<Lektie>& b);
inline bool ens(const QList<Fag>& a, const QList<Fag>& b) {
    return a == b;
}

} // namespace tavlen::flet
