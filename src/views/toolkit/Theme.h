#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QtQml/qqmlregistration.h>

namespace tavlen {

// Colours for the screens: subject colours from hex text with an opacity, the shared fixed
// colours and the named roles, which follow the light or dark appearance.
//   Rectangle { color: Theme.hex(fag.farveHex, 0.15); border.color: Theme.secondaryText }
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isDark READ isDark NOTIFY changed)
    Q_PROPERTY(QColor primaryText READ primaryText NOTIFY changed)
    Q_PROPERTY(QColor secondaryText READ secondaryText NOTIFY changed)
    Q_PROPERTY(QColor white READ white CONSTANT)
    Q_PROPERTY(QColor clear READ clear CONSTANT)
    Q_PROPERTY(QColor windowBackground READ windowBackground NOTIFY changed)
    Q_PROPERTY(QColor controlBackground READ controlBackground NOTIFY changed)
    Q_PROPERTY(QColor controlColor READ controlColor NOTIFY changed)
    Q_PROPERTY(QColor textBackground READ textBackground NOTIFY changed)
    Q_PROPERTY(QColor selectedContentBackground READ selectedContentBackground NOTIFY changed)
    Q_PROPERTY(QColor separator READ separator NOTIFY changed)
    Q_PROPERTY(QColor accent READ accent CONSTANT)
    Q_PROPERTY(QColor red READ red CONSTANT)
    Q_PROPERTY(QColor amber READ amber CONSTANT)
    Q_PROPERTY(QColor green READ green CONSTANT)
    Q_PROPERTY(QColor indigo READ indigo CONSTANT)
public:
    // The desktop's stated preference (freedesktop portal values: 0, 1 dark, 2 light).
    enum class Scheme { NoPreference = 0, Dark = 1, Light = 2 };

    struct Roles {
        bool isDark = false;
        QColor primaryText, secondaryText, windowBackground, controlBackground, controlColor,
            textBackground, selectedContentBackground, separator;
    };

    explicit Theme(QObject* parent = nullptr);

    // Opaque colour from a subject's hex text, then the given opacity (0...1).
    static QColor fromHex(QStringView hex, qreal opacity = 1.0);
    Q_INVOKABLE QColor hex(const QString& hex, qreal opacity = 1.0) const {
        return fromHex(hex, opacity);
    }
    // The same colour with another opacity, for roles: Theme.withOpacity(Theme.secondaryText, .5)
    Q_INVOKABLE QColor withOpacity(const QColor& colour, qreal opacity) const;

    // Text in a colour of the design, kept readable on its background: darkened on a light
    // background, lightened on a dark one, just enough for a contrast of 4.5:1; unchanged
    // when it has that already. A translucent background (a tint) is laid over `under`.
    //   StyledText { color: Theme.readable(Theme.amber, Theme.controlBackground) }
    static QColor readableOn(const QColor& text, const QColor& background, const QColor& under);
    Q_INVOKABLE QColor readable(const QColor& text, const QColor& background) const {
        return readableOn(text, background, windowBackground());
    }
    // A fill of the design's colours under text of its own (white on a prominent button, a
    // badge, a mark): darkened (or lightened) just enough for that text to read at 4.5:1.
    //   Rectangle { color: Theme.fillFor(Theme.hex(farveHex), Theme.white) }
    Q_INVOKABLE QColor fillFor(const QColor& fill, const QColor& text) const {
        return readableOn(fill, text, text);
    }
    static double contrast(const QColor& a, const QColor& b); // 1 to 21

    static bool isDarkPalette(const QPalette& palette);
    // Roles from the palette, unless the desktop prefers the other appearance than the
    // palette shows: then the built-in palette of that appearance gives them.
    static Roles rolesFor(const QPalette& palette, Scheme scheme);
    // A complete palette of each appearance, for forcing one (rendering, a desktop that
    // states a preference but ships a palette of the other kind).
    static QPalette standardPalette(bool dark);

    void setScheme(Scheme scheme);
    Scheme scheme() const { return m_scheme; }

    bool isDark() const { return m_roles.isDark; }
    QColor primaryText() const { return m_roles.primaryText; }
    QColor secondaryText() const { return m_roles.secondaryText; }
    QColor white() const { return QColor(255, 255, 255); }
    QColor clear() const { return QColor(0, 0, 0, 0); }
    QColor windowBackground() const { return m_roles.windowBackground; }
    QColor controlBackground() const { return m_roles.controlBackground; }
    QColor controlColor() const { return m_roles.controlColor; }
    QColor textBackground() const { return m_roles.textBackground; }
    QColor selectedContentBackground() const { return m_roles.selectedContentBackground; }
    QColor separator() const { return m_roles.separator; }
    QColor accent() const { return fromHex(u"3B82F6"); }
    QColor red() const { return fromHex(u"EF4444"); }
    QColor amber() const { return fromHex(u"F59E0B"); }
    QColor green() const { return fromHex(u"22C55E"); }
    QColor indigo() const { return fromHex(u"6366F1"); }

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    Scheme m_scheme = Scheme::NoPreference;
    Roles m_roles;
};

} // namespace tavlen
