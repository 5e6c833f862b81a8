// The sampling player's card decision, over decisions drawn from real matches: every card
// decision of a few rule-based matches (all seats) is searched with the game's budget, and the
// median and 99th percentile of the times per decision are reported as counters (in ms).
// Run it on one core: taskset -c 0 ./sampling_bench. The times are the thread's CPU time, so
// that other processes on a shared machine do not count; wall_median_ms is the elapsed time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "match_runner.h"
#include "players/sample_search.h"

namespace {

using namespace quintrick;

struct Decision {
    GameState gs;
    CPlayLog log;
};

const std::vector<Decision>& Decisions() {
    static const std::vector<Decision> decisions = [] {
        std::vector<Decision> out;
        MatchRunner runner(1, 12345, 3);
        runner.m_host.m_keepLog = false;
        runner.Start();
        for (long i = 0; i < 2'000'000 && !runner.m_host.m_closeRequested; ++i) {
            const GameState& gs = runner.m_gs;
            const bool computer =
                gs.m_busy == 0 && gs.m_phase == 1 && !gs.FieldComplete() && gs.m_turn != kHumanSeat;
            if (computer || (runner.HumanToAct() && gs.m_phase == 1)) {
                out.push_back({gs, runner.m_log});
            }
            runner.Step();
        }
        return out;
    }();
    return decisions;
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Report(benchmark::State& state, std::vector<double>& ms) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    state.counters["max_ms"] = ms.back();
    state.counters["decisions"] = static_cast<double>(ms.size());
}

// Every decision once per iteration; the counters describe the single decisions.
void BM_CardDecision(benchmark::State& state) {
    const int samples = static_cast<int>(state.range(0));
    const auto& decisions = Decisions();
    std::vector<double> ms;
    std::vector<double> wall;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        for (const auto& d : decisions) {
            const auto begin = std::chrono::steady_clock::now();
            const double cpu = ThreadCpuMs();
            const SearchResult result = SearchCard(d.gs, d.log, d.gs.m_turn, samples, seed++);
            benchmark::DoNotOptimize(result.best.pos);
            ms.push_back(ThreadCpuMs() - cpu);
            wall.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                    .count());
        }
    }
    std::sort(wall.begin(), wall.end());
    if (!wall.empty()) state.counters["wall_median_ms"] = wall[wall.size() / 2];
    Report(state, ms);
}
BENCHMARK(BM_CardDecision)
    ->Arg(kDefaultSamples)
    ->Arg(32)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Rule-based decisions of the same points, the reference measured in the same run.
void BM_RulesDecision(benchmark::State& state) {
    const auto& decisions = Decisions();
    for (auto _ : state) {
        for (const auto& d : decisions) {
            GameState gs = d.gs;
            ScriptedHost host;
            CFudaDashi rules(gs, host);
            const CardChoice choice =
                gs.m_turn == gs.m_leader ? rules.ChooseLeadCard() : rules.ChooseFollowCard();
            benchmark::DoNotOptimize(choice.pos);
        }
    }
}
BENCHMARK(BM_RulesDecision)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
