#include "views/render/RenderOptions.h"

#include <QtTest>

using tavlen::RenderOptions;

class TestRenderOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands() {
        QString error;
        const auto o = RenderOptions::parse(
            {"MenuBarView", "/tmp/x.png", "--dark", "--size", "360x480", "--sample"}, &error);
        QVERIFY2(o, qPrintable(error));
        QCOMPARE(o->output, QStringLiteral("/tmp/x.png"));
        QVERIFY(o->dark && o->sampleData);
        QCOMPARE(o->size, QSize(360, 480));
        QCOMPARE(o->source(), QUrl(QStringLiteral("qrc:/Tavlen/Views/MenuBarView.qml")));

        const auto plain = RenderOptions::parse({"Gallery", "g.png"}, &error);
        QVERIFY(plain && !plain->dark && !plain->sampleData && !plain->size.isValid());
        QCOMPARE(plain->source(), QUrl(QStringLiteral("qrc:/Tavlen/Toolkit/Gallery.qml")));
        const auto file = RenderOptions::parse({"/tmp/screen.qml", "g.png", "--light"}, &error);
        QVERIFY(file);
        QCOMPARE(file->source(), QUrl::fromLocalFile(QStringLiteral("/tmp/screen.qml")));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("no output") << QStringList{"Gallery"};
        QTest::newRow("three names") << QStringList{"Gallery", "a.png", "b.png"};
        QTest::newRow("size missing") << QStringList{"Gallery", "a.png", "--size"};
        QTest::newRow("size malformed") << QStringList{"Gallery", "a.png", "--size", "360"};
        QTest::newRow("size zero") << QStringList{"Gallery", "a.png", "--size", "0x480"};
        QTest::newRow("size huge") << QStringList{"Gallery", "a.png", "--size", "999999x2"};
        QTest::newRow("unknown option") << QStringList{"Gallery", "a.png", "--dak"};
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QString error;
        QVERIFY(!RenderOptions::parse(arguments, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRenderOptions)
#include "tst_renderoptions.moc"
