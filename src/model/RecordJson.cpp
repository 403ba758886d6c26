#include "RecordJson.h"

#include "core/JsonScan.h"
#include "core/Utf8.h"

// Every x86-64 has SSE2; it lets the reader scan strings and spaces 16 bytes at a time.
#if defined(__SSE2__) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif
#include <rapidjson/reader.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tavlen::json {

namespace {

constexpr qint64 kEpoch2001Ms = 978307200000; // 2001-01-01T00:00:00Z in ms since 1970
// About ±31,000 years: far beyond any deadline, well inside what QDateTime holds.
constexpr double kMaxAbsSeconds = 1e12;

// --- encoding ---------------------------------------------------------------
// Written by hand: straight from UTF-16 into the output buffer, one pass, no
// temporary UTF-8 copies. This is what keeps saving a long list cheap.

class Output {
public:
    explicit Output(qsizetype expected) { m_buffer.resize(expected); }

    void literal(const char* text, qsizetype length) {
        char* p = reserve(length);
        std::memcpy(p, text, size_t(length));
        m_length += length;
    }
    template <qsizetype N> void literal(const char (&text)[N]) { literal(text, N - 1); }

    void string(const QString& text) {
        // At most six bytes per UTF-16 unit (\u001f), plus the quotes.
        char* const start = reserve(text.size() * 6 + 2);
        char* p = start;
        *p++ = '"';
        const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
        const char16_t* const end = s + text.size();
        while (s < end) {
            const char16_t c = *s++;
            if (c < 0x80) {
                if (c >= 0x20 && c != u'"' && c != u'\\') {
                    *p++ = char(c);
                    continue;
                }
                *p++ = '\\';
                switch (c) {
                case u'"':
                    *p++ = '"';
                    break;
                case u'\\':
                    *p++ = '\\';
                    break;
                case u'\n':
                    *p++ = 'n';
                    break;
                case u'\r':
                    *p++ = 'r';
                    break;
                case u'\t':
                    *p++ = 't';
                    break;
                case u'\b':
                    *p++ = 'b';
                    break;
                case u'\f':
                    *p++ = 'f';
                    break;
                default:
                    static constexpr char kHex[] = "0123456789abcdef";
                    *p++ = 'u';
                    *p++ = '0';
                    *p++ = '0';
                    *p++ = kHex[c >> 4];
                    *p++ = kHex[c & 0xF];
                }
                continue;
            }
            char32_t cp = c;
            if (QChar::isHighSurrogate(c) && s < end && QChar::isLowSurrogate(*s))
                cp = QChar::surrogateToUcs4(c, *s++);
            else if (QChar::isSurrogate(c))
                cp = 0xFFFD; // a lone half cannot be written as UTF-8
            if (cp < 0x800) {
                *p++ = char(0xC0 | (cp >> 6));
                *p++ = char(0x80 | (cp & 0x3F));
            } else if (cp < 0x10000) {
                *p++ = char(0xE0 | (cp >> 12));
                *p++ = char(0x80 | ((cp >> 6) & 0x3F));
                *p++ = char(0x80 | (cp & 0x3F));
            } else {
                *p++ = char(0xF0 | (cp >> 18));
                *p++ = char(0x80 | ((cp >> 12) & 0x3F));
                *p++ = char(0x80 | ((cp >> 6) & 0x3F));
                *p++ = char(0x80 | (cp & 0x3F));
            }
        }
        *p++ = '"';
        m_length += p - start;
    }

    void uuid(const QUuid& id) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const quint8 bytes[16] = {quint8(id.data1 >> 24),
                                  quint8(id.data1 >> 16),
                                  quint8(id.data1 >> 8),
                                  quint8(id.data1),
                                  quint8(id.data2 >> 8),
                                  quint8(id.data2),
                                  quint8(id.data3 >> 8),
                                  quint8(id.data3),
                                  id.data4[0],
                                  id.data4[1],
                                  id.data4[2],
                                  id.data4[3],
                                  id.data4[4],
                                  id.data4[5],
                                  id.data4[6],
                                  id.data4[7]};
        char* const start = reserve(38);
        char* p = start;
        *p++ = '"';
        for (int i = 0; i < 16; ++i) {
            if (i == 4 || i == 6 || i == 8 || i == 10)
                *p++ = '-';
            *p++ = kHex[bytes[i] >> 4];
            *p++ = kHex[bytes[i] & 0xF];
        }
        *p++ = '"';
        m_length += p - start;
    }

