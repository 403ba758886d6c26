#include "views/toolkit/ColorSchemePortal.h"
#include "views/toolkit/Theme.h"

#include <QDBusVariant>
#include <QSignalSpy>
#include <QtTest>

using tavlen::Theme;

class TestTheme : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coloursFromHexWithOpacity() {
        QCOMPARE(Theme::fromHex(u"3B82F6").rgba(), qRgba(59, 130, 246, 255));
        const QColor faint = Theme::fromHex(u"#22C55E", 0.7);
        QCOMPARE(faint.rgb(), qRgb(0x22, 0xc5, 0x5e));
        QCOMPARE(qRound(faint.alphaF() * 100), 70);
        // Opacity outside 0...1 is held to it rather than wrapping or failing.
        QCOMPARE(Theme::fromHex(u"EF4444", 1.5).alpha(), 255);
        QCOMPARE(Theme::fromHex(u"EF4444", -0.2).alpha(), 0);
        QCOMPARE(Theme::fromHex(u"").rgba(), qRgba(0, 0, 0, 255));

        Theme theme;
        const QColor half = theme.withOpacity(QColor(10, 20, 30, 128), 0.5);
        QCOMPARE(half.rgb(), qRgb(10, 20, 30));
        QVERIFY(qAbs(half.alpha() - 64) <= 1); // multiplies, does not replace
    }

    void rolesFollowThePaletteUnlessAPreferenceIsStated() {
        QPalette light = Theme::standardPalette(false);
        light.setColor(QPalette::WindowText, QColor(1, 2, 3));
        light.setColor(QPalette::Highlight, QColor(4, 5, 6));
        const auto r = Theme::rolesFor(light, Theme::Scheme::NoPreference);
        QVERIFY(!r.isDark);
        QCOMPARE(r.primaryText, QColor(1, 2, 3));
        QCOMPARE(r.secondaryText.rgb(), QColor(1, 2, 3).rgb());
        QVERIFY(r.secondaryText.alpha() < 255);
        QCOMPARE(r.selectedContentBackground, QColor(4, 5, 6));
        QCOMPARE(r.controlBackground, light.color(QPalette::Base));

        const QColor darkWindow = Theme::standardPalette(true).color(QPalette::Window);
        const auto d = Theme::rolesFor(Theme::standardPalette(true), Theme::Scheme::NoPreference);
        QVERIFY(d.isDark);
        // Text must stand out from its background in both appearances.
        QVERIFY(d.primaryText.lightnessF() > d.windowBackground.lightnessF() + 0.5);
        QVERIFY(r.windowBackground.lightnessF() > 0.5);

        // A stated preference wins over a palette of the other kind...
        const auto forced = Theme::rolesFor(light, Theme::Scheme::Dark);
        QVERIFY(forced.isDark);
        QCOMPARE(forced.windowBackground, darkWindow);
        // ...while an agreeing one keeps the desktop's own palette.
        QPalette customDark = Theme::standardPalette(true);
        customDark.setColor(QPalette::Window, QColor(0x10, 0x20, 0x10));
        QCOMPARE(Theme::rolesFor(customDark, Theme::Scheme::Dark).windowBackground,
                 QColor(0x10, 0x20, 0x10));
        QVERIFY(!Theme::rolesFor(customDark, Theme::Scheme::Light).isDark);
    }

    void followsPaletteAndSchemeChanges() {
        QGuiApplication::setPalette(Theme::standardPalette(false));
        Theme theme;
        QVERIFY(!theme.isDark());
        QSignalSpy changed(&theme, &Theme::changed);
        QGuiApplication::setPalette(Theme::standardPalette(true));
        QVERIFY(changed.count() >= 1);
        QVERIFY(theme.isDark());
        QGuiApplication::setPalette(Theme::standardPalette(false));
        QVERIFY(!theme.isDark());

        changed.clear();
        theme.setScheme(Theme::Scheme::Dark);
        theme.setScheme(Theme::Scheme::Dark);
        QCOMPARE(changed.count(), 1); // only real changes notify
        QVERIFY(theme.isDark());
        theme.setScheme(Theme::Scheme::NoPreference);
        QVERIFY(!theme.isDark());
    }

    void portalReplies() {
        using tavlen::ColorSchemePortal;
        // Read() wraps the value twice, SettingChanged once.
        const QVariant once = QVariant::fromValue(QDBusVariant(QVariant(uint(2))));
        QCOMPARE(ColorSchemePortal::schemeFromReply(once), 2);
        QCOMPARE(ColorSchemePortal::schemeFromReply(QVariant::fromValue(QDBusVariant(once))), 2);
        QCOMPARE(ColorSchemePortal::schemeFromReply(QVariant(uint(1))), 1);
        QCOMPARE(ColorSchemePortal::schemeFromReply(QVariant(uint(0))), 0);
        QCOMPARE(ColorSchemePortal::schemeFromReply(QVariant(uint(7))), -1);
        QCOMPARE(ColorSchemePortal::schemeFromReply(QVariant(QStringLiteral("dark"))), -1);
        QCOMPARE(ColorSchemePortal::schemeFromReply(QVariant()), -1);
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
