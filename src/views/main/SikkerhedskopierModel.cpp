#include "SikkerhedskopierModel.h"

#include "core/PreferencesFile.h"
#include "model/LektieStore.h"
#include "model/RecordJson.h"
#include "model/ValueHelpers.h"
#include "views/AppContext.h"

namespace tavlen {

SikkerhedskopierModel::SikkerhedskopierModel(QObject* parent)
    : QAbstractListModel(parent), m_store(AppContext::instance()->store()) {
    connect(m_store, &LektieStore::sikkerhedskopierChanged, this, &SikkerhedskopierModel::opdater);
    opdater();
}

int SikkerhedskopierModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : antal();
}

QVariant SikkerhedskopierModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Kopi& kopi = m_kopier.at(index.row());
    return role == TekstRole ? kopi.tekst : role == IndholdRole ? kopi.indhold : QVariant();
}

QHash<int, QByteArray> SikkerhedskopierModel::roleNames() const {
    return {{TekstRole, "tekst"}, {IndholdRole, "indhold"}};
}

QString SikkerhedskopierModel::valgtTekst() const {
    return m_valgt >= 0 && m_valgt < antal() ? m_kopier.at(m_valgt).tekst : QString();
}

void SikkerhedskopierModel::vaelg(int row) {
    m_valgt = row;
    Q_EMIT valgtChanged();
}

bool SikkerhedskopierModel::gendanValgt() {
    if (m_valgt < 0 || m_valgt >= antal())
        return false;
    return m_store->gendan(m_kopier.at(m_valgt).sti);
}

void SikkerhedskopierModel::opdater() {
    beginResetModel();
    m_kopier.clear();
    for (const BackupFolder::Kopi& kopi : m_store->sikkerhedskopier()) {
        const PreferencesFile fil(kopi.sti);
        const auto fag = json::decodeFagRecordByRecord(fil.data(Keys::fag).value_or("[]"));
        const auto lektier =
            json::decodeLektierRecordByRecord(fil.data(Keys::lektier).value_or("[]"));
        const qsizetype n = lektier.list.size();
        m_kopier.append(
            {kopi.sti, tidspunktStreng(kopi.tid, m_store->clock()),
             QStringLiteral("%1 fag, %2")
                 .arg(fag.list.size())
                 .arg(n == 1 ? QStringLiteral("1 lektie") : QStringLiteral("%1 lektier").arg(n))});
    }
    m_valgt = -1;
    endResetModel();
    Q_EMIT antalChanged();
    Q_EMIT valgtChanged();
}

} // namespace tavlen
