#include "Theme.h"

#include "ColorSchemePortal.h"
#include "core/Farve.h"

#include <QEvent>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace tavlen {

Theme::Theme(QObject* parent) : QObject(parent) {
    if (qGuiApp)
        qGuiApp->installEventFilter(this);
    update();
    auto* portal = new ColorSchemePortal(this);
    connect(portal, &ColorSchemePortal::schemeChanged, this,
            [this](int value) { setScheme(static_cast<Scheme>(value)); });
}

QColor Theme::fromHex(QStringView hex, qreal opacity) {
    const Farve f = farveFraHex(hex);
    return QColor::fromRgbF(float(f.roed), float(f.groen), float(f.blaa),
                            float(std::clamp(opacity, 0.0, 1.0)));
}

QColor Theme::withOpacity(const QColor& colour, qreal opacity) const {
    QColor c = colour;
    c.setAlphaF(float(c.alphaF() * std::clamp(opacity, 0.0, 1.0)));
    return c;
}

namespace {
double luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t), a.alphaF());
}
} // namespace

double Theme::contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Theme::readableOn(const QColor& text, const QColor& background, const QColor& under) {
    const QColor bund = mix(under, QColor(background.rgb()), background.alphaF());
    const QColor maal = luminance(bund) > 0.18 ? QColor(0, 0, 0) : QColor(255, 255, 255);
    // Text drawn see-through is judged, and returned, as it shows on its background.
    QColor synlig = mix(bund, QColor(text.rgb()), text.alphaF());
    synlig.setAlpha(255);
    // A little above 4.5, so rounding to 8-bit channels cannot drop below it.
    constexpr double noedvendig = 4.6;
    for (int trin = 0; trin <= 50; ++trin) {
        const QColor blandet = mix(synlig, maal, trin / 50.0);
        // In whole channels, as drawn, so equal colours compare equal everywhere.
        const QColor c(blandet.red(), blandet.green(), blandet.blue(), blandet.alpha());
        if (contrast(c, bund) >= noedvendig)
            return c;
    }
    return maal;
}

bool Theme::isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QPalette Theme::standardPalette(bool dark) {
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QColor c) {
        p.setColor(role, c);
        QColor d = c;
        d.setAlphaF(d.alphaF() * 0.4f);
        p.setColor(QPalette::Disabled, role, d);
    };
    if (dark) {
        set(QPalette::Window, QColor(0x1e, 0x1e, 0x20));
        set(QPalette::WindowText, QColor(0xf2, 0xf2, 0xf4));
        set(QPalette::Base, QColor(0x2a, 0x2a, 0x2d));
        set(QPalette::AlternateBase, QColor(0x32, 0x32, 0x36));
        set(QPalette::Text, QColor(0xf2, 0xf2, 0xf4));
        set(QPalette::Button, QColor(0x3a, 0x3a, 0x3e));
        set(QPalette::ButtonText, QColor(0xf2, 0xf2, 0xf4));
        set(QPalette::Highlight, QColor(0x1f, 0x5f, 0xc8));
        set(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
        set(QPalette::Mid, QColor(0x48, 0x48, 0x4c));
        set(QPalette::PlaceholderText, QColor(0x8e, 0x8e, 0x93));
        set(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3e));
        set(QPalette::ToolTipText, QColor(0xf2, 0xf2, 0xf4));
    } else {
        set(QPalette::Window, QColor(0xf3, 0xf3, 0xf5));
        set(QPalette::WindowText, QColor(0x1d, 0x1d, 0x1f));
        set(QPalette::Base, QColor(0xff, 0xff, 0xff));
        set(QPalette::AlternateBase, QColor(0xf6, 0xf6, 0xf8));
        set(QPalette::Text, QColor(0x1d, 0x1d, 0x1f));
        set(QPalette::Button, QColor(0xe4, 0xe4, 0xe8));
        set(QPalette::ButtonText, QColor(0x1d, 0x1d, 0x1f));
        set(QPalette::Highlight, QColor(0xc5, 0xdb, 0xfb));
        set(QPalette::HighlightedText, QColor(0x1d, 0x1d, 0x1f));
        set(QPalette::Mid, QColor(0xd1, 0xd1, 0xd6));
        set(QPalette::PlaceholderText, QColor(0x8e, 0x8e, 0x93));
        set(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xf0));
        set(QPalette::ToolTipText, QColor(0x1d, 0x1d, 0x1f));
    }
    return p;
}

Theme::Roles Theme::rolesFor(const QPalette& palette, Scheme scheme) {
    const bool paletteDark = isDarkPalette(palette);
    const bool wantDark = scheme == Scheme::NoPreference ? paletteDark : scheme == Scheme::Dark;
    const QPalette p = wantDark == paletteDark ? palette : standardPalette(wantDark);

    Roles r;
    r.isDark = wantDark;
    r.primaryText = p.color(QPalette::Active, QPalette::WindowText);
    r.windowBackground = p.color(QPalette::Active, QPalette::Window);
    r.controlBackground = p.color(QPalette::Active, QPalette::Base);
    // The primary colour faded, but never below 4.5:1 on the backgrounds it is used on: the
    // window, controls, and the sidebar's and cards' faint tints (a tenth towards the text).
    QColor sekundaer = r.primaryText;
    sekundaer.setAlphaF(0.55f);
    QColor tonet = r.primaryText;
    tonet.setAlphaF(0.1f);
    for (const QColor& bund : {r.windowBackground, r.controlBackground})
        sekundaer = readableOn(sekundaer, tonet, bund);
    r.secondaryText = sekundaer;
    r.controlColor = p.color(QPalette::Active, QPalette::Button);
    r.textBackground = p.color(QPalette::Active, QPalette::Base);
    r.selectedContentBackground = p.color(QPalette::Active, QPalette::Highlight);
    r.separator = r.primaryText;
    r.separator.setAlphaF(0.12f);
    return r;
}

void Theme::setScheme(Scheme scheme) {
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    update();
}

bool Theme::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QObject::eventFilter(watched, event);
}

void Theme::update() {
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : standardPalette(false);
    m_roles = rolesFor(palette, m_scheme);
    // Qt Quick Controls pieces (fields, scroll bars, tool tips) draw from the application
    // palette, so a stated preference the palette does not match is applied there too;
    // the palette change brings us back here with matching roles.
    if (qGuiApp && m_scheme != Scheme::NoPreference && isDarkPalette(palette) != m_roles.isDark) {
        QGuiApplication::setPalette(standardPalette(m_roles.isDark));
        return;
    }
    Q_EMIT changed();
}

} // namespace tavlen
