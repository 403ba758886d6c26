#include "core/PreferencesFile.h"
#include "model/RecordJson.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tavlen;

namespace {

// Homework much like a pupil's: Danish text, a link on every third item.
QList<Lektie> homework(int count) {
    QList<Lektie> list;
    list.reserve(count);
    const QUuid fag = QUuid::createUuid();
    const QDateTime start(QDate(2026, 9, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        Lektie l;
        l.id = QUuid::createUuid();
        l.fagId = fag;
        l.titel = QStringLiteral("Læs kapitel %1 om Østersøens økologi").arg(i);
        l.beskrivelse = QStringLiteral("Svar på spørgsmål 1–%1 og skriv en kort opsummering på "
                                       "dansk. Husk at tage bogen med i skole.")
                            .arg(i % 9 + 1);
        if (i % 3 == 0)
            l.links = {QStringLiteral("https://example.org/opgaver/%1").arg(i)};
        l.deadline = start.addSecs(i * 3600 + 1).addMSecs(i % 1000);
        l.erFaerdig = i % 4 == 0;
        l.oprettetDato = start.addSecs(-86400 + i * 60);
        list.append(l);
    }
    return list;
}

void BM_EncodeLektier(benchmark::State& state) {
    const QList<Lektie> list = homework(int(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        auto encoded = json::encode(list);
        bytes = encoded->size();
        benchmark::DoNotOptimize(encoded);
    }
    state.counters["bytes"] = double(bytes);
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_EncodeLektier)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_DecodeLektier(benchmark::State& state) {
    const QByteArray encoded = *json::encode(homework(int(state.range(0))));
    for (auto _ : state) {
        auto decoded = json::decodeLektier(encoded);
        benchmark::DoNotOptimize(decoded);
    }
    state.SetBytesProcessed(state.iterations() * encoded.size());
}
BENCHMARK(BM_DecodeLektier)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One save of the homework list, including the flush to disk, next to another key.
void BM_PreferencesSetData(benchmark::State& state) {
    QTemporaryDir dir;
    PreferencesFile prefs(dir.path() + QStringLiteral("/Tavlen/group.tavlen.json"));
    const QByteArray encoded = *json::encode(homework(int(state.range(0))));
    prefs.setData(QStringLiteral("fag_v4"), *json::encode(QList<Fag>{}));
    for (auto _ : state)
        benchmark::DoNotOptimize(prefs.setData(QStringLiteral("lektier_v4"), encoded));
    state.SetBytesProcessed(state.iterations() * encoded.size());
}
BENCHMARK(BM_PreferencesSetData)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Reading the list back after another process wrote the file.
void BM_PreferencesReadAfterChange(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Tavlen/group.tavlen.json");
    PreferencesFile writer(path);
    const QByteArray encoded = *json::encode(homework(int(state.range(0))));
    writer.setData(QStringLiteral("lektier_v4"), encoded);
    for (auto _ : state) {
        PreferencesFile reader(path);
        benchmark::DoNotOptimize(reader.data(QStringLiteral("lektier_v4")));
    }
}
BENCHMARK(BM_PreferencesReadAfterChange)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
