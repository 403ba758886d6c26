#pragma once

#include "FortrydRegler.h"
#include "Records.h"
#include "core/BackupFolder.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

namespace tavlen {

class Clock;
class LektieNotificationManager;
class RecoveryFolder;
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
// Changes other programs make to the file are loaded within seconds, and a save
// after such a change merges per record, so neither side's work is lost.
class LektieStore : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<tavlen::Lektie> lektier READ lektier NOTIFY lektierChanged)
    Q_PROPERTY(QList<tavlen::Fag> fag READ fag WRITE setFag NOTIFY fagChanged)
    Q_PROPERTY(bool harSetupFaerdig READ harSetupFaerdig WRITE setHarSetupFaerdig NOTIFY
                   harSetupFaerdigChanged)
    Q_PROPERTY(bool sidsteGemningFejlede READ sidsteGemningFejlede NOTIFY gemmeStatusChanged)
    Q_PROPERTY(QString gemFejlLinje READ gemFejlLinje NOTIFY gemmeStatusChanged)
    Q_PROPERTY(QString laesFejlLinje READ laesFejlLinje NOTIFY laesFejlChanged)
    Q_PROPERTY(QString laesFejlMappe READ laesFejlMappe NOTIFY laesFejlChanged)
    Q_PROPERTY(QString aendringTekst READ aendringTekst NOTIFY fortrydChanged)
    Q_PROPERTY(bool kanFortryde READ kanFortryde NOTIFY fortrydChanged)
    Q_PROPERTY(bool kanGentage READ kanGentage NOTIFY fortrydChanged)
    Q_PROPERTY(bool harSikkerhedskopi READ harSikkerhedskopi NOTIFY sikkerhedskopierChanged)
public:
    struct Services {
        PreferencesSuites& suites;
        WidgetReloader& widgets;
        LektieNotificationManager& notifications;
        const Clock& clock;
        QString recoveryDir; // where what could not be read is copied
        QString backupDir{}; // where the daily copies go; none without it
        int retryMs = 30000; // how often a failed save is tried again
        int watchMs = 5000;  // how often the file is looked at where no notice comes
    };

    // Loads everything (migration, legacy paths) and starts the first refresh.
    explicit LektieStore(Services services, QObject* parent = nullptr);
    ~LektieStore() override;

    const QList<Lektie>& lektier() const { return m_lektier; }
    const Lektie* lektie(const QUuid& id) const; // none: no item has the id
    LektieNotificationManager& notifikationer() const { return m_services.notifications; }
    const QList<Fag>& fag() const { return m_fag; }
    bool harSetupFaerdig() const { return m_harSetupFaerdig; }

    // Whether the last write of the pupil's data was refused; the change itself is
    // kept in memory and tried again until a save succeeds.
    bool sidsteGemningFejlede() const { return !m_gemFejlMappe.isEmpty(); }
    QString gemFejlLinje() const; // the one line the screens show, empty while all is saved

    // What could not be read from the file, and the folder with the copy; empty when
    // all was read or the pupil has seen it.
    const QString& laesFejlLinje() const { return m_laesFejlLinje; }
    const QString& laesFejlMappe() const { return m_laesFejlMappe; }
    Q_INVOKABLE void kvitterLaesFejl();

    // The pupil's last change (a tick, an addition, a deletion) can be taken back once,
    // and then done again. Only the last is kept; a reset forgets it, and so does a
    // change another program makes to the same records.
    const QString& aendringTekst() const { return m_aendringTekst; } // what happened
    bool kanFortryde() const { return m_fortryd.has_value() && !m_fortrudt; }
    bool kanGentage() const { return m_fortryd.has_value() && m_fortrudt; }
    Q_INVOKABLE bool fortryd();
    Q_INVOKABLE bool gentag();

    // Direct assignments (the onboarding uses the last two); the change rules apply.
    // A homework list with an item that has no valid dates is refused (false): it
    // could never be saved, nor anything added after it.
    bool setLektier(const QList<Lektie>& lektier);
    void setFag(const QList<Fag>& fag);
    void setHarSetupFaerdig(bool faerdig);

    Q_INVOKABLE bool tilfoej(const tavlen::Lektie& lektie); // false: refused, see setLektier
    Q_INVOKABLE void slet(const QUuid& id);
    // Puts an edited item in the place of the item with its id; false when there is none
    // (or it has no valid dates).
    Q_INVOKABLE bool erstat(const tavlen::Lektie& lektie);
    Q_INVOKABLE bool erstatFag(const tavlen::Fag& fag);
    Q_INVOKABLE void skiftFaerdig(const QUuid& id);
    // Ticks an open item off; one that is gone or done stays as it is (false).
    bool markerFaerdig(const QUuid& id);
    Q_INVOKABLE void tilfoejFag(const tavlen::Fag& fag);
    Q_INVOKABLE void sletFag(const QUuid& id);
    Q_INVOKABLE void nulstilApp();
    Q_INVOKABLE void gemFag();
    Q_INVOKABLE void opdaterNotifikationer();
    // Tries what could not be saved once more; true when everything is saved.
    Q_INVOKABLE bool gemNu();
    // Loads the file when another program changed it (merging what is not saved yet).
    Q_INVOKABLE void tjekFil();

    // The daily copies, newest first, and bringing one back: the present state is copied
    // first, then the subjects, the homework and the setup flag become the copy's.
    QList<BackupFolder::Kopi> sikkerhedskopier() const;
    bool gendan(const QString& sti);
    bool harSikkerhedskopi() const { return !sikkerhedskopier().isEmpty(); }
    Q_INVOKABLE bool gendanSeneste(); // the notice's one step back

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
    void laesFejlChanged();
    void sikkerhedskopierChanged();
    void fortrydChanged(); // also when the pupil makes a new change: the bar shows again

