#include "PreferencesFile.h"

#include "DurableFile.h"
#include "JsonScan.h"
#include "RecoveryFolder.h"
#include "XdgDirs.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "Utf8.h"

// Every x86-64 has SSE2; it lets the reader scan strings and spaces 16 bytes at a time.
#if defined(__SSE2__) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif
#include <rapidjson/document.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlen {

namespace detail {

// One member of the file, its value kept as the JSON text it had in the file, so
// a write puts the big lists back by concatenation.
struct PreferencesMember {
    QString key;
    QByteArray raw;
};

struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return a.exists == b.exists && a.device == b.device && a.inode == b.inode &&
               a.size == b.size && a.modified.tv_sec == b.modified.tv_sec &&
               a.modified.tv_nsec == b.modified.tv_nsec && a.changed.tv_sec == b.changed.tv_sec &&
               a.changed.tv_nsec == b.changed.tv_nsec;
    }
};

struct PreferencesSnapshot {
    PreferencesSnapshot() = default;
    PreferencesSnapshot(const PreferencesSnapshot&) = delete;
    PreferencesSnapshot& operator=(const PreferencesSnapshot&) = delete;
    ~PreferencesSnapshot() {
        if (pin >= 0)
            ::close(pin);
    }

    // Held open so the file's inode cannot be freed and reused by a later file:
    // an unchanged inode then really means the same file.
    int pin = -1;
    FileIdentity identity;
    bool unreadable = false; // present, but its bytes could not be read at all
    PreferencesDamage damage;
    QByteArray damagedRaw; // to be set aside before it is replaced: no recovered copy
    QList<PreferencesMember> members;
};

} // namespace detail

using detail::FileIdentity;
using detail::PreferencesMember;
using detail::PreferencesSnapshot;

namespace {

constexpr char kBase64Marker[] = "tavlen.bytes.base64";
// Longer would freeze the screens; a save the lock kept out is retried later.
constexpr int kLockTimeoutMs = 200;
// Deeper JSON is refused rather than risk the recursive reader's stack.
constexpr int kMaxDepth = 512;

FileIdentity identityOf(const struct stat& st) {
    FileIdentity id;
    id.exists = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modified = st.st_mtim;
    id.changed = st.st_ctim;
    return id;
}

FileIdentity identityOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return identityOf(st);
}

bool isJsonSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A string stream that the reader does not copy into locals, so Tell() is current
// inside the handler's calls.
struct TrackedStream : rapidjson::StringStream {
    using rapidjson::StringStream::StringStream;
};

// Walks the top-level object and notes where each member's value starts and ends
// in the text.
class MemberScanner : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, MemberScanner> {
public:
    MemberScanner(const QByteArray& text, const TrackedStream& stream,
                  QList<PreferencesMember>& out)
        : m_text(text), m_stream(stream), m_out(out) {}

    bool Default() { return scalar(); }
    bool Key(const char* s, rapidjson::SizeType length, bool) {
        if (m_depth == 1) {
            m_key = QString::fromUtf8(s, qsizetype(length));
            m_inMember = true;
            m_valueStart = valueStartAfter(m_stream.Tell());
        }
        return true;
    }
    // The member whose value was being read when the text stopped making sense.
    std::optional<QString> openMember() const {
        return m_inMember ? std::optional<QString>(m_key) : std::nullopt;
    }
    bool StartObject() { return open(); }
    bool StartArray() { return m_depth > 0 && open(); }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool EndArray(rapidjson::SizeType) { return close(); }

private:
    qsizetype valueStartAfter(size_t afterKey) const {
        qsizetype i = qsizetype(afterKey);
        while (i < m_text.size() && (isJsonSpace(m_text[i]) || m_text[i] == ':'))
            ++i;
        return i;
    }
    bool scalar() {
        if (m_depth == 0)
            return false; // the root must be an object
        if (m_depth == 1)
            finish(qsizetype(m_stream.Tell()));
        return true;
    }
    bool open() { return ++m_depth <= kMaxDepth; }
    bool close() {
        --m_depth;
        if (m_depth == 1)
            finish(qsizetype(m_stream.Tell()));
        return true;
    }
    void finish(qsizetype end) {
        m_inMember = false;
        PreferencesMember member{m_key, m_text.sliced(m_valueStart, end - m_valueStart)};
        for (PreferencesMember& existing : m_out) {
            if (existing.key == member.key) { // duplicate key: the last one holds
                existing.raw = std::move(member.raw);
                return;
            }
        }
        m_out.append(std::move(member));
    }

