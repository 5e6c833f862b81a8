// One complete match of ten games, headless, with the real engine and computer players.
#include <benchmark/benchmark.h>

#include "engine/deal.h"
#include "match_runner.h"

namespace {

void BM_CompleteMatch(benchmark::State& state) {
    int start = 0;
    for (auto _ : state) {
        quintrick::MatchRunner runner(0, start, 1);
        runner.m_host.m_keepLog = false;
        runner.Start();
        const bool ended = runner.RunToEnd();
        benchmark::DoNotOptimize(ended);
        start = (start + 997) % 86400;
    }
    state.counters["matches/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CompleteMatch);

void BM_DealCards(benchmark::State& state) {
    quintrick::GameState gs;
    int seed = 0;
    for (auto _ : state) {
        quintrick::DealCards(gs, seed++);
        benchmark::DoNotOptimize(gs.m_hand);
    }
}
BENCHMARK(BM_DealCards);

}  // namespace

BENCHMARK_MAIN();
