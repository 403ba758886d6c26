#include "model/RecordJson.h"
#include "support/TestMain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tavlen;
using test::row;

namespace {

QDateTime jsonUtc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

QByteArray compact(const QJsonArray& a) {
    return QJsonDocument(a).toJson(QJsonDocument::Compact);
}

QJsonObject objekt(const char* text) {
    return QJsonDocument::fromJson(text).object();
}

QJsonObject lektieObject() {
    return objekt(R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB","titel":"T","beskrivelse":"",)"
                  R"("fagId":"a0b1c2d3-e4f5-4677-8899-aabbccddeeff","links":[],"deadline":0,)"
                  R"("erFaerdig":false,"oprettetDato":-1.5})");
}

// The text of lektieObject() in a list, with one piece replaced.
QByteArray lektieText(const QByteArray& from, const QByteArray& to) {
    return compact({lektieObject()}).replace(from, to);
}

} // namespace

class TestRecordJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedFormIsPlainJsonAndRoundTrips() {
        // Escapes, a control character, a four-byte character and a lone surrogate.
        Lektie l(QUuid::fromString(QStringLiteral("6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab")),
                 QUuid::fromString(QStringLiteral("a0b1c2d3-e4f5-4677-8899-aabbccddeeff")),
                 QString("\"q\"\\\n\t\u0001😀") + QChar(0xD83D), "Husk kapitel 2",
                 {"https://example.org/a?b=c&d=æ"}, jsonUtc(2026, 12, 6, 14, 30), true,
                 jsonUtc(2026, 12, 1, 8, 0, 0, 250));
        const auto bytes = json::encode(QList<Lektie>{l});
        QVERIFY(bytes);
        QJsonObject expected = objekt(
            R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB","titel":"",)"
            R"("fagId":"A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF","beskrivelse":"Husk kapitel 2",)"
            R"("links":["https://example.org/a?b=c&d=æ"],"deadline":818260200,)"
            R"("erFaerdig":true,"oprettetDato":817804800.25})");
        expected["titel"] = "\"q\"\\\n\t\u0001😀\uFFFD";
        QCOMPARE(QJsonDocument::fromJson(*bytes).array(), QJsonArray{expected});
        QVERIFY(bytes->contains("😀")); // written as it is, not escaped
        QCOMPARE(*json::encode(*json::decodeLektier(*bytes)), *bytes);
        // Empty fields are written too; a lower-case id is read and written upper-case.
        QJsonObject upper = lektieObject();
        upper["fagId"] = upper["fagId"].toString().toUpper();
        const auto lower = json::decodeLektier(compact({lektieObject()}));
        QCOMPARE(QJsonDocument::fromJson(*json::encode(*lower)).array(), QJsonArray{upper});
        // A record that cannot be encoded (an invalid date) fails the whole list.
        l.oprettetDato = QDateTime();
        QCOMPARE(json::encode(QList<Lektie>{lower->at(0), l}), std::nullopt);
        QCOMPARE(json::fraSekunderSiden2001(qQNaN()).isValid(), false);
    }

    // Seconds since 2001-01-01 UTC, negative before, to the millisecond.
    void dates_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QDateTime>("moment"); // invalid: the array is rejected
        QTest::addColumn<bool>("same");        // written back as the same text
        const QDateTime epoch = jsonUtc(2001, 1, 1);
        row("2001 is zero", QByteArray("0"), epoch, true);
        for (const auto& [ms, text] : {std::pair(12300, "12.3"), std::pair(12045, "12.045"),
                                       std::pair(5, "0.005"), std::pair(-1250, "-1.25")})
            row(text, QByteArray(text), epoch.addMSecs(ms), true);
        row("rounds down", QByteArray("1.0004"), epoch.addSecs(1), false);
        row("rounds up", QByteArray("1.0006"), epoch.addMSecs(1001), false);
        row("negative fraction", QByteArray("-0.0006"), epoch.addMSecs(-1), false);
        row("out of range", QByteArray("1e300"), QDateTime(), false);
    }
    void dates() {
        const auto [text, moment, same] =
            test::fetch<QByteArray, QDateTime, bool>("text", "moment", "same");
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
        row("null", false, "titel", QJsonValue(QJsonValue::Null));
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
        for (const QJsonValue& r : wrong)
            row(compact(r.toArray()).constData(), false, r[0].toString(), r[1]);
    }
    void badObjectFailsTheArray() {
        const auto [fag, key, value] =
            test::fetch<bool, QString, QJsonValue>("fag", "key", "value");
        const QJsonObject good = fag ? objekt(R"({"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB",)"
                                              R"("navn":"Idræt","ikonNavn":"figure.run",)"
                                              R"("farveHex":"F59E0B"})")
                                     : lektieObject();
        QJsonObject bad = good;
        if (value.isUndefined())
            bad.remove(key);
        else
            bad[key] = value;
        const auto decodes = [&](const QByteArray& text) {
            return fag ? json::decodeFag(text).has_value() : json::decodeLektier(text).has_value();
        };
        QCOMPARE(decodes(compact({good, good})), true);
        QCOMPARE(decodes(compact({good, bad})), false);
    }

    // The title a reader finds in a text, or null when the text is rejected.
    void reading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("titel");
        const QByteArray good = compact({lektieObject()});
        const QString rejected;
        row("empty", QByteArray(), rejected);
        row("array of null", QByteArray("[null]"), rejected);
        row("truncated", good.chopped(2), rejected);
        row("trailing garbage", good + "x", rejected);
        row("embedded nul", QByteArray("[]\0[]", 5), rejected);
        row("invalid utf-8", QByteArray("[{\"titel\":\"\xC3\x28\"}]"), rejected);
        row("deep nesting", QByteArray(100000, '['), rejected);
        row("deep nesting under an unknown key",
            lektieText("{\"", "{\"x\":" + QByteArray(1000, '[') + QByteArray(1000, ']') + ",\""),
            rejected);
        row("known names nested in unknown keys",
            lektieText("{\"", R"({"x":{"links":5,"id":[{"a":1}]},"y":[[],null,"x"],"z":null,)"
                              "\""),
            "T");
        row("repeated key, the last holds",
            lektieText("\"titel\":\"T\"", R"("titel":"a","titel":"c")"), "c");
        row("escapes",
            lektieText("\"titel\":\"T\"", "\"titel\":\"\\u00e6\\u00f8\\u00e5 \\ud83d\\ude00 \\/\""),
            "æøå 😀 /");
    }
    void reading() {
        const auto [text, titel] = test::fetch<QByteArray, QString>("text", "titel");
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
        const auto one = [](const QByteArray& titel) {
            return lektieText("\"titel\":\"T\"", "\"titel\":\"" + titel + "\"")
                .chopped(1)
                .sliced(1);
        };
        const QByteArray a = one("A"), b = one("B"), c = one("C");
        const QStringList ac{"A", "C"};
        row("all good", "[" + a + "," + b + "]", QStringList{"A", "B"}, 0);
        row("a record without its id", "[" + a + ",{\"titel\":\"X\"}," + c + "]", ac, 1);
        row("a number too big for a date",
            "[" + a + "," + QByteArray(b).replace("\"deadline\":0", "\"deadline\":1e400") + "," +
                c + "]",
            ac, 1);
        row("a stretch of broken text", "[" + a + ",{\"id\":?? " + b + "," + c + "]", ac, 1);
        row("cut off in the second record", "[" + a + "," + b.chopped(20), QStringList{"A"}, 1);
        row("cut off after a record", "[" + a, QStringList{"A"}, 0);
        row("a value that is no record", "[" + a + ",7,[]]", QStringList{"A"}, 2);
        row("no list at all", QByteArray("{\"a\":1}"), QStringList(), 1);
        row("a byte that is no UTF-8", "[" + one("Bl\xE5") + "]", QStringList{"Bl\uFFFD"}, 0);
    }
    void recordByRecord() {
        const auto [text, titler, unreadable] =
            test::fetch<QByteArray, QStringList, int>("text", "titler", "unreadable");
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
        QCOMPARE(json::decodeLektier(mixed).has_value(), false);
        QCOMPARE(json::decodeOldLektier(mixed)->at(1).oprettetDato,
                 jsonUtc(2000, 12, 31, 23, 59, 58, 500));
        // There "links" is just another unknown key.
        old["links"] = 5;
        QCOMPARE(json::decodeOldLektier(compact({old})).has_value(), true);
        old.remove("oprettetDato");
        QCOMPARE(json::decodeOldLektier(compact({old})).has_value(), false);
    }
};

TAVLEN_TEST(TestRecordJson)
#include "tst_recordjson.moc"
