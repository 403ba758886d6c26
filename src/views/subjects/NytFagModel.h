#pragma once

#include "PaletteModel.h"

#include "model/Records.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// The new-subject form: a name, an icon and a colour from the palettes; a fresh one for
// every opening of the form. The first-run flow keeps what is made until it finishes, so
// there the subject only goes out through oprettet().
class NytFagModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString navn READ navn WRITE setNavn NOTIFY navnChanged)
    Q_PROPERTY(QString valgtIkon READ valgtIkon WRITE setValgtIkon NOTIFY valgtIkonChanged)
    Q_PROPERTY(QString valgtFarve READ valgtFarve WRITE setValgtFarve NOTIFY valgtFarveChanged)
    Q_PROPERTY(bool visFejl READ visFejl NOTIFY visFejlChanged)
    Q_PROPERTY(bool navnFejlVises READ navnFejlVises NOTIFY navnFejlVisesChanged)
    Q_PROPERTY(tavlen::PaletteModel* ikoner READ ikoner CONSTANT)
    Q_PROPERTY(tavlen::PaletteModel* farver READ farver CONSTANT)
    Q_PROPERTY(bool gemIStore MEMBER m_gemIStore NOTIFY gemIStoreChanged)
    // The subject to edit instead of making a new one: its name, icon and colour fill the
    // form, and saving keeps its id.
    Q_PROPERTY(QVariant redigerId READ redigerId WRITE setRedigerId NOTIFY redigerIdChanged)
    Q_PROPERTY(bool erRedigering READ erRedigering NOTIFY redigerIdChanged)
public:
    explicit NytFagModel(QObject* parent = nullptr);

    QString navn() const { return m_navn; }
    void setNavn(const QString& navn);
    QString valgtIkon() const { return m_ikoner.valgt(); }
    void setValgtIkon(const QString& ikon) { m_ikoner.setValgt(ikon); }
    QString valgtFarve() const { return m_farver.valgt(); }
    void setValgtFarve(const QString& farve) { m_farver.setValgt(farve); }
    bool visFejl() const { return m_visFejl; }
    QVariant redigerId() const { return m_redigerId.isNull() ? QVariant() : QVariant(m_redigerId); }
    void setRedigerId(const QVariant& id);
    bool erRedigering() const { return !m_redigerId.isNull(); }
    bool navnFejlVises() const;
    // The icon cells are drawn in the chosen colour; the colour cells each in their own.
    PaletteModel* ikoner() { return &m_ikoner; }
    PaletteModel* farver() { return &m_farver; }

    // Makes the subject (and adds it to the store unless told not to), or saves the edited
    // one in its place; false, with the name error shown, when the name is empty.
    Q_INVOKABLE bool opret();

Q_SIGNALS:
    void navnChanged();
    void valgtIkonChanged();
    void valgtFarveChanged();
    void visFejlChanged();
    void navnFejlVisesChanged();
    void gemIStoreChanged();
    void redigerIdChanged();
    void oprettet(const tavlen::Fag& fag);

private:
    LektieStore* m_store;
    PaletteModel m_ikoner;
    PaletteModel m_farver;
    QString m_navn;
    bool m_visFejl = false;
    bool m_gemIStore = true;
    QUuid m_redigerId;
};

} // namespace tavlen
