#pragma once

#include <QStringView>

namespace tavlen {

// An opaque sRGB colour, components in 0...1.
struct Farve {
    double roed = 0;
    double groen = 0;
    double blaa = 0;
    double opacitet = 1.0;
    friend bool operator==(const Farve&, const Farve&) = default;
};

// A subject's colour text ("3B82F6", "#3B82F6", " 0x00FF00 ") as a colour; only the
// lowest 24 bits of the number read from its start count, unreadable text is black.
Farve farveFraHex(QStringView hex);

} // namespace tavlen
