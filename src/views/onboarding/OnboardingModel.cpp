#include "OnboardingModel.h"

#include "model/OnboardingRegler.h"
#include "views/AppContext.h"

namespace tavlen {

OnboardingModel::OnboardingModel(QObject* parent)
    : QObject(parent), m_valgte(onboarding::vaelgAlle()) {
    syncFliser();
}

QVariant OnboardingFliseListe::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const OnboardingFlise& f = rows().at(index.row());
    switch (role) {
    case IdRole:
        return uuidTekst(f.fag.id);
    case Qt::DisplayRole:
    case NavnRole:
        return f.fag.navn;
    case IkonNavnRole:
        return f.fag.ikonNavn;
    case FarveHexRole:
        return f.fag.farveHex;
    case ErValgtRole:
        return f.erValgt;
    default:
        return {};
    }
}

QHash<int, QByteArray> OnboardingFliseListe::roleNames() const {
    return {{IdRole, "id"},
            {NavnRole, "navn"},
            {IkonNavnRole, "ikonNavn"},
            {FarveHexRole, "farveHex"},
            {ErValgtRole, "erValgt"}};
}

QList<int> OnboardingFliseListe::changedRoles(const OnboardingFlise& f,
                                              const OnboardingFlise& ny) const {
    // A tile keeps its subject for its whole life; only the tick changes.
    return f.erValgt != ny.erValgt ? QList<int>{ErValgtRole} : QList<int>{};
}

int OnboardingModel::antalTrin() const {
    return onboarding::antalTrin;
}

QString OnboardingModel::taellerTekst() const {
    return onboarding::taellerTekst(m_valgte, m_customFag);
}

bool OnboardingModel::kanFortsaette() const {
    return onboarding::kanFortsaette(m_valgte, m_customFag);
}

void OnboardingModel::naeste() {
    if (m_trin >= onboarding::antalTrin - 1)
        return;
    ++m_trin;
    Q_EMIT trinChanged();
}

void OnboardingModel::skiftValg(const QString& fagId) {
    m_valgte = onboarding::skiftValg(m_valgte, QUuid::fromString(fagId));
    syncFliser();
}

void OnboardingModel::vaelgAlle() {
    m_valgte = onboarding::vaelgAlle();
    syncFliser();
}

void OnboardingModel::fravaelgAlle() {
    m_valgte = onboarding::fravaelgAlle();
    syncFliser();
}

void OnboardingModel::tilfoejEgetFag(const Fag& fag) {
    m_customFag.append(fag);
    syncFliser();
}

void OnboardingModel::fjernEgetFag(const QString& fagId) {
    m_customFag = onboarding::fjernEgetFag(m_customFag, QUuid::fromString(fagId));
    syncFliser();
}

void OnboardingModel::afslut() {
    onboarding::afslut(*AppContext::instance()->store(), m_valgte, m_customFag);
}

void OnboardingModel::syncFliser() {
    QList<OnboardingFlise> standard;
    for (const Fag& fag : Fag::standard())
        standard.append({fag, m_valgte.contains(fag.id)});
    m_standardFliser.vis(standard);
    QList<OnboardingFlise> egne;
    for (const Fag& fag : std::as_const(m_customFag))
        egne.append({fag, true});
    m_egneFliser.vis(egne);
    Q_EMIT valgChanged();
}

} // namespace tavlen
