#include "FortrydRegler.h"

#include "FletteRegler.h"

#include <QHash>
#include <algorithm>

namespace tavlen::fortryd {

namespace {

using flet::ens;

bool ens(const Fag& a, const Fag& b) {
    return a == b;
}

template <typename R> QHash<QUuid, qsizetype> pladser(const QList<R>& list) {
    QHash<QUuid, qsizetype> out;
    out.reserve(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!out.contains(list[i].id))
            out.insert(list[i].id, i);
    }
    return out;
}

template <typename R> QList<Post<R>> forskelAf(const QList<R>& foer, const QList<R>& efter) {
    const auto foerPladser = pladser(foer);
    const auto efterPladser = pladser(efter);
    QList<Post<R>> out;
    for (qsizetype i = 0; i < foer.size(); ++i) {
        const qsizetype e = efterPladser.value(foer[i].id, -1);
        if (foerPladser.value(foer[i].id) != i)
            continue; // a second record with the same id is not told apart
        if (e < 0)
            out.append({foer[i].id, foer[i], i, std::nullopt, -1});
        else if (!ens(foer[i], efter[e]))
            out.append({foer[i].id, foer[i], i, efter[e], e});
    }
    for (qsizetype e = 0; e < efter.size(); ++e) {
        if (!foerPladser.contains(efter[e].id) && efterPladser.value(efter[e].id) == e)
            out.append({efter[e].id, std::nullopt, -1, efter[e], e});
    }
    return out;
}

template <typename R>
bool somEfterladt(const QList<R>& nu, const QList<Post<R>>& poster, Retning retning) {
    const auto nuPladser = pladser(nu);
    for (const Post<R>& post : poster) {
        const std::optional<R>& forventet = retning == Retning::Fortryd ? post.efter : post.foer;
        const qsizetype i = nuPladser.value(post.id, -1);
        if (forventet.has_value() != (i >= 0))
            return false;
        if (forventet && !ens(*forventet, nu[i]))
            return false;
    }
    return true;
}

template <typename R>
std::optional<QList<R>> anvendPaa(const QList<R>& nu, const QList<Post<R>>& poster,
                                  Retning retning) {
    if (!somEfterladt(nu, poster, retning))
        return std::nullopt;
    const bool tilbage = retning == Retning::Fortryd;
    QList<R> out = nu;
    QList<std::pair<qsizetype, R>> indsaet;
    for (const Post<R>& post : poster) {
        const std::optional<R>& maal = tilbage ? post.foer : post.efter;
        const qsizetype plads = tilbage ? post.foerPlads : post.efterPlads;
        const auto it =
            std::find_if(out.begin(), out.end(), [&](const R& r) { return r.id == post.id; });
        if (it != out.end())
            out.erase(it);
        if (maal)
            indsaet.append({plads, *maal});
    }
    // In rising order, each lands where it stood, as long as nothing else moved.
    std::sort(indsaet.begin(), indsaet.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [plads, r] : indsaet)
        out.insert(std::clamp<qsizetype>(plads, 0, out.size()), r);
    return out;
}

} // namespace

QList<Post<Lektie>> forskel(const QList<Lektie>& foer, const QList<Lektie>& efter) {
    return forskelAf(foer, efter);
}

QList<Post<Fag>> forskel(const QList<Fag>& foer, const QList<Fag>& efter) {
    return forskelAf(foer, efter);
}

std::optional<QList<Lektie>> anvend(const QList<Lektie>& nu, const QList<Post<Lektie>>& poster,
                                    Retning retning) {
    return anvendPaa(nu, poster, retning);
}

std::optional<QList<Fag>> anvend(const QList<Fag>& nu, const QList<Post<Fag>>& poster,
                                 Retning retning) {
    return anvendPaa(nu, poster, retning);
}

bool staarTilbage(const Aendring& aendring, const QList<Lektie>& lektier, const QList<Fag>& fag,
                  Retning retning) {
    return somEfterladt(lektier, aendring.lektier, retning) &&
           somEfterladt(fag, aendring.fag, retning);
}

} // namespace tavlen::fortryd
