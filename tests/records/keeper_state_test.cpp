// A match set aside and taken up again is recorded as if never interrupted: the record keeper's
// part saved with the match gives the same record, game for game; a part that is damaged or
// belongs to another match is refused.
#include "records/keeper_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/roster.h"
#include "engine/saved_match.h"
#include "match_runner.h"
#include "records/record_keeper.h"

namespace quintrick {
namespace {

struct Sink : IRecordSink {
    void Store(const MatchRecord& match) override { records.push_back(match); }
    std::vector<MatchRecord> records;
};

std::string Clock() {
    return "2026-12-10 12:00:00";
}

// Everything of a record but the time it ended, as one text.
std::string Text(const MatchRecord& m) {
    KeeperState state;
    state.match = m;
    std::string text = WriteKeeperState(state);
    text += m.finished ? " finished" : " abandoned";
    for (int p = 0; p < kRecordPlayers; ++p) text += " " + std::to_string(m.points[p]);
    text += " rank " + std::to_string(m.rank) + " stones " + std::to_string(m.stonesCredited) +
            " " + std::to_string(m.stonesAccount);
    return text;
}

struct Saved {
    std::string match;  // the saved match with the keeper's part
    ResumeAt at;
};

TEST(KeeperState, AMatchTakenUpAnywhereIsRecordedAsIfNeverInterrupted) {
    // Matches at clocks that go on until the human has been asked to declare in one of them.
    std::array<int, 5> kinds{};
    int matches = 0;
    for (int start = 100; start < 86400 && (matches < 3 || kinds[3] == 0); start += 997) {
        const int character = matches++ % 2 == 0 ? 1 : (start / 7) % 10;
        // The whole match, saved at every point the engine offers and after every trick.
        MatchRunner runner(character, start, 1);
        runner.m_host.m_keepLog = false;
        Sink whole;
        RecordKeeper keeper(runner.m_gs, whole, Clock);
        runner.m_host.AddObserver(&keeper);
        std::vector<Saved> saved;
        auto save = [&](const ResumePoint& point) {
            SavedMatch match = runner.Save(point);
            match.records = WriteKeeperState(*keeper.State());
            saved.push_back({WriteSavedMatch(match), point.at});
            ASSERT_FALSE(saved.back().match.empty());
        };
        runner.m_host.m_onResumePoint = [&](const ResumePoint& point) {
            if (point.at != ResumeAt::kTick) save(point);
        };
        runner.Start();
        for (int k = 1; runner.RunUntilTrick(k); ++k) save({});
        ASSERT_EQ(whole.records.size(), 1u);
        const MatchRecord& expected = whole.records[0];
        ASSERT_TRUE(expected.finished);
        ASSERT_EQ(expected.games.size(), 10u);

        for (std::size_t i = 0; i < saved.size(); ++i) {
            // Every point of a deal, a question or the credit; every ninth of the others.
            if (saved[i].at == ResumeAt::kTick && i % 9 != 0) continue;
            const std::optional<SavedMatch> match = ReadSavedMatch(saved[i].match);
            ASSERT_TRUE(match && match->records) << i;
            const std::optional<KeeperState> state = ReadKeeperState(*match->records, match->gs);
            ASSERT_TRUE(state) << i;
            MatchRunner again(character, 0, 1);
            again.m_host.m_keepLog = false;
            again.Load(*match);
            Sink rest;
            RecordKeeper continued(again.m_gs, rest, Clock);
            continued.Restore(*state);
            again.m_host.AddObserver(&continued);
            if (saved[i].at == ResumeAt::kCredit) {
                // Nothing left to play: the credit is reported as the engine reports it.
                for (int p = 0; p < kSeats; ++p) {
                    int total = 0;
                    for (const auto& row : match->gs.m_points) total += row[p];
                    continued.OnStones(p, match->point.credit[p].character, total,
                                       match->point.credit[p].stones);
                }
            } else {
                again.ResumeSaved();
                ASSERT_TRUE(again.RunToEnd()) << i;
            }
            ++kinds[static_cast<int>(saved[i].at)];
            ASSERT_EQ(rest.records.size(), 1u) << i;
            EXPECT_EQ(Text(rest.records[0]), Text(expected)) << "saved point " << i;
        }
    }
    for (int kind = 0; kind < 5; ++kind) EXPECT_GT(kinds[kind], 0) << "resume kind " << kind;
}

TEST(KeeperState, APartThatIsDamagedOrOfAnotherMatchIsRefused) {
    MatchRunner runner(3, 100, 1);
    runner.m_host.m_keepLog = false;
    Sink sink;
    RecordKeeper keeper(runner.m_gs, sink, Clock);
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    while (runner.m_gs.m_game < 4) runner.Step();
    runner.RunTricks(2);
    const std::string good = WriteKeeperState(*keeper.State());
    ASSERT_TRUE(ReadKeeperState(good, runner.m_gs));
    EXPECT_EQ(ReadKeeperState(good, runner.m_gs)->match.games.size(), 3u);

    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    };
    const std::string human = "\"character\":[" + std::to_string(ComputerCharacter(0));
    const std::vector<std::string> bad = {
        "",
        "[]",
        good.substr(0, good.size() / 2),
        replaced("\"declared\":", "\"declared\":7,\"x\":"),
        replaced("\"started\":\"", "\"started\":1,\"y\":\""),
        replaced("\"games\":[{\"acePlayer\"", "\"games\":[{\"game\":1},{\"acePlayer\""),
        replaced("\"game\":1,", "\"game\":2,"),            // games out of order
        replaced("\"games\":[{", "\"games\":[{\"z\":[{"),  // damaged
        replaced(human, "\"character\":[" + std::to_string(ComputerCharacter(0) + 1)),
        replaced("\"seat\":[", "\"seat\":[0,0,0,0,0],\"s\":["),
        replaced("\"gameRunning\":true", "\"gameRunning\":1"),
        replaced("\"points\":[", "\"points\":[1000,"),
    };
    for (const std::string& text : bad) {
        std::string why;
        EXPECT_FALSE(ReadKeeperState(text, runner.m_gs, &why)) << text;
        EXPECT_FALSE(why.empty());
    }
    // Another match: the score table of a game differs from the recorded one.
    GameState other = runner.m_gs;
    other.m_points[1][0] += 1;
    other.m_points[1][1] -= 1;
    EXPECT_FALSE(ReadKeeperState(good, other));
    other = runner.m_gs;
    other.m_game += 1;
    EXPECT_FALSE(ReadKeeperState(good, other));
}

}  // namespace
}  // namespace quintrick
