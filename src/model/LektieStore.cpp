#include "LektieStore.h"

#include "FletteRegler.h"
#include "LektieNotificationManager.h"
#include "RecordJson.h"
#include "core/Clock.h"
#include "core/PreferencesFile.h"
#include "core/RecoveryFolder.h"
#include "core/WidgetReloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

namespace tavlen {

Q_LOGGING_CATEGORY(lcStore, "tavlen.store")

namespace {

QList<Lektie> sortedByDeadline(QList<Lektie> lektier) {
    std::stable_sort(lektier.begin(), lektier.end(),
                     [](const Lektie& a, const Lektie& b) { return a.deadline < b.deadline; });
    return lektier;
}

// The place of the first record with the id, or -1.
template <typename R> qsizetype plads(const QList<R>& liste, const QUuid& id) {
    const auto it =
        std::find_if(liste.cbegin(), liste.cend(), [&](const R& r) { return r.id == id; });
    return it == liste.cend() ? -1 : it - liste.cbegin();
}

bool allSavable(const QList<Lektie>& lektier) {
    return std::all_of(lektier.cbegin(), lektier.cend(),
                       [](const Lektie& l) { return l.harGyldigeDatoer(); });
}

QString homeRelative(const QString& folder) {
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + folder.mid(home.size());
    return folder;
}

} // namespace

namespace LektieSharedStore {

void migrateIfNeeded(PreferencesSuites& suites) {
    PreferencesFile& standard = suites.standard();
    for (const QString& key : {Keys::lektier, Keys::fag}) {
        PreferencesFile& shared = suites.shared();
        if (shared.data(key))
            continue;
        if (const auto bytes = standard.data(key))
            shared.setData(key, *bytes);
    }
    PreferencesFile& shared = suites.shared();
    if (!shared.hasValue(Keys::harSetupFaerdig)) {
        if (const auto value = standard.boolean(Keys::harSetupFaerdig))
            shared.setBoolean(Keys::harSetupFaerdig, *value);
    }
}

} // namespace LektieSharedStore

struct LektieStore::Laest {
    std::optional<QList<Lektie>> lektier; // none: not in the file, or not readable at all
    std::optional<QList<Fag>> fag;
    std::optional<bool> harSetupFaerdig;
    QByteArray lektierJson, fagJson; // as stored; empty when absent
    int ulaesteLektier = 0;
    int ulaesteFag = 0;
    bool kopiIFilen = false; // unreadable text kept in the file: no recovery copy
    PreferencesDamage damage;
};

LektieStore::LektieStore(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services)),
      m_recovery(std::make_unique<RecoveryFolder>(m_services.recoveryDir, m_services.clock)) {
    if (!m_services.backupDir.isEmpty())
        m_backups = std::make_unique<BackupFolder>(m_services.backupDir, m_services.clock);
    m_services.suites.setRecovery(m_recovery.get());
    m_igen = new QTimer(this);
    m_igen->setInterval(m_services.retryMs);
    connect(m_igen, &QTimer::timeout, this, &LektieStore::gemNu);
    LektieSharedStore::migrateIfNeeded(m_services.suites);
    rydOp();
    indlaesVedStart();
    opdaterNotifikationer();

    // Notices of the file system do not cross a network mount; the timer does.
    auto* kig = new QTimer(this);
    kig->setInterval(m_services.watchMs);
    connect(kig, &QTimer::timeout, this, &LektieStore::tjekFil);
    kig->start();
    m_vagt = new QFileSystemWatcher(this);
    const QString suite = m_services.suites.shared().path();
    QDir().mkpath(QFileInfo(suite).absolutePath());
    m_vagt->addPath(QFileInfo(suite).absolutePath());
    const auto fornyOgTjek = [this, suite] {
        if (!m_vagt->files().contains(suite) && QFileInfo::exists(suite))
            m_vagt->addPath(suite); // a replaced file is watched afresh
        tjekFil();
    };
    connect(m_vagt, &QFileSystemWatcher::directoryChanged, this, fornyOgTjek);
    connect(m_vagt, &QFileSystemWatcher::fileChanged, this, fornyOgTjek);
    if (QFileInfo::exists(suite))
        m_vagt->addPath(suite);
}