    // Exact decimal of the millisecond count: whole seconds as an integer ("0"),
    // otherwise up to three decimals ("-1.5", "12.345").
    bool date(const QDateTime& moment) {
        if (!moment.isValid())
            return false;
        const qint64 ms = moment.toMSecsSinceEpoch() - kEpoch2001Ms;
        const std::uint64_t magnitude = ms < 0 ? std::uint64_t(0) - std::uint64_t(ms) : ms;
        char digits[32];
        int n = 0;
        std::uint64_t seconds = magnitude / 1000;
        unsigned fraction = unsigned(magnitude % 1000);
        do {
            digits[n++] = char('0' + seconds % 10);
            seconds /= 10;
        } while (seconds != 0);
        char* const start = reserve(32);
        char* p = start;
        if (ms < 0)
            *p++ = '-';
        while (n > 0)
            *p++ = digits[--n];
        if (fraction != 0) {
            *p++ = '.';
            char frac[3] = {char('0' + fraction / 100), char('0' + fraction / 10 % 10),
                            char('0' + fraction % 10)};
            int used = 3;
            while (frac[used - 1] == '0')
                --used;
            for (int i = 0; i < used; ++i)
                *p++ = frac[i];
        }
        m_length += p - start;
        return true;
    }

    QByteArray take() {
        m_buffer.truncate(m_length);
        return std::move(m_buffer);
    }

private:
    char* reserve(qsizetype more) {
        if (m_length + more > m_buffer.size())
            m_buffer.resize(std::max(m_buffer.size() * 2, m_length + more));
        return m_buffer.data() + m_length;
    }

    QByteArray m_buffer;
    qsizetype m_length = 0;
};

// --- decoding ---------------------------------------------------------------

constexpr std::array<signed char, 256> kHexValues = [] {
    std::array<signed char, 256> table{};
    table.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        table[size_t(c)] = static_cast<signed char>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        table[size_t(c)] = static_cast<signed char>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        table[size_t(c)] = static_cast<signed char>(c - 'A' + 10);
    return table;
}();

int hexValue(char c) {
    return kHexValues[static_cast<unsigned char>(c)];
}

// Only the canonical 8-4-4-4-12 form, either case.
bool parseUuid(const char* s, size_t length, QUuid& out) {
    if (length != 36)
        return false;
    quint8 bytes[16];
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
        bytes[b++] = quint8((hi << 4) | lo);
        i += 2;
    }
    out = QUuid(uint(bytes[0]) << 24 | uint(bytes[1]) << 16 | uint(bytes[2]) << 8 | bytes[3],
                ushort(bytes[4] << 8 | bytes[5]), ushort(bytes[6] << 8 | bytes[7]), bytes[8],
                bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return true;
}

enum class Kind { Uuid, Text, Texts, Bool, Date };

struct Field {
    std::string_view key;
    Kind kind;
};

// Fields of each record in a fixed order; a record's bit set says which were seen.
constexpr Field kFagFields[] = {
    {"id", Kind::Uuid}, {"navn", Kind::Text}, {"ikonNavn", Kind::Text}, {"farveHex", Kind::Text}};
constexpr Field kLektieFields[] = {{"id", Kind::Uuid},           {"fagId", Kind::Uuid},
                                   {"titel", Kind::Text},        {"beskrivelse", Kind::Text},
                                   {"deadline", Kind::Date},     {"erFaerdig", Kind::Bool},
                                   {"oprettetDato", Kind::Date}, {"links", Kind::Texts}};

// Where each field of a record lives, by field index.
template <typename Record> struct Slots;

