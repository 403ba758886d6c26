#pragma once

#include "Records.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

namespace tavlen {
class LektieStore;
}

// The rules of the tray panel.
namespace tavlen::menubar {

// The pop-over the panel shows: a homework item's detail, the new-homework form or the
// subject settings. Two presentations are the same exactly when their identifier texts are.
class AktivMenuPraesentation {
public:
    enum class Type { Lektie, NyLektie, FagIndstillinger, RedigerLektie };

    static AktivMenuPraesentation lektie(const QUuid& id) { return {Type::Lektie, id}; }
    static AktivMenuPraesentation redigerLektie(const QUuid& id) {
        return {Type::RedigerLektie, id};
    }
    static AktivMenuPraesentation nyLektie() { return {Type::NyLektie, {}}; }
    static AktivMenuPraesentation fagIndstillinger() { return {Type::FagIndstillinger, {}}; }

    Type type() const { return m_type; }
    QUuid lektieId() const { return m_lektieId; } // null unless a homework item's
    // "lektie-<UPPER-CASE UUID>", "rediger-<UPPER-CASE UUID>", "ny-lektie" or
    // "fag-indstillinger".
    QString id() const;

    friend bool operator==(const AktivMenuPraesentation& a, const AktivMenuPraesentation& b) {
        return a.id() == b.id();
    }

private:
    AktivMenuPraesentation(Type type, const QUuid& id) : m_type(type), m_lektieId(id) {}

    Type m_type;
    QUuid m_lektieId;
};

// Asking for the presentation already shown closes it; any other replaces what is shown.
std::optional<AktivMenuPraesentation> skift(const std::optional<AktivMenuPraesentation>& aktiv,
                                            const AktivMenuPraesentation& p);

inline constexpr int kommendeGraense = 8;

// What the panel lists: every overdue item, and the first few upcoming ones.
struct MenuLister {
    QList<Lektie> forfaldne;
    QList<Lektie> kommende;
    // Upcoming items beyond the panel's are not counted.
    int aktiveAntal() const { return int(forfaldne.size() + kommende.size()); }
};
MenuLister menuLister(const LektieStore& store);

// A description or a link with anything in it, spaces included (the detail may still show
// no link for a link of spaces).
bool harDetaljer(const Lektie& lektie);

// What a screen reader says for a row: "<titel>, <fag>, <deadline>", without the subject
// when it is gone.
QString raekkeNavn(const Lektie& lektie, const std::optional<Fag>& fag,
                   const QString& deadlineTekst);

} // namespace tavlen::menubar