LektieStore::~LektieStore() {
    m_services.suites.setRecovery(nullptr);
}

void LektieStore::indlaesVedStart() {
    PreferencesFile& suite = m_services.suites.shared();
    const Laest laest = laes(suite);
    meldLaesFejl(laest, suite);
    m_grundlag.lektierJson = laest.lektierJson;
    m_grundlag.fagJson = laest.fagJson;
    // An unreadable flag beside readable subjects is a pupil who has set up Tavlen.
    m_harSetupFaerdig = laest.harSetupFaerdig.value_or(laest.fag && !laest.fag->isEmpty());
    // A flag the file does not hold yet is written with the first save.
    if (suite.hasValue(Keys::harSetupFaerdig))
        m_grundlag.harSetupFaerdig = m_harSetupFaerdig;

    const bool intetLaest =
        laest.lektierJson.isEmpty() || (laest.lektier->isEmpty() && laest.ulaesteLektier > 0);
    if (!intetLaest) {
        m_lektier = m_grundlag.lektier = *laest.lektier;
    } else if (const auto gamle = m_services.suites.standard().data(Keys::legacyLektier)) {
        if (const auto legacy = json::decodeOldLektier(*gamle)) {
            const QDateTime now = m_services.clock.now();
            for (const OldLektie& old : *legacy) {
                Lektie lektie;
                lektie.id = QUuid::createUuid();
                lektie.fagId = old.fagId;
                lektie.titel = old.titel;
                lektie.beskrivelse = old.beskrivelse;
                lektie.deadline = old.deadline;
                lektie.erFaerdig = false;
                lektie.oprettetDato = now;
                m_lektier.append(lektie);
            }
        }
    }
    if (m_harSetupFaerdig) {
        if (!laest.fagJson.isEmpty() && !(laest.fag->isEmpty() && laest.ulaesteFag > 0)) {
            m_fag = m_grundlag.fag = *laest.fag;
        } else if (const auto gamle = m_services.suites.standard().data(Keys::legacyFag)) {
            m_fag = json::decodeFag(*gamle).value_or(QList<Fag>());
        }
    }
    gem(); // what was converted from an older version, and the flag of a first start
}

// Reads the three keys as far as they can be read. What could not be read is
// copied to the recovery folder first (or, where that fails, kept in the file).
LektieStore::Laest LektieStore::laes(PreferencesFile& suite) {
    Laest out;
    out.damage = suite.damage();
    const auto liste = [&](const QString& key, auto decode, auto& list, QByteArray& json,
                           int& ulaeste) {
        const auto bytes = suite.data(key);
        if (!bytes)
            return;
        json = *bytes;
        auto read = decode(*bytes);
        ulaeste = read.unreadable;
        if (ulaeste > 0 && !gemUlaeseligt(key, *bytes))
            out.kopiIFilen = true;
        list = std::move(read.list);
    };
    liste(Keys::lektier, json::decodeLektierRecordByRecord, out.lektier, out.lektierJson,
          out.ulaesteLektier);
    liste(Keys::fag, json::decodeFagRecordByRecord, out.fag, out.fagJson, out.ulaesteFag);
    // A key missing from a file that is whole is known to be empty.
    const auto kendt = [&](const QString& key) {
        return !out.damage.rest && !out.damage.members.contains(key);
    };
    if (!out.lektier && kendt(Keys::lektier) && !suite.hasValue(Keys::lektier))
        out.lektier.emplace();
    if (!out.fag && kendt(Keys::fag) && !suite.hasValue(Keys::fag))
        out.fag.emplace();
    if (suite.hasValue(Keys::harSetupFaerdig))
        out.harSetupFaerdig = suite.boolean(Keys::harSetupFaerdig);
    else if (kendt(Keys::harSetupFaerdig))
        out.harSetupFaerdig = false;
    return out;
}