    const QByteArray& m_text;
    const TrackedStream& m_stream;
    QList<PreferencesMember>& m_out;
    int m_depth = 0;
    QString m_key;
    bool m_inMember = false;
    qsizetype m_valueStart = 0;
};

// Only nesting is looked at.
class DepthLimit : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, DepthLimit> {
public:
    bool Default() { return true; }
    bool StartObject() { return ++m_depth <= kMaxDepth; }
    bool StartArray() { return ++m_depth <= kMaxDepth; }
    bool EndObject(rapidjson::SizeType) { return --m_depth, true; }
    bool EndArray(rapidjson::SizeType) { return --m_depth, true; }

private:
    int m_depth = 0;
};

// QByteArray's text always ends in a NUL, which the string stream relies on; an
// embedded NUL, or bytes that are no UTF-8, make it no JSON text.
bool readableText(const QByteArray& text) {
    return !text.isEmpty() && !text.contains('\0') && isValidUtf8(text);
}

// Numbers are only passed over, so one too big for a double damages nothing.
constexpr unsigned kScanFlags = rapidjson::kParseNumbersAsStringsFlag;

// Reads the members of the top-level object. Where the text stops making sense,
// the member being read is noted as damaged and reading starts again at the next
// line that begins a member, as this file writes one member per line.
void parseMembers(const QByteArray& text, QList<PreferencesMember>& out,
                  PreferencesDamage& damage) {
    QByteArray part = text;
    QByteArray scan = part; // the same text with numbers the reader refuses tamed
    while (true) {
        const qsizetype before = out.size();
        TrackedStream stream(scan.constData());
        MemberScanner scanner(part, stream, out);
        rapidjson::Reader reader;
        const rapidjson::ParseResult result = reader.Parse<kScanFlags>(stream, scanner);
        if (!result.IsError())
            return;
        const qsizetype stop = qsizetype(result.Offset());
        if (result.Code() == rapidjson::kParseErrorNumberTooBig && zeroExponentAt(scan, stop)) {
            out.resize(before);
            continue;
        }
        if (const auto key = scanner.openMember())
            damage.members.append(*key);
        else
            damage.rest = true;
        const qsizetype next = part.indexOf("\n\"", std::max<qsizetype>(stop, 1));
        if (next < 0)
            return;
        part = '{' + part.sliced(next + 1);
        scan = '{' + scan.sliced(next + 1);
    }
}

bool isValidJson(const QByteArray& bytes) {
    if (!readableText(bytes))
        return false;
    // Parsing a scratch copy in place skips copying every string aside: faster.
    QByteArray scratch(bytes.constData(), bytes.size());
    rapidjson::InsituStringStream stream(scratch.data());
    DepthLimit limit;
    rapidjson::Reader reader;
    return !reader.Parse<rapidjson::kParseInsituFlag>(stream, limit).IsError();
}

