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

Lektie sample() {
    Lektie l;
    l.id = kId;
    l.fagId = kFagId;
    l.titel = QStringLiteral("Læs side 12–14 😀");
    l.beskrivelse = QStringLiteral("Husk \"citat\"\\ og\nny linje\t");
    l.links = {QStringLiteral("https://example.org/a?b=c&d=æ")};
    l.deadline = utc(2026, 12, 6, 14, 30);
    l.erFaerdig = true;
    l.oprettetDato = utc(2026, 12, 1, 8, 0, 0, 250);
    return l;
}

QByteArray objectJson(const QJsonObject& o) {
    return QJsonDocument(QJsonArray{o}).toJson(QJsonDocument::Compact);
}

QJsonObject lektieObject() {
    return QJsonObject{{"id", kId.toString(QUuid::WithoutBraces).toUpper()},
                       {"fagId", kFagId.toString(QUuid::WithoutBraces)},
                       {"titel", "T"},
                       {"beskrivelse", ""},
                       {"links", QJsonArray{}},
                       {"deadline", 0},
                       {"erFaerdig", false},
                       {"oprettetDato", -1.5}};
}

} // namespace

class TestRecordJson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lektieStoredFormIsPlainJson() {
        const auto bytes = json::encode(QList<Lektie>{sample()});
        QVERIFY(bytes);
        QVERIFY(!bytes->contains('\n'));
        QVERIFY(!bytes->contains(": "));

        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(*bytes, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject o = doc.array().at(0).toObject();
        QCOMPARE(o.size(), 8);
        QCOMPARE(o["id"].toString(), QStringLiteral("6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB"));
        QCOMPARE(o["fagId"].toString(), QStringLiteral("A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF"));
        QCOMPARE(o["titel"].toString(), sample().titel);
        QCOMPARE(o["beskrivelse"].toString(), sample().beskrivelse);
        QCOMPARE(o["links"].toArray().at(0).toString(), sample().links.at(0));
        QCOMPARE(o["deadline"].toDouble(), 818260200.0);
        QCOMPARE(o["erFaerdig"].toBool(), true);
        QCOMPARE(o["oprettetDato"].toDouble(), 817804800.25);
        // Whole seconds are written as integers; the emoji is raw UTF-8, not escaped.
        QVERIFY(bytes->contains("\"deadline\":818260200,"));
        QVERIFY(bytes->contains("\"oprettetDato\":817804800.25"));
        QVERIFY(bytes->contains("\xF0\x9F\x98\x80"));
    }

    void lektieRoundTrip() {
        const Lektie in = sample();
        const auto out = json::decodeLektier(*json::encode(QList<Lektie>{in}));
        QVERIFY(out);
        QCOMPARE(out->size(), 1);
        const Lektie& l = out->at(0);
        QCOMPARE(l.id, in.id);
        QCOMPARE(l.fagId, in.fagId);
        QCOMPARE(l.titel, in.titel);
        QCOMPARE(l.beskrivelse, in.beskrivelse);
        QCOMPARE(l.links, in.links);
        QCOMPARE(l.deadline, in.deadline);
        QCOMPARE(l.deadline.timeSpec(), Qt::UTC);
        QCOMPARE(l.erFaerdig, in.erFaerdig);
        QCOMPARE(l.oprettetDato, in.oprettetDato);
    }

    void emptyFieldsAreWritten() {
        Lektie l = sample();
        l.beskrivelse.clear();
        l.links.clear();
        const QByteArray bytes = *json::encode(QList<Lektie>{l});
        QVERIFY(bytes.contains("\"beskrivelse\":\"\""));
        QVERIFY(bytes.contains("\"links\":[]"));
        const auto back = json::decodeLektier(bytes);
        QVERIFY(back);
        QVERIFY(back->at(0).beskrivelse.isEmpty());
        QVERIFY(back->at(0).links.isEmpty());
        QCOMPARE(*json::encode(*back), bytes);
    }

