#include "model/Records.h"
#include "support/TestMain.h"
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

} // namespace

class TestSymbols : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyUsedKeyHasAGlyphOfTheBundledFont() {
        QFile file(QStringLiteral(":/Tavlen/Toolkit/fonts/MaterialIcons-Regular.ttf"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "icon font missing from the resources");
        const QRawFont font(file.readAll(), 24);
        QVERIFY(font.supportsCharacter(tavlen::kNeutralSymbol));
        QVERIFY(QFontDatabase::families().contains(Symbols::fontFamily())); // registered
        for (const QString& key : usedKeys)
            QVERIFY2(Symbols::isKnown(key), qPrintable(key));
        for (const tavlen::Fag& fag : tavlen::Fag::standard()) // the keys pupils' subjects store
            QVERIFY2(Symbols::isKnown(fag.ikonNavn), qPrintable(fag.navn + ": " + fag.ikonNavn));
        // The lookup is a binary search: an out-of-order key would silently show as unknown.
        const auto table = tavlen::symbolTable();
        for (size_t i = 0; i < table.size(); ++i) {
            const QString key = table[i].key.toString();
            if (i > 0)
                QVERIFY2(table[i - 1].key < table[i].key, qPrintable(key));
            QVERIFY2(font.supportsCharacter(table[i].codepoint), qPrintable(key + " has no glyph"));
        }
    }

    void unknownKeysShowTheNeutralGlyph() {
        const QString neutral = QString::fromUcs4(&tavlen::kNeutralSymbol, 1);
        for (const char* key : {"", "Book.Fill", "book.fill ", "aaa", "zzz"}) // keys are exact
            QCOMPARE(Symbols::glyph(QString::fromLatin1(key)), neutral);
    }
};

TAVLEN_TEST(TestSymbols)
#include "tst_symbols.moc"
