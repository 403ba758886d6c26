#include "Symbols.h"

#include "SymbolTable.h"

#include <QFontDatabase>
#include <QPainter>

namespace tavlen {

QString Symbols::glyph(QStringView key) {
    const char32_t cp = symbolCodepoint(key);
    return QString::fromUcs4(&cp, 1);
}

QStringList Symbols::keys() {
    QStringList list;
    for (const SymbolEntry& e : symbolTable())
        list << e.key.toString();
    return list;
}

bool Symbols::isKnown(QStringView key) {
    return symbolCodepoint(key) != kNeutralSymbol;
}

QString Symbols::fontFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(
            QStringLiteral(":/Tavlen/Toolkit/fonts/MaterialIcons-Regular.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        // Without the font the glyphs would show as boxes of the system font; keep the name
        // anyway so a later fix of the resources needs no change here.
        return families.isEmpty() ? QStringLiteral("Material Icons") : families.constFirst();
    }();
    return family;
}

QPixmap Symbols::pixmap(QStringView key, int pixelSize, const QColor& colour) {
    QPixmap pm(pixelSize, pixelSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(fontFamily());
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(pm.rect(), Qt::AlignCenter, glyph(key));
    return pm;
}

} // namespace tavlen
