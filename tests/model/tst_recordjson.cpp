#include "model/RecordJson.h"
#include "support/TestMain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tavlen;

namespace {

const QUuid kId = QUuid::fromString(QStringLiteral("6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab"));
const QUuid kFagId = QUuid::fromString(QStringLiteral("a0b1c2d3-e4f5-4677-8899-aabbccddeeff"));

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

Lektie sample(const QString& titel = QStringLiteral("Læs side 12–14")) {
    return Lektie(kId, kFagId, titel, QStringLiteral("Husk kapitel 2"),
                  QStringList(QStringLiteral("https://example.org/a?b=c&d=æ")),
                  utc(2026, 12, 6, 14, 30), true, utc(2026, 12, 1, 8, 0, 0, 250));
}

QByteArray compact(const QJsonArray& a) {
    return QJsonDocument(a).toJson(QJsonDocument::Compact);
}

QJsonObject parse(const char* text) {
    return QJsonDocument::fromJson(text).object();
}

QJsonObject lektieObject() {
    return parse(R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB","titel":"T","beskrivelse":"",)"
                 R"("fagId":"a0b1c2d3-e4f5-4677-8899-aabbccddeeff","links":[],"deadline":0,)"
                 R"("erFaerdig":false,"oprettetDato":-1.5})");
}

QJsonObject fagObject() {
    return parse(R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB","navn":"Idræt",)"
                 R"("ikonNavn":"figure.run","farveHex":"F59E0B"})");
}

// The object text of lektieObject() with one piece replaced.
QByteArray lektieText(const QByteArray& from, const QByteArray& to) {
    return compact({lektieObject()}).replace(from, to);
}

} // namespace

class TestRecordJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedFormIsPlainJsonAndRoundTrips() {
        // Escapes, a control character, a four-byte character and a lone surrogate.
        Lektie empty = sample(QString("\"q\"\\\n\t\u0001😀") + QChar(0xD83D));
        empty.beskrivelse.clear();
        empty.links.clear();
        const auto bytes = json::encode(QList<Lektie>{sample(), empty});
        QVERIFY(bytes);
        const QJsonObject expected =
            parse(R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB",)"
                  R"("fagId":"A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF","titel":"Læs side 12–14",)"
                  R"("beskrivelse":"Husk kapitel 2","links":["https://example.org/a?b=c&d=æ"],)"
                  R"("deadline":818260200,"erFaerdig":true,"oprettetDato":817804800.25})");
        QJsonObject expectedEmpty = expected;
        expectedEmpty["titel"] = "\"q\"\\\n\t\u0001😀\uFFFD";
        expectedEmpty["beskrivelse"] = "";
        expectedEmpty["links"] = QJsonArray();
        QCOMPARE(QJsonDocument::fromJson(*bytes).array(), QJsonArray({expected, expectedEmpty}));
        QVERIFY(bytes->contains("😀")); // written as it is, not escaped

