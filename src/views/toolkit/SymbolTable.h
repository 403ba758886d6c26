#pragma once

#include <QStringView>
#include <span>

namespace tavlen {

// One symbol key and the codepoint of its glyph in the bundled Material Icons font.
struct SymbolEntry {
    QStringView key;
    char32_t codepoint;
};

// Shown for keys that have no entry (a stored subject may carry any text): crop_square.
inline constexpr char32_t kNeutralSymbol = 0xe3c6;

// Every symbol key the screens and the subject catalogue use, sorted by key.
std::span<const SymbolEntry> symbolTable();

char32_t symbolCodepoint(QStringView key);

} // namespace tavlen
