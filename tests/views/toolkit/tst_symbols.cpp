#include "views/toolkit/SymbolTable.h"
#include "views/toolkit/Symbols.h"

#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QtTest>

using tavlen::Symbols;

namespace {

// Every symbol key the screens, the subject catalogue and the icon palette name.
const char* const kUsedKeys[] = {
    "arrow.up.forward.app",
    "arrow.up.right.square.fill",
    "atom",
    "book.closed.fill",
    "book.fill",
    "books.vertical",
    "books.vertical.fill",
    "building.columns.fill",
    "calendar",
    "calendar.badge.clock",
    "calendar.badge.plus",
    "camera.fill",
    "chart.bar.fill",
    "checkmark.circle",
    "checkmark.circle.fill",
    "checkmark.seal.fill",
    "chevron.left",
    "chevron.right",
    "circle",
    "clock.fill",
    "cpu",
    "doc.text",
    "exclamationmark.circle.fill",
    "exclamationmark.triangle.fill",
    "figure.run",
    "fork.knife",
    "function",
    "gearshape",
    "globe",
    "globe.europe.africa.fill",
    "hammer",
    "hammer.fill",
    "heart.fill",
    "info.circle",
    "leaf.fill",
    "lightbulb.fill",
    "link",
    "map.fill",
    "megaphone.fill",
    "menubar.rectangle",
    "minus.circle.fill",
    "music.note",
    "paintbrush.fill",
    "pencil",
    "person.3.fill",
    "plus",
    "plus.circle.fill",
    "rectangle.3.group",
    "rectangle.3.group.fill",
    "ruler.fill",
    "staroflife.fill",
    "testtube.2",
    "text.alignleft",
    "textformat",
    "theatermasks.fill",
    "trash",
    "tray",
    "tray.full.fill",
    "xmark.circle",
    "xmark.circle.fill",
};

// The subject icon palette, in order; a subject's stored key is one of these.
const char* const kPalette[] = {
    "book.fill",
    "building.columns.fill",
    "staroflife.fill",
    "function",
    "globe.europe.africa.fill",
    "person.3.fill",
    "leaf.fill",
    "figure.run",
    "lightbulb.fill",
    "globe",
    "atom",
    "testtube.2",
    "map.fill",
    "fork.knife",
    "paintbrush.fill",
    "music.note",
    "hammer.fill",
    "cpu",
    "theatermasks.fill",
    "camera.fill",
    "pencil",
    "ruler.fill",
    "megaphone.fill",
    "chart.bar.fill",
};

QRawFont bundledFont() {
    QFile file(QStringLiteral(":/Tavlen/Toolkit/fonts/MaterialIcons-Regular.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QRawFont(file.readAll(), 24);
}

} // namespace

class TestSymbols : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyUsedKeyHasItsOwnEntry_data() {
        QTest::addColumn<QString>("key");
        for (const char* key : kUsedKeys)
            QTest::newRow(key) << QString::fromLatin1(key);
        for (const char* key : kPalette)
            QTest::newRow(qPrintable(QStringLiteral("palette ") + QLatin1String(key)))
                << QString::fromLatin1(key);
    }
    void everyUsedKeyHasItsOwnEntry() {
        QFETCH(QString, key);
        QVERIFY2(Symbols::isKnown(key), qPrintable(key));
        QVERIFY(Symbols::glyph(key) != Symbols::glyph(u"no.such.symbol"));
    }

    void everyGlyphIsInTheBundledFont() {
        const QRawFont font = bundledFont();
        QVERIFY2(font.isValid(), "icon font missing from the resources");
        QVERIFY(font.supportsCharacter(tavlen::kNeutralSymbol));
        for (const auto& entry : tavlen::symbolTable())
            QVERIFY2(font.supportsCharacter(entry.codepoint),
                     qPrintable(entry.key.toString() + QStringLiteral(" has no glyph")));
    }

    void tableIsSortedAndUnique() {
        // The lookup is a binary search: an out-of-order key would silently show as unknown.
        const auto table = tavlen::symbolTable();
        for (size_t i = 1; i < table.size(); ++i)
            QVERIFY2(table[i - 1].key < table[i].key, qPrintable(table[i].key.toString()));
        for (const auto& entry : table)
            QVERIFY2(Symbols::isKnown(entry.key), qPrintable(entry.key.toString()));
    }

    void paletteIconsLookDifferent() {
        // The new-subject form shows the palette side by side; two identical cells would be
        // indistinguishable choices.
        QSet<QString> glyphs;
        for (const char* key : kPalette)
            glyphs.insert(Symbols::glyph(QString::fromLatin1(key)));
        QCOMPARE(glyphs.size(), qsizetype(std::size(kPalette)));
    }

    void unknownKeysShowTheNeutralGlyph() {
        const QString neutral = QString::fromUcs4(&tavlen::kNeutralSymbol, 1);
        QCOMPARE(Symbols::glyph(u""), neutral);
        QCOMPARE(Symbols::glyph(u"Book.Fill"), neutral); // keys are exact text
        QCOMPARE(Symbols::glyph(u"book.fill "), neutral);
        QCOMPARE(Symbols::glyph(u"zzz"), neutral);
        QVERIFY(!Symbols::isKnown(u"aaa"));
    }

    void fontFamilyIsRegistered() {
        const QString family = Symbols::fontFamily();
        QCOMPARE(family, QStringLiteral("Material Icons"));
        QVERIFY(QFontDatabase::families().contains(family));
        QCOMPARE(Symbols::fontFamily(), family); // loaded once
    }

    void pixmapIsTintedGlyphOnTransparency() {
        const QColor tint(0x3b, 0x82, 0xf6);
        const QImage image = Symbols::pixmap(u"book.closed.fill", 64, tint)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() == 255) {
                    ++opaque;
                    QCOMPARE(c.rgb(), tint.rgb());
                }
            }
        // A book covers a good part of its square; a missing glyph or a box would not.
        QVERIFY2(opaque > 64 * 64 / 5, qPrintable(QString::number(opaque)));
    }
};

QTEST_MAIN(TestSymbols)
#include "tst_symbols.moc"
