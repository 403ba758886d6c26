#include "Farve.h"

#include <QChar>

#include <cstdint>
#include <limits>

namespace tavlen {

namespace {

// The platform's "alphanumerics": letters, marks and numbers.
bool isAlphanumeric(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

// Strips non-alphanumeric code points (surrogate pairs kept whole) from both ends.
QStringView trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end) {
        const bool pair =
            begin + 1 < end && text[begin].isHighSurrogate() && text[begin + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[begin], text[begin + 1])
                                : char32_t(text[begin].unicode());
        if (isAlphanumeric(c))
            break;
        begin += pair ? 2 : 1;
    }
    while (end > begin) {
        const bool pair =
            end - 2 >= begin && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[end - 2], text[end - 1])
                                : char32_t(text[end - 1].unicode());
        if (isAlphanumeric(c))
            break;
        end -= pair ? 2 : 1;
    }
    return text.sliced(begin, end - begin);
}

int hexDigit(QChar ch) {
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isCSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Like strtoull(text, nullptr, 16): saturates instead of wrapping.
std::uint64_t readHex(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    // "0x" counts as a prefix only when a digit follows, as in strtoull.
    if (i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        hexDigit(text[i + 2]) >= 0)
        i += 2;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            break;
        value = value > (kMax >> 4) ? kMax : (value << 4) | std::uint64_t(digit);
    }
    return value;
}

} // namespace

Farve farveFraHex(QStringView hex) {
    const std::uint64_t value = readHex(trimmed(hex));
    return Farve{double((value >> 16) & 0xFF) / 255.0, double((value >> 8) & 0xFF) / 255.0,
                 double(value & 0xFF) / 255.0, 1.0};
}

} // namespace tavlen
