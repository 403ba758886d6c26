#include "core/PreferencesFile.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "model/OnboardingRegler.h"
#include "support/CountingWidgetReloader.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"
#include "support/TestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace tavlen;

namespace {

QSet<QUuid> standardIds(const QList<int>& indices) {
    QSet<QUuid> ids;
    for (int i : indices)
        ids.insert(Fag::standard().at(i).id);
    return ids;
}

QList<Fag> egneFag(const QStringList& navne) {
    QList<Fag> fag;
    for (const QString& navn : navne)
        fag << Fag::ny(navn, QStringLiteral("music.note"), QStringLiteral("EC4899"));
    return fag;
}

QStringList navne(const QList<Fag>& fag) {
    QStringList out;
    for (const Fag& f : fag)
        out << f.navn;
    return out;
}

QList<QUuid> idListe(const QList<Fag>& fag) {
    QList<QUuid> out;
    for (const Fag& f : fag)
        out << f.id;
    return out;
}

// A store on a temporary folder, as on a pupil's machine.
struct Machine {
    QTemporaryDir dir;
    PreferencesSuites suites{dir.path() + QStringLiteral("/config")};
    test::CountingWidgetReloader widgets;
    ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(10, 0), QTimeZone("Europe/Copenhagen"))};
    InMemoryNotificationCenter center;
    LektieNotificationManager notifications{center, clock};
    std::unique_ptr<LektieStore> store;

    LektieStore& start() {
        store.reset();
        store = std::make_unique<LektieStore>(LektieStore::Services{
            suites, widgets, notifications, clock, dir.path() + QStringLiteral("/recovered")});
        return *store;
    }
    QJsonObject suite() const {
        QFile f(dir.path() + QStringLiteral("/config/Tavlen/group.tavlen.json"));
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object()
                                           : QJsonObject();
    }
};

} // namespace

class TestOnboardingRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nyeFag_data() {
        QTest::addColumn<QList<int>>("valgte"); // indices into the catalogue
        QTest::addColumn<QStringList>("egne");
        QTest::addColumn<QStringList>("forventet");
        QStringList katalog = navne(Fag::standard());
        QList<int> alle;
        for (int i = 0; i < katalog.size(); ++i)
            alle << i;
        QTest::newRow("all ticked") << alle << QStringList() << katalog;
        QTest::newRow("some unticked, catalogue order")
            << QList<int>{13, 3, 0} << QStringList()
            << QStringList{"Dansk", "Matematik", katalog[13]};
        QTest::newRow("own with equal names")
            << QList<int>() << QStringList{"Musik", "Musik"} << QStringList{"Musik", "Musik"};
        QTest::newRow("own after standard, named like one")
            << QList<int>{3} << QStringList{"Dansk", "Kor"}
            << QStringList{"Matematik", "Dansk", "Kor"};
        QTest::newRow("nothing") << QList<int>() << QStringList() << QStringList();
    }
    void nyeFag() {
        QFETCH(QList<int>, valgte);
        QFETCH(QStringList, egne);
        QFETCH(QStringList, forventet);
        const QList<Fag> custom = egneFag(egne);
        const QList<Fag> fag = onboarding::nyeFag(standardIds(valgte), custom);
        QCOMPARE(navne(fag), forventet);
        const qsizetype antalStandard = fag.size() - custom.size();
        QCOMPARE(idListe(fag.mid(antalStandard)), idListe(custom));
        QCOMPARE(fag.mid(antalStandard), custom);
        const QList<QUuid> nyeIds = idListe(fag.first(antalStandard));
        const QSet<QUuid> unikke(nyeIds.cbegin(), nyeIds.cend());
        QCOMPARE(unikke.size(), antalStandard);
        QCOMPARE(unikke.intersects(onboarding::vaelgAlle()), false);
        QCOMPARE(unikke.contains(QUuid()), false);
        for (const Fag& f : fag.first(antalStandard)) {
            const auto fra = std::find_if(Fag::standard().cbegin(), Fag::standard().cend(),
                                          [&](const Fag& s) { return s.navn == f.navn; });
            QCOMPARE(f.ikonNavn, fra->ikonNavn);
            QCOMPARE(f.farveHex, fra->farveHex);
        }
    }

    // A store with subjects and homework from before: the subjects are replaced, the homework
    // stays, and both the subjects and the flag are in the file.
    void afslutReplacesTheSubjectsOfTheStore() {
        Machine m;
        LektieStore& store = m.start();
        const Fag gammelt = Fag::ny("Tysk", "globe", "0EA5E9");
        store.setFag({gammelt});
        QVERIFY(store.tilfoej(
            Lektie::ny(gammelt.id, "Gloser", "", {}, m.clock.now().addDays(2), m.clock)));
        const QList<Lektie> foer = store.lektier();
        const QList<Fag> custom = egneFag({"Kor"});

        onboarding::afslut(store, standardIds({0, 1}), custom);

        QCOMPARE(navne(store.fag()), (QStringList{"Dansk", "Historie", "Kor"}));
        QCOMPARE(store.fag().at(2), custom.at(0));
        QCOMPARE(store.harSetupFaerdig(), true);
        QCOMPARE(store.lektier().size(), 1);
        QCOMPARE(store.lektier().at(0).id, foer.at(0).id);
        QCOMPARE(store.lektier().at(0).fagId, gammelt.id);
        const QJsonObject file = m.suite();
        QCOMPARE(file.value("harSetupFaerdig_v4").toBool(), true);
        QCOMPARE(file.value("fag_v4").toArray().size(), 3);
        QCOMPARE(file.value("lektier_v4").toArray().size(), 1);
        QTRY_VERIFY(m.notifications.isIdle());

        // What the next start reads back.
        LektieStore& igen = m.start();
        QCOMPARE(igen.fag(), store.fag());
        QCOMPARE(igen.harSetupFaerdig(), true);
    }

    void taellerOgFortsaet_data() {
        QTest::addColumn<QList<int>>("valgte");
        QTest::addColumn<int>("egne");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("kanFortsaette");
        QTest::newRow("start: all ticked")
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13} << 0 << "14 valgt" << true;
        QTest::newRow("nothing") << QList<int>() << 0 << "0 valgt" << false;
        QTest::newRow("one ticked") << QList<int>{5} << 0 << "1 valgt" << true;
        QTest::newRow("one own") << QList<int>() << 1 << "1 valgt" << true;
        QTest::newRow("three and two own") << QList<int>{0, 4, 9} << 2 << "5 valgt" << true;
    }
    void taellerOgFortsaet() {
        QFETCH(QList<int>, valgte);
        QFETCH(int, egne);
        QFETCH(QString, tekst);
        QFETCH(bool, kanFortsaette);
        const QList<Fag> custom = egneFag(QStringList(egne, QStringLiteral("Musik")));
        QCOMPARE(onboarding::taellerTekst(standardIds(valgte), custom), tekst);
        QCOMPARE(onboarding::kanFortsaette(standardIds(valgte), custom), kanFortsaette);
    }

    void widgetScroll_data() {
        QTest::addColumn<double>("offset");
        QTest::addColumn<double>("viewport");
        QTest::addColumn<double>("content");
        QTest::addColumn<double>("progress");
        QTest::addColumn<bool>("synlig");
        QTest::addColumn<double>("greb");
        QTest::newRow("reported zero heights") << 0.0 << 0.0 << 0.0 << 0.0 << false << 0.0;
        QTest::newRow("8 taller: hidden") << 4.0 << 300.0 << 308.0 << 0.5 << false << 46.0;
        QTest::newRow("9 taller: shown") << 0.0 << 300.0 << 309.0 << 0.0 << true << 0.0;
        QTest::newRow("9 taller, at the end") << 9.0 << 300.0 << 309.0 << 1.0 << true << 92.0;
        QTest::newRow("equal heights") << 0.5 << 300.0 << 300.0 << 0.5 << false << 46.0;
        QTest::newRow("scrollable 2") << 1.0 << 300.0 << 302.0 << 0.5 << false << 46.0;
        QTest::newRow("halfway") << 100.0 << 300.0 << 500.0 << 0.5 << true << 46.0;
        QTest::newRow("pulled past the top") << -20.0 << 300.0 << 500.0 << 0.0 << true << 0.0;
        QTest::newRow("past the end") << 250.0 << 300.0 << 500.0 << 1.0 << true << 92.0;
    }
    void widgetScroll() {
        QFETCH(double, offset);
        QFETCH(double, viewport);
        QFETCH(double, content);
        QFETCH(double, progress);
        QFETCH(bool, synlig);
        QFETCH(double, greb);
        onboarding::WidgetScroll scroll;
        scroll.maalOffset(offset);
        scroll.maalViewportHeight(viewport);
        scroll.maalContentHeight(content);
        QCOMPARE(scroll.scrollOffset, offset);
        QCOMPARE(scroll.viewportHeight, std::max(viewport, 1.0));
        QCOMPARE(scroll.contentHeight, std::max(content, 1.0));
        QCOMPARE(scroll.scrollProgress(), progress);
        QCOMPARE(scroll.indikatorSynlig(), synlig);
        QCOMPARE(scroll.grebForskydning(), greb);
    }
};

TAVLEN_TEST(TestOnboardingRegler)
#include "tst_onboardingregler.moc"
