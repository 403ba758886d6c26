#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringView>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Symbol icons: a symbol key ("book.closed.fill") drawn as a glyph of the bundled icon font.
//   QML:  Text { font.family: Symbols.family; text: Symbols.glyphOf("trash") }
//         (SymbolIcon.qml wraps exactly that)
//   C++:  tray.setIcon(QIcon(Symbols::pixmap(u"book.closed.fill", 64, Qt::black)));
class Symbols : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString family READ family CONSTANT)
    Q_PROPERTY(QStringList keys READ keys CONSTANT)
public:
    explicit Symbols(QObject* parent = nullptr) : QObject(parent) {}

    // The glyph for a key as text; unknown keys give a neutral square.
    static QString glyph(QStringView key);
    // Family name of the icon font, loaded from the resources on first use.
    static QString fontFamily();
    // The glyph drawn centred on a transparent square of pixelSize.
    static QPixmap pixmap(QStringView key, int pixelSize, const QColor& colour);
    static bool isKnown(QStringView key);

    QString family() const { return fontFamily(); }
    // Every key of the table, in order; the gallery shows them all.
    static QStringList keys();
    Q_INVOKABLE QString glyphOf(const QString& key) const { return glyph(key); }
    Q_INVOKABLE bool known(const QString& key) const { return isKnown(key); }
};

} // namespace tavlen