// Copies unreadable stored text to the recovery folder; false when it had to be kept
// in the file instead.
bool LektieStore::gemUlaeseligt(const QString& key, const QByteArray& bytes) {
    if (m_recovery->keep(key, bytes))
        return true;
    qCWarning(lcStore).noquote() << "Could not copy the unreadable" << key << "to"
                                 << m_recovery->path() << "- keeping it in the file";
    const bool allerede = std::any_of(m_holdIFilen.cbegin(), m_holdIFilen.cend(),
                                      [&](const auto& kept) { return kept.second == bytes; });
    if (!allerede) {
        m_holdIFilen.append(
            {key + QStringLiteral(".ulaeselig-") + utcStempel(m_services.clock.now()), bytes});
    }
    return false;
}

void LektieStore::meldLaesFejl(const Laest& laest, const PreferencesFile& suite) {
    const PreferencesDamage& damage = laest.damage;
    QStringList dele;
    if (laest.ulaesteLektier > 0)
        dele << (laest.ulaesteLektier == 1
                     ? QStringLiteral("1 lektie")
                     : QStringLiteral("%1 lektier").arg(laest.ulaesteLektier));
    if (laest.ulaesteFag > 0)
        dele << QStringLiteral("%1 fag").arg(laest.ulaesteFag);
    if (damage.members.contains(Keys::lektier))
        dele << QStringLiteral("dine lektier");
    if (damage.members.contains(Keys::fag))
        dele << QStringLiteral("dine fag");
    if (dele.isEmpty() && (damage.rest || !damage.members.isEmpty()))
        dele << QStringLiteral("en del af filen");
    if (dele.isEmpty() && damage.characters)
        dele << QStringLiteral("nogle tegn");
    if (dele.isEmpty())
        return;
    QString hvad = dele.size() == 1 ? dele.front()
                                    : dele.mid(0, dele.size() - 1).join(QStringLiteral(", ")) +
                                          QStringLiteral(" og ") + dele.back();
    hvad[0] = hvad[0].toUpper();
    const bool ladtIFilen = laest.kopiIFilen || (damage.any() && damage.copy.isEmpty());
    m_laesFejlMappe = ladtIFilen ? QFileInfo(suite.path()).absolutePath() : m_recovery->path();
    m_laesFejlLinje = QStringLiteral("%1 kunne ikke læses. En kopi ligger i %2.")
                          .arg(hvad, homeRelative(m_laesFejlMappe));
    Q_EMIT laesFejlChanged();
}

void LektieStore::kvitterLaesFejl() {
    if (m_laesFejlLinje.isEmpty())
        return;
    m_laesFejlLinje.clear();
    m_laesFejlMappe.clear();
    Q_EMIT laesFejlChanged();
}

// The rules run before observers hear of the change, so a change an observer
// makes in reply is saved after this one and wins.
void LektieStore::lektierAssigned() {
    if (!m_erVedAtNulstille) {
        gem(Keys::lektier);
        opdaterNotifikationer();
    }
    Q_EMIT lektierChanged();
}

void LektieStore::fagAssigned() {
    if (!m_erVedAtNulstille) {
        gem(Keys::fag);
        opdaterNotifikationer();
    }
    Q_EMIT fagChanged();
}

bool LektieStore::setLektier(const QList<Lektie>& lektier) {
    if (!allSavable(lektier))
        return false;
    glemFortryd();
    Q_EMIT willChange();
    m_lektier = lektier;
    lektierAssigned();
    return true;
}

void LektieStore::setFag(const QList<Fag>& fag) {
    glemFortryd();
    Q_EMIT willChange();
    m_fag = fag;
    fagAssigned();
}

void LektieStore::setHarSetupFaerdig(bool faerdig) {
    Q_EMIT willChange();
    m_harSetupFaerdig = faerdig;
    gem();
    Q_EMIT harSetupFaerdigChanged();
}

bool LektieStore::tilfoej(const Lektie& lektie) {
    if (!lektie.harGyldigeDatoer())
        return false;
    const QList<Lektie> foer = m_lektier;
    Q_EMIT willChange();
    m_lektier.append(lektie);
    lektierAssigned();
    husk(foer, m_fag, QStringLiteral("%1 er tilføjet").arg(lektie.titel));
    return true;
}

