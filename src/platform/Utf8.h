#pragma once

#include <QByteArrayView>

namespace tavlen {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// Fast on ASCII, which is most of what the stored JSON holds.
bool isValidUtf8(QByteArrayView bytes);

} // namespace tavlen
