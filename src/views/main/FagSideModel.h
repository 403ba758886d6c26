#pragma once

#include "views/homework/LektieRaekkeListe.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// A subject's page: its name, icon and colour, the count line, its open and its done
// homework (each earliest deadline first).
class FagSideModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString fagId READ fagId WRITE setFagId NOTIFY fagIdChanged)
    Q_PROPERTY(QString navn READ navn NOTIFY changed)
    Q_PROPERTY(QString ikonNavn READ ikonNavn NOTIFY changed)
    Q_PROPERTY(QString farveHex READ farveHex NOTIFY changed)
    Q_PROPERTY(QString taellerLinje READ taellerLinje NOTIFY changed)
    Q_PROPERTY(QString tomTekst READ tomTekst NOTIFY changed)
    Q_PROPERTY(tavlen::LektieRaekkeListe* aktive READ aktive CONSTANT)
    Q_PROPERTY(tavlen::LektieRaekkeListe* faerdige READ faerdige CONSTANT)
public:
    explicit FagSideModel(QObject* parent = nullptr);

    QString fagId() const { return uuidTekst(m_fag.id); }
    void setFagId(const QString& id);
    QString navn() const { return m_fag.navn; }
    QString ikonNavn() const { return m_fag.ikonNavn; }
    QString farveHex() const { return m_fag.farveHex; }
    QString taellerLinje() const; // "2 aktive lektier · 1 færdige"
    QString tomTekst() const { return QStringLiteral("Ingen lektier i ") + m_fag.navn; }
    LektieRaekkeListe* aktive() { return &m_aktive; }
    LektieRaekkeListe* faerdige() { return &m_faerdige; }

    Q_INVOKABLE void opdater();

Q_SIGNALS:
    void fagIdChanged();
    void changed();

private:
    LektieStore& m_store;
    Fag m_fag;
    LektieRaekkeListe m_aktive;
    LektieRaekkeListe m_faerdige;
};

} // namespace tavlen
