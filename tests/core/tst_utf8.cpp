#include "core/Utf8.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;

class TestUtf8 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validation_data() {
        test::columns<QByteArray>({"bytes"});
        test::columns<bool>({"valid"});
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
        QTest::newRow("overlong two") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cut at the end") << QByteArray("abcdefgh\xF0\x9F\x98") << false;
        QTest::newRow("bad byte after an ascii run") << QByteArray("abcdefgh12345678\xFF") << false;
    }
    void validation() {
        const auto [bytes, valid] = test::fetch<QByteArray, bool>("bytes", "valid");
        QCOMPARE(isValidUtf8(bytes), valid);
    }
};

TAVLEN_TEST(TestUtf8)
#include "tst_utf8.moc"
