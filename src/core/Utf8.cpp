#include "Utf8.h"

#include <cstdint>
#include <cstring>

namespace tavlen {

namespace {

// The length of the well-formed sequence at s[i], or 0 when there is none.
int sequenceAt(const unsigned char* s, qsizetype n, qsizetype i) {
    const unsigned char c = s[i];
    if (c < 0x80)
        return 1;
    int length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0; // overlong
        else if (c == 0xED)
            high = 0x9F; // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90; // overlong
        else if (c == 0xF4)
            high = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (i + length > n || s[i + 1] < low || s[i + 1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if ((s[i + k] & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, s + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const int length = sequenceAt(s, n, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QByteArray repairedUtf8(QByteArrayView bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    QByteArray out;
    out.reserve(n + 16);
    for (qsizetype i = 0; i < n;) {
        const int length = sequenceAt(s, n, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD"; // U+FFFD for each byte that starts no sequence
            ++i;
            continue;
        }
        out.append(bytes.data() + i, length);
        i += length;
    }
    return out;
}

} // namespace tavlen
