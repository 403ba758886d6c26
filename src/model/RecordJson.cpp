#include "RecordJson.h"

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>
#include <cstring>

namespace tavlen::json {

namespace {

constexpr qint64 kEpoch2001Ms = 978307200000; // 2001-01-01T00:00:00Z in ms since 1970
// About ±31,000 years: far beyond any deadline, well inside what QDateTime holds.
constexpr double kMaxAbsSeconds = 1e12;

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;
using Value = rapidjson::Value;

// --- encoding ---------------------------------------------------------------

void writeString(Writer& w, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    w.String(utf8.constData(), rapidjson::SizeType(utf8.size()));
}

void writeUuid(Writer& w, const QUuid& uuid) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray raw = uuid.toRfc4122();
    char out[36];
    int o = 0;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            out[o++] = '-';
        const auto byte = static_cast<unsigned char>(raw[i]);
        out[o++] = kHex[byte >> 4];
        out[o++] = kHex[byte & 0xF];
    }
    w.String(out, 36);
}

bool writeDate(Writer& w, const QDateTime& moment) {
    if (!moment.isValid())
        return false;
    const qint64 ms = moment.toMSecsSinceEpoch() - kEpoch2001Ms;
    // Whole seconds as integers so the file reads "0", not "0.0".
    if (ms % 1000 == 0)
        return w.Int64(ms / 1000);
    return w.Double(double(ms) / 1000.0);
}

void writeStringList(Writer& w, const QStringList& list) {
    w.StartArray();
    for (const QString& s : list)
        writeString(w, s);
    w.EndArray();
}

QByteArray take(const rapidjson::StringBuffer& buffer) {
    return QByteArray(buffer.GetString(), qsizetype(buffer.GetSize()));
}

template <typename T, typename WriteOne>
std::optional<QByteArray> encodeList(const QList<T>& list, qsizetype perItem, WriteOne writeOne) {
    rapidjson::StringBuffer buffer(nullptr, size_t(64 + list.size() * perItem));
    Writer w(buffer);
    w.StartArray();
    for (const T& item : list) {
        if (!writeOne(w, item))
            return std::nullopt;
    }
    w.EndArray();
    return take(buffer);
}

// --- decoding ---------------------------------------------------------------

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Only the canonical 8-4-4-4-12 form, either case.
bool readUuid(const Value& v, QUuid& out) {
    if (!v.IsString() || v.GetStringLength() != 36)
        return false;
    const char* s = v.GetString();
    char bytes[16];
    int b = 0;
    for (int i = 0; i < 36;) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (s[i] != '-')
                return false;
            ++i;
            continue;
        }
        const int hi = hexValue(s[i]);
        const int lo = hexValue(s[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        bytes[b++] = char((hi << 4) | lo);
        i += 2;
    }
    out = QUuid::fromRfc4122(QByteArrayView(bytes, 16));
    return true;
}

bool readString(const Value& v, QString& out) {
    if (!v.IsString())
        return false;
    out = QString::fromUtf8(v.GetString(), qsizetype(v.GetStringLength()));
    return true;
}

bool readBool(const Value& v, bool& out) {
    if (!v.IsBool())
        return false;
    out = v.GetBool();
    return true;
}

bool readDate(const Value& v, QDateTime& out) {
    if (!v.IsNumber())
        return false;
    out = fraSekunderSiden2001(v.GetDouble());
    return out.isValid();
}

bool readStringList(const Value& v, QStringList& out) {
    if (!v.IsArray())
        return false;
    out.clear();
    out.reserve(v.Size());
    for (const Value& item : v.GetArray()) {
        if (!item.IsString())
            return false;
        out.append(QString::fromUtf8(item.GetString(), qsizetype(item.GetStringLength())));
    }
    return true;
}

bool keyIs(const Value& name, const char* key, size_t length) {
    return name.GetStringLength() == length && std::memcmp(name.GetString(), key, length) == 0;
}

#define TAVLEN_KEY(name, key) keyIs(name, key, sizeof(key) - 1)

// Reads the members of one object; a listed key of the wrong type fails at once,
// unknown keys are skipped. Returns the bit set of the listed keys seen.
template <typename Record, typename ReadMember>
bool decodeObject(const Value& object, Record& record, unsigned allKeys, ReadMember readMember) {
    if (!object.IsObject())
        return false;
    unsigned seen = 0;
    for (const auto& member : object.GetObject()) {
        const int bit = readMember(member.name, member.value, record);
        if (bit < 0)
            return false;
        seen |= unsigned(bit);
    }
    return seen == allKeys;
}

