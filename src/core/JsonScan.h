#pragma once

#include <QByteArray>

namespace tavlen {

// The reader refuses a number whose exponent is above 308 even where it only passes
// numbers over. This zeroes the exponent digits of the number at `offset` in a copy
// made for scanning; the length stays, so offsets still point into the original.
// False when the number there has no exponent to zero.
inline bool zeroExponentAt(QByteArray& scan, qsizetype offset) {
    qsizetype i = offset;
    const auto digit = [&](qsizetype k) {
        return k < scan.size() && scan[k] >= '0' && scan[k] <= '9';
    };
    while (i < scan.size() && (digit(i) || scan[i] == '-' || scan[i] == '.'))
        ++i;
    if (i >= scan.size() || (scan[i] != 'e' && scan[i] != 'E'))
        return false;
    ++i;
    if (i < scan.size() && (scan[i] == '+' || scan[i] == '-'))
        ++i;
    if (!digit(i))
        return false;
    for (; digit(i); ++i)
        scan[i] = '0';
    return true;
}

} // namespace tavlen
