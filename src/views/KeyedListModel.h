#pragma once

#include <QAbstractListModel>
#include <QSet>
#include <QUuid>

#include <algorithm>

namespace tavlen {

// A list model whose rows follow a list of records by their id: rows that stay keep their
// delegates (and with them focus, hover and scroll position); only what changed is
// inserted, moved, removed or reported by dataChanged, never a reset.
template <typename Row> class KeyedListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

protected:
    virtual QUuid keyOf(const Row& row) const = 0;
    // The roles whose data differ between two versions of a row; empty when none do.
    virtual QList<int> changedRoles(const Row& before, const Row& after) const = 0;

    const QList<Row>& rows() const { return m_rows; }

    int rowOf(const QUuid& key) const {
        const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                        [&](const Row& r) { return keyOf(r) == key; });
        return found == m_rows.cend() ? -1 : int(found - m_rows.cbegin());
    }

    void sync(const QList<Row>& wanted) {
        QSet<QUuid> wantedKeys;
        wantedKeys.reserve(wanted.size());
        for (const Row& r : wanted)
            wantedKeys.insert(keyOf(r));
        for (int row = int(m_rows.size()) - 1; row >= 0; --row) {
            if (!wantedKeys.contains(keyOf(m_rows.at(row)))) {
                beginRemoveRows({}, row, row);
                m_rows.removeAt(row);
                endRemoveRows();
            }
        }
        for (int i = 0; i < wanted.size(); ++i) {
            const QUuid key = keyOf(wanted.at(i));
            // Mostly the row is already in its place; only then is the search skipped.
            const auto found = i < m_rows.size() && keyOf(m_rows.at(i)) == key
                                   ? m_rows.cbegin() + i
                                   : std::find_if(m_rows.cbegin() + i, m_rows.cend(),
                                                  [&](const Row& r) { return keyOf(r) == key; });
            if (found == m_rows.cend()) {
                beginInsertRows({}, i, i);
                m_rows.insert(i, wanted.at(i));
                endInsertRows();
                continue;
            }
            if (const int from = int(found - m_rows.cbegin()); from != i) {
                beginMoveRows({}, from, from, {}, i);
                m_rows.move(from, i);
                endMoveRows();
            }
            update(i, wanted.at(i));
        }
        // Left over only when one id came twice.
        if (m_rows.size() > wanted.size()) {
            beginRemoveRows({}, int(wanted.size()), int(m_rows.size()) - 1);
            m_rows.resize(wanted.size());
            endRemoveRows();
        }
    }

    void update(int row, const Row& after) {
        const QList<int> roles = changedRoles(m_rows.at(row), after);
        if (roles.isEmpty())
            return;
        m_rows[row] = after;
        Q_EMIT dataChanged(index(row), index(row), roles);
    }

private:
    QList<Row> m_rows;
};

} // namespace tavlen
