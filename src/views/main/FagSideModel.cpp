#include "FagSideModel.h"

#include "model/LektieStore.h"
#include "model/OversigtRegler.h"
#include "views/AppContext.h"

namespace tavlen {

FagSideModel::FagSideModel(QObject* parent)
    : QObject(parent), m_store(*AppContext::instance()->store()), m_aktive(m_store),
      m_faerdige(m_store) {
    connect(&m_store, &LektieStore::lektierChanged, this, &FagSideModel::opdater);
    connect(&m_store, &LektieStore::fagChanged, this, &FagSideModel::opdater);
    connect(&AppContext::instance()->tid(), &TidsVagt::vaagnet, this, &FagSideModel::opdater);
}

void FagSideModel::setFagId(const QString& id) {
    const QUuid uuid = QUuid::fromString(id);
    if (uuid == m_fag.id)
        return;
    m_fag.id = uuid;
    Q_EMIT fagIdChanged();
    opdater();
}

QString FagSideModel::taellerLinje() const {
    return QStringLiteral("%1 aktive lektier \u00B7 %2 færdige")
        .arg(m_aktive.antal())
        .arg(m_faerdige.antal());
}

void FagSideModel::opdater() {
    const Clock& clock = AppContext::instance()->clock();
    // A subject deleted meanwhile keeps its last name; the window shows another page then.
    if (const std::optional<Fag> fag = m_store.fagMedId(m_fag.id))
        m_fag = *fag;
    QList<Lektie> aktive;
    QList<Lektie> faerdige;
    for (const Lektie& l : m_store.lektierForFag(m_fag.id))
        (l.erFaerdig ? faerdige : aktive).append(l);
    const QList<Fag> fag = m_store.fag();
    m_aktive.vis(aktive, fag, clock);
    m_faerdige.vis(faerdige, fag, clock);
    Q_EMIT changed();
}

} // namespace tavlen
