#include "platform/Utf8.h"

#include <QTest>

using namespace tavlen;

class TestUtf8 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validation_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii, long") << QByteArray(1001, 'a') << true;
        QTest::newRow("danish") << QByteArray("æøå ÆØÅ") << true;
        QTest::newRow("three bytes") << QByteArray("\xE2\x80\x93") << true;    // en dash
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true; // emoji
        QTest::newRow("highest") << QByteArray("\xF4\x8F\xBF\xBF") << true;
        QTest::newRow("after an ascii run") << QByteArray("abcdefghijk\xC3\xA6") << true;
        QTest::newRow("lone continuation") << QByteArray("\x80") << false;
        QTest::newRow("bad continuation") << QByteArray("\xC3\x28") << false;
        QTest::newRow("overlong two") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("overlong four") << QByteArray("\xF0\x80\x80\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("F5") << QByteArray("\xF5\x80\x80\x80") << false;
        QTest::newRow("cut at the end") << QByteArray("abcdefgh\xF0\x9F\x98") << false;
        QTest::newRow("bad byte after an ascii run") << QByteArray("abcdefgh12345678\xFF") << false;
    }
    void validation() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes), valid);
    }
};

QTEST_GUILESS_MAIN(TestUtf8)
#include "tst_utf8.moc"
