#include "PaletteModel.h"

namespace tavlen {

PaletteModel::PaletteModel(QList<Valg> valg, QString valgt, QObject* parent)
    : QAbstractListModel(parent), m_valg(std::move(valg)), m_valgt(std::move(valgt)) {}

int PaletteModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_valg.size());
}

QVariant PaletteModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Valg& v = m_valg.at(index.row());
    switch (role) {
    case KeyRole:
        return v.key;
    case Qt::DisplayRole:
    case LabelRole:
        return v.label;
    case ValgtRole:
        return v.key == m_valgt;
    case FarveHexRole:
        return m_farveHex.isEmpty() ? v.key : m_farveHex;
    default:
        return {};
    }
}

bool PaletteModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != ValgtRole || !value.toBool() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setValgt(m_valg.at(index.row()).key);
    return true;
}

Qt::ItemFlags PaletteModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsEditable : flags;
}

QHash<int, QByteArray> PaletteModel::roleNames() const {
    return {
        {KeyRole, "key"}, {LabelRole, "label"}, {ValgtRole, "valgt"}, {FarveHexRole, "farveHex"}};
}

void PaletteModel::setValgt(const QString& key) {
    if (key == m_valgt)
        return;
    const QString foer = std::exchange(m_valgt, key);
    for (int row = 0; row < m_valg.size(); ++row) {
        if (m_valg.at(row).key == foer || m_valg.at(row).key == key)
            Q_EMIT dataChanged(index(row), index(row), {ValgtRole});
    }
    Q_EMIT valgtChanged();
}

void PaletteModel::setFarveHex(const QString& farveHex) {
    if (farveHex == m_farveHex)
        return;
    m_farveHex = farveHex;
    if (!m_valg.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_valg.size()) - 1), {FarveHexRole});
}

} // namespace tavlen
