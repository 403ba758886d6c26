#include "HovedVindueModel.h"

#include "model/LektieStore.h"
#include "views/AppContext.h"

namespace tavlen {

HovedVindueModel::HovedVindueModel(QObject* parent)
    : QObject(parent), m_store(*AppContext::instance()->store()) {
    connect(&m_store, &LektieStore::fagChanged, this, &HovedVindueModel::opdaterSide);
    connect(AppContext::instance(), &AppContext::fagSideOensket, this, &HovedVindueModel::vaelgFag);
    connect(AppContext::instance(), &AppContext::oversigtOensket, this,
            &HovedVindueModel::vaelgOversigt);
}

QString HovedVindueModel::valgtFagId() const {
    return m_valgt.slags == Navigation::Slags::Fag ? uuidTekst(m_valgt.fagId) : QString();
}

void HovedVindueModel::vaelgOversigt() {
    vaelg(Navigation::oversigt());
}

void HovedVindueModel::vaelgFag(const QString& fagId) {
    vaelg(Navigation::fag(QUuid::fromString(fagId)));
}

void HovedVindueModel::vaelg(const Navigation& valgt) {
    if (valgt == m_valgt)
        return;
    m_valgt = valgt;
    Q_EMIT valgtChanged();
    opdaterSide();
}

void HovedVindueModel::opdaterSide() {
    const std::optional<Fag> fag = sideFag(m_valgt, m_store.fag());
    const QString side = fag ? uuidTekst(fag->id) : QString();
    const QString titel = fag ? fag->navn : QStringLiteral("Oversigt");
    if (side == m_sideFagId && titel == m_sideTitel)
        return;
    m_sideFagId = side;
    m_sideTitel = titel;
    Q_EMIT sideChanged();
}

} // namespace tavlen
