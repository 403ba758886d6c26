#include "model/DetaljeRegler.h"
#include "model/MenuBarRegler.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

using namespace tavlen;
using menubar::AktivMenuPraesentation;
using test::row;

namespace {

// The presentations of the state table by short name; "-" is none.
std::optional<AktivMenuPraesentation> praesentation(const QString& navn) {
    if (navn == u"ny")
        return AktivMenuPraesentation::nyLektie();
    if (navn == u"fag")
        return AktivMenuPraesentation::fagIndstillinger();
    static const QUuid x = QUuid::createUuid(), y = QUuid::createUuid();
    if (navn == u"X" || navn == u"Y")
        return AktivMenuPraesentation::lektie(navn == u"X" ? x : y);
    return std::nullopt;
}

} // namespace

// The panel's lists and rows are proven on the panel's screen.
class TestMenuBarRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every event of the panel's state table: the same one closes, another replaces.
    void skift_data() {
        test::columns<QString>({"foer", "oensket", "efter"});
        const QStringList alle{"-", "ny", "fag", "X", "Y"};
        const QList<std::pair<QString, QStringList>> tabel{
            {"ny", {"ny", "-", "ny", "ny", "ny"}},
            {"fag", {"fag", "fag", "-", "fag", "fag"}},
            {"X", {"X", "X", "X", "-", "X"}},
        };
        for (const auto& [oensket, efter] : tabel) {
            for (int i = 0; i < alle.size(); ++i)
                QTest::addRow("%s on %s", qPrintable(oensket), qPrintable(alle.at(i)))
                    << alle.at(i) << oensket << efter.at(i);
        }
    }
    void skift() {
        const auto [foer, oensket, efter] =
            test::fetch<QString, QString, QString>("foer", "oensket", "efter");
        const auto id = [](const std::optional<AktivMenuPraesentation>& p) {
            return p ? p->id() : QString();
        };
        QCOMPARE(id(menubar::skift(praesentation(foer), *praesentation(oensket))),
                 id(praesentation(efter)));
    }

    // Tested on the stored text: spaces count for the panel's details, not for the detail's
    // description section ("vist").
    void harDetaljer_data() {
        QTest::addColumn<QString>("beskrivelse");
        QTest::addColumn<QStringList>("links");
        test::columns<bool>({"har", "vist"});
        row("nothing", "", QStringList{}, false, false);
        row("empty links", "", QStringList{"", ""}, false, false);
        row("description of blanks", " \n\t \r\n", QStringList{}, true, false);
        row("description", "   Husk kilder", QStringList{}, true, true);
        row("link of spaces", "", QStringList{"", "  "}, true, false);
        row("link", "", QStringList{"dr.dk"}, true, false);
    }
    void harDetaljer() {
        const auto [beskrivelse, links, har, vist] =
            test::fetch<QString, QStringList, bool, bool>("beskrivelse", "links", "har", "vist");
        const ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC));
        QCOMPARE(
            menubar::harDetaljer(Lektie::ny({}, "Læs", beskrivelse, links, clock.now(), clock)),
            har);
        QCOMPARE(detalje::visBeskrivelse(beskrivelse), vist);
    }
};

TAVLEN_TEST(TestMenuBarRegler)
#include "tst_menubarregler.moc"