void LektieStore::slet(const QUuid& id) {
    const QList<Lektie> foer = m_lektier;
    Q_EMIT willChange();
    m_lektier.removeIf([&](const Lektie& l) { return l.id == id; });
    lektierAssigned();
    if (const qsizetype i = plads(foer, id); i >= 0)
        husk(foer, m_fag, QStringLiteral("%1 er slettet").arg(foer[i].titel));
}

bool LektieStore::erstat(const Lektie& lektie) {
    const qsizetype index = plads(m_lektier, lektie.id);
    if (index < 0 || !lektie.harGyldigeDatoer())
        return false;
    const QList<Lektie> foer = m_lektier;
    Q_EMIT willChange();
    m_lektier[index] = lektie;
    lektierAssigned();
    husk(foer, m_fag, QStringLiteral("%1 er ændret").arg(lektie.titel));
    return true;
}

bool LektieStore::erstatFag(const Fag& fag) {
    const qsizetype index = plads(m_fag, fag.id);
    if (index < 0)
        return false;
    const QList<Fag> foer = m_fag;
    Q_EMIT willChange();
    m_fag[index] = fag;
    fagAssigned();
    husk(m_lektier, foer, QStringLiteral("%1 er ændret").arg(fag.navn));
    return true;
}

void LektieStore::skiftFaerdig(const QUuid& id) {
    const qsizetype index = plads(m_lektier, id);
    if (index < 0)
        return;
    const QList<Lektie> foer = m_lektier;
    Q_EMIT willChange();
    m_lektier[index].erFaerdig = !m_lektier[index].erFaerdig;
    lektierAssigned();
    const Lektie& l = foer[index];
    husk(foer, m_fag,
         (l.erFaerdig ? QStringLiteral("%1 er markeret som ikke færdig")
                      : QStringLiteral("%1 er markeret som færdig"))
             .arg(l.titel));
}

const Lektie* LektieStore::lektie(const QUuid& id) const {
    const qsizetype index = plads(m_lektier, id);
    return index < 0 ? nullptr : &m_lektier[index];
}

bool LektieStore::markerFaerdig(const QUuid& id) {
    // A reminder may be older than another program's change: a tick on an item deleted
    // there would bring it back.
    tjekFil();
    const qsizetype index = plads(m_lektier, id);
    if (index < 0 || m_lektier[index].erFaerdig)
        return false;
    skiftFaerdig(id);
    return true;
}

void LektieStore::tilfoejFag(const Fag& fag) {
    const QList<Fag> foer = m_fag;
    Q_EMIT willChange();
    m_fag.append(fag);
    fagAssigned();
    husk(m_lektier, foer, QStringLiteral("%1 er tilføjet").arg(fag.navn));
}

void LektieStore::sletFag(const QUuid& id) {
    const QList<Lektie> lektierFoer = m_lektier;
    const QList<Fag> fagFoer = m_fag;
    Q_EMIT willChange();
    m_fag.removeIf([&](const Fag& f) { return f.id == id; });
    fagAssigned();
    Q_EMIT willChange();
    const qsizetype antal = m_lektier.removeIf([&](const Lektie& l) { return l.fagId == id; });
    lektierAssigned();
    const qsizetype i = plads(fagFoer, id);
    if (i < 0)
        return;
    const QString& navn = fagFoer[i].navn;
    husk(lektierFoer, fagFoer,
         antal == 0   ? QStringLiteral("%1 er slettet").arg(navn)
         : antal == 1 ? QStringLiteral("%1 og 1 lektie er slettet").arg(navn)
                      : QStringLiteral("%1 og %2 lektier er slettet").arg(navn).arg(antal));
}

// Before the first save of a day, the suite as it is goes to the backups; a suite that
// could not be read whole is never kept as if it were good.
void LektieStore::tagDagligKopi(PreferencesFile& suite) {
    const QDate idag = m_services.clock.now().toTimeZone(m_services.clock.timeZone()).date();
    if (!m_backups || m_kopiDag == idag || suite.damage().any())
        return;
    QFile fil(suite.path());
    if (!fil.open(QIODevice::ReadOnly))
        return; // nothing stored yet
    if (m_backups->tagDagligt(fil.readAll())) {
        m_kopiDag = idag;
        Q_EMIT sikkerhedskopierChanged();
    }
}