    void emptyListsEncodeAsEmptyArrays() {
        QCOMPARE(*json::encode(QList<Lektie>{}), QByteArray("[]"));
        QCOMPARE(*json::encode(QList<Fag>{}), QByteArray("[]"));
        QCOMPARE(json::decodeLektier("[]")->size(), 0);
        QCOMPARE(json::decodeFag(" [ ] ")->size(), 0);
    }

    void datesAgainst2001() {
        QCOMPARE(json::sekunderSiden2001(utc(2001, 1, 1)), 0.0);
        QCOMPARE(json::sekunderSiden2001(utc(2000, 12, 31, 23, 59, 59)), -1.0);
        QCOMPARE(json::sekunderSiden2001(utc(1970, 1, 1)), -978307200.0);
        QCOMPARE(json::fraSekunderSiden2001(0), utc(2001, 1, 1));
        QCOMPARE(json::fraSekunderSiden2001(-86400 * 366.0), utc(2000, 1, 1));

        Lektie l = sample();
        l.deadline = utc(2001, 1, 1);
        l.oprettetDato = utc(1999, 6, 1, 12, 0, 0, 500);
        const QByteArray bytes = *json::encode(QList<Lektie>{l});
        QVERIFY(bytes.contains("\"deadline\":0,"));
        const QJsonObject o = QJsonDocument::fromJson(bytes).array().at(0).toObject();
        QCOMPARE(o["oprettetDato"].toDouble(), -50068799.5);
        QCOMPARE(json::decodeLektier(bytes)->at(0).oprettetDato, l.oprettetDato);
    }

    void fractionsRoundToTheMillisecond() {
        QCOMPARE(json::fraSekunderSiden2001(1.0004), utc(2001, 1, 1, 0, 0, 1, 0));
        QCOMPARE(json::fraSekunderSiden2001(1.0006), utc(2001, 1, 1, 0, 0, 1, 1));
        QCOMPARE(json::fraSekunderSiden2001(-0.0006), utc(2000, 12, 31, 23, 59, 59, 999));
        QCOMPARE(json::fraSekunderSiden2001(123.456), utc(2001, 1, 1, 0, 2, 3, 456));

        QJsonObject o = lektieObject();
        o["deadline"] = 818260200.1234567;
        const auto l = json::decodeLektier(objectJson(o));
        QVERIFY(l);
        QCOMPARE(l->at(0).deadline, utc(2026, 12, 6, 14, 30, 0, 123));
        QCOMPARE(l->at(0).oprettetDato, utc(2000, 12, 31, 23, 59, 58, 500));
    }

    void outOfRangeDatesAreInvalid() {
        QVERIFY(!json::fraSekunderSiden2001(qQNaN()).isValid());
        QVERIFY(!json::fraSekunderSiden2001(qInf()).isValid());
        QVERIFY(!json::fraSekunderSiden2001(1e300).isValid());
        QVERIFY(!json::decodeLektier(QByteArray(objectJson(lektieObject()))
                                         .replace("\"deadline\":0", "\"deadline\":1e300")));
    }

    void invalidDateFailsEncoding() {
        Lektie l = sample();
        l.deadline = QDateTime();
        QVERIFY(!json::encode(QList<Lektie>{sample(), l}));
        l = sample();
        l.oprettetDato = QDateTime();
        QVERIFY(!json::encode(QList<Lektie>{l}));
    }

    void uuidInLowerCaseIsReadAndWrittenUpper() {
        const QByteArray lower =
            R"([{"id":"6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab","navn":"Dansk","ikonNavn":"book.fill","farveHex":"E8704A"}])";
        const auto fag = json::decodeFag(lower);
        QVERIFY(fag);
        QCOMPARE(fag->at(0).id, kId);
        QCOMPARE(*json::encode(*fag),
                 QByteArray(R"([{"id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB","navn":"Dansk",)"
                            R"("ikonNavn":"book.fill","farveHex":"E8704A"}])"));
    }

