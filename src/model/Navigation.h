#pragma once

#include "Records.h"

#include <QList>
#include <QUuid>

#include <optional>

namespace tavlen {

// The sidebar's selection: the overview, or the page of one subject.
struct Navigation {
    enum class Slags { Oversigt, Fag };
    Slags slags = Slags::Oversigt;
    QUuid fagId; // only for Fag
    static Navigation oversigt();
    static Navigation fag(const QUuid& id);
    friend bool operator==(const Navigation&, const Navigation&); // fagId compared only for Fag
};
size_t qHash(const Navigation& n, size_t seed = 0); // discriminator 0/1, plus fagId for Fag

// The subject whose page the selection shows: none for the overview, and none when the
// subject no longer exists (the page then falls back to the overview; the selection stays).
std::optional<Fag> sideFag(const Navigation& valgt, const QList<Fag>& fag);

} // namespace tavlen
