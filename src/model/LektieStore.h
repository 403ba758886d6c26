#pragma once

#include "Records.h"

#include <QObject>
#include <QSet>
#include <optional>

namespace tavlen {

class Clock;
class LektieNotificationManager;
class PreferencesFile;
class PreferencesSuites;
class WidgetReloader;

namespace Keys {
inline const QString lektier = QStringLiteral("lektier_v4");
inline const QString fag = QStringLiteral("fag_v4");
inline const QString harSetupFaerdig = QStringLiteral("harSetupFaerdig_v4");
inline const QString legacyLektier = QStringLiteral("lektier_v3");
inline const QString legacyFag = QStringLiteral("fag_v2");
} // namespace Keys

// Copies the keys an older version kept in the standard preferences into the
// shared suite, where they are missing. Runs at every start.
namespace LektieSharedStore {
void migrateIfNeeded(PreferencesSuites& suites);
}

// The one owner of the pupil's subjects and homework. Every change of a list is
// saved at once, the widget is told to reload and the reminders are rebuilt.
class LektieStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<tavlen::Lektie> lektier READ lektier NOTIFY lektierChanged)
    Q_PROPERTY(QList<tavlen::Fag> fag READ fag WRITE setFag NOTIFY fagChanged)
    Q_PROPERTY(bool harSetupFaerdig READ harSetupFaerdig WRITE setHarSetupFaerdig NOTIFY
                   harSetupFaerdigChanged)
    Q_PROPERTY(bool sidsteGemningFejlede READ sidsteGemningFejlede NOTIFY gemmeStatusChanged)
    Q_PROPERTY(QString gemFejlLinje READ gemFejlLinje NOTIFY gemmeStatusChanged)
public:
    struct Services {
        PreferencesSuites& suites;
        WidgetReloader& widgets;
        LektieNotificationManager& notifications;
        const Clock& clock;
        QString recoveryDir; // where unreadable stored lists are copied before being replaced
    };

    // Loads everything (migration, legacy paths) and starts the first refresh.
    explicit LektieStore(Services services, QObject* parent = nullptr);
    ~LektieStore() override;

    const QList<Lektie>& lektier() const { return m_lektier; }
    const QList<Fag>& fag() const { return m_fag; }
    bool harSetupFaerdig() const { return m_harSetupFaerdig; }

    // Whether the last write of the pupil's data was refused; the change itself is
    // kept in memory and written with the next save that succeeds.
    bool sidsteGemningFejlede() const { return !m_gemFejlMappe.isEmpty(); }
    QString gemFejlLinje() const; // the one line the screens show, empty while all is saved

    // Direct assignments (the onboarding uses the last two); the change rules apply.
    // A homework list with an item that has no valid dates is refused (false): it
    // could never be saved, nor anything added after it.
    bool setLektier(const QList<Lektie>& lektier);
    void setFag(const QList<Fag>& fag);
    void setHarSetupFaerdig(bool faerdig);

    Q_INVOKABLE bool tilfoej(const tavlen::Lektie& lektie); // false: refused, see setLektier
    Q_INVOKABLE void slet(const QUuid& id);
    Q_INVOKABLE void toggleFaerdig(const QUuid& id);
    Q_INVOKABLE void tilfoejFag(const tavlen::Fag& fag);
    Q_INVOKABLE void sletFag(const QUuid& id);
    Q_INVOKABLE void nulstilApp();
    Q_INVOKABLE void gemFag();
    Q_INVOKABLE void opdaterNotifikationer();

    std::optional<Fag> fagMedId(const QUuid& id) const;
    QList<Lektie> lektierForFag(const QUuid& fagId) const;
    QList<Lektie> kommendeLektier() const;
    QList<Lektie> forfaldneLektier() const;

    const Clock& clock() const { return m_services.clock; }

Q_SIGNALS:
    void willChange(); // before any observable member changes
    void lektierChanged();
    void fagChanged();
    void harSetupFaerdigChanged();
    void gemmeStatusChanged();

private:
    void indlaesLektier();
    void indlaesFag();
    void gemLektier();
    void lektierAssigned();
    void fagAssigned();
    void save(const QString& key, const QByteArray& bytes);
    void noteWrite(const QString& key, bool ok, const PreferencesFile& file);
    void setGemFejlMappe(const QString& folder);
    void writeSetupFlag();
    bool eraseStoredKeys();
    std::optional<QByteArray> unreadableBytesToKeep(PreferencesFile& suite, const QString& key);
    bool writeRecoveryFile(const QString& key, const QByteArray& bytes) const;
    QString timeStamp() const;
    static QString checkKey(const PreferencesFile& suite, const QString& key);

    Services m_services;
    QList<Lektie> m_lektier;
    QList<Fag> m_fag;
    bool m_harSetupFaerdig = false;
    bool m_erVedAtNulstille = false;
    // Suite file and key pairs whose stored list was readable (or secured) this run.
    QSet<QString> m_checkedBeforeOverwrite;
    QString m_gemFejlMappe;  // folder of the file whose last write failed; empty when saved
    QSet<QString> m_unsaved; // keys whose last write failed
    bool m_retrying = false;
};

} // namespace tavlen