        QCOMPARE(*json::encode(*json::decodeLektier(*bytes)), *bytes);
        // A lower-case id is read and written upper-case.
        const auto lower = json::decodeLektier(compact({lektieObject()}));
        QVERIFY(
            json::encode(*lower)->contains(R"("fagId":"A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF")"));
        // A record that cannot be encoded (an invalid date) fails the whole list.
        empty.oprettetDato = QDateTime();
        QVERIFY(!json::encode(QList<Lektie>{sample(), empty}));
        QVERIFY(!json::fraSekunderSiden2001(qQNaN()).isValid());
    }

    // Seconds since 2001-01-01 UTC, negative before, to the millisecond.
    void dates_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QDateTime>("moment"); // invalid: the array is rejected
        QTest::addColumn<bool>("same");        // written back as the same text
        const QDateTime epoch = utc(2001, 1, 1);
        QTest::newRow("2001 is zero") << QByteArray("0") << epoch << true;
        for (const auto& [ms, text] : {std::pair(12300, "12.3"), std::pair(12045, "12.045"),
                                       std::pair(5, "0.005"), std::pair(-1250, "-1.25")})
            QTest::addRow("%s", text) << QByteArray(text) << epoch.addMSecs(ms) << true;
        QTest::newRow("rounds down") << QByteArray("1.0004") << epoch.addSecs(1) << false;
        QTest::newRow("rounds up") << QByteArray("1.0006") << epoch.addMSecs(1001) << false;
        QTest::newRow("negative fraction") << QByteArray("-0.0006") << epoch.addMSecs(-1) << false;
        QTest::newRow("out of range") << QByteArray("1e300") << QDateTime() << false;
    }
    void dates() {
        QFETCH(QByteArray, text);
        QFETCH(QDateTime, moment);
        QFETCH(bool, same);
        const auto l = json::decodeLektier(lektieText("\"deadline\":0", "\"deadline\":" + text));
        QCOMPARE(l ? l->at(0).deadline : QDateTime(), moment);
        if (same)
            QVERIFY(json::encode(*l)->contains("\"deadline\":" + text + ","));
    }

    // One bad object fails the whole array.
    void badObjectFailsTheArray_data() {
        QTest::addColumn<bool>("fag");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value"); // undefined: the key is left out
        const QJsonValue missing(QJsonValue::Undefined);
        for (const char* key : {"id", "fagId", "titel", "beskrivelse", "links", "deadline",
                                "erFaerdig", "oprettetDato"})
            QTest::addRow("%s missing", key) << false << key << missing;
        QTest::newRow("null") << false << "titel" << QJsonValue(QJsonValue::Null);
        for (const char* key : {"id", "navn", "ikonNavn", "farveHex"}) {
            QTest::addRow("fag %s missing", key) << true << key << missing;
            QTest::addRow("fag %s number", key) << true << key << QJsonValue(7);
        }
        const QJsonArray wrong =
            QJsonDocument::fromJson(
                R"([["id",1],["titel",1],["beskrivelse",false],["links","https://a.dk"],)"
                R"(["links",["a",null]],["erFaerdig","true"],["oprettetDato",true],)"
                R"(["deadline","2026-12-06T12:00:00Z"],["fagId",""],)"
                R"(["fagId","{6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab}"],)"
                R"(["fagId","6f1c2a9e-3b4d-4c8e-9a1f-0123456789ag"],)"
                R"(["fagId","6f1c2a9e3-b4d-4c8e-9a1f-0123456789ab"]])")
                .array();
        for (const QJsonValue& row : wrong)
            QTest::addRow("%s", compact(row.toArray()).constData())
                << false << row[0].toString() << row[1];
    }
    void badObjectFailsTheArray() {
        QFETCH(bool, fag);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        const QJsonObject good = fag ? fagObject() : lektieObject();
        QJsonObject bad = good;
        if (value.isUndefined())
            bad.remove(key);
        else
            bad[key] = value;
        const QByteArray ok = compact({good, good}), broken = compact({good, bad});
        QCOMPARE(fag ? json::decodeFag(ok).has_value() : json::decodeLektier(ok).has_value(), true);
        QCOMPARE(fag ? json::decodeFag(broken).has_value()
                     : json::decodeLektier(broken).has_value(),
                 false);
    }

    // The title a reader finds in a text, or null when the text is rejected.
    void reading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("titel");
        const QByteArray good = compact({lektieObject()});
        const QString rejected;
        QTest::newRow("empty") << QByteArray() << rejected;
        QTest::newRow("array of null") << QByteArray("[null]") << rejected;
        QTest::newRow("truncated") << good.chopped(2) << rejected;
        QTest::newRow("trailing garbage") << good + "x" << rejected;
        QTest::newRow("embedded nul") << QByteArray("[]\0[]", 5) << rejected;
        QTest::newRow("invalid utf-8") << QByteArray("[{\"titel\":\"\xC3\x28\"}]") << rejected;
        QTest::newRow("deep nesting") << QByteArray(100000, '[') << rejected;
        QTest::newRow("deep nesting under an unknown key")
            << lektieText("{\"", "{\"x\":" + QByteArray(1000, '[') + QByteArray(1000, ']') + ",\"")
            << rejected;
        QTest::newRow("known names nested in unknown keys")
            << lektieText("{\"", R"({"x":{"links":5,"id":[{"a":1}]},"y":[[],null,"x"],"z":null,)"
                                 "\"")
            << "T";
        QTest::newRow("repeated key, the last holds")
            << lektieText("\"titel\":\"T\"", R"("titel":"a","titel":"c")") << "c";
        QTest::newRow("escapes") << lektieText(
                                        "\"titel\":\"T\"",
                                        "\"titel\":\"\\u00e6\\u00f8\\u00e5 \\ud83d\\ude00 \\/\"")
                                 << "æøå 😀 /";
    }
    void reading() {
        QFETCH(QByteArray, text);
        QFETCH(QString, titel);
        const auto l = json::decodeLektier(text);
        QCOMPARE(l ? l->at(0).titel : QString(), titel);
        if (titel.isNull()) {
            QCOMPARE(json::decodeFag(text).has_value(), false);
            QCOMPARE(json::decodeOldLektier(text).has_value(), false);
        }
    }

    // Read record by record, a damaged record or stretch of text costs only itself.
    void recordByRecord_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("titler");
        QTest::addColumn<int>("unreadable");
        const auto one = [](const char* titel) {
            return lektieText("\"titel\":\"T\"", QByteArray("\"titel\":\"") + titel + "\"")
                .chopped(1)
                .sliced(1);
        };
        const QByteArray a = one("A"), b = one("B"), c = one("C");
        QTest::newRow("all good") << "[" + a + "," + b + "]" << QStringList{"A", "B"} << 0;
        QTest::newRow("a record without its id")
            << "[" + a + ",{\"titel\":\"X\"}," + c + "]" << QStringList{"A", "C"} << 1;
        QTest::newRow("a number too big for a date")
            << "[" + a + "," + QByteArray(b).replace("\"deadline\":0", "\"deadline\":1e400") + "," +
                   c + "]"
            << QStringList{"A", "C"} << 1;
        QTest::newRow("a stretch of broken text")
            << "[" + a + ",{\"id\":?? " + b + "," + c + "]" << QStringList{"A", "C"} << 1;
        QTest::newRow("cut off in the second record")
            << "[" + a + "," + b.chopped(20) << QStringList{"A"} << 1;
        QTest::newRow("cut off after a record") << "[" + a << QStringList{"A"} << 0;
        QTest::newRow("a value that is no record") << "[" + a + ",7,[]]" << QStringList{"A"} << 2;
        QTest::newRow("no list at all") << QByteArray("{\"a\":1}") << QStringList() << 1;
        QTest::newRow("a byte that is no UTF-8")
            << "[" + one("Bl\xE5") + "]" << QStringList{"Bl\uFFFD"} << 0;
    }
    void recordByRecord() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, titler);
        QFETCH(int, unreadable);
        const auto read = json::decodeLektierRecordByRecord(text);
        QStringList got;
        for (const Lektie& l : read.list)
            got << l.titel;
        QCOMPARE(got, titler);
        QCOMPARE(read.unreadable, unreadable);
    }

    void legacyForm() {
        QJsonObject old = lektieObject();
        old.remove("links");
        // One object without links sends the whole array down the legacy path.
        const QByteArray mixed = compact({lektieObject(), old});
        QVERIFY(!json::decodeLektier(mixed));
        QCOMPARE(json::decodeOldLektier(mixed)->at(1).oprettetDato,
                 utc(2000, 12, 31, 23, 59, 58, 500));
        // There "links" is just another unknown key.
        old["links"] = 5;
        QVERIFY(json::decodeOldLektier(compact({old})));
        old.remove("oprettetDato");
        QVERIFY(!json::decodeOldLektier(compact({old})));
    }
};

TAVLEN_TEST(TestRecordJson)
#include "tst_recordjson.moc"
