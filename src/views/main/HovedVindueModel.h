#pragma once

#include "model/Navigation.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// The main content's selection and the page it shows: the overview, or a subject's page
// while that subject exists. A deleted subject's page falls back to the overview while the
// selection stays, so no sidebar row is highlighted until the pupil picks another.
class HovedVindueModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool oversigtValgt READ oversigtValgt NOTIFY valgtChanged)
    Q_PROPERTY(QString valgtFagId READ valgtFagId NOTIFY valgtChanged)
    Q_PROPERTY(QString sideFagId READ sideFagId NOTIFY sideChanged) // empty: the overview
    Q_PROPERTY(QString sideTitel READ sideTitel NOTIFY sideChanged)
public:
    explicit HovedVindueModel(QObject* parent = nullptr);

    bool oversigtValgt() const { return m_valgt == Navigation::oversigt(); }
    QString valgtFagId() const;
    QString sideFagId() const { return m_sideFagId; }
    QString sideTitel() const { return m_sideTitel; } // "Oversigt" or the subject's name

    Q_INVOKABLE void vaelgOversigt();
    Q_INVOKABLE void vaelgFag(const QString& fagId);

Q_SIGNALS:
    void valgtChanged();
    void sideChanged();

private:
    void vaelg(const Navigation& valgt);
    void opdaterSide();

    LektieStore& m_store;
    Navigation m_valgt = Navigation::oversigt();
    QString m_sideFagId;
    QString m_sideTitel = QStringLiteral("Oversigt");
};

} // namespace tavlen
