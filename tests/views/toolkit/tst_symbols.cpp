#include "views/toolkit/SymbolTable.h"
#include "views/toolkit/Symbols.h"

#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QtTest>

using tavlen::Symbols;

namespace {

// Every symbol key the screens, the subject catalogue and the icon palette name.
const QStringList usedKeys =
    QString::fromLatin1(
        "arrow.up.forward.app arrow.up.right.square.fill atom book.closed.fill book.fill "
        "books.vertical books.vertical.fill building.columns.fill calendar calendar.badge.clock "
        "calendar.badge.plus camera.fill chart.bar.fill checkmark.circle checkmark.circle.fill "
        "checkmark.seal.fill chevron.left chevron.right circle clock.fill cpu doc.text "
        "exclamationmark.circle.fill exclamationmark.triangle.fill figure.run fork.knife function "
        "gearshape globe globe.europe.africa.fill hammer hammer.fill heart.fill info.circle "
        "leaf.fill lightbulb.fill link map.fill megaphone.fill menubar.rectangle "
        "minus.circle.fill music.note paintbrush.fill pencil person.3.fill plus plus.circle.fill "
        "rectangle.3.group rectangle.3.group.fill ruler.fill staroflife.fill testtube.2 "
        "text.alignleft textformat theatermasks.fill trash tray tray.full.fill xmark.circle "
        "xmark.circle.fill")
        .split(u' ');

// The subject icon palette, in order; a subject's stored key is one of these.
const QStringList palette =
    QString::fromLatin1(
        "book.fill building.columns.fill staroflife.fill function globe.europe.africa.fill "
        "person.3.fill leaf.fill figure.run lightbulb.fill globe atom testtube.2 map.fill "
        "fork.knife paintbrush.fill music.note hammer.fill cpu theatermasks.fill camera.fill "
        "pencil ruler.fill megaphone.fill chart.bar.fill")
        .split(u' ');

} // namespace

class TestSymbols : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyUsedKeyHasAGlyphOfTheBundledFont() {
        QFile file(QStringLiteral(":/Tavlen/Toolkit/fonts/MaterialIcons-Regular.ttf"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "icon font missing from the resources");
        const QRawFont font(file.readAll(), 24);
        QVERIFY(font.supportsCharacter(tavlen::kNeutralSymbol));
        for (const QString& key : usedKeys)
            QVERIFY2(Symbols::isKnown(key), qPrintable(key));
        // The lookup is a binary search: an out-of-order key would silently show as unknown.
        const auto table = tavlen::symbolTable();
        for (size_t i = 0; i < table.size(); ++i) {
            const QString key = table[i].key.toString();
            QVERIFY2(i == 0 || table[i - 1].key < table[i].key, qPrintable(key));
            QVERIFY2(font.supportsCharacter(table[i].codepoint), qPrintable(key + " has no glyph"));
        }
        // The new-subject form shows the palette side by side: no two cells alike.
        QSet<QString> glyphs;
        for (const QString& key : palette)
            glyphs.insert(Symbols::glyph(key));
        QCOMPARE(glyphs.size(), palette.size());
    }

    void unknownKeysShowTheNeutralGlyph() {
        const QString neutral = QString::fromUcs4(&tavlen::kNeutralSymbol, 1);
        for (const char* key : {"", "Book.Fill", "book.fill ", "aaa", "zzz"}) // keys are exact
            QCOMPARE(Symbols::glyph(QString::fromLatin1(key)), neutral);
        QVERIFY(!Symbols::isKnown(u"aaa"));
        QVERIFY(Symbols::glyph(u"book.fill") != neutral);
    }

    void pixmapIsTintedGlyphOnTransparency() {
        QCOMPARE(Symbols::fontFamily(), QStringLiteral("Material Icons"));
        QVERIFY(QFontDatabase::families().contains(Symbols::fontFamily()));
        const QColor tint(0x3b, 0x82, 0xf6);
        const QImage image = Symbols::pixmap(u"book.closed.fill", 64, tint)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c.alpha() == 255) {
                    ++opaque;
                    QCOMPARE(c.rgb(), tint.rgb());
                }
        // A book covers a good part of its square; a missing glyph or a box would not.
        QVERIFY2(opaque > 64 * 64 / 5, qPrintable(QString::number(opaque)));
    }
};

QTEST_MAIN(TestSymbols)
#include "tst_symbols.moc"