template <> struct Slots<Fag> {
    static constexpr auto& fields = kFagFields;
    static constexpr int count = 4;
    static constexpr bool hasLinks = false;
    static constexpr bool hasDates = false;
    static QUuid* uuid(Fag& f, int) { return &f.id; }
    static QString* text(Fag& f, int i) {
        return i == 1 ? &f.navn : i == 2 ? &f.ikonNavn : &f.farveHex;
    }
};

template <typename L> struct LektieSlots {
    static constexpr auto& fields = kLektieFields;
    static QUuid* uuid(L& l, int i) { return i == 0 ? &l.id : &l.fagId; }
    static QString* text(L& l, int i) { return i == 2 ? &l.titel : &l.beskrivelse; }
    static bool* flag(L& l, int) { return &l.erFaerdig; }
    static QDateTime* date(L& l, int i) { return i == 4 ? &l.deadline : &l.oprettetDato; }
};

template <> struct Slots<Lektie> : LektieSlots<Lektie> {
    static constexpr int count = 8;
    static constexpr bool hasLinks = true;
    static constexpr bool hasDates = true;
    static QStringList* texts(Lektie& l, int) { return &l.links; }
};

// The legacy record is the same without "links", which is the last field.
template <> struct Slots<OldLektie> : LektieSlots<OldLektie> {
    static constexpr int count = 7;
    static constexpr bool hasLinks = false;
    static constexpr bool hasDates = true;
};

// Streams an array of objects straight into records. Any value of the wrong type
// stops the parse, which fails the whole array. Nesting is capped, so a damaged
// text cannot run the recursive parser out of stack.
template <typename Record>
class ListHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, ListHandler<Record>> {
    using S = Slots<Record>;
    static constexpr int kMaxDepth = 512; // as the preferences file allows
    static constexpr unsigned kAll = (1u << S::count) - 1;

public:
    QList<Record> list;

    bool StartArray() {
        if (m_skip > 0 || (m_depth == 2 && m_field < 0))
            return enterSkip();
        if constexpr (S::hasLinks) {
            if (m_depth == 2 && kindOf(m_field) == Kind::Texts) {
                S::texts(list.back(), m_field)->clear();
                m_depth = 3;
                return true;
            }
        }
        if (m_depth == 0) {
            m_depth = 1;
            return true;
        }
        return false;
    }
    bool EndArray(rapidjson::SizeType) {
        if (m_skip > 0)
            return leaveSkip();
        --m_depth;
        if (m_depth == 2)
            m_seen |= 1u << m_field;
        return true;
    }
    bool StartObject() {
        if (m_skip > 0 || (m_depth == 2 && m_field < 0))
            return enterSkip();
        if (m_depth != 1)
            return false;
        m_depth = 2;
        m_seen = 0;
        list.emplace_back();
        return true;
    }
    bool EndObject(rapidjson::SizeType) {
        if (m_skip > 0)
            return leaveSkip();
        m_depth = 1;
        return m_seen == kAll;
    }
    bool Key(const char* s, rapidjson::SizeType length, bool) {
        if (m_skip > 0)
            return true;
        m_field = -1;
        for (int i = 0; i < S::count; ++i) {
            if (S::fields[i].key == std::string_view(s, length)) {
                m_field = i;
                break;
            }
        }
        return true;
    }
    bool String(const char* s, rapidjson::SizeType length, bool) {
        if (skipped())
            return true;
        Record& r = list.back();
        if constexpr (S::hasLinks) {
            if (m_depth == 3) {
                S::texts(r, m_field)->append(QString::fromUtf8(s, qsizetype(length)));
                return true;
            }
        }
        if (m_depth != 2)
            return false;
        switch (kindOf(m_field)) {
        case Kind::Uuid:
            return parseUuid(s, length, *S::uuid(r, m_field)) && see();
        case Kind::Text:
            *S::text(r, m_field) = QString::fromUtf8(s, qsizetype(length));
            return see();
        default:
            return false;
        }
    }
    bool Bool(bool value) {
        if (skipped())
            return true;
        if constexpr (S::hasDates) { // the homework records, which have the flag
            if (m_depth != 2 || kindOf(m_field) != Kind::Bool)
                return false;
            *S::flag(list.back(), m_field) = value;
            return see();
        }
        return false;
    }
    bool Double(double seconds) {
        if (skipped())
            return true;
        if constexpr (S::hasDates) {
            if (m_depth != 2 || kindOf(m_field) != Kind::Date)
                return false;
            QDateTime& date = *S::date(list.back(), m_field);
            date = fraSekunderSiden2001(seconds);
            return date.isValid() && see();
        }
        return false;
    }
    bool Int(int i) { return Double(i); }
    bool Uint(unsigned u) { return Double(u); }
    bool Int64(int64_t i) { return Double(double(i)); }
    bool Uint64(uint64_t u) { return Double(double(u)); }
    bool Null() { return skipped(); }

private:
    Kind kindOf(int field) const { return S::fields[field].kind; }
    bool see() {
        m_seen |= 1u << m_field;
        return true;
    }
    // Values of unknown keys, at any depth, are passed over.
    bool skipped() const { return m_skip > 0 || (m_depth == 2 && m_field < 0); }
    bool enterSkip() { return ++m_skip <= kMaxDepth; }
    bool leaveSkip() {
        --m_skip;
        return true;
    }

