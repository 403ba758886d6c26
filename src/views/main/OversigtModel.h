#pragma once

#include "views/homework/LektieRaekkeListe.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// The overview page: the three counters, the open homework by day (overdue, today,
// tomorrow, later) and whether nothing is open. Regroups when the store changes and when
// time alone moves an item on (midnight, a deadline passing).
class OversigtModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int kommende READ kommende NOTIFY changed)
    Q_PROPERTY(int forfaldneAntal READ forfaldneAntal NOTIFY changed)
    Q_PROPERTY(int faerdige READ faerdige NOTIFY changed)
    Q_PROPERTY(bool tom READ tom NOTIFY changed)
    // The open homework in one list, sectioned by the role "gruppe": "forfaldne", "iDag",
    // "iMorgen", "senere", in that order.
    Q_PROPERTY(tavlen::LektieRaekkeListe* raekker READ raekker CONSTANT)
public:
    explicit OversigtModel(QObject* parent = nullptr);

    int kommende() const { return m_kommende; }
    int forfaldneAntal() const { return m_forfaldneAntal; }
    int faerdige() const { return m_faerdige; }
    bool tom() const { return m_tom; }
    LektieRaekkeListe* raekker() { return &m_raekker; }
    // When time alone next changes the groups.

    Q_INVOKABLE void opdater();

Q_SIGNALS:
    void changed();

private:
    LektieStore& m_store;
    LektieRaekkeListe m_raekker;
    int m_kommende = 0;
    int m_forfaldneAntal = 0;
    int m_faerdige = 0;
    bool m_tom = true;
};

} // namespace tavlen