// The bytes behind a {"tavlen.bytes.base64":"..."} value, when it is exactly that.
std::optional<QByteArray> unwrapBase64(const QByteArray& raw) {
    if (!raw.startsWith('{'))
        return std::nullopt;
    rapidjson::Document doc;
    doc.Parse(raw.constData(), size_t(raw.size()));
    if (doc.HasParseError() || !doc.IsObject() || doc.MemberCount() != 1)
        return std::nullopt;
    const auto& member = *doc.MemberBegin();
    if (std::strcmp(member.name.GetString(), kBase64Marker) != 0 ||
        member.name.GetStringLength() != sizeof(kBase64Marker) - 1 || !member.value.IsString())
        return std::nullopt;
    auto decoded = QByteArray::fromBase64Encoding(
        QByteArray(member.value.GetString(), qsizetype(member.value.GetStringLength())),
        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

QByteArray jsonString(const QString& text) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    const QByteArray utf8 = text.toUtf8();
    writer.String(utf8.constData(), rapidjson::SizeType(utf8.size()));
    return QByteArray(buffer.GetString(), qsizetype(buffer.GetSize()));
}

// The text a data value is stored as: itself when that reads back as the same data.
QByteArray storedForm(const QByteArray& bytes) {
    const bool embeddable = !bytes.isEmpty() && !isJsonSpace(bytes.front()) &&
                            !isJsonSpace(bytes.back()) && bytes != "true" && bytes != "false" &&
                            bytes != "null" && isValidJson(bytes) &&
                            !unwrapBase64(bytes).has_value();
    if (embeddable)
        return bytes;
    return "{\"" + QByteArray(kBase64Marker) + "\":\"" + bytes.toBase64() + "\"}";
}

QByteArray compose(const QList<PreferencesMember>& members) {
    qsizetype size = 4;
    for (const PreferencesMember& m : members)
        size += m.key.size() * 3 + m.raw.size() + 8;
    QByteArray out;
    out.reserve(size);
    out += "{";
    for (qsizetype i = 0; i < members.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        out += jsonString(members[i].key);
        out += ':';
        out += members[i].raw;
    }
    out += "\n}\n";
    return out;
}

// The members of `text`, read as far as they can be.
void readMembers(QByteArray text, PreferencesSnapshot& snapshot) {
    if (text.startsWith("\xEF\xBB\xBF")) // a byte-order mark some editors write
        text.remove(0, 3);
    if (!isValidUtf8(text)) {
        text = repairedUtf8(text);
        snapshot.damage.characters = true;
    }
    if (text.trimmed().isEmpty()) {
        snapshot.damage.rest = !text.isEmpty() || snapshot.identity.size > 0;
        return;
    }
    parseMembers(text, snapshot.members, snapshot.damage);
}

std::shared_ptr<PreferencesSnapshot> load(const QString& path, RecoveryFolder* recovery) {
    auto snapshot = std::make_shared<PreferencesSnapshot>();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            snapshot->identity = identityOf(path);
        snapshot->unreadable = snapshot->identity.exists;
        return snapshot;
    }
    struct stat st {};
    QByteArray text;
    bool readOk = ::fstat(fd, &st) == 0;
    if (readOk) {
        snapshot->identity = identityOf(st);
        text.resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (readOk && done < text.size()) {
            const ssize_t n = ::read(fd, text.data() + done, size_t(text.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            readOk = n > 0;
            done += n > 0 ? n : 0;
        }
        text.truncate(done);
    }
    snapshot->pin = fd;
    if (!readOk) {
        snapshot->unreadable = true;
        return snapshot;
    }
    readMembers(text, *snapshot);
    if (snapshot->damage.any()) {
        const auto copy =
            recovery ? recovery->keep(QFileInfo(path).fileName(), text) : std::nullopt;
        if (copy)
            snapshot->damage.copy = *copy;
        else
            snapshot->damagedRaw = text;
    }
    return snapshot;
}

bool setAside(const QString& path, const QByteArray& bytes) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QLatin1String(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QLatin1String(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    return durable::writeAtomically(aside, bytes);
}

const PreferencesMember* find(const QList<PreferencesMember>& members, const QString& key) {
    for (const PreferencesMember& m : members) {
        if (m.key == key)
            return m.raw == "null" ? nullptr : &m;
    }
    return nullptr;
}

bool readsAsTrue(const QByteArray& raw) {
    if (raw == "true")
        return true;
    if (raw.isEmpty() || raw == "false")
        return false;
    const char first = raw.front();
    if (first == '-' || (first >= '0' && first <= '9'))
        return raw.toDouble() != 0.0;
    if (first != '"')
        return false;
    rapidjson::Document doc;
    doc.Parse(raw.constData(), size_t(raw.size()));
    if (doc.HasParseError() || !doc.IsString())
        return false;
    const QString text = QString::fromUtf8(doc.GetString(), qsizetype(doc.GetStringLength()));
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
           text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0 ||
           text == QLatin1String("1");
}

bool folderUsable(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0)
        return S_ISDIR(st.st_mode) && ::access(name.constData(), R_OK | W_OK | X_OK) == 0;
    // Missing: it can be made when the nearest existing ancestor is a usable folder.
    const QString parent = QFileInfo(folder).absolutePath();
    return parent != folder && folderUsable(parent);
}

} // namespace

PreferencesFile::PreferencesFile(QString path, RecoveryFolder* recovery)
    : m_path(std::move(path)), m_recovery(recovery) {}

const PreferencesSnapshot& PreferencesFile::current() const {
    if (changedOnDisk())
        m_snapshot = load(m_path, m_recovery);
    return *m_snapshot;
}

bool PreferencesFile::changedOnDisk() const {
    return !m_snapshot || !(identityOf(m_path) == m_snapshot->identity);
}

PreferencesDamage PreferencesFile::damage() const {
    return current().damage;
}

bool PreferencesFile::canOpen() const {
    const QByteArray name = QFile::encodeName(m_path);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0)
        return S_ISREG(st.st_mode) && ::access(name.constData(), R_OK) == 0;
    return errno == ENOENT && folderUsable(QFileInfo(m_path).absolutePath());
}

bool PreferencesFile::hasValue(const QString& key) const {
    return find(current().members, key) != nullptr;
}

