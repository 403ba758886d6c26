#include "model/MenuBarRegler.h"
#include "support/TempStore.h"
#include "support/TestMain.h"

#include <QTest>

using namespace tavlen;
using menubar::AktivMenuPraesentation;

namespace {

const QUuid x("{0b6a3c1e-5d2f-4a7b-9c8d-1e2f3a4b5c6d}");
const QUuid y("{7f1e2d3c-4b5a-4697-8877-665544332211}");

// The presentations of the state table by short name; "" is none.
std::optional<AktivMenuPraesentation> praesentation(const QString& navn) {
    if (navn == u"ny")
        return AktivMenuPraesentation::nyLektie();
    if (navn == u"fag")
        return AktivMenuPraesentation::fagIndstillinger();
    if (navn == u"X" || navn == u"Y")
        return AktivMenuPraesentation::lektie(navn == u"X" ? x : y);
    return std::nullopt;
}

QString id(const std::optional<AktivMenuPraesentation>& p) {
    return p ? p->id() : QString();
}

struct Butik : test::TempStore {
    Butik()
        : TempStore(QDateTime(QDate(2026, 12, 6), QTime(10, 0), QTimeZone("Europe/Copenhagen"))) {}

    QUuid tilfoej(const QString& titel, qint64 timer) {
        const Lektie l = Lektie::ny({}, titel, {}, {}, clock.now().addSecs(timer * 3600), clock);
        store.tilfoej(l);
        return l.id;
    }
};

using test::titler;

} // namespace

class TestMenuBarRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void identifierTexts() {
        QCOMPARE(AktivMenuPraesentation::lektie(x).id(),
                 "lektie-0B6A3C1E-5D2F-4A7B-9C8D-1E2F3A4B5C6D");
        QCOMPARE(AktivMenuPraesentation::nyLektie().id(), "ny-lektie");
        QCOMPARE(AktivMenuPraesentation::fagIndstillinger().id(), "fag-indstillinger");
        QCOMPARE(AktivMenuPraesentation::lektie(x), AktivMenuPraesentation::lektie(QUuid(x)));
        QVERIFY(AktivMenuPraesentation::lektie(x) != AktivMenuPraesentation::lektie(y));
    }

    // Every event of the panel's state table: the same one closes, another replaces.
    void skift_data() {
        QTest::addColumn<QString>("foer");
        QTest::addColumn<QString>("oensket");
        QTest::addColumn<QString>("efter");
        const QStringList alle{"", "ny", "fag", "X", "Y"};
        const QList<std::pair<QString, QStringList>> tabel{
            {"ny", {"ny", "", "ny", "ny", "ny"}},
            {"fag", {"fag", "fag", "", "fag", "fag"}},
            {"X", {"X", "X", "X", "", "X"}},
        };
        for (const auto& [oensket, efter] : tabel) {
            for (int i = 0; i < alle.size(); ++i) {
                const QString foer = alle.at(i).isEmpty() ? QStringLiteral("none") : alle.at(i);
                QTest::addRow("%s on %s", qPrintable(oensket), qPrintable(foer))
                    << alle.at(i) << oensket << efter.at(i);
            }
        }
    }
    void skift() {
        QFETCH(QString, foer);
        QFETCH(QString, oensket);
        QFETCH(QString, efter);
        QCOMPARE(id(menubar::skift(praesentation(foer), *praesentation(oensket))),
                 id(praesentation(efter)));
    }

    void listsCountAtMostEightUpcoming() {
        Butik b;
        for (int i = 1; i <= 12; ++i)
            b.tilfoej(QStringLiteral("K%1").arg(i), i);
        b.tilfoej("F2", -1);
        b.tilfoej("F1", -48);
        menubar::MenuLister lister = menubar::menuLister(b.store);
        QCOMPARE(titler(lister.forfaldne), (QStringList{"F1", "F2"}));
        QCOMPARE(titler(lister.kommende),
                 (QStringList{"K1", "K2", "K3", "K4", "K5", "K6", "K7", "K8"}));
        QCOMPARE(lister.aktiveAntal(), 10);

        b.store.skiftFaerdig(b.store.kommendeLektier().at(2).id);
        lister = menubar::menuLister(b.store);
        QCOMPARE(lister.kommende.size(), 8);
        QCOMPARE(lister.kommende.last().titel, "K9");
        QCOMPARE(lister.aktiveAntal(), 10);
    }

    // Tested on the stored text: spaces count.
    void harDetaljer_data() {
        QTest::addColumn<QString>("beskrivelse");
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<bool>("har");
        QTest::newRow("nothing") << "" << QStringList{} << false;
        QTest::newRow("empty links") << "" << QStringList{"", ""} << false;
        QTest::newRow("description of spaces") << " " << QStringList{} << true;
        QTest::newRow("link of spaces") << "" << QStringList{"", "  "} << true;
        QTest::newRow("link") << "" << QStringList{"dr.dk"} << true;
    }
    void harDetaljer() {
        QFETCH(QString, beskrivelse);
        QFETCH(QStringList, links);
        QFETCH(bool, har);
        const ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC));
        const Lektie l = Lektie::ny({}, "Læs", beskrivelse, links, clock.now(), clock);
        QCOMPARE(menubar::harDetaljer(l), har);
    }

    void raekkeNavn() {
        const ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC));
        const Lektie l = Lektie::ny({}, "Læs side 4", {}, {}, clock.now(), clock);
        QCOMPARE(menubar::raekkeNavn(l, Fag::ny("Dansk", "book.fill", "E8704A"), "I morgen"),
                 "Læs side 4, Dansk, I morgen");
        QCOMPARE(menubar::raekkeNavn(l, std::nullopt, "I dag"), "Læs side 4, I dag");
    }
};

TAVLEN_TEST(TestMenuBarRegler)
#include "tst_menubarregler.moc"