    int m_depth = 0; // 1: in the array, 2: in an object, 3: in its "links"
    int m_skip = 0;
    int m_field = -1;
    unsigned m_seen = 0;
};

template <typename Record> std::optional<QList<Record>> decodeList(QByteArrayView json) {
    // The text ends at a NUL, so an embedded one would end it early.
    if (json.isEmpty() || std::memchr(json.data(), 0, size_t(json.size())) != nullptr ||
        !isValidUtf8(json))
        return std::nullopt;
    // Parsing in place in a private copy is markedly faster than copying every string.
    QByteArray text = json.toByteArray();
    rapidjson::InsituStringStream stream(text.data());
    ListHandler<Record> handler;
    rapidjson::Reader reader;
    if (reader.Parse<rapidjson::kParseInsituFlag>(stream, handler).IsError())
        return std::nullopt;
    return std::move(handler.list);
}

// Where each object of an array starts and ends in the text; anything else in
// the array is counted as unreadable. Numbers are only passed over.
class ElementScanner : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, ElementScanner> {
public:
    explicit ElementScanner(const rapidjson::StringStream& stream) : m_stream(stream) {}

    QList<std::pair<qsizetype, qsizetype>> objects;
    int others = 0;

    bool Default() {
        if (m_depth == 1)
            ++others;
        return m_depth > 0;
    }
    bool StartObject() {
        if (m_depth == 1)
            m_start = qsizetype(m_stream.Tell()) - 1;
        return m_depth > 0 && ++m_depth <= 512;
    }
    bool StartArray() {
        if (m_depth == 1)
            m_start = -1;
        return ++m_depth <= 512;
    }
    bool EndObject(rapidjson::SizeType) { return leave(true); }
    bool EndArray(rapidjson::SizeType) { return leave(false); }
    bool inElement() const { return m_depth > 1; }

private:
    bool leave(bool object) {
        if (--m_depth == 1) {
            if (object && m_start >= 0)
                objects.append({m_start, qsizetype(m_stream.Tell())});
            else
                ++others;
        }
        return true;
    }

    const rapidjson::StringStream& m_stream;
    int m_depth = 0;
    qsizetype m_start = -1;
};

// The next object of a comma-separated list after `from`, or -1.
qsizetype nextElement(const QByteArray& text, qsizetype from) {
    for (qsizetype i = text.indexOf(',', from); i >= 0; i = text.indexOf(',', i + 1)) {
        qsizetype k = i + 1;
        while (k < text.size() &&
               (text[k] == ' ' || text[k] == '\n' || text[k] == '\r' || text[k] == '\t'))
            ++k;
        if (k < text.size() && text[k] == '{')
            return k;
    }
    return -1;
}

