#pragma once

#include <QObject>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;

// The undo bar's state: it shows after each change the pupil makes (and after taking it
// back), for `varighed`, and longer while `holdt` (the pointer or the keyboard is in it).
class FortrydModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool vises READ vises NOTIFY changed)
    Q_PROPERTY(QString linje READ linje NOTIFY changed)
    Q_PROPERTY(QString knapTekst READ knapTekst NOTIFY changed)
    Q_PROPERTY(int varighed READ varighed WRITE setVarighed NOTIFY varighedChanged)
    Q_PROPERTY(bool holdt MEMBER m_holdt NOTIFY holdtChanged)
public:
    explicit FortrydModel(QObject* parent = nullptr);

    bool vises() const { return m_vises; }
    QString linje() const;     // what happened, "Fortrudt: …" once taken back
    QString knapTekst() const; // "Fortryd", or "Gentag" once taken back
    int varighed() const { return m_tid.interval(); }
    void setVarighed(int ms);

    Q_INVOKABLE void vis();
    Q_INVOKABLE void tryk(); // the bar's button

Q_SIGNALS:
    void changed();
    void varighedChanged();
    void holdtChanged();

private:
    void udloebet();

    LektieStore* m_store;
    QTimer m_tid;
    bool m_vises = false;
    bool m_holdt = false;
};

} // namespace tavlen
