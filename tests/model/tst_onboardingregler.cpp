#include "model/OnboardingRegler.h"
#include "support/TestMain.h"

using namespace tavlen;
using test::row;

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

} // namespace

// Completing the flow (the subjects replaced, the homework kept) is the first-run screen's.
class TestOnboardingRegler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The ticked standard subjects in catalogue order, each a new subject like its entry,
    // then the own ones as made.
    void nyeFag_data() {
        QTest::addColumn<QList<int>>("valgte"); // indices into the catalogue
        test::columns<QStringList>({"egne", "forventet"});
        row("some unticked, catalogue order", QList<int>{13, 3, 0}, QStringList(),
            QStringList{"Dansk", "Matematik", Fag::standard().at(13).navn});
        row("own with equal names", QList<int>(), QStringList{"Musik", "Musik"},
            QStringList{"Musik", "Musik"});
        row("own after standard, named like one", QList<int>{3}, QStringList{"Dansk", "Kor"},
            QStringList{"Matematik", "Dansk", "Kor"});
        row("nothing", QList<int>(), QStringList(), QStringList());
    }
    void nyeFag() {
        const auto [valgte, egne, forventet] =
            test::fetch<QList<int>, QStringList, QStringList>("valgte", "egne", "forventet");
        const QList<Fag> custom = egneFag(egne);
        const QList<Fag> fag = onboarding::nyeFag(standardIds(valgte), custom);
        QStringList navne;
        QSet<QUuid> ids;
        for (const Fag& f : fag) {
            navne << f.navn;
            ids << f.id;
        }
        QCOMPARE(navne, forventet);
        QCOMPARE(fag.mid(fag.size() - custom.size()), custom);
        QCOMPARE(ids.size(), fag.size());
        // The catalogue's ids live for one run only: the stored subjects get their own.
        QCOMPARE(ids.intersects(onboarding::vaelgAlle()), false);
        for (qsizetype i = 0; i < valgte.size(); ++i) {
            const auto fra = std::find_if(Fag::standard().cbegin(), Fag::standard().cend(),
                                          [&](const Fag& s) { return s.navn == fag[i].navn; });
            QCOMPARE(fag[i], Fag::ny(fra->navn, fra->ikonNavn, fra->farveHex, fag[i].id));
        }
    }

    // Own subjects alone are counted and let the pupil go on; the catalogue's ticks, with
    // and without own subjects, are the first-run screen's.
    void egneFagAleneTaeller() {
        const QList<Fag> egne = egneFag({"Musik"});
        QCOMPARE(onboarding::taellerTekst({}, egne), "1 valgt");
        QCOMPARE(onboarding::kanFortsaette({}, egne), true);
    }

    // Heights below one count as one: the thumb never divides by nothing.
    void widgetScroll_data() {
        test::columns<double>({"offset", "viewport", "content", "progress"});
        QTest::addColumn<bool>("synlig");
        QTest::addColumn<double>("greb");
        row("reported zero heights", 0.0, 0.0, 0.0, 0.0, false, 0.0);
        row("8 taller: hidden", 4.0, 300.0, 308.0, 0.5, false, 46.0);
        row("9 taller: shown", 0.0, 300.0, 309.0, 0.0, true, 0.0);
        row("9 taller, at the end", 9.0, 300.0, 309.0, 1.0, true, 92.0);
        row("equal heights", 0.5, 300.0, 300.0, 0.5, false, 46.0);
        row("scrollable 2", 1.0, 300.0, 302.0, 0.5, false, 46.0);
        row("halfway", 100.0, 300.0, 500.0, 0.5, true, 46.0);
        row("pulled past the top", -20.0, 300.0, 500.0, 0.0, true, 0.0);
        row("past the end", 250.0, 300.0, 500.0, 1.0, true, 92.0);
    }
    void widgetScroll() {
        const auto [offset, viewport, content, progress, synlig, greb] =
            test::fetch<double, double, double, double, bool, double>(
                "offset", "viewport", "content", "progress", "synlig", "greb");
        onboarding::WidgetScroll scroll;
        scroll.maalOffset(offset);
        scroll.maalViewportHeight(viewport);
        scroll.maalContentHeight(content);
        QCOMPARE(scroll.scrollProgress(), progress);
        QCOMPARE(scroll.indikatorSynlig(), synlig);
        QCOMPARE(scroll.grebForskydning(), greb);
    }
};

TAVLEN_TEST(TestOnboardingRegler)
#include "tst_onboardingregler.moc"
