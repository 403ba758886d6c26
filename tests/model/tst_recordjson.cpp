#include "model/RecordJson.h"

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
        Lektie empty = sample();
        empty.beskrivelse.clear();
        empty.links.clear();
        const auto bytes = json::encode(QList<Lektie>{sample(), empty});
        QVERIFY(bytes);
        QVERIFY(!bytes->contains('\n') && !bytes->contains(": "));
        QJsonParseError error;
        const QJsonArray array = QJsonDocument::fromJson(*bytes, &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject expected =
            parse(R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB",)"
                  R"("fagId":"A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF","titel":"Læs side 12–14",)"
                  R"("beskrivelse":"Husk kapitel 2","links":["https://example.org/a?b=c&d=æ"],)"
                  R"("deadline":818260200,"erFaerdig":true,"oprettetDato":817804800.25})");
        QJsonObject expectedEmpty = expected;
        expectedEmpty["beskrivelse"] = "";
        expectedEmpty["links"] = QJsonArray();
        QCOMPARE(array, QJsonArray({expected, expectedEmpty}));

        const auto back = json::decodeLektier(*bytes);
        QVERIFY(back);
        QCOMPARE(back->at(0).deadline.timeSpec(), Qt::UTC);
        QCOMPARE(*json::encode(*back), *bytes);

        QCOMPARE(*json::encode(QList<Lektie>{}), QByteArray("[]"));
        QCOMPARE(*json::encode(QList<Fag>{}), QByteArray("[]"));
        QCOMPARE(json::decodeFag(" [ ] ")->size(), 0);
        // A record that cannot be encoded (an invalid date) fails the whole list.
        empty.oprettetDato = QDateTime();
        QVERIFY(!json::encode(QList<Lektie>{sample(), empty}));
        empty = sample();
        empty.deadline = QDateTime();
        QVERIFY(!json::encode(QList<Lektie>{empty}));
    }

    void texts_data() {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("readBack");
        const QString emoji = QStringLiteral("😀");
        QTest::newRow("raw UTF-8") << emoji << QByteArray("\"\xF0\x9F\x98\x80\"") << emoji;
        QTest::newRow("escapes") << "\"q\"\\\n\t" << QByteArray("\"\\\"q\\\"\\\\\\n\\t\"")
                                 << "\"q\"\\\n\t";
        QTest::newRow("control character")
            << "a\u0001b" << QByteArray("\"a\\u0001b\"") << "a\u0001b";
        QTest::newRow("lone surrogates")
            << QString(QChar(0xD83D)) + "x" + QChar(0xDE00)
            << QByteArray("\"\xEF\xBF\xBDx\xEF\xBF\xBD\"") << QStringLiteral("\uFFFDx\uFFFD");
    }
    void texts() {
        QFETCH(QString, titel);
        QFETCH(QByteArray, written);
        QFETCH(QString, readBack);
        const QByteArray bytes = *json::encode(QList<Lektie>{sample(titel)});
        QVERIFY2(bytes.contains("\"titel\":" + written + ","), bytes.constData());
        QVERIFY(QJsonDocument::fromJson(bytes).isArray());
        QCOMPARE(json::decodeLektier(bytes)->at(0).titel, readBack);
    }

    // Seconds since 2001-01-01 UTC, negative before, to the millisecond.
    void writtenDates_data() {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QByteArray>("text");
        const QDateTime epoch = utc(2001, 1, 1);
        QTest::newRow("2001 is zero") << epoch << QByteArray("0");
        QTest::newRow("a second before") << utc(2000, 12, 31, 23, 59, 59) << QByteArray("-1");
        QTest::newRow("1970") << utc(1970, 1, 1) << QByteArray("-978307200");
        QTest::newRow("before with fraction")
            << utc(1999, 6, 1, 12, 0, 0, 500) << QByteArray("-50068799.5");
        const std::pair<int, const char*> decimals[] = {{12300, "12.3"},   {12340, "12.34"},
                                                        {12045, "12.045"}, {5, "0.005"},
                                                        {-500, "-0.5"},    {-1250, "-1.25"}};
        for (const auto& [ms, text] : decimals)
            QTest::addRow("%s", text) << epoch.addMSecs(ms) << QByteArray(text);
    }
    void writtenDates() {
        QFETCH(QDateTime, moment);
        QFETCH(QByteArray, text);
        QCOMPARE(json::sekunderSiden2001(moment), text.toDouble());
        Lektie l = sample();
        l.deadline = moment;
        const QByteArray bytes = *json::encode(QList<Lektie>{l});
        QVERIFY2(bytes.contains("\"deadline\":" + text + ","), bytes.constData());
        QCOMPARE(json::decodeLektier(bytes)->at(0).deadline, moment);
    }

    void readDates_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QDateTime>("moment"); // invalid: the array is rejected
        QTest::newRow("rounds down") << 1.0004 << utc(2001, 1, 1, 0, 0, 1, 0);
        QTest::newRow("rounds up") << 1.0006 << utc(2001, 1, 1, 0, 0, 1, 1);
        QTest::newRow("negative fraction") << -0.0006 << utc(2000, 12, 31, 23, 59, 59, 999);
        QTest::newRow("minutes") << 123.456 << utc(2001, 1, 1, 0, 2, 3, 456);
        QTest::newRow("long fraction") << 818260200.1234567 << utc(2026, 12, 6, 14, 30, 0, 123);
        QTest::newRow("leap year back") << -86400 * 366.0 << utc(2000, 1, 1);
        QTest::newRow("out of range") << 1e300 << QDateTime();
        QTest::newRow("NaN") << qQNaN() << QDateTime();
        QTest::newRow("infinite") << qInf() << QDateTime();
    }
    void readDates() {
        QFETCH(double, seconds);
        QFETCH(QDateTime, moment);
        QCOMPARE(json::fraSekunderSiden2001(seconds), moment);
        if (!qIsFinite(seconds))
            return;
        QJsonObject o = lektieObject();
        o["deadline"] = seconds;
        const auto l = json::decodeLektier(compact({o}));
        QCOMPARE(bool(l), moment.isValid());
        if (l)
            QCOMPARE(l->at(0).deadline, moment);
    }

    void lowerCaseUuidIsReadAndWrittenUpper() {
        QJsonObject o = fagObject();
        o["id"] = kId.toString(QUuid::WithoutBraces);
        const auto fag = json::decodeFag(compact({o}));
        QVERIFY(fag);
        QCOMPARE(fag->at(0).id, kId);
        QCOMPARE(*json::encode(*fag),
                 QByteArray(R"([{"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB","navn":"Idræt",)"
                            R"("ikonNavn":"figure.run","farveHex":"F59E0B"}])"));
    }

    // One bad object fails the whole array.
    void badObjectFailsTheArray_data() {
        QTest::addColumn<bool>("fag");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value"); // undefined: the key is left out
        const QJsonValue missing(QJsonValue::Undefined);
        const QJsonValue null(QJsonValue::Null);
        for (const char* key : {"id", "fagId", "titel", "beskrivelse", "links", "deadline",
                                "erFaerdig", "oprettetDato"}) {
            QTest::addRow("%s missing", key) << false << key << missing;
            QTest::addRow("%s null", key) << false << key << null;
        }
        for (const char* key : {"id", "navn", "ikonNavn", "farveHex"}) {
            QTest::addRow("fag %s missing", key) << true << key << missing;
            QTest::addRow("fag %s null", key) << true << key << null;
            QTest::addRow("fag %s number", key) << true << key << QJsonValue(7);
        }
        const QJsonArray wrong =
            QJsonDocument::fromJson(
                R"([["id",1],["titel",1],["beskrivelse",false],["links","https://a.dk"],)"
                R"(["links",[1]],["links",["a",null]],["links",[["a"]]],["links",[{}]],)"
                R"(["deadline","2026-12-06T12:00:00Z"],["erFaerdig",1],["erFaerdig","true"],)"
                R"(["oprettetDato",true],["fagId",""],)"
                R"(["fagId","{6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab}"],)"
                R"(["fagId","6f1c2a9e3b4d4c8e9a1f0123456789ab"],)"
                R"(["fagId","6f1c2a9e-3b4d-4c8e-9a1f-0123456789a"],)"
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
        const auto decodes = [&](const QJsonArray& a) {
            return fag ? bool(json::decodeFag(compact(a))) : bool(json::decodeLektier(compact(a)));
        };
        QVERIFY(decodes({good, good}));
        QVERIFY(!decodes({good, bad}));
    }

    void brokenTextFails_data() {
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = compact({lektieObject()});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("object") << QByteArray("{}");
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("array of null") << QByteArray("[null]");
        QTest::newRow("array of array") << QByteArray("[[]]");
        QTest::newRow("truncated") << good.chopped(2);
        QTest::newRow("trailing garbage") << good + "x";
        QTest::newRow("embedded nul") << QByteArray("[]\0[]", 5);
        QTest::newRow("invalid utf-8") << QByteArray("[{\"titel\":\"\xC3\x28\"}]");
        QTest::newRow("deep nesting") << QByteArray(100000, '[');
        QTest::newRow("deep nesting under an unknown key")
            << lektieText("{\"", "{\"x\":" + QByteArray(1000, '[') + QByteArray(1000, ']') + ",\"");
    }
    void brokenTextFails() {
        QFETCH(QByteArray, text);
        QVERIFY(!json::decodeLektier(text));
        QVERIFY(!json::decodeFag(text));
        QVERIFY(!json::decodeOldLektier(text));
    }

    void tolerantReading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("links");
        QTest::newRow("unknown keys, free order")
            << QByteArray(R"([{"x":{"y":[1,2]},"oprettetDato":10,"erFaerdig":false,)"
                          R"("deadline":20,"links":["x"],"beskrivelse":"b","titel":"t",)"
                          R"("fagId":"A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF",)"
                          R"("id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB"}])")
            << "t" << QStringList{"x"};
        QTest::newRow("known names nested in unknown keys")
            << lektieText("{\"", R"({"x":{"links":5,"id":[{"a":1}]},"y":[[],null,"x"],"z":null,)"
                                 "\"")
            << "T" << QStringList();
        QTest::newRow("shallow nesting under an unknown key")
            << lektieText("{\"", R"({"x":[[[{"a":[]}]]],)"
                                 "\"")
            << "T" << QStringList();
        QTest::newRow("repeated key, the last holds")
            << lektieText("\"links\":[]", R"("links":["a","b"],"links":["c"])") << "T"
            << QStringList{"c"};
        QTest::newRow("escapes") << lektieText(
                                        "\"titel\":\"T\"",
                                        "\"titel\":\"\\u00e6\\u00f8\\u00e5 \\ud83d\\ude00 \\/\"")
                                 << "æøå 😀 /" << QStringList();
        QTest::newRow("null uuid") << lektieText("a0b1c2d3-e4f5-4677-8899-aabbccddeeff",
                                                 "00000000-0000-0000-0000-000000000000")
                                   << "T" << QStringList();
    }
    void tolerantReading() {
        QFETCH(QByteArray, text);
        QFETCH(QString, titel);
        QFETCH(QStringList, links);
        const auto l = json::decodeLektier(text);
        QVERIFY(l);
        QCOMPARE(l->at(0).titel, titel);
        QCOMPARE(l->at(0).links, links);
    }

    void legacyForm() {
        QJsonObject old = lektieObject();
        old.remove("links");
        old["erFaerdig"] = true;
        // One object without links sends the whole array down the legacy path.
        const QByteArray mixed = compact({lektieObject(), old});
        QVERIFY(!json::decodeLektier(mixed));
        const auto legacy = json::decodeOldLektier(mixed);
        QVERIFY(legacy);
        QCOMPARE(legacy->size(), 2);
        QCOMPARE(legacy->at(1).id, kId);
        QVERIFY(legacy->at(1).erFaerdig);
        QCOMPARE(legacy->at(1).oprettetDato, utc(2000, 12, 31, 23, 59, 58, 500));
        // There "links" is just another unknown key.
        old["links"] = 5;
        QVERIFY(json::decodeOldLektier(compact({old})));
        old.remove("oprettetDato");
        QVERIFY(!json::decodeOldLektier(compact({old})));
    }
};

QTEST_GUILESS_MAIN(TestRecordJson)
#include "tst_recordjson.moc"