// At start: temporary files a crash mid-write left behind go, and unreadable text kept in
// the suite moves to the recovery folder, out of the file the widget reads.
void LektieStore::rydOp() {
    const QDateTime gammel = QDateTime::currentDateTimeUtc().addSecs(-60);
    for (PreferencesFile* fil : {&m_services.suites.shared(), &m_services.suites.standard()}) {
        const QFileInfo info(fil->path());
        const QDir mappe = info.absoluteDir();
        const QFileInfoList rester =
            mappe.entryInfoList({QLatin1Char('.') + info.fileName() + QStringLiteral(".tmp-*")},
                                QDir::Files | QDir::Hidden);
        for (const QFileInfo& rest : rester) {
            if (rest.lastModified() < gammel) // another writer's may be in use right now
                QFile::remove(rest.filePath());
        }
    }
    PreferencesFile& suite = m_services.suites.shared();
    QStringList flyttet;
    for (const QString& key : suite.keys()) {
        if (!key.contains(QStringLiteral(".ulaeselig-")))
            continue;
        if (const auto bytes = suite.data(key); bytes && m_recovery->keep(key, *bytes))
            flyttet << key;
    }
    if (!flyttet.isEmpty())
        suite.remove(flyttet);
}

QList<BackupFolder::Kopi> LektieStore::sikkerhedskopier() const {
    return m_backups ? m_backups->kopier() : QList<BackupFolder::Kopi>();
}

bool LektieStore::gendanSeneste() {
    const auto alle = sikkerhedskopier();
    if (alle.isEmpty() || !gendan(alle.front().sti))
        return false;
    kvitterLaesFejl();
    return true;
}

bool LektieStore::gendan(const QString& sti) {
    PreferencesFile kopi(sti);
    if (!m_backups || !QFile::exists(sti) || kopi.damage().any())
        return false;
    const auto lektier = json::decodeLektierRecordByRecord(kopi.data(Keys::lektier).value_or("[]"));
    const auto fag = json::decodeFagRecordByRecord(kopi.data(Keys::fag).value_or("[]"));
    if (lektier.unreadable > 0 || fag.unreadable > 0)
        return false;
    PreferencesFile& suite = m_services.suites.shared();
    QFile nu(suite.path());
    if (nu.open(QIODevice::ReadOnly) && !suite.damage().any())
        m_backups->tag(nu.readAll());
    glemFortryd();
    Q_EMIT willChange();
    m_lektier = lektier.list;
    m_fag = fag.list;
    m_harSetupFaerdig = kopi.boolean(Keys::harSetupFaerdig).value_or(!fag.list.isEmpty());
    gem(Keys::lektier);
    gem(Keys::fag);
    opdaterNotifikationer();
    Q_EMIT harSetupFaerdigChanged();
    Q_EMIT fagChanged();
    Q_EMIT lektierChanged();
    Q_EMIT sikkerhedskopierChanged();
    return true;
}

// Notes how to take the change just made back; a change that changed nothing keeps the
// offer there was.
void LektieStore::husk(const QList<Lektie>& lektierFoer, const QList<Fag>& fagFoer,
                       const QString& tekst) {
    fortryd::Aendring aendring{fortryd::forskel(lektierFoer, m_lektier),
                               fortryd::forskel(fagFoer, m_fag)};
    if (aendring.isEmpty())
        return;
    m_fortryd = std::move(aendring);
    m_fortrudt = false;
    m_aendringTekst = tekst;
    Q_EMIT fortrydChanged();
}

void LektieStore::glemFortryd() {
    if (!m_fortryd && m_aendringTekst.isEmpty())
        return;
    m_fortryd.reset();
    m_fortrudt = false;
    m_aendringTekst.clear();
    Q_EMIT fortrydChanged();
}

bool LektieStore::fortryd() {
    return kanFortryde() && anvend(fortryd::Retning::Fortryd);
}

bool LektieStore::gentag() {
    return kanGentage() && anvend(fortryd::Retning::Gentag);
}