    void malformedUuidsFail_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("braces") << "{6f1c2a9e-3b4d-4c8e-9a1f-0123456789ab}";
        QTest::newRow("no hyphens") << "6f1c2a9e3b4d4c8e9a1f0123456789ab";
        QTest::newRow("short") << "6f1c2a9e-3b4d-4c8e-9a1f-0123456789a";
        QTest::newRow("not hex") << "6f1c2a9e-3b4d-4c8e-9a1f-0123456789ag";
        QTest::newRow("hyphen moved") << "6f1c2a9e3-b4d-4c8e-9a1f-0123456789ab";
        QTest::newRow("empty") << "";
    }
    void malformedUuidsFail() {
        QFETCH(QString, text);
        QJsonObject o = lektieObject();
        o["fagId"] = text;
        QVERIFY(!json::decodeLektier(objectJson(o)));
    }

    void everyMissingOrMistypedKeyFailsTheArray_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value"); // Undefined: key removed
        const QJsonValue missing(QJsonValue::Undefined);
        const QJsonValue null(QJsonValue::Null);
        for (const char* key : {"id", "fagId", "titel", "beskrivelse", "links", "deadline",
                                "erFaerdig", "oprettetDato"}) {
            QTest::addRow("%s missing", key) << key << missing;
            QTest::addRow("%s null", key) << key << null;
        }
        QTest::newRow("id number") << "id" << QJsonValue(1);
        QTest::newRow("titel number") << "titel" << QJsonValue(1);
        QTest::newRow("beskrivelse bool") << "beskrivelse" << QJsonValue(false);
        QTest::newRow("links string") << "links" << QJsonValue("https://a.dk");
        QTest::newRow("links of numbers") << "links" << QJsonValue(QJsonArray{1});
        QTest::newRow("links with null") << "links" << QJsonValue(QJsonArray{"a", null});
        QTest::newRow("deadline text") << "deadline" << QJsonValue("2026-12-06T12:00:00Z");
        QTest::newRow("erFaerdig number") << "erFaerdig" << QJsonValue(1);
        QTest::newRow("erFaerdig text") << "erFaerdig" << QJsonValue("true");
        QTest::newRow("oprettetDato bool") << "oprettetDato" << QJsonValue(true);
    }
    void everyMissingOrMistypedKeyFailsTheArray() {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QJsonObject bad = lektieObject();
        if (value.isUndefined())
            bad.remove(key);
        else
            bad[key] = value;
        const QByteArray good = objectJson(lektieObject());
        QVERIFY(json::decodeLektier(good));
        const QByteArray both =
            QJsonDocument(QJsonArray{lektieObject(), bad}).toJson(QJsonDocument::Compact);
        QVERIFY(!json::decodeLektier(both));
    }

    void fagRules() {
        const QJsonObject good{{"id", kId.toString(QUuid::WithoutBraces)},
                               {"navn", "Idræt"},
                               {"ikonNavn", "figure.run"},
                               {"farveHex", "F59E0B"}};
        QVERIFY(json::decodeFag(objectJson(good)));
        for (const char* key : {"id", "navn", "ikonNavn", "farveHex"}) {
            QJsonObject o = good;
            o.remove(key);
            QVERIFY2(!json::decodeFag(objectJson(o)), key);
            o = good;
            o[key] = QJsonValue::Null;
            QVERIFY2(!json::decodeFag(objectJson(o)), key);
            o[key] = 7;
            QVERIFY2(!json::decodeFag(objectJson(o)), key);
        }
        QCOMPARE(json::decodeFag(objectJson(good))->at(0).navn, QStringLiteral("Idræt"));
    }

    void unknownKeysAreIgnoredAndOrderIsFree() {
        const QByteArray text =
            R"([{"extra":{"nested":[1,2]},"oprettetDato":10,"erFaerdig":false,"deadline":20,)"
            R"("links":["x"],"beskrivelse":"b","titel":"t",)"
            R"("fagId":"A0B1C2D3-E4F5-4677-8899-AABBCCDDEEFF","id":"6F1C2A9E-3B4D-4C8E-9A1F-0123456789AB"}])";
        const auto l = json::decodeLektier(text);
        QVERIFY(l);
        QCOMPARE(l->at(0).links, QStringList{"x"});
        QCOMPARE(l->at(0).deadline, utc(2001, 1, 1, 0, 0, 20));
    }

    void legacyForm() {
        QJsonObject old = lektieObject();
        old.remove("links");
        old["erFaerdig"] = true;
        const QByteArray mixed =
            QJsonDocument(QJsonArray{lektieObject(), old}).toJson(QJsonDocument::Compact);
        // One object without links sends the whole array down the legacy path.
        QVERIFY(!json::decodeLektier(mixed));
        const auto legacy = json::decodeOldLektier(mixed);
        QVERIFY(legacy);
        QCOMPARE(legacy->size(), 2);
        QCOMPARE(legacy->at(1).id, kId);
        QCOMPARE(legacy->at(1).erFaerdig, true);
        QCOMPARE(legacy->at(1).oprettetDato, utc(2000, 12, 31, 23, 59, 58, 500));

        old.remove("oprettetDato");
        QVERIFY(!json::decodeOldLektier(objectJson(old)));
    }

    void notAnArrayOrBrokenTextFails_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("object") << QByteArray("{}");
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("array of null") << QByteArray("[null]");
        QTest::newRow("array of array") << QByteArray("[[]]");
        QTest::newRow("truncated") << objectJson(lektieObject()).chopped(2);
        QTest::newRow("trailing garbage") << objectJson(lektieObject()) + "x";
        QTest::newRow("embedded nul") << QByteArray("[]\0[]", 5);
        QTest::newRow("invalid utf-8") << QByteArray("[{\"titel\":\"\xC3\x28\"}]");
        QTest::newRow("deep nesting") << QByteArray(100000, '[');
    }
    void notAnArrayOrBrokenTextFails() {
        QFETCH(QByteArray, text);
        QVERIFY(!json::decodeLektier(text));
        QVERIFY(!json::decodeFag(text));
        QVERIFY(!json::decodeOldLektier(text));
    }

    void escapesAreDecoded() {
        QJsonObject o = lektieObject();
        const QByteArray text =
            QByteArray(objectJson(o))
                .replace("\"titel\":\"T\"",
                         "\"titel\":\"\\u00e6\\u00f8\\u00e5 \\ud83d\\ude00 \\\"q\\\" \\\\ \\/\"");
        const auto l = json::decodeLektier(text);
        QVERIFY(l);
        QCOMPARE(l->at(0).titel, QStringLiteral("æøå 😀 \"q\" \\ /"));
    }

    void controlCharactersAreEscaped() {
        Lektie l = sample();
        l.titel = QStringLiteral("a\u0001b");
        const QByteArray bytes = *json::encode(QList<Lektie>{l});
        QVERIFY(bytes.contains("a\\u0001b"));
        QCOMPARE(json::decodeLektier(bytes)->at(0).titel, l.titel);
    }

    void dateNumbersAreExactDecimals_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole") << 12000 << QByteArray("12");
        QTest::newRow("tenths") << 12300 << QByteArray("12.3");
        QTest::newRow("hundredths") << 12340 << QByteArray("12.34");
        QTest::newRow("leading zero") << 12045 << QByteArray("12.045");
        QTest::newRow("under a second") << 5 << QByteArray("0.005");
        QTest::newRow("negative under a second") << -500 << QByteArray("-0.5");
        QTest::newRow("negative") << -1250 << QByteArray("-1.25");
    }
    void dateNumbersAreExactDecimals() {
        QFETCH(int, ms);
        QFETCH(QByteArray, text);
        Lektie l = sample();
        l.deadline = utc(2001, 1, 1).addMSecs(ms);
        const QByteArray bytes = *json::encode(QList<Lektie>{l});
        QVERIFY2(bytes.contains("\"deadline\":" + text + ","), bytes.constData());
        QCOMPARE(json::decodeLektier(bytes)->at(0).deadline, l.deadline);
    }

    void loneSurrogatesBecomeReplacementCharacters() {
        Lektie l = sample();
        l.titel = QString(QChar(0xD83D)) + "x" + QChar(0xDE00);
        const QByteArray bytes = *json::encode(QList<Lektie>{l});
        QVERIFY(QJsonDocument::fromJson(bytes).isArray());
        QCOMPARE(json::decodeLektier(bytes)->at(0).titel, QStringLiteral("\uFFFDx\uFFFD"));
    }

    void nestedValuesOfUnknownKeysAreSkipped() {
        QJsonObject o = lektieObject();
        o["extra"] = QJsonObject{{"links", 5}, {"id", QJsonArray{QJsonObject{{"a", 1}}}}};
        o["more"] = QJsonArray{QJsonArray{}, QJsonValue::Null, "x"};
        o["nothing"] = QJsonValue::Null;
        const auto l = json::decodeLektier(objectJson(o));
        QVERIFY(l);
        QCOMPARE(l->at(0).titel, QStringLiteral("T"));

        // Legacy records know no "links", so there it is just another unknown key.
        QVERIFY(json::decodeOldLektier(objectJson(lektieObject())));
        o = lektieObject();
        o["links"] = 5;
        QVERIFY(json::decodeOldLektier(objectJson(o)));
        QVERIFY(!json::decodeLektier(objectJson(o)));
    }

    void nestingInsideLinksFails() {
        QJsonObject o = lektieObject();
        o["links"] = QJsonArray{QJsonArray{"a"}};
        QVERIFY(!json::decodeLektier(objectJson(o)));
        o["links"] = QJsonArray{QJsonObject{}};
        QVERIFY(!json::decodeLektier(objectJson(o)));
    }

    void repeatedKeyTheLastHolds() {
        const QByteArray text =
            QByteArray(objectJson(lektieObject()))
                .replace("\"links\":[]", "\"links\":[\"a\",\"b\"],\"links\":[\"c\"]");
        const auto l = json::decodeLektier(text);
        QVERIFY(l);
        QCOMPARE(l->at(0).links, QStringList{"c"});
    }

    void deepNestingUnderAnUnknownKeyFails() {
        const QByteArray deep = QByteArray(1000, '[') + QByteArray(1000, ']');
        const QByteArray text =
            QByteArray(objectJson(lektieObject())).replace("{\"", "{\"extra\":" + deep + ",\"");
        QVERIFY(!json::decodeLektier(text));
        const QByteArray shallow =
            QByteArray(objectJson(lektieObject())).replace("{\"", "{\"extra\":[[[{\"a\":[]}]]],\"");
        QVERIFY(json::decodeLektier(shallow));
    }

    void nullUuidIsReadAsIs() {
        QJsonObject o = lektieObject();
        o["fagId"] = "00000000-0000-0000-0000-000000000000";
        const auto l = json::decodeLektier(objectJson(o));
        QVERIFY(l);
        QVERIFY(l->at(0).fagId.isNull());
    }

    void largeListRoundTrips() {
        QList<Lektie> list;
        for (int i = 0; i < 1000; ++i) {
            Lektie l = sample();
            l.id = QUuid::createUuid();
            l.deadline = l.deadline.addMSecs(i * 1001);
            list.append(l);
        }
        const QByteArray bytes = *json::encode(list);
        QCOMPARE(QJsonDocument::fromJson(bytes).array().size(), 1000);
        const auto back = json::decodeLektier(bytes);
        QVERIFY(back);
        for (int i = 0; i < list.size(); ++i) {
            QCOMPARE(back->at(i).id, list[i].id);
            QCOMPARE(back->at(i).deadline, list[i].deadline);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordJson)
#include "tst_recordjson.moc"
