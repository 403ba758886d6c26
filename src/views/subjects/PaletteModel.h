#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// One palette of the new-subject form (icons or colours) with its one chosen entry. A cell
// picks itself by writing true to its `valgt` role.
class PaletteModel : public QAbstractListModel {
    Q_OBJECT
    QML_ANONYMOUS
public:
    enum Role { KeyRole = Qt::UserRole + 1, LabelRole, ValgtRole, FarveHexRole };

    struct Valg {
        QString key;
        QString label;
    };

    PaletteModel(QList<Valg> valg, QString valgt, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString valgt() const { return m_valgt; }
    void setValgt(const QString& key);
    // The colour the cells are drawn in; without one, each entry's key is its colour.
    void setFarveHex(const QString& farveHex);

Q_SIGNALS:
    void valgtChanged();

private:
    QList<Valg> m_valg;
    QString m_valgt;
    QString m_farveHex;
};

} // namespace tavlen
