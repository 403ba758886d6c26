// The desktop notification center's scheduling work for 100, 1,000 and 10,000
// homework items (three reminders each plus the daily summary): a full refresh of the
// pending list, the regular wall-clock check, and writing the kept list.
#include "platform/NotificationScheduler.h"
#include "platform/PendingNotificationsFile.h"
#include "support/ManualClock.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tavlen;

namespace {

const QTimeZone copenhagen("Europe/Copenhagen");
const QDateTime benchNow(QDate(2026, 12, 6), QTime(10, 0), copenhagen);

QList<NotificationRequest> requestsFor(int items) {
    QList<NotificationRequest> requests{{"daily-summary", "Husk dine lektier",
                                         "Du har mange aktive lektier.", true,
                                         CalendarTrigger{{}, {}, {}, 18, 0, true}}};
    for (int i = 0; i < items; ++i) {
        const QDate deadline = benchNow.date().addDays(4 + i % 120);
        for (int days : {3, 1, 0}) {
            const QDate day = deadline.addDays(-days);
            requests.append({QStringLiteral("lektie-reminder-%1-%2").arg(i).arg(days),
                             "Lektie snart", "Stil om efterår i Dansk nærmer sig deadline.", true,
                             CalendarTrigger{day.year(), day.month(), day.day(), days == 0 ? 8 : 16,
                                             0, false}});
        }
    }
    return requests;
}

QStringList identifiers(const QList<NotificationRequest>& requests) {
    QStringList ids;
    for (const auto& r : requests)
        ids.append(r.identifier);
    return ids;
}

void BM_FullRefresh(benchmark::State& state) {
    const ManualClock clock(benchNow);
    NotificationScheduler scheduler(clock);
    const auto requests = requestsFor(int(state.range(0)));
    const QStringList ids = identifiers(requests);
    for (const auto& r : requests)
        scheduler.add(r);
    for (auto _ : state) {
        scheduler.remove(ids);
        for (const auto& r : requests)
            scheduler.add(r);
    }
    state.SetItemsProcessed(state.iterations() * requests.size());
}
BENCHMARK(BM_FullRefresh)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Check(benchmark::State& state) {
    const ManualClock clock(benchNow);
    NotificationScheduler scheduler(clock);
    for (const auto& r : requestsFor(int(state.range(0))))
        scheduler.add(r);
    for (auto _ : state)
        scheduler.check();
}
BENCHMARK(BM_Check)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SavePendingFile(benchmark::State& state) {
    const ManualClock clock(benchNow);
    NotificationScheduler scheduler(clock);
    for (const auto& r : requestsFor(int(state.range(0))))
        scheduler.add(r);
    QTemporaryDir dir;
    const PendingNotificationsFile file(dir.path());
    for (auto _ : state)
        file.save(scheduler.state());
}
BENCHMARK(BM_SavePendingFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_NextFireMoment(benchmark::State& state) {
    const CalendarTrigger daily{{}, {}, {}, 18, 0, true};
    QDateTime after = benchNow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nextFireMoment(daily, copenhagen, after));
        after = after.addSecs(3607);
    }
}
BENCHMARK(BM_NextFireMoment);

} // namespace

BENCHMARK_MAIN();
