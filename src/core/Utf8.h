#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tavlen {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// Fast on ASCII, which is most of what the stored JSON holds.
bool isValidUtf8(QByteArrayView bytes);

// The bytes with every byte that is not part of well-formed UTF-8 replaced by U+FFFD.
QByteArray repairedUtf8(QByteArrayView bytes);

} // namespace tavlen
