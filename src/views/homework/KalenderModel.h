#pragma once

#include "model/KalenderRegler.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// The month shown by the date picker and its day cells. Follows the chosen date: when it
// changes, from a click or from outside, the month of the new date is shown.
class KalenderModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QDateTime valgtDato READ valgtDato WRITE setValgtDato NOTIFY valgtDatoChanged)
    Q_PROPERTY(int visAar READ visAar NOTIFY maanedChanged)
    Q_PROPERTY(int visMaaned READ visMaaned NOTIFY maanedChanged)
    Q_PROPERTY(QString titel READ titel NOTIFY maanedChanged)
    Q_PROPERTY(QStringList dagNavne READ dagNavne CONSTANT)
public:
    enum Role {
        DagRole = Qt::UserRole + 1,
        ErDenneMaanedRole,
        ErWeekendRole,
        ErValgtRole,
        ErIDagRole,
        KanVaelgesRole, // a day of the shown month whose date could be formed
        TekstFarveRole, // kalender::TekstFarve
        NavnRole,       // the full date for screen readers: "mandag 7. december 2026"
    };
    Q_ENUM(Role)

    explicit KalenderModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QDateTime valgtDato() const { return m_valgtDato; }
    void setValgtDato(const QDateTime& dato);
    int visAar() const { return m_aar; }
    int visMaaned() const { return m_maaned; }
    QString titel() const { return kalender::titel(m_aar, m_maaned); }
    QStringList dagNavne() const { return kalender::dagNavne(); }

    Q_INVOKABLE void skiftMaaned(int k);
    // A click on a cell: only days of the shown month; the chosen date is 00:00 of that day.
    Q_INVOKABLE void vaelg(int row);
    // The keyboard's arrows: the chosen day moved inside the shown month.
    Q_INVOKABLE void flyt(int dage);
    // kalender::BaggrundsFarve of a cell, hover being the view's own.
    Q_INVOKABLE int baggrund(bool erValgt, bool hover, bool erDenneMaaned) const {
        return int(kalender::baggrundsFarve(erValgt, hover, erDenneMaaned));
    }

Q_SIGNALS:
    void valgtDatoChanged();
    void maanedChanged();
    // The pupil chose a day; the owner of the date takes it.
    void datoValgt(const QDateTime& dato);

private:
    QTimeZone zone() const;
    bool erValgt(const kalender::DagCelleModel& celle) const;
    bool erIDag(const kalender::DagCelleModel& celle) const;
    void visMaanedFor(const QDateTime& dato);
    void beregn();

    QDateTime m_valgtDato;
    int m_aar = 2026;
    int m_maaned = 1;
    QList<kalender::DagCelleModel> m_celler;
};

} // namespace tavlen
