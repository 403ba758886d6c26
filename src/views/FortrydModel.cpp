#include "FortrydModel.h"

#include "AppContext.h"

namespace tavlen {

FortrydModel::FortrydModel(QObject* parent)
    : QObject(parent), m_store(AppContext::instance()->store()) {
    m_tid.setSingleShot(true);
    m_tid.setInterval(8000);
    connect(&m_tid, &QTimer::timeout, this, &FortrydModel::udloebet);
    connect(m_store, &LektieStore::fortrydChanged, this, &FortrydModel::vis);
}

QString FortrydModel::linje() const {
    return m_store->kanGentage() ? QStringLiteral("Fortrudt: ") + m_store->aendringTekst()
                                 : m_store->aendringTekst();
}

QString FortrydModel::knapTekst() const {
    return m_store->kanGentage() ? QStringLiteral("Gentag") : QStringLiteral("Fortryd");
}

void FortrydModel::setVarighed(int ms) {
    if (ms == m_tid.interval())
        return;
    m_tid.setInterval(ms);
    Q_EMIT varighedChanged();
}

void FortrydModel::vis() {
    m_vises = !m_store->aendringTekst().isEmpty();
    m_tid.start();
    Q_EMIT changed();
}

void FortrydModel::tryk() {
    if (m_store->kanGentage())
        m_store->gentag();
    else
        m_store->fortryd();
}

void FortrydModel::udloebet() {
    if (m_holdt) {
        m_tid.start();
        return;
    }
    m_vises = false;
    Q_EMIT changed();
}

} // namespace tavlen
