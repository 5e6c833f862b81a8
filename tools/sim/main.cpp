// quintrick-sim: plays whole matches headless with the real engine and computer players.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "batch_run.h"
#include "cli_args.h"
#include "engine/strings.h"
#include "match_runner.h"
#include "records/keeper_state.h"
#include "records/record_keeper.h"
#include "saved_run.h"
#include "sim_review.h"
#include "sim_stats.h"
#include "trace_writer.h"
#ifdef QUINTRICK_SIM_RECORDS
#include "sim_records.h"
#endif

namespace {

// Worlds per decision at most: the search takes time in proportion to them.
constexpr int kMaxSamples = 10'000;

constexpr std::string_view kUsage =
    "usage: quintrick-sim [--matches N] [--start SECONDS] [--character C] [--trace FILE]\n"
    "                     [--db FILE]\n"
    "  --matches N        matches to play (1 or more, default 1)\n"
    "  --start SECONDS    simulated local time of day at start, 0..86399 (default 0)\n"
    "  --character C      the human seat's character, 0..9 (default 0)\n"
    "  --trace FILE       write every event as JSON Lines to FILE\n"
    "  --human-policy P   the human seat: first (default), rules, strong, random, or cheat\n"
    "                     (the sampling player's search over the true hands: a yardstick for\n"
    "                     measurements, not a player of the game)\n"
    "  --computers L      the computer seats' cards: rules (default) or strong\n"
    "  --samples N        worlds per decision of the sampling player, 1..10000 (default 96)\n"
    "  --fixed-deals      seed every battle's deal from the start, the match, the game and the\n"
    "                     battle, so that runs with other policies meet the same deals\n"
    "  --jobs N           play the matches on N threads, 1..64; each match then starts its\n"
    "                     clock at --start + 7919 x (index - 1) seconds with a fresh profile\n"
    "  --db FILE          add the records of every match to the SQLite database FILE\n"
    "  --stop-after-tricks K --save FILE\n"
    "                     stop once K tricks have been played and save the match to FILE\n"
    "  --continue FILE    play on the match saved in FILE (its clock and characters)\n"
    "  --review FILE      review one kept game of FILE (a records database or a saved match:\n"
    "                     the last game, a trace: the first) and print the value of each of\n"
    "                     the human's plays\n"
    "  --game G           with --review: MATCH:GAME of a database, the Nth game of a trace or\n"
    "                     of a saved match, or all (every game, one line each, and the mean\n"
    "                     loss per game)\n"
    "  --check-replay FILE\n"
    "                     play every kept game of FILE again and compare the points\n";

int Usage(std::string_view problem) {
    return quintrick::Usage("quintrick-sim", problem, kUsage);
}

struct FileOption {
    std::string_view option;
    const char* path;
    bool mustExist;
};

// Why `path` cannot be used as a file of the run; empty when it can. `newFolder`: the file's own
// folder may be missing (it is created), but not the one it stands in.
std::string FileProblem(const char* path, bool mustExist, bool newFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status)) return fs::is_regular_file(status) ? "" : "not a regular file";
    if (mustExist) return "no such file";
    fs::path folder = fs::absolute(path, error).parent_path();
    if (newFolder && !fs::is_directory(folder, error)) folder = folder.parent_path();
    return fs::is_directory(folder, error) ? "" : "no such folder";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quintrick;
    int matches = 1;
    int start = 0;
    int character = 0;
    const char* tracePath = nullptr;
    BatchArgs batch;
    const char* dbPath = nullptr;
    int stopAfter = 0;
    const char* savePath = nullptr;
    const char* continuePath = nullptr;
    bool matchGiven = false;  // --matches, --start or --character
    const char* reviewPath = nullptr;
    const char* reviewGame = nullptr;
    const char* checkPath = nullptr;
    std::vector<std::string_view> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--fixed-deals") {
            batch.options.fixedDeals = true;
            continue;
        }
        constexpr std::string_view kOptions[] = {
            "--matches", "--start",    "--character", "--human-policy", "--computers",
            "--samples", "--jobs",     "--trace",     "--db",           "--stop-after-tricks",
            "--save",    "--continue", "--review",    "--game",         "--check-replay"};
        if (std::find(std::begin(kOptions), std::end(kOptions), arg) == std::end(kOptions))
            return Usage("unknown option " + std::string(arg));
        if (i + 1 >= argc) return Usage("missing value for " + std::string(arg));
        if (std::find(given.begin(), given.end(), arg) != given.end())
            return Usage(std::string(arg) + " given twice");
        given.push_back(arg);
        const std::string_view value = argv[++i];
        std::optional<int> number;
        if (arg == "--matches" || arg == "--start" || arg == "--character") matchGiven = true;
        if (arg == "--stop-after-tricks") {
            number = ParseInt(value, 1, 1'000'000'000);
            if (number) stopAfter = *number;
        } else if (arg == "--review" || arg == "--game" || arg == "--check-replay") {
            (arg == "--review" ? reviewPath : arg == "--game" ? reviewGame : checkPath) = argv[i];
            continue;
        } else if (arg == "--save" || arg == "--continue") {
            (arg == "--save" ? savePath : continuePath) = argv[i];
            continue;
        } else if (arg == "--matches") {
            number = ParseInt(value, 1, 100'000'000);
            if (number) matches = *number;
        } else if (arg == "--start") {
            number = ParseInt(value, 0, 86399);
            if (number) start = *number;
        } else if (arg == "--character") {
            number = ParseInt(value, 0, 9);
            if (number) character = *number;
        } else if (arg == "--human-policy") {
            constexpr HumanPolicy kPolicies[] = {HumanPolicy::kFirst, HumanPolicy::kRules,
                                                 HumanPolicy::kStrong, HumanPolicy::kRandom,
                                                 HumanPolicy::kCheat};
            for (HumanPolicy p : kPolicies) {
                if (value == PolicyName(p)) number = static_cast<int>(p);
            }
            if (number) batch.options.human = static_cast<HumanPolicy>(*number);
        } else if (arg == "--computers") {
            if (value == "rules" || value == "strong") number = value == "strong";
            if (number)
                batch.options.computers = *number ? ComputerLevel::kStrong : ComputerLevel::kRules;
        } else if (arg == "--samples") {
            number = ParseInt(value, 1, kMaxSamples);
            if (!number) {
                return Usage("--samples takes 1.." + std::to_string(kMaxSamples) + ", not '" +
                             std::string(value) +
                             "' (worlds per decision: time grows with them, and beyond a few "
                             "hundred the choice hardly changes)");
            }
            batch.options.samples = *number;
        } else if (arg == "--jobs") {
            number = ParseInt(value, 1, 64);
            if (number) batch.jobs = *number;
        } else if (arg == "--trace") {
            tracePath = argv[i];
            continue;
        } else if (arg == "--db") {
            dbPath = argv[i];
            continue;
        } else {
            return Usage("unknown option " + std::string(arg));
        }
        if (!number) return Usage("bad value '" + std::string(value) + "' for " + std::string(arg));
    }

    if (reviewGame && !reviewPath) return Usage("--game goes with --review");
    if (reviewPath) {
        return ReviewCommand(reviewPath, reviewGame ? reviewGame : "", batch.options.samples,
                             std::cout, std::cerr);
    }
    if (checkPath) return CheckReplayCommand(checkPath, std::cout, std::cerr);
    if ((stopAfter > 0) != (savePath != nullptr)) {
        return Usage("--stop-after-tricks and --save go together");
    }
    if ((stopAfter > 0 || continuePath) &&
        (batch.jobs > 0 || batch.options.human != HumanPolicy::kFirst ||
         batch.options.computers != ComputerLevel::kRules || batch.options.fixedDeals)) {
        // The sampling and random players keep generators of their own, which are not saved.
        return Usage("--stop-after-tricks and --continue play the default policies on one thread");
    }
    if (continuePath && matchGiven) {
        return Usage("--continue takes the matches, the clock and the character from its file");
    }
    // The records are written from one thread, in the order the matches were played.
    if (dbPath && batch.jobs > 0) return Usage("--db does not go with --jobs");
    // Every file is checked before any is opened: a refused run leaves them all as they were.
    // Only regular files (a pipe would hang the run); a new one only in a folder that exists or
    // whose own folder does.
    for (const auto& [option, path, mustExist] :
         {FileOption{"--continue", continuePath, true}, FileOption{"--trace", tracePath, false},
          FileOption{"--save", savePath, false}, FileOption{"--db", dbPath, false}}) {
        if (!path) continue;
        if (const std::string problem = FileProblem(path, mustExist, option == "--db");
            !problem.empty()) {
            std::cerr << "quintrick-sim: " << option << ' ' << path << ": " << problem << '\n';
            return 1;
        }
    }
    std::optional<SavedMatch> saved;
    RunnerState savedRunner;
    if (continuePath) {
        std::string why;
        saved = ReadSavedMatchFile(continuePath, savedRunner, why);
        if (!saved) {
            std::cerr << "quintrick-sim: " << continuePath << ": " << why << '\n';
            return 1;
        }
        matches = savedRunner.matchesWanted;
        start = savedRunner.clock;
        character = saved->gs.m_entryNo;
    }

    std::ofstream traceFile;
    if (tracePath) {
        traceFile.open(tracePath, std::ios::out | std::ios::trunc);
        if (!traceFile) {
            std::cerr << "quintrick-sim: cannot write " << tracePath << '\n';
            return 1;
        }
    }

    const auto begin = std::chrono::steady_clock::now();
    if (batch.jobs > 0) {
        batch.matches = matches;
        batch.start = start;
        batch.character = character;
        SimStats stats;
        std::string failure;
        if (!RunInJobs(batch, tracePath ? &traceFile : nullptr, stats, failure)) {
            std::cerr << "quintrick-sim: " << failure;
            return 1;
        }
        if (tracePath) {
            TraceWriter(traceFile, GameState()).End(matches);
            traceFile.flush();
            if (!traceFile) {
                std::cerr << "quintrick-sim: writing " << tracePath << " failed\n";
                return 1;
            }
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        stats.Print(std::cout, matches, seconds);
        return 0;
    }
    auto runner = std::make_unique<MatchRunner>(character, start, matches, batch.options);
    runner->m_host.m_keepLog = false;
    SimStats stats;
    runner->m_host.AddObserver(&stats);
    std::unique_ptr<TraceWriter> trace;
    if (tracePath) {
        trace = std::make_unique<TraceWriter>(traceFile, runner->m_gs);
        runner->m_host.AddObserver(trace.get());
        if (batch.options.human != HumanPolicy::kFirst) {
            runner->m_onHumanChoice = [&](const HumanChoice& c) {
                trace->OnHuman(batch.options.human, c);
            };
        }
    }
#ifdef QUINTRICK_SIM_RECORDS
    std::unique_ptr<SimRecords> records;
    if (dbPath) {
        std::string problem;
        records = SimRecords::Open(dbPath, runner->m_gs, problem);
        if (!problem.empty()) std::cerr << "quintrick-sim: " << problem << '\n';
        if (!records) return 1;
        runner->m_host.AddObserver(&records->Observer());
    }
#else
    if (dbPath) {
        std::cerr << "quintrick-sim: this build has no database support (--db)\n";
        return 1;
    }
#endif
    // A saved match carries what the match's records hold so far, as the game's own saved
    // matches do, so that the games finished before it was saved can be reviewed from the file.
    struct : IRecordSink {
        void Store(const MatchRecord&) override {}
    } keptOnlyInTheFile;
    std::unique_ptr<RecordKeeper> kept;
    if (savePath) kept = std::make_unique<RecordKeeper>(runner->m_gs, keptOnlyInTheFile);
    if (saved) {
        runner->Load(*saved);
        if (kept) {
            // Only a match whose records came with it goes on being kept.
            const auto state =
                saved->records ? ReadKeeperState(*saved->records, runner->m_gs) : std::nullopt;
            if (state) {
                kept->Restore(*state);
            } else {
                kept.reset();
            }
        }
        if (kept) runner->m_host.AddObserver(kept.get());
        if (trace) trace->SetMatchesBefore(savedRunner.matchIndex);
        runner->ResumeSaved();
    } else {
        if (kept) runner->m_host.AddObserver(kept.get());
        runner->Start();
    }
    if (stopAfter > 0) {
        if (runner->RunUntilTrick(stopAfter)) {
            std::string why;
            SavedMatch match = runner->Save();
            if (const auto state = kept ? kept->State() : std::nullopt)
                match.records = WriteKeeperState(*state);
            if (!WriteSavedMatchFile(savePath, match, why)) {
                std::cerr << "quintrick-sim: " << why << '\n' << runner->m_gs.Dump();
                return 1;
            }
            traceFile.flush();
            if (trace && !traceFile) {
                std::cerr << "quintrick-sim: writing " << tracePath << " failed\n";
                return 1;
            }
            std::cout << "stopped after " << stopAfter << " tricks; the match is saved in "
                      << savePath << '\n';
            return 0;
        }
        if (runner->TricksPlayed() == stopAfter) {
            std::cerr << "quintrick-sim: the run ended with its trick " << stopAfter
                      << ": no match is left to go on with, nothing saved\n";
        } else {
            std::cerr << "quintrick-sim: the run ended after " << runner->TricksPlayed()
                      << " tricks, before " << stopAfter << "; nothing saved\n";
        }
    }
    if (!runner->RunToEnd(static_cast<long>(matches) * 100'000)) {
        std::cerr << "quintrick-sim: the match did not come to an end\n" << runner->m_gs.Dump();
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (trace) {
        trace->End(runner->m_host.m_matchesEnded);
        traceFile.flush();
        if (!traceFile) {
            std::cerr << "quintrick-sim: writing " << tracePath << " failed\n";
            return 1;
        }
    }
#ifdef QUINTRICK_SIM_RECORDS
    if (records && records->Failed()) {
        std::cerr << "quintrick-sim: writing the records to " << dbPath << " failed after "
                  << records->Stored() << " matches\n";
        return 1;
    }
#endif
    const ScriptedHost& host = runner->m_host;
    stats.SetMadeGood(host.MessageCount(kMsgSixteenMade), host.MessageCount(kMsgReverseMade));
    stats.Print(std::cout, runner->m_host.m_matchesEnded, seconds);
    return stopAfter > 0 ? 1 : 0;  // asked to stop and save, but the run ended first
}
