#include "batch_run.h"

#include <algorithm>
#include <atomic>
#include <sstream>
#include <thread>
#include <vector>

#include "engine/strings.h"
#include "trace_writer.h"

namespace quintrick {
namespace {

struct MatchOutput {
    SimStats stats;
    std::string trace;
    std::string failure;
};

void PlayOne(const BatchArgs& args, int index, bool traced, MatchOutput& out) {
    RunnerOptions options = args.options;
    options.seed = args.options.seed + 0x9E3779B97F4A7C15ull * static_cast<unsigned>(index + 1);
    MatchRunner runner(args.character, MatchClock(args.start, index), 1, options);
    runner.m_host.m_keepLog = false;
    runner.m_host.AddObserver(&out.stats);
    std::ostringstream text;
    TraceWriter writer(text, runner.m_gs);
    writer.SetMatchesBefore(index);
    if (traced) {
        runner.m_host.AddObserver(&writer);
        if (options.human != HumanPolicy::kFirst) {
            runner.m_onHumanChoice = [&](const HumanChoice& c) {
                writer.OnHuman(options.human, c);
            };
        }
    }
    runner.Start();
    if (!runner.RunToEnd(100'000)) {
        out.failure =
            "match " + std::to_string(index + 1) + " did not come to an end\n" + runner.m_gs.Dump();
    }
    const ScriptedHost& host = runner.m_host;
    out.stats.SetMadeGood(host.MessageCount(kMsgSixteenMade), host.MessageCount(kMsgReverseMade));
    out.trace = text.str();
}

}  // namespace

int MatchClock(int start, int index) {
    return static_cast<int>((static_cast<long long>(start) + 7919LL * index) % 86400);
}

bool RunInJobs(const BatchArgs& args, std::ostream* trace, SimStats& stats, std::string& failure) {
    const int jobs = std::max(1, args.jobs);
    constexpr int kBlock = 256;  // matches held in memory at a time
    for (int first = 0; first < args.matches; first += kBlock) {
        const int count = std::min(kBlock, args.matches - first);
        std::vector<MatchOutput> outputs(count);
        std::atomic<int> next{0};
        auto work = [&] {
            for (int i = next++; i < count; i = next++) {
                PlayOne(args, first + i, trace != nullptr, outputs[i]);
            }
        };
        std::vector<std::thread> threads;
        for (int j = 1; j < std::min(jobs, count); ++j) threads.emplace_back(work);
        work();
        for (auto& t : threads) t.join();
        for (const auto& out : outputs) {
            if (!out.failure.empty()) {
                failure = out.failure;
                return false;
            }
            if (trace) *trace << out.trace;
            stats.Merge(out.stats);
        }
    }
    return true;
}

}  // namespace quintrick
