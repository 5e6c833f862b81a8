// The records: writing one finished match (ten games, one transaction in WAL mode) into a
// database that already holds a few thousand, as the game does at the end of every match; and
// reading every match back as the 戦績 window does. Reference: playing one match headless.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "match_runner.h"
#include "records/record_keeper.h"
#include "records/records_db.h"

namespace quintrick {
namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "records_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);  // never destroyed
    return *app;
}

// Plays `matches` matches and keeps their records.
std::vector<MatchRecord> PlayedMatches(int matches) {
    struct Sink : IRecordSink {
        void Store(const MatchRecord& m) override { records.push_back(m); }
        std::vector<MatchRecord> records;
    } sink;
    MatchRunner runner(3, 1000, matches);
    runner.m_host.m_keepLog = false;
    RecordKeeper keeper(runner.m_gs, sink);
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    runner.RunToEnd(matches * 100'000L);
    return sink.records;
}

// A database holding 3,000 matches, made of `matches` over and over.
void Fill(CRecordsDb& db, const QTemporaryDir& dir, const std::vector<MatchRecord>& matches) {
    App();
    db.Open(dir.filePath("records.sqlite"));
    for (int i = 0; i < 3000; ++i) db.StoreMatch(matches[size_t(i) % matches.size()]);
}

void BM_StoreOneMatch(benchmark::State& state) {
    QTemporaryDir dir;
    CRecordsDb db;
    const std::vector<MatchRecord> matches = PlayedMatches(50);
    Fill(db, dir, matches);
    size_t next = 0;
    for (auto _ : state) {
        if (!db.StoreMatch(matches[next++ % matches.size()])) state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_StoreOneMatch)->Unit(benchmark::kMillisecond);

void BM_LoadAllMatches(benchmark::State& state) {
    QTemporaryDir dir;
    CRecordsDb db;
    Fill(db, dir, PlayedMatches(50));
    for (auto _ : state) benchmark::DoNotOptimize(db.LoadMatches());
}
BENCHMARK(BM_LoadAllMatches)->Unit(benchmark::kMillisecond);

void BM_PlayOneMatch(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PlayedMatches(1));
}
BENCHMARK(BM_PlayOneMatch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quintrick

BENCHMARK_MAIN();
