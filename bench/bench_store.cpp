// The store and the reminder planner at 100, 1,000 and 10,000 homework items.
#include "core/PreferencesFile.h"
#include "core/WidgetReloader.h"
#include "model/LektieNotificationManager.h"
#include "model/LektieStore.h"
#include "model/RecordJson.h"
#include "support/InMemoryNotificationCenter.h"
#include "support/ManualClock.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

using namespace tavlen;

namespace {

const QTimeZone copenhagen("Europe/Copenhagen");
const QDateTime benchNow(QDate(2026, 12, 6), QTime(10, 0), copenhagen);

QList<Fag> subjects() {
    return {Fag::ny("Dansk", "book.fill", "E8704A"), Fag::ny("Matematik", "function", "3B82F6"),
            Fag::ny("Engelsk", "globe", "0EA5E9"), Fag::ny("Idræt", "figure.run", "F59E0B"),
            Fag::ny("Entreprenørskab", "lightbulb.fill", "6366F1")};
}

// About 300 bytes of JSON each: Danish text, one or two links, deadlines from a
// week ago to a few months ahead, every fifth one done.
QList<Lektie> homework(int count, const QList<Fag>& fag) {
    static const QStringList titles{QStringLiteral("Læs kapitel %1 i »Østersøens økologi«"),
                                    QStringLiteral("Afleveringsopgave %1: brøker og procent"),
                                    QStringLiteral("Skriv en kort stil om ferien (nr. %1)"),
                                    QStringLiteral("Gloser til uge %1 – øv udtalen")};
    QList<Lektie> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        Lektie l;
        l.id = QUuid::createUuid();
        l.fagId = fag.at(i % fag.size()).id;
        l.titel = titles.at(i % titles.size()).arg(i % 40 + 1);
        l.beskrivelse = QStringLiteral("Svar på spørgsmål 1–%1 i grupper på tre, og skriv en "
                                       "opsummering på højst en side. Husk bogen!")
                            .arg(i % 9 + 2);
        l.links = {QStringLiteral("https://skole.example.dk/opgaver/%1").arg(i)};
        if (i % 2 == 0)
            l.links.append(QStringLiteral("https://da.wikipedia.org/wiki/Østersøen"));
        l.deadline = benchNow.addSecs(qint64(i % 97 - 7) * 86400 + (i % 13) * 3600).toUTC();
        l.erFaerdig = i % 5 == 0;
        l.oprettetDato = benchNow.addDays(-30).addSecs(i * 60).toUTC();
        list.append(l);
    }
    return list;
}

class SilentWidgets : public WidgetReloader {
public:
    void reloadAllTimelines() override {}
};

// A pupil's machine with N items stored in the shared suite.
struct Machine {
    explicit Machine(int count, AuthorizationStatus status = AuthorizationStatus::Authorized) {
        center.setStatus(status);
        fag = subjects();
        lektier = homework(count, fag);
        PreferencesFile& suite = suites.shared();
        suite.setData(Keys::fag, *json::encode(fag));
        suite.setData(Keys::lektier, *json::encode(lektier));
        suite.setBoolean(Keys::harSetupFaerdig, true);
    }

    std::unique_ptr<LektieStore> open() {
        return std::make_unique<LektieStore>(LektieStore::Services{
            suites, widgets, notifications, clock, dir.path() + "/recovered"});
    }

    void settle() {
        while (!notifications.isIdle())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

    QTemporaryDir dir;
    PreferencesSuites suites{dir.path()};
    SilentWidgets widgets;
    ManualClock clock{benchNow};
    InMemoryNotificationCenter center;
    LektieNotificationManager notifications{center, clock};
    QList<Fag> fag;
    QList<Lektie> lektier;
};

// skiftFaerdig with its durable save and the start of the refresh. The refresh
// itself runs between iterations, untimed (it is measured below); without
// permission it is short, so the run stays quick.
void BM_ToggleFaerdig(benchmark::State& state) {
    Machine m(int(state.range(0)), AuthorizationStatus::Denied);
    auto store = m.open();
    m.settle();
    qsizetype i = 0;
    for (auto _ : state) {
        store->skiftFaerdig(m.lektier.at(i++ % m.lektier.size()).id);
        state.PauseTiming();
        m.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ToggleFaerdig)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A tick after another program changed the file: the save reads the file again,
// merges per record and writes. CPU time is the figure to read (the rest is the disk).
void BM_SaveAfterAnOutsideChange(benchmark::State& state) {
    Machine m(int(state.range(0)), AuthorizationStatus::Denied);
    auto store = m.open();
    m.settle();
    PreferencesFile outside(m.suites.shared().path());
    qsizetype i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QList<Lektie> theirs = store->lektier();
        theirs[(i + 1) % theirs.size()].titel += QStringLiteral(" (ændret)");
        outside.setData(Keys::lektier, *json::encode(theirs));
        state.ResumeTiming();
        store->skiftFaerdig(m.lektier.at(i++ % m.lektier.size()).id);
        state.PauseTiming();
        m.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveAfterAnOutsideChange)->Arg(1000)->Unit(benchmark::kMillisecond);

// The watch's look at the file while nothing changes: one stat.
void BM_WatchAtRest(benchmark::State& state) {
    Machine m(1000);
    auto store = m.open();
    m.settle();
    for (auto _ : state)
        store->tjekFil();
}
BENCHMARK(BM_WatchAtRest)->Unit(benchmark::kMicrosecond);

// Start-up: migration check, load and decode, the saves the loading assignments
// make, and the start of the first refresh.
void BM_StartupLoad(benchmark::State& state) {
    Machine m(int(state.range(0)));
    for (auto _ : state) {
        auto store = m.open();
        benchmark::DoNotOptimize(store->lektier().size());
        state.PauseTiming();
        store.reset();
        m.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupLoad)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

template <typename Query> void queryBenchmark(benchmark::State& state, Query query) {
    Machine m(int(state.range(0)));
    auto store = m.open();
    m.settle();
    for (auto _ : state) {
        auto result = query(*store, m);
        benchmark::DoNotOptimize(result);
    }
}

void BM_KommendeLektier(benchmark::State& state) {
    queryBenchmark(state, [](LektieStore& s, Machine&) { return s.kommendeLektier(); });
}
void BM_ForfaldneLektier(benchmark::State& state) {
    queryBenchmark(state, [](LektieStore& s, Machine&) { return s.forfaldneLektier(); });
}
void BM_LektierForFag(benchmark::State& state) {
    queryBenchmark(state,
                   [](LektieStore& s, Machine& m) { return s.lektierForFag(m.fag.at(1).id); });
}
BENCHMARK(BM_KommendeLektier)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ForfaldneLektier)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LektierForFag)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One whole refresh against the in-memory center, replacing the previous schedule,
// with every completion delivered through the event loop.
void BM_PlannerRefresh(benchmark::State& state) {
    ManualClock clock(benchNow);
    InMemoryNotificationCenter center;
    LektieNotificationManager manager(center, clock);
    const QList<Fag> fag = subjects();
    const QList<Lektie> lektier = homework(int(state.range(0)), fag);
    const auto refresh = [&] {
        bool done = false;
        manager.refreshNotifications(lektier, fag, [&] { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    };
    refresh();
    for (auto _ : state)
        refresh();
    state.counters["requests"] = double(center.pending().size());
}
BENCHMARK(BM_PlannerRefresh)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