// Undoing and redoing are changes like any other: saved, the widget told, reminders
// rebuilt.
bool LektieStore::anvend(fortryd::Retning retning) {
    const auto lektier = fortryd::anvend(m_lektier, m_fortryd->lektier, retning);
    const auto fag = fortryd::anvend(m_fag, m_fortryd->fag, retning);
    if (!lektier || !fag) {
        glemFortryd();
        return false;
    }
    Q_EMIT willChange();
    const bool nyeFag = *fag != m_fag;
    m_lektier = *lektier;
    m_fag = *fag;
    gem(nyeFag ? Keys::fag : Keys::lektier);
    opdaterNotifikationer();
    if (nyeFag)
        Q_EMIT fagChanged();
    Q_EMIT lektierChanged();
    m_fortrudt = retning == fortryd::Retning::Fortryd;
    Q_EMIT fortrydChanged();
    return true;
}

void LektieStore::nulstilApp() {
    glemFortryd(); // the reset's confirmation says it cannot be taken back
    // Everything of the pupil's goes, as the confirmation promises: copies included.
    if (m_backups)
        m_backups->fjernAlle();
    m_recovery->fjernAlle();
    const QFileInfo suiteFil(m_services.suites.shared().path());
    const QDir mappe = suiteFil.absoluteDir();
    for (const QString& navn :
         mappe.entryList({suiteFil.fileName() + QStringLiteral(".damaged-*")}, QDir::Files))
        QFile::remove(mappe.filePath(navn));
    // Nor does the day's copy come back with the next save.
    m_kopiDag = m_services.clock.now().toTimeZone(m_services.clock.timeZone()).date();
    Q_EMIT sikkerhedskopierChanged();
    m_erVedAtNulstille = true;
    setLektier({});
    setFag({});
    setHarSetupFaerdig(false);
    m_holdIFilen.clear(); // nothing of before is to be written any more
    m_erVedAtNulstille = false;
    m_grundlag = {};
    m_grundlag.harSetupFaerdig = false; // erased, and not to be written again
    m_nulstillingVenter = true;
    if (gemNu())
        m_services.widgets.reloadAllTimelines();
    opdaterNotifikationer();
}

bool LektieStore::eraseStoredKeys() {
    PreferencesFile& suite = m_services.suites.shared();
    PreferencesFile& standard = m_services.suites.standard();
    if (!suite.remove({Keys::lektier, Keys::fag, Keys::harSetupFaerdig})) {
        gemFejlede(suite);
        return false;
    }
    if (!standard.remove({Keys::lektier, Keys::fag, Keys::harSetupFaerdig, Keys::legacyLektier,
                          Keys::legacyFag})) {
        gemFejlede(standard);
        return false;
    }
    return true;
}

void LektieStore::gemFag() {
    gem(Keys::fag);
}

bool LektieStore::gemNu() {
    if (m_ikkeGemt || m_nulstillingVenter)
        gem();
    return !m_ikkeGemt;
}

namespace {

// What a list's key is to hold after a save: ours, or, when the file changed since
// it was read, ours merged with the file's. Sets `stored` to that text (empty for
// an absent key) and says whether the file must be written for it.
template <typename R>
bool afstem(const PreferencesFile& suite, const PreferencesDamage& damage, const QString& key,
            const QList<R>& base, const QByteArray& baseJson, QList<R>& ours, bool altid,
            json::Partial<R> (*decode)(QByteArrayView),
            QList<R> (*merge)(const QList<R>&, const QList<R>&, const QList<R>&),
            const std::function<void(const QByteArray&)>& ulaeseligt, QByteArray& stored) {
    const std::optional<QByteArray> theirs = suite.data(key);
    const bool ukendt = !theirs && (damage.rest || damage.members.contains(key));
    const bool uaendretDer = !ukendt && theirs.value_or(QByteArray()) == baseJson;
    if (uaendretDer && !altid && flet::ens(ours, base)) {
        stored = baseJson;
        return false;
    }
    if (!ukendt && !uaendretDer) {
        const auto read = decode(theirs.value_or(QByteArrayLiteral("[]")));
        if (read.unreadable > 0)
            ulaeseligt(*theirs);
        ours = merge(base, ours, read.list);
    }
    if (!theirs && ours.isEmpty() && !altid) {
        stored.clear();
        return false;
    }
    stored = json::encode(ours).value_or(QByteArray());
    return !stored.isEmpty() && (altid || stored != theirs);
}

} // namespace

