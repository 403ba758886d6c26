#include "LektieStore.h"

#include "LektieNotificationManager.h"
#include "RecordJson.h"
#include "platform/Clock.h"
#include "platform/DurableFile.h"
#include "platform/PreferencesFile.h"
#include "platform/WidgetReloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

namespace tavlen {

Q_LOGGING_CATEGORY(lcStore, "tavlen.store")

namespace {

const QString resetKey = QStringLiteral("reset"); // a reset whose erasing still has to be written

QList<Lektie> sortedByDeadline(QList<Lektie> lektier) {
    std::stable_sort(lektier.begin(), lektier.end(),
                     [](const Lektie& a, const Lektie& b) { return a.deadline < b.deadline; });
    return lektier;
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

bool decodes(const QString& key, const QByteArray& bytes) {
    if (key == Keys::lektier)
        return json::decodeLektier(bytes).has_value();
    if (key == Keys::fag)
        return json::decodeFag(bytes).has_value();
    return true;
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

LektieStore::LektieStore(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services)) {
    LektieSharedStore::migrateIfNeeded(m_services.suites);
    indlaesLektier();
    setHarSetupFaerdig(m_services.suites.shared().boolean(Keys::harSetupFaerdig).value_or(false));
    if (m_harSetupFaerdig)
        indlaesFag();
    opdaterNotifikationer();
}

LektieStore::~LektieStore() = default;

// The rules run before observers hear of the change, so a change an observer
// makes in reply is saved after this one and wins.
void LektieStore::lektierAssigned() {
    if (!m_erVedAtNulstille) {
        gemLektier();
        opdaterNotifikationer();
    }
    Q_EMIT lektierChanged();
}

void LektieStore::fagAssigned() {
    if (!m_erVedAtNulstille) {
        gemFag();
        opdaterNotifikationer();
    }
    Q_EMIT fagChanged();
}

bool LektieStore::setLektier(const QList<Lektie>& lektier) {
    if (!allSavable(lektier))
        return false;
    Q_EMIT willChange();
    m_lektier = lektier;
    lektierAssigned();
    return true;
}

void LektieStore::setFag(const QList<Fag>& fag) {
    Q_EMIT willChange();
    m_fag = fag;
    fagAssigned();
}

void LektieStore::setHarSetupFaerdig(bool faerdig) {
    Q_EMIT willChange();
    m_harSetupFaerdig = faerdig;
    if (!m_erVedAtNulstille)
        writeSetupFlag();
    Q_EMIT harSetupFaerdigChanged();
}

bool LektieStore::tilfoej(const Lektie& lektie) {
    if (!lektie.harGyldigeDatoer())
        return false;
    Q_EMIT willChange();
    m_lektier.append(lektie);
    lektierAssigned();
    return true;
}

void LektieStore::slet(const QUuid& id) {
    Q_EMIT willChange();
    m_lektier.removeIf([&](const Lektie& l) { return l.id == id; });
    lektierAssigned();
}

void LektieStore::toggleFaerdig(const QUuid& id) {
    const auto it = std::find_if(m_lektier.cbegin(), m_lektier.cend(),
                                 [&](const Lektie& l) { return l.id == id; });
    if (it == m_lektier.cend())
        return;
    const qsizetype index = it - m_lektier.cbegin();
    Q_EMIT willChange();
    m_lektier[index].erFaerdig = !m_lektier[index].erFaerdig;
    lektierAssigned();
}

void LektieStore::tilfoejFag(const Fag& fag) {
    Q_EMIT willChange();
    m_fag.append(fag);
    fagAssigned();
}

void LektieStore::sletFag(const QUuid& id) {
    Q_EMIT willChange();
    m_fag.removeIf([&](const Fag& f) { return f.id == id; });
    fagAssigned();
    Q_EMIT willChange();
    m_lektier.removeIf([&](const Lektie& l) { return l.fagId == id; });
    lektierAssigned();
}

void LektieStore::nulstilApp() {
    m_erVedAtNulstille = true;
    setLektier({});
    setFag({});
    setHarSetupFaerdig(false);
    m_unsaved.clear(); // nothing of before is to be written any more
    const bool erased = eraseStoredKeys();
    m_erVedAtNulstille = false;
    m_checkedBeforeOverwrite.clear();
    if (erased)
        m_services.widgets.reloadAllTimelines();
    opdaterNotifikationer();
}

bool LektieStore::eraseStoredKeys() {
    PreferencesFile& suite = m_services.suites.shared();
    PreferencesFile& standard = m_services.suites.standard();
    if (!suite.remove({Keys::lektier, Keys::fag, Keys::harSetupFaerdig})) {
        noteWrite(resetKey, false, suite);
        return false;
    }
    const bool ok = standard.remove(
        {Keys::lektier, Keys::fag, Keys::harSetupFaerdig, Keys::legacyLektier, Keys::legacyFag});
    noteWrite(resetKey, ok, standard);
    return ok;
}

void LektieStore::writeSetupFlag() {
    PreferencesFile& suite = m_services.suites.shared();
    noteWrite(Keys::harSetupFaerdig, suite.setBoolean(Keys::harSetupFaerdig, m_harSetupFaerdig),
              suite);
}

void LektieStore::gemLektier() {
    if (const auto bytes = json::encode(m_lektier))
        save(Keys::lektier, *bytes);
}

void LektieStore::gemFag() {
    if (const auto bytes = json::encode(m_fag))
        save(Keys::fag, *bytes);
}

void LektieStore::save(const QString& key, const QByteArray& bytes) {
    PreferencesFile& suite = m_services.suites.shared();
    QList<std::pair<QString, QByteArray>> values{{key, bytes}};
    const auto unreadable = unreadableBytesToKeep(suite, key);
    if (unreadable) {
        // Kept beside the list in the same write, so it is stored exactly when the list is.
        QString aside = key + QStringLiteral(".ulaeselig-") + timeStamp();
        for (int n = 2; suite.hasValue(aside); ++n)
            aside = key + QStringLiteral(".ulaeselig-") + timeStamp() + QLatin1Char('-') +
                    QString::number(n);
        values.append({aside, *unreadable});
    }
    const bool ok = suite.setData(values);
    if (ok) {
        if (unreadable)
            m_checkedBeforeOverwrite.insert(checkKey(suite, key));
        m_services.widgets.reloadAllTimelines();
    }
    noteWrite(key, ok, suite);
}

// A write that succeeds again also writes what earlier failures left in memory only.
void LektieStore::noteWrite(const QString& key, bool ok, const PreferencesFile& file) {
    if (!ok) {
        qCWarning(lcStore).noquote() << "Could not write" << file.path() << "-" << file.lastError();
        m_unsaved.insert(key);
        setGemFejlMappe(QFileInfo(file.path()).absolutePath());
        return;
    }
    m_unsaved.remove(key);
    if (!m_unsaved.isEmpty() && !m_retrying) {
        m_retrying = true;
        const QSet<QString> retry = std::exchange(m_unsaved, {});
        if (retry.contains(resetKey))
            eraseStoredKeys();
        if (retry.contains(Keys::harSetupFaerdig))
            writeSetupFlag();
        if (retry.contains(Keys::fag))
            gemFag();
        if (retry.contains(Keys::lektier))
            gemLektier();
        m_retrying = false;
    }
    if (m_unsaved.isEmpty())
        setGemFejlMappe(QString());
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

void LektieStore::indlaesLektier() {
    PreferencesFile& suite = m_services.suites.shared();
    if (const auto bytes = suite.data(Keys::lektier)) {
        if (auto lektier = json::decodeLektier(*bytes)) {
            m_checkedBeforeOverwrite.insert(checkKey(suite, Keys::lektier));
            setLektier(*lektier);
            return;
        }
    }
    const auto legacyBytes = m_services.suites.standard().data(Keys::legacyLektier);
    if (!legacyBytes)
        return;
    const auto legacy = json::decodeOldLektier(*legacyBytes);
    if (!legacy)
        return;
    const QDateTime now = m_services.clock.now();
    QList<Lektie> converted;
    converted.reserve(legacy->size());
    for (const OldLektie& old : *legacy) {
        Lektie lektie;
        lektie.id = QUuid::createUuid();
        lektie.fagId = old.fagId;
        lektie.titel = old.titel;
        lektie.beskrivelse = old.beskrivelse;
        lektie.deadline = old.deadline;
        lektie.erFaerdig = false;
        lektie.oprettetDato = now;
        converted.append(lektie);
    }
    setLektier(converted);
}

void LektieStore::indlaesFag() {
    PreferencesFile& suite = m_services.suites.shared();
    if (const auto bytes = suite.data(Keys::fag)) {
        if (auto fag = json::decodeFag(*bytes)) {
            m_checkedBeforeOverwrite.insert(checkKey(suite, Keys::fag));
            setFag(*fag);
            return;
        }
    }
    const auto legacyBytes = m_services.suites.standard().data(Keys::legacyFag);
    if (!legacyBytes)
        return;
    if (auto fag = json::decodeFag(*legacyBytes))
        setFag(*fag);
}

QString LektieStore::checkKey(const PreferencesFile& suite, const QString& key) {
    return suite.path() + QLatin1Char('\n') + key;
}

// A list that cannot be read is still the pupil's only copy: before the first save
// of this run replaces it, it is copied to a file of its own. Where that file cannot
// be written, the bytes are returned to be kept in the suite itself.
std::optional<QByteArray> LektieStore::unreadableBytesToKeep(PreferencesFile& suite,
                                                             const QString& key) {
    const QString check = checkKey(suite, key);
    if (m_checkedBeforeOverwrite.contains(check))
        return std::nullopt;
    const auto stored = suite.data(key);
    if (stored && !decodes(key, *stored) && !writeRecoveryFile(key, *stored)) {
        qCWarning(lcStore).noquote() << "Could not copy the unreadable" << key << "to"
                                     << m_services.recoveryDir << "- keeping it in" << suite.path();
        return stored;
    }
    m_checkedBeforeOverwrite.insert(check);
    return std::nullopt;
}

QString LektieStore::timeStamp() const {
    return m_services.clock.now().toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

bool LektieStore::writeRecoveryFile(const QString& key, const QByteArray& bytes) const {
    const QString folder = m_services.recoveryDir;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString stem = key + QLatin1Char('-') + timeStamp();
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            n == 1 ? stem + QStringLiteral(".json")
                   : stem + QLatin1Char('-') + QString::number(n) + QStringLiteral(".json");
        const QString path = QDir(folder).filePath(name);
        if (QFile::exists(path))
            continue;
        return durable::writeNewFile(path, bytes);
    }
    return false;
}

std::optional<Fag> LektieStore::fagMedId(const QUuid& id) const {
    for (const Fag& f : m_fag) {
        if (f.id == id)
            return f;
    }
    return std::nullopt;
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
