// The review of one whole game at the game's sampling budget: every game of two matches (the
// human seat played by the characters' rules) is reviewed, and the median and the slowest game
// are reported as counters (CPU ms of the thread). Run it on one core:
// taskset -c 0 ./review_bench. The goal is a game reviewed in under 2 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "match_runner.h"
#include "review/review.h"

namespace {

using namespace quintrick;

// Keeps each game's moves as it ends.
class Keeper : public IGameObserver {
  public:
    explicit Keeper(const CMoveRecorder& recorder) : m_recorder(recorder) {}
    void OnResult(int result) override {
        if (result == 1 && m_recorder.Moves().Complete()) m_games.push_back(m_recorder.Moves());
    }
    std::vector<GameMoves> m_games;

  private:
    const CMoveRecorder& m_recorder;
};

const std::vector<GameMoves>& Games() {
    static const std::vector<GameMoves> games = [] {
        MatchRunner runner(1, 24680, 2, {HumanPolicy::kRules});
        runner.m_host.m_keepLog = false;
        CMoveRecorder recorder(runner.m_gs);
        Keeper keeper(recorder);
        runner.m_host.AddObserver(&recorder);
        runner.m_host.AddObserver(&keeper);
        runner.Start();
        runner.RunToEnd();
        return keeper.m_games;
    }();
    return games;
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void BM_ReviewOneGame(benchmark::State& state) {
    const auto& games = Games();
    std::vector<double> ms;
    int plays = 0;
    for (auto _ : state) {
        for (const GameMoves& game : games) {
            const double begin = ThreadCpuMs();
            const auto review = ReviewGame(game, {static_cast<int>(state.range(0))});
            ms.push_back(ThreadCpuMs() - begin);
            if (!review) state.SkipWithError("a game did not replay");
            plays += review ? static_cast<int>(review->decisions.size()) : 0;
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_game_ms"] = ms[ms.size() / 2];
    state.counters["max_game_ms"] = ms.back();
    state.counters["plays_per_game"] = double(plays) / ms.size();
}
BENCHMARK(BM_ReviewOneGame)->Arg(kDefaultSamples)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
