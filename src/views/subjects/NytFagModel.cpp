#include "NytFagModel.h"

#include "model/FagRegler.h"
#include "model/LektieStore.h"
#include "views/AppContext.h"

namespace tavlen {

namespace {
QList<PaletteModel::Valg> ikonValg() {
    QList<PaletteModel::Valg> valg;
    for (const fagregler::IkonValg& ikon : fagregler::ikonPalette())
        valg.append({ikon.ikon, ikon.label});
    return valg;
}

// A colour cell is named by its hex value.
QList<PaletteModel::Valg> farveValg() {
    QList<PaletteModel::Valg> valg;
    for (const QString& farve : fagregler::farvePalette())
        valg.append({farve, farve});
    return valg;
}
} // namespace

NytFagModel::NytFagModel(QObject* parent)
    : QObject(parent), m_store(AppContext::instance()->store()),
      m_ikoner(ikonValg(), fagregler::standardIkon),
      m_farver(farveValg(), fagregler::standardFarve) {
    m_ikoner.setFarveHex(m_farver.valgt());
    connect(&m_ikoner, &PaletteModel::valgtChanged, this, &NytFagModel::valgtIkonChanged);
    connect(&m_farver, &PaletteModel::valgtChanged, this, [this] {
        m_ikoner.setFarveHex(m_farver.valgt());
        Q_EMIT valgtFarveChanged();
    });
}

void NytFagModel::setNavn(const QString& navn) {
    if (navn == m_navn)
        return;
    const bool fejlFoer = navnFejlVises();
    m_navn = navn;
    Q_EMIT navnChanged();
    if (navnFejlVises() != fejlFoer)
        Q_EMIT navnFejlVisesChanged();
}

bool NytFagModel::navnFejlVises() const {
    return fagregler::visNavnFejl(m_visFejl, m_navn);
}

void NytFagModel::setRedigerId(const QVariant& id) {
    const QUuid uuid = id.typeId() == QMetaType::QUuid ? id.toUuid() : QUuid(id.toString());
    const auto fag = m_store->fagMedId(uuid);
    if (uuid == m_redigerId || !fag)
        return;
    m_redigerId = uuid;
    setNavn(fag->navn);
    setValgtIkon(fag->ikonNavn);
    setValgtFarve(fag->farveHex);
    Q_EMIT redigerIdChanged();
}

bool NytFagModel::opret() {
    const std::optional<Fag> fag =
        erRedigering() ? fagregler::redigeretFag(m_redigerId, m_navn, valgtIkon(), valgtFarve())
                       : fagregler::nytFag(m_navn, valgtIkon(), valgtFarve());
    if (!fag) {
        // The form stays until closed, and with it the error once shown.
        if (!m_visFejl) {
            m_visFejl = true;
            Q_EMIT visFejlChanged();
            Q_EMIT navnFejlVisesChanged();
        }
        return false;
    }
    if (erRedigering())
        return m_store->erstatFag(*fag);
    if (m_gemIStore)
        m_store->tilfoejFag(*fag);
    Q_EMIT oprettet(*fag);
    return true;
}

} // namespace tavlen
