#pragma once

#include "Records.h"

#include <optional>

// Taking a pupil's last change back, and doing it again: the records a change touched,
// each as it was before and after, with its place in its list. Undoing puts every such
// record back as it was, where it was; redoing does the change again. Either is refused
// when a record it would touch is no longer as the change left it (another program
// changed it in the meantime), so nobody else's work is undone.
namespace tavlen::fortryd {

template <typename R> struct Post {
    QUuid id;
    std::optional<R> foer; // none: the change added it
    qsizetype foerPlads = -1;
    std::optional<R> efter; // none: the change deleted it
    qsizetype efterPlads = -1;
};

struct Aendring {
    QList<Post<Lektie>> lektier;
    QList<Post<Fag>> fag;
    bool isEmpty() const { return lektier.isEmpty() && fag.isEmpty(); }
};

// What turned `foer` into `efter`, record by record.
QList<Post<Lektie>> forskel(const QList<Lektie>& foer, const QList<Lektie>& efter);
QList<Post<Fag>> forskel(const QList<Fag>& foer, const QList<Fag>& efter);

enum class Retning { Fortryd, Gentag };

// The list with the change taken back (or done again); nullopt when a record it touches
// is not as the change (or its undoing) left it.
std::optional<QList<Lektie>> anvend(const QList<Lektie>& nu, const QList<Post<Lektie>>& poster,
                                    Retning retning);
std::optional<QList<Fag>> anvend(const QList<Fag>& nu, const QList<Post<Fag>>& poster,
                                 Retning retning);

// Whether the records a change touched are still as it left them in these lists.
bool staarTilbage(const Aendring& aendring, const QList<Lektie>& lektier, const QList<Fag>& fag,
                  Retning retning);

} // namespace tavlen::fortryd