void LektieStore::gem(const QString& skriv) {
    if (m_erVedAtNulstille)
        return;
    // A reset not yet written comes first, or a merge would bring back what it erased.
    if (m_nulstillingVenter) {
        if (!eraseStoredKeys())
            return;
        m_nulstillingVenter = false;
    }
    PreferencesFile& suite = m_services.suites.shared();
    tagDagligKopi(suite);
    QList<Lektie> lektier;
    QList<Fag> fag;
    bool faerdig = false;
    Grundlag naeste;
    bool listeSkrevet = false;
    const bool ok = suite.write([&](PreferencesFile::Changes& changes) {
        lektier = m_lektier;
        fag = m_fag;
        faerdig = m_harSetupFaerdig;
        const PreferencesDamage damage = suite.damage();
        const auto ulaeseligt = [&](const QString& key) {
            return [this, key](const QByteArray& bytes) { gemUlaeseligt(key, bytes); };
        };
        const bool lektierSkrives =
            afstem(suite, damage, Keys::lektier, m_grundlag.lektier, m_grundlag.lektierJson,
                   lektier, skriv == Keys::lektier, json::decodeLektierRecordByRecord,
                   flet::lektier, ulaeseligt(Keys::lektier), naeste.lektierJson);
        const bool fagSkrives = afstem(suite, damage, Keys::fag, m_grundlag.fag, m_grundlag.fagJson,
                                       fag, skriv == Keys::fag, json::decodeFagRecordByRecord,
                                       flet::fag, ulaeseligt(Keys::fag), naeste.fagJson);
        if (lektierSkrives)
            changes.setData(Keys::lektier, naeste.lektierJson);
        if (fagSkrives)
            changes.setData(Keys::fag, naeste.fagJson);
        listeSkrevet = lektierSkrives || fagSkrives;
        // The flag as the file has it, where only the file changed it.
        const std::optional<bool> grund = m_grundlag.harSetupFaerdig;
        const std::optional<bool> deres = suite.hasValue(Keys::harSetupFaerdig)
                                              ? suite.boolean(Keys::harSetupFaerdig)
                                              : std::nullopt;
        if (deres && faerdig == grund)
            faerdig = *deres;
        const bool tabt = !deres && (damage.rest || damage.members.contains(Keys::harSetupFaerdig));
        if (!grund || faerdig != *grund || tabt)
            changes.setBoolean(Keys::harSetupFaerdig, faerdig);
        for (const auto& [key, bytes] : m_holdIFilen) {
            if (!suite.hasValue(key))
                changes.setData(key, bytes);
        }
    });
    if (!ok) {
        gemFejlede(suite);
        return;
    }
    naeste.lektier = lektier;
    naeste.fag = fag;
    naeste.harSetupFaerdig = faerdig;
    m_grundlag = std::move(naeste);
    m_holdIFilen.clear();
    m_ikkeGemt = false;
    m_igen->stop();
    setGemFejlMappe(QString());
    if (listeSkrevet)
        m_services.widgets.reloadAllTimelines();
    overtag(lektier, fag, faerdig);
}