template <typename Record> Partial<Record> decodeRecordByRecord(QByteArrayView json) {
    if (auto all = decodeList<Record>(json))
        return {std::move(*all), 0};
    Partial<Record> out;
    QByteArray part = repairedUtf8(json);
    part.replace('\0', ' ');
    if (!part.trimmed().startsWith('[')) {
        out.unreadable = 1;
        return out;
    }
    QByteArray scan = part; // the same text with numbers the reader refuses tamed
    while (true) {
        rapidjson::StringStream stream(scan.constData());
        ElementScanner scanner(stream);
        rapidjson::Reader reader;
        const rapidjson::ParseResult result =
            reader.Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, scanner);
        if (result.Code() == rapidjson::kParseErrorNumberTooBig &&
            zeroExponentAt(scan, qsizetype(result.Offset())))
            continue;
        for (const auto& [start, end] : scanner.objects) {
            const QByteArray one = '[' + part.sliced(start, end - start) + ']';
            if (auto record = decodeList<Record>(one); record && record->size() == 1)
                out.list.append(record->front());
            else
                ++out.unreadable;
        }
        out.unreadable += scanner.others;
        if (!result.IsError())
            return out;
        // What was being read when the text broke off is one record lost; reading
        // goes on at the next record that starts after it.
        const qsizetype stop = std::min(qsizetype(result.Offset()), part.size());
        if (scanner.inElement() || !part.sliced(stop).trimmed().isEmpty())
            ++out.unreadable;
        const qsizetype next = nextElement(part, stop);
        if (next < 0)
            return out;
        part = '[' + part.sliced(next);
        scan = '[' + scan.sliced(next);
    }
}

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
    Output out(64 + fag.size() * 160);
    out.literal("[");
    for (qsizetype i = 0; i < fag.size(); ++i) {
        const Fag& f = fag[i];
        out.literal(i == 0 ? "{\"id\":" : ",{\"id\":", i == 0 ? 6 : 7);
        out.uuid(f.id);
        out.literal(",\"navn\":");
        out.string(f.navn);
        out.literal(",\"ikonNavn\":");
        out.string(f.ikonNavn);
        out.literal(",\"farveHex\":");
        out.string(f.farveHex);
        out.literal("}");
    }
    out.literal("]");
    return out.take();
}

std::optional<QByteArray> encode(const QList<Lektie>& lektier) {
    Output out(64 + lektier.size() * 400);
    out.literal("[");
    for (qsizetype i = 0; i < lektier.size(); ++i) {
        const Lektie& l = lektier[i];
        out.literal(i == 0 ? "{\"id\":" : ",{\"id\":", i == 0 ? 6 : 7);
        out.uuid(l.id);
        out.literal(",\"fagId\":");
        out.uuid(l.fagId);
        out.literal(",\"titel\":");
        out.string(l.titel);
        out.literal(",\"beskrivelse\":");
        out.string(l.beskrivelse);
        out.literal(",\"links\":[");
        for (qsizetype k = 0; k < l.links.size(); ++k) {
            if (k > 0)
                out.literal(",");
            out.string(l.links[k]);
        }
        out.literal("],\"deadline\":");
        if (!out.date(l.deadline))
            return std::nullopt;
        out.literal(l.erFaerdig ? ",\"erFaerdig\":true" : ",\"erFaerdig\":false",
                    l.erFaerdig ? 17 : 18);
        out.literal(",\"oprettetDato\":");
        if (!out.date(l.oprettetDato))
            return std::nullopt;
        out.literal("}");
    }
    out.literal("]");
    return out.take();
}

std::optional<QList<Fag>> decodeFag(QByteArrayView json) {
    return decodeList<Fag>(json);
}

std::optional<QList<Lektie>> decodeLektier(QByteArrayView json) {
    return decodeList<Lektie>(json);
}

Partial<Fag> decodeFagRecordByRecord(QByteArrayView json) {
    return decodeRecordByRecord<Fag>(json);
}

Partial<Lektie> decodeLektierRecordByRecord(QByteArrayView json) {
    return decodeRecordByRecord<Lektie>(json);
}

std::optional<QList<OldLektie>> decodeOldLektier(QByteArrayView json) {
    return decodeList<OldLektie>(json);
}

} // namespace tavlen::json