template <typename Record, typename ReadMember>
std::optional<QList<Record>> decodeList(QByteArrayView json, unsigned allKeys,
                                        ReadMember readMember) {
    // The length-bounded parser would stop quietly at an embedded NUL.
    if (json.isEmpty() || std::memchr(json.data(), 0, size_t(json.size())) != nullptr)
        return std::nullopt;
    rapidjson::Document doc;
    // Iterative: a deeply nested damaged file must not exhaust the stack.
    doc.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag>(
        json.data(), size_t(json.size()));
    if (doc.HasParseError() || !doc.IsArray())
        return std::nullopt;
    QList<Record> list;
    list.reserve(doc.Size());
    for (const Value& object : doc.GetArray()) {
        Record record;
        if (!decodeObject(object, record, allKeys, readMember))
            return std::nullopt;
        list.append(std::move(record));
    }
    return list;
}

// Each returns the key's bit, 0 for an unknown key, -1 for a listed key of the wrong type.
int readFagMember(const Value& name, const Value& v, Fag& f) {
    if (TAVLEN_KEY(name, "id"))
        return readUuid(v, f.id) ? 1 : -1;
    if (TAVLEN_KEY(name, "navn"))
        return readString(v, f.navn) ? 2 : -1;
    if (TAVLEN_KEY(name, "ikonNavn"))
        return readString(v, f.ikonNavn) ? 4 : -1;
    if (TAVLEN_KEY(name, "farveHex"))
        return readString(v, f.farveHex) ? 8 : -1;
    return 0;
}

// Shared by Lektie and OldLektie; the legacy form simply has no "links".
template <typename Record> int readLektieMember(const Value& name, const Value& v, Record& l) {
    if (TAVLEN_KEY(name, "id"))
        return readUuid(v, l.id) ? 1 : -1;
    if (TAVLEN_KEY(name, "fagId"))
        return readUuid(v, l.fagId) ? 2 : -1;
    if (TAVLEN_KEY(name, "titel"))
        return readString(v, l.titel) ? 4 : -1;
    if (TAVLEN_KEY(name, "beskrivelse"))
        return readString(v, l.beskrivelse) ? 8 : -1;
    if (TAVLEN_KEY(name, "deadline"))
        return readDate(v, l.deadline) ? 16 : -1;
    if (TAVLEN_KEY(name, "erFaerdig"))
        return readBool(v, l.erFaerdig) ? 32 : -1;
    if (TAVLEN_KEY(name, "oprettetDato"))
        return readDate(v, l.oprettetDato) ? 64 : -1;
    if constexpr (std::is_same_v<Record, Lektie>) {
        if (TAVLEN_KEY(name, "links"))
            return readStringList(v, l.links) ? 128 : -1;
    }
    return 0;
}

#undef TAVLEN_KEY

} // namespace

double sekunderSiden2001(const QDateTime& moment) {
    return double(moment.toMSecsSinceEpoch() - kEpoch2001Ms) / 1000.0;
}

QDateTime fraSekunderSiden2001(double seconds) {
    if (!std::isfinite(seconds) || std::fabs(seconds) > kMaxAbsSeconds)
        return {};
    const auto ms = static_cast<qint64>(std::llround(seconds * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(ms + kEpoch2001Ms, Qt::UTC);
}

std::optional<QByteArray> encode(const QList<Fag>& fag) {
    return encodeList(fag, 120, [](Writer& w, const Fag& f) {
        w.StartObject();
        w.Key("id", 2);
        writeUuid(w, f.id);
        w.Key("navn", 4);
        writeString(w, f.navn);
        w.Key("ikonNavn", 8);
        writeString(w, f.ikonNavn);
        w.Key("farveHex", 8);
        writeString(w, f.farveHex);
        w.EndObject();
        return true;
    });
}

std::optional<QByteArray> encode(const QList<Lektie>& lektier) {
    return encodeList(lektier, 300, [](Writer& w, const Lektie& l) {
        w.StartObject();
        w.Key("id", 2);
        writeUuid(w, l.id);
        w.Key("fagId", 5);
        writeUuid(w, l.fagId);
        w.Key("titel", 5);
        writeString(w, l.titel);
        w.Key("beskrivelse", 11);
        writeString(w, l.beskrivelse);
        w.Key("links", 5);
        writeStringList(w, l.links);
        w.Key("deadline", 8);
        if (!writeDate(w, l.deadline))
            return false;
        w.Key("erFaerdig", 9);
        w.Bool(l.erFaerdig);
        w.Key("oprettetDato", 12);
        if (!writeDate(w, l.oprettetDato))
            return false;
        w.EndObject();
        return true;
    });
}

std::optional<QList<Fag>> decodeFag(QByteArrayView json) {
    return decodeList<Fag>(json, 0xF, readFagMember);
}

std::optional<QList<Lektie>> decodeLektier(QByteArrayView json) {
    return decodeList<Lektie>(json, 0xFF, readLektieMember<Lektie>);
}

std::optional<QList<OldLektie>> decodeOldLektier(QByteArrayView json) {
    return decodeList<OldLektie>(json, 0x7F, readLektieMember<OldLektie>);
}

} // namespace tavlen::json