void LektieStore::tjekFil() {
    PreferencesFile& suite = m_services.suites.shared();
    // A file that is gone for a moment (a writer that deletes before it writes) is not
    // a pupil who deleted everything: ours stay and are written at the next save.
    if (!suite.changedOnDisk() || !QFileInfo::exists(suite.path()))
        return;
    if (m_ikkeGemt || m_nulstillingVenter) { // ours are not in the file yet: merge them in
        gemNu();
        return;
    }
    const Laest laest = laes(suite);
    meldLaesFejl(laest, suite);
    QList<Lektie> lektier = m_lektier;
    QList<Fag> fag = m_fag;
    // A list that cannot be read now keeps ours, and its old text, so the next save
    // writes it again.
    if (laest.lektier && laest.lektierJson != m_grundlag.lektierJson) {
        lektier = flet::lektier(m_grundlag.lektier, m_lektier, *laest.lektier);
        m_grundlag.lektier = lektier;
        m_grundlag.lektierJson = laest.lektierJson;
    }
    if (laest.fag && laest.fagJson != m_grundlag.fagJson) {
        fag = flet::fag(m_grundlag.fag, m_fag, *laest.fag);
        m_grundlag.fag = fag;
        m_grundlag.fagJson = laest.fagJson;
    }
    const bool faerdig = laest.harSetupFaerdig.value_or(m_harSetupFaerdig);
    if (laest.harSetupFaerdig)
        m_grundlag.harSetupFaerdig = faerdig;
    overtag(lektier, fag, faerdig);
}

// Takes lists that came from the file (or a merge with it) and tells observers.
void LektieStore::overtag(const QList<Lektie>& lektier, const QList<Fag>& fag, bool faerdig) {
    const bool nyeLektier = !flet::ens(lektier, m_lektier);
    const bool nyeFag = fag != m_fag;
    const bool nytFlag = faerdig != m_harSetupFaerdig;
    if (!nyeLektier && !nyeFag && !nytFlag)
        return;
    Q_EMIT willChange();
    m_lektier = lektier;
    m_fag = fag;
    m_harSetupFaerdig = faerdig;
    if (nytFlag)
        Q_EMIT harSetupFaerdigChanged();
    if (nyeFag)
        Q_EMIT fagChanged();
    if (nyeLektier)
        Q_EMIT lektierChanged();
    opdaterNotifikationer();
    // Someone else changed what the pupil could take back: their work stays.
    if (m_fortryd &&
        !fortryd::staarTilbage(*m_fortryd, m_lektier, m_fag,
                               m_fortrudt ? fortryd::Retning::Gentag : fortryd::Retning::Fortryd))
        glemFortryd();
}

void LektieStore::gemFejlede(const PreferencesFile& file) {
    qCWarning(lcStore).noquote() << "Could not write" << file.path() << "-" << file.lastError();
    m_ikkeGemt = true;
    if (!m_igen->isActive())
        m_igen->start();
    setGemFejlMappe(QFileInfo(file.path()).absolutePath());
}

void LektieStore::setGemFejlMappe(const QString& folder) {
    if (folder == m_gemFejlMappe)
        return;
    m_gemFejlMappe = folder;
    Q_EMIT gemmeStatusChanged();
}

QString LektieStore::gemFejlLinje() const {
    if (m_gemFejlMappe.isEmpty())
        return {};
    return QStringLiteral("Dine ændringer kunne ikke gemmes. (%1)")
        .arg(homeRelative(m_gemFejlMappe));
}

void LektieStore::opdaterNotifikationer() {
    m_services.notifications.refreshNotifications(m_lektier, m_fag);
}

std::optional<Fag> LektieStore::fagMedId(const QUuid& id) const {
    const qsizetype index = plads(m_fag, id);
    return index < 0 ? std::nullopt : std::optional<Fag>(m_fag[index]);
}

QList<Lektie> LektieStore::lektierForFag(const QUuid& fagId) const {
    QList<Lektie> result;
    for (const Lektie& l : m_lektier) {
        if (l.fagId == fagId)
            result.append(l);
    }
    return sortedByDeadline(std::move(result));
}

QList<Lektie> LektieStore::kommendeLektier() const {
    const QDateTime now = m_services.clock.now();
    QList<Lektie> result;
    for (const Lektie& l : m_lektier) {
        if (!l.erFaerdig && l.deadline >= now)
            result.append(l);
    }
    return sortedByDeadline(std::move(result));
}

QList<Lektie> LektieStore::forfaldneLektier() const {
    const QDateTime now = m_services.clock.now();
    QList<Lektie> result;
    for (const Lektie& l : m_lektier) {
        if (!l.erFaerdig && l.deadline < now)
            result.append(l);
    }
    return sortedByDeadline(std::move(result));
}

} // namespace tavlen
