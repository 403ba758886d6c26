#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

class LektieStore;
struct NotificationServer;

// The settings' reminder check: whether a notification server shows reminders, whether
// they can carry "Markér som færdig", when the next one comes, and a test reminder.
class PaamindelserModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString serverTekst READ serverTekst NOTIFY serverChanged)
    Q_PROPERTY(QString handlingerTekst READ handlingerTekst NOTIFY serverChanged)
    Q_PROPERTY(QString naesteTekst READ naesteTekst NOTIFY naesteChanged)
    Q_PROPERTY(QString proeveTekst READ proeveTekst NOTIFY proeveChanged) // after a test
public:
    explicit PaamindelserModel(QObject* parent = nullptr);

    QString serverTekst() const { return m_serverTekst; }
    QString handlingerTekst() const { return m_handlingerTekst; }
    QString naesteTekst() const { return m_naesteTekst; }
    QString proeveTekst() const { return m_proeveTekst; }

    Q_INVOKABLE void sendProeve();

Q_SIGNALS:
    void serverChanged();
    void naesteChanged();
    void proeveChanged();

private:
    void spoergServer();
    void visServer(const NotificationServer& server);
    void opdaterNaeste();

    LektieStore& m_store;
    QString m_serverTekst = QStringLiteral("Ser efter en notifikationsserver …");
    QString m_handlingerTekst;
    QString m_naesteTekst;
    QString m_proeveTekst;
};

} // namespace tavlen