std::optional<QByteArray> PreferencesFile::data(const QString& key) const {
    const PreferencesMember* member = find(current().members, key);
    if (!member || member->raw == "true" || member->raw == "false")
        return std::nullopt;
    if (auto bytes = unwrapBase64(member->raw))
        return bytes;
    return member->raw;
}

std::optional<bool> PreferencesFile::boolean(const QString& key) const {
    const PreferencesMember* member = find(current().members, key);
    if (!member)
        return std::nullopt;
    return readsAsTrue(member->raw);
}

QStringList PreferencesFile::keys() const {
    QStringList out;
    for (const PreferencesMember& m : current().members) {
        if (m.raw != "null")
            out.append(m.key);
    }
    return out;
}

void PreferencesFile::Changes::setData(const QString& key, const QByteArray& bytes) {
    m_raw.append({key, storedForm(bytes)});
}

void PreferencesFile::Changes::setBoolean(const QString& key, bool value) {
    m_raw.append({key, QByteArray(value ? "true" : "false")});
}

void PreferencesFile::Changes::remove(const QString& key) {
    m_raw.append({key, std::nullopt});
}

bool PreferencesFile::setData(const QString& key, const QByteArray& bytes) {
    return write([&](Changes& changes) { changes.setData(key, bytes); });
}

bool PreferencesFile::setData(const QList<std::pair<QString, QByteArray>>& values) {
    return write([&](Changes& changes) {
        for (const auto& [key, bytes] : values)
            changes.setData(key, bytes);
    });
}

bool PreferencesFile::setBoolean(const QString& key, bool value) {
    return write([&](Changes& changes) { changes.setBoolean(key, value); });
}

bool PreferencesFile::remove(const QStringList& keys) {
    return write([&](Changes& changes) {
        for (const QString& key : keys)
            changes.remove(key);
    });
}

bool PreferencesFile::write(const std::function<void(Changes&)>& compute) {
    const auto fail = [this](const QString& reason) {
        m_lastError = reason;
        return false;
    };
    const auto failWithErrno = [&](const char* what) {
        return fail(QLatin1String(what) + QStringLiteral(": ") +
                    QString::fromLocal8Bit(std::strerror(errno)));
    };
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return fail(QStringLiteral("the folder cannot be created"));
    QLockFile lock(m_path + QLatin1String(".lock"));
    if (!lock.tryLock(kLockTimeoutMs)) {
        return fail(lock.error() == QLockFile::LockFailedError
                        ? QStringLiteral("another program holds the lock")
                        : QStringLiteral("the lock file cannot be made"));
    }

    // Look again under the lock, so another process's changes to other keys survive;
    // the file is read afresh only when it is no longer the one we have.
    const PreferencesSnapshot& fresh = current();
    // Never replace a file we could not read, nor a damaged one before a copy is kept.
    if (fresh.unreadable)
        return fail(QStringLiteral("the file cannot be read"));
    if (!fresh.damagedRaw.isEmpty() && !setAside(m_path, fresh.damagedRaw))
        return failWithErrno("the damaged file cannot be copied aside");

    Changes changes;
    compute(changes);
    if (changes.m_raw.isEmpty()) {
        m_lastError.clear();
        return true;
    }
    auto next = std::make_shared<PreferencesSnapshot>();
    next->members = fresh.members;
    for (const auto& [key, value] : changes.m_raw) {
        const auto it = std::find_if(next->members.begin(), next->members.end(),
                                     [&](const PreferencesMember& m) { return m.key == key; });
        if (!value)
            next->members.removeIf([&](const PreferencesMember& m) { return m.key == key; });
        else if (it != next->members.end())
            it->raw = *value;
        else
            next->members.append({key, *value});
    }
    if (!durable::writeAtomically(m_path, compose(next->members)))
        return failWithErrno("write failed");
    next->pin = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    next->identity =
        next->pin >= 0 && ::fstat(next->pin, &st) == 0 ? identityOf(st) : identityOf(m_path);
    m_snapshot = std::move(next);
    m_lastError.clear();
    return true;
}

PreferencesSuites::PreferencesSuites(const QString& configHome)
    : m_standard(configHome + QLatin1String("/Tavlen/Tavlen.json")),
      m_shared(configHome + QLatin1String("/Tavlen/group.tavlen.json")) {}

void PreferencesSuites::setRecovery(RecoveryFolder* recovery) {
    m_standard.setRecovery(recovery);
    m_shared.setRecovery(recovery);
}

QString PreferencesSuites::configHomeFromEnvironment() {
    return xdgHome("XDG_CONFIG_HOME", ".config");
}

PreferencesFile& PreferencesSuites::shared() {
    return m_shared.canOpen() ? m_shared : m_standard;
}

} // namespace tavlen
