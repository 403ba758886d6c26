#include "MenuBarRegler.h"

#include "LektieStore.h"

#include <algorithm>

namespace tavlen::menubar {

QString AktivMenuPraesentation::id() const {
    switch (m_type) {
    case Type::Lektie:
        return QStringLiteral("lektie-") + uuidTekst(m_lektieId);
    case Type::RedigerLektie:
        return QStringLiteral("rediger-") + uuidTekst(m_lektieId);
    case Type::NyLektie:
        return QStringLiteral("ny-lektie");
    case Type::FagIndstillinger:
        return QStringLiteral("fag-indstillinger");
    }
    return {};
}

std::optional<AktivMenuPraesentation> skift(const std::optional<AktivMenuPraesentation>& aktiv,
                                            const AktivMenuPraesentation& p) {
    if (aktiv && *aktiv == p)
        return std::nullopt;
    return p;
}

MenuLister menuLister(const LektieStore& store) {
    return {store.forfaldneLektier(), store.kommendeLektier().mid(0, kommendeGraense)};
}

bool harDetaljer(const Lektie& lektie) {
    return !lektie.beskrivelse.isEmpty() ||
           std::any_of(lektie.links.cbegin(), lektie.links.cend(),
                       [](const QString& link) { return !link.isEmpty(); });
}

QString raekkeNavn(const Lektie& lektie, const std::optional<Fag>& fag,
                   const QString& deadlineTekst) {
    QStringList dele{lektie.titel};
    if (fag)
        dele << fag->navn;
    dele << deadlineTekst;
    return dele.join(QStringLiteral(", "));
}

} // namespace tavlen::menubar