private:
    struct Laest;
    Laest laes(PreferencesFile& suite);
    void indlaesVedStart();
    void lektierAssigned();
    void fagAssigned();
    // Saves what differs from the file, merged with what changed there; `skriv` names
    // a list that is written even when unchanged (every assignment is saved).
    void gem(const QString& skriv = QString());
    void overtag(const QList<Lektie>& lektier, const QList<Fag>& fag, bool faerdig);
    void gemFejlede(const PreferencesFile& file);
    void setGemFejlMappe(const QString& folder);
    bool eraseStoredKeys();
    void meldLaesFejl(const Laest& laest, const PreferencesFile& suite);
    bool gemUlaeseligt(const QString& key, const QByteArray& bytes);
    void husk(const QList<Lektie>& lektierFoer, const QList<Fag>& fagFoer, const QString& tekst);
    void glemFortryd();
    void tagDagligKopi(PreferencesFile& suite);
    void rydOp();
    bool anvend(fortryd::Retning retning);

    Services m_services;
    std::unique_ptr<RecoveryFolder> m_recovery;
    std::unique_ptr<BackupFolder> m_backups; // none without a folder for them
    QDate m_kopiDag;                         // the day a copy was last made or found
    QList<Lektie> m_lektier;
    QList<Fag> m_fag;
    bool m_harSetupFaerdig = false;
    bool m_erVedAtNulstille = false;
    // The lists as last read from or written to the file: what a merge compares with.
    struct Grundlag {
        QList<Lektie> lektier;
        QList<Fag> fag;
        std::optional<bool> harSetupFaerdig; // none: not in the file
        QByteArray lektierJson, fagJson;     // their stored text, to see a change cheaply
    } m_grundlag;
    // Unreadable stored text with no copy in the recovery folder, kept in the file.
    QList<std::pair<QString, QByteArray>> m_holdIFilen;
    QString m_gemFejlMappe; // folder of the file whose last write failed; empty when saved
    bool m_ikkeGemt = false;
    bool m_nulstillingVenter = false; // a reset whose erasing still has to be written
    QString m_laesFejlLinje;
    QString m_laesFejlMappe;
    std::optional<fortryd::Aendring> m_fortryd;
    bool m_fortrudt = false;
    QString m_aendringTekst;
    QTimer* m_igen = nullptr;
    QFileSystemWatcher* m_vagt = nullptr;
};

} // namespace tavlen
