#include "Navigation.h"

#include <QHashFunctions>

#include <algorithm>

namespace tavlen {

Navigation Navigation::oversigt() {
    return {};
}

Navigation Navigation::fag(const QUuid& id) {
    return {Slags::Fag, id};
}

bool operator==(const Navigation& a, const Navigation& b) {
    // A stray id on the overview must not split it into several selections.
    if (a.slags != b.slags)
        return false;
    return a.slags == Navigation::Slags::Oversigt || a.fagId == b.fagId;
}

size_t qHash(const Navigation& n, size_t seed) {
    if (n.slags == Navigation::Slags::Oversigt)
        return qHashMulti(seed, 0);
    return qHashMulti(seed, 1, n.fagId);
}

std::optional<Fag> sideFag(const Navigation& valgt, const QList<Fag>& fag) {
    if (valgt.slags != Navigation::Slags::Fag)
        return std::nullopt;
    const auto it =
        std::find_if(fag.cbegin(), fag.cend(), [&](const Fag& f) { return f.id == valgt.fagId; });
    if (it == fag.cend())
        return std::nullopt;
    return *it;
}

} // namespace tavlen
