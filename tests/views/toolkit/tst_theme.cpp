#include "support/TestMain.h"
#include "views/toolkit/ColorSchemePortal.h"
#include "views/toolkit/Theme.h"

#include <QDBusVariant>
#include <QSignalSpy>
#include <QtTest>

using tavlen::Theme;

class TestTheme : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The design's colours as text: darkened on light backgrounds, lightened on dark ones,
    // only as far as a contrast of 4.5:1 needs, and left alone where they have it.
    void readableText_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("changed");
        const QColor white(255, 255, 255);
        const QColor dark(0x2a, 0x2a, 0x2c);
        QTest::newRow("amber on white") << Theme::fromHex(u"F59E0B") << white << true;
        QTest::newRow("blue on its tint")
            << Theme::fromHex(u"3B82F6") << Theme::fromHex(u"3B82F6", 0.08) << true;
        QTest::newRow("black on white") << QColor(0, 0, 0) << white << false;
        QTest::newRow("amber on dark") << Theme::fromHex(u"F59E0B") << dark << false;
        QTest::newRow("indigo on dark") << Theme::fromHex(u"6366F1") << dark << true;
        // Drawn at 80 %, as a heading: judged as it shows, returned opaque.
        QTest::newRow("red at 80 % on dark") << Theme::fromHex(u"EF4444", 0.8) << dark << true;
        QTest::newRow("red at 80 % on light")
            << Theme::fromHex(u"EF4444", 0.8) << QColor(0xf3, 0xf3, 0xf5) << true;
    }
    void readableText() {
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(bool, changed);
        const QColor under = background.alpha() < 255 ? QColor(255, 255, 255) : background;
        const QColor c = Theme::readableOn(text, background, under);
        const QColor shown = QColor::fromRgbF(
            float(under.redF() + (background.redF() - under.redF()) * background.alphaF()),
            float(under.greenF() + (background.greenF() - under.greenF()) * background.alphaF()),
            float(under.blueF() + (background.blueF() - under.blueF()) * background.alphaF()));
        QVERIFY2(Theme::contrast(c, shown) >= 4.5, qPrintable(c.name()));
        QCOMPARE(c != text, changed);
        // Only as far as needed: the hue stays recognisable (red lies either side of 0°).
        const int hue = qAbs(c.hsvHue() - text.hsvHue());
        QCOMPARE(qMin(hue, 360 - hue) <= 3 || text.hsvHue() < 0, true);
    }

    // Opacity outside 0...1 is held to it rather than wrapping or failing.
    void coloursFromHexWithOpacity() {
        QCOMPARE(Theme::fromHex(u"#3B82F6", 0.7).rgb(), qRgb(59, 130, 246));
        QCOMPARE(qRound(Theme::fromHex(u"3B82F6", 0.7).alphaF() * 100), 70);
        QCOMPARE(Theme::fromHex(u"EF4444", 1.5).alpha(), 255);
        QCOMPARE(Theme::fromHex(u"EF4444", -0.2).alpha(), 0);
    }

    void rolesFollowThePaletteUnlessAPreferenceIsStated() {
        QPalette light = Theme::standardPalette(false);
        light.setColor(QPalette::WindowText, QColor(1, 2, 3));
        const auto r = Theme::rolesFor(light, Theme::Scheme::NoPreference);
        QCOMPARE(r.isDark, false);
        QCOMPARE(r.primaryText, QColor(1, 2, 3));
        const auto d = Theme::rolesFor(Theme::standardPalette(true), Theme::Scheme::NoPreference);
        QCOMPARE(d.isDark, true);
        // A stated preference wins over a palette of the other kind.
        QCOMPARE(Theme::rolesFor(light, Theme::Scheme::Dark).windowBackground, d.windowBackground);

        Theme theme; // follows the desktop's switch
        QSignalSpy changed(&theme, &Theme::changed);
        QGuiApplication::setPalette(Theme::standardPalette(true));
        QCOMPARE(theme.isDark(), true);
        QGuiApplication::setPalette(Theme::standardPalette(false));
        QCOMPARE(theme.isDark(), false);
        changed.clear();
        theme.setScheme(Theme::Scheme::Dark);
        theme.setScheme(Theme::Scheme::Dark);
        QCOMPARE(changed.count(), 1); // only real changes notify
        // Qt Quick Controls pieces draw from the application palette: it follows too.
        QCOMPARE(Theme::isDarkPalette(QGuiApplication::palette()), true);
        // The portal's Read() wraps the value twice.
        const QVariant once = QVariant::fromValue(QDBusVariant(QVariant(uint(2))));
        QCOMPARE(
            tavlen::ColorSchemePortal::schemeFromReply(QVariant::fromValue(QDBusVariant(once))), 2);
    }
};

TAVLEN_TEST(TestTheme)
#include "tst_theme.moc"
