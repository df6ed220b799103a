#include "core/Refresh.h"
#include "core/Reports.h"

#include <benchmark/benchmark.h>

using namespace kemurina;

namespace {

AppState sampleState() {
    AppState s;
    s.profile = {2009, 5, 17, 21, 30, 20, 410, 85};
    s.options.profileSuffix = 1;
    s.options.statusTheme = QStringLiteral("日本旅行");
    return s;
}

void RefreshAndBothTexts(benchmark::State& st) {
    AppState s = sampleState();
    int minute = 0;
    for (auto _ : st) {
        refreshAll(s, {2010, 3, 14, 9, minute}, minute);
        QString report = longReport(s);
        QString post = shortPost(s);
        benchmark::DoNotOptimize(report);
        benchmark::DoNotOptimize(post);
        minute = (minute + 1) % 60;
    }
}
BENCHMARK(RefreshAndBothTexts);

void RefreshDecadesAfterQuitting(benchmark::State& st) {
    AppState s = sampleState();
    for (auto _ : st) {
        refreshAll(s, {2079, 11, 30, 23, 59}, 7);
        benchmark::DoNotOptimize(s.display);
    }
}
BENCHMARK(RefreshDecadesAfterQuitting);

} // namespace

BENCHMARK_MAIN();
