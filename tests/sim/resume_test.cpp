// A match set aside and taken up again goes on exactly as if never interrupted; a saved match
// that cannot be used is refused with a reason, never played; a match's stones count once.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/saved_match.h"
#include "engine/stone_account.h"
#include "match_runner.h"
#include "runner_state.h"
#include "trace_writer.h"

namespace quintrick {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A saved match with the length of the trace written up to it.
struct Snapshot {
    std::string text;
    std::size_t traceSize;
    ResumeAt at;
};

struct Recorded {
    std::string trace;
    std::vector<Snapshot> snapshots;
};

// Plays one whole match, saving it at every point the engine offers and after every trick.
Recorded PlayAndSave(int start, int character) {
    Recorded rec;
    std::ostringstream out;
    MatchRunner runner(character, start, 1);
    runner.m_host.m_keepLog = false;
    TraceWriter trace(out, runner.m_gs);
    runner.m_host.AddObserver(&trace);
    auto save = [&](const ResumePoint& point) {
        std::string why;
        const std::string text = WriteSavedMatch(runner.Save(point), &why);
        EXPECT_FALSE(text.empty()) << why << '\n' << runner.m_gs.Dump();
        rec.snapshots.push_back({text, out.str().size(), point.at});
    };
    runner.m_host.m_onResumePoint = [&](const ResumePoint& point) {
        if (point.at != ResumeAt::kCredit && point.at != ResumeAt::kTick) save(point);
    };
    runner.Start();
    for (int k = 1; runner.RunUntilTrick(k); ++k) save({});
    EXPECT_TRUE(runner.m_host.m_closeRequested);
    trace.End(runner.m_host.m_matchesEnded);
    rec.trace = out.str();
    return rec;
}

std::string Continue(const std::string& text) {
    std::string why;
    const std::optional<SavedMatch> saved = ReadSavedMatch(text, &why);
    EXPECT_TRUE(saved) << why;
    if (!saved) return {};
    EXPECT_TRUE(saved->runner);
    const std::optional<RunnerState> state = ReadRunnerState(saved->runner.value_or(""), &why);
    EXPECT_TRUE(state) << why;
    if (!state) return {};
    std::ostringstream out;
    MatchRunner runner(saved->gs.m_entryNo, state->clock, 1);
    runner.m_host.m_keepLog = false;
    EXPECT_TRUE(runner.Load(*saved, &why)) << why;
    TraceWriter trace(out, runner.m_gs);
    trace.SetMatchesBefore(state->matchIndex);
    runner.m_host.AddObserver(&trace);
    runner.ResumeSaved();
    EXPECT_TRUE(runner.RunToEnd());
    trace.End(runner.m_host.m_matchesEnded);
    return out.str();
}

TEST(Resume, StoppedAndContinuedRunIsTheUninterruptedRun) {
    std::map<ResumeAt, int> points;
    int matches = 0;
    for (int start :
         {0,     59,    3600,  7777,  12345, 20000, 29999, 33333, 40000, 43210, 50505,
          55555, 60000, 64800, 70000, 72727, 80000, 83000, 85000, 86399, 1,     45678}) {
        const int character = (start / 7) % 10;
        const Recorded rec = PlayAndSave(start, character);
        const std::vector<std::string> whole = Lines(rec.trace);
        ++matches;
        for (const Snapshot& snap : rec.snapshots) {
            ++points[snap.at];
            const std::string joined = rec.trace.substr(0, snap.traceSize) + Continue(snap.text);
            const std::vector<std::string> got = Lines(joined);
            ASSERT_EQ(got.size(), whole.size()) << "start " << start << '\n' << snap.text;
            for (std::size_t i = 0; i < whole.size(); ++i) {
                ASSERT_EQ(got[i], whole[i]) << "start " << start << " event " << i;
            }
        }
    }
    EXPECT_GE(matches, 20);
    // Every kind of point was taken up at least once (the human declares in some matches).
    EXPECT_GT(points[ResumeAt::kTick], 20 * 100);
    EXPECT_GT(points[ResumeAt::kLead], 20 * 10);
    EXPECT_GT(points[ResumeAt::kBattle], 20);
}

TEST(Resume, TheHumansDeclarationQuestionIsAResumePoint) {
    // Searches clocks until the human is asked to declare, then takes that point up again.
    int found = 0;
    for (int start = 0; start < 86400 && found < 3; start += 997) {
        const Recorded rec = PlayAndSave(start, 1);
        for (const Snapshot& snap : rec.snapshots) {
            if (snap.at != ResumeAt::kJudge) continue;
            ++found;
            EXPECT_EQ(rec.trace.substr(0, snap.traceSize) + Continue(snap.text), rec.trace);
        }
    }
    EXPECT_GT(found, 0);
}

// A valid saved match in the middle of a battle, with a trick in progress.
std::string MidGameText() {
    MatchRunner runner(4, 5000, 1);
    runner.m_host.m_keepLog = false;
    runner.Start();
    EXPECT_TRUE(runner.RunUntilTrick(23));
    return WriteSavedMatch(runner.Save());
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(Resume, UnusableSavedMatchesAreRefused) {
    const std::string good = MidGameText();
    ASSERT_TRUE(ReadSavedMatch(good));
    const std::optional<SavedMatch> parsed = ReadSavedMatch(good);
    const GameState& gs = parsed->gs;
    // The first card of seat 0 and of seat 1, as written.
    const std::string hand0 = "[" + std::to_string(gs.m_hand[0][0]) + ",";
    const std::string hand1 = "[" + std::to_string(gs.m_hand[1][0]) + ",";
    const std::string twice = "[" + std::to_string(gs.m_hand[1][0]) + ",";
    struct Case {
        const char* what;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"not JSON", "this is no saved match"},
        {"cut short", good.substr(0, good.size() / 2)},
        {"cut at the end", good.substr(0, good.size() - 3)},
        {"a JSON list", "[1,2,3]"},
        {"deeply nested", std::string(100000, '[') + std::string(100000, ']')},
        {"no format", Replace(good, R"("format":1,)", "")},
        {"newer format", Replace(good, R"("format":1,)", R"("format":2,)")},
        {"format as text", Replace(good, R"("format":1,)", R"("format":"1",)")},
        {"another program", Replace(good, R"("program":"Quintrick")", R"("program":"x")")},
        {"unknown resume point", Replace(good, R"("resume":"tick")", R"("resume":"later")")},
        {"game out of range", Replace(good, R"("game":)", R"("game":1)")},
        {"game zero", Replace(good, R"("game":)", R"("game":0,"x":)")},
        {"game 11 while playing", Replace(good, R"("game":)", R"("game":11,"x":)")},
        {"seat out of range", Replace(good, R"("leader":)", R"("leader":7,"x":)")},
        {"negative turn", Replace(good, R"("turn":)", R"("turn":-1,"x":)")},
        {"a seat twice", Replace(good, R"("seatPlayer":[)", R"("seatPlayer":[1,1,2,3,4],"x":[)")},
        {"character out of range", Replace(good, R"("entryNo":)", R"("entryNo":12,"x":)")},
        {"a computer's character", Replace(good, R"("entryNo":)", R"("entryNo":5,"x":)")},
        {"huge number", Replace(good, R"("busy":)", R"("busy":99999999999999999999,"x":)")},
        {"fraction", Replace(good, R"("busy":)", R"("busy":0.5,"x":)")},
        {"a card twice", Replace(good, hand0, twice)},
        {"a card missing", Replace(good, hand0, "[-1,")},
        {"no card", Replace(good, hand1, "[13,")},
        {"short hand list", Replace(good, R"("hand":[)", R"("hand":[[1],)")},
        {"points of a later game",
         Replace(good, R"([0,0,0,0,0]],"relatedNeed")", R"([0,0,5,0,-5]],"relatedNeed")")},
        {"no state", Replace(good, R"("state":{)", R"("stateX":{)")},
        {"runner clock out of range", Replace(good, R"("clock":)", R"("clock":86400,"x":)")},
        {"runner clock missing", Replace(good, R"("clock":)", R"("x":)")},
        {"runner not an object", Replace(good, R"("runner":{)", R"("runner":[],"x":{)")},
        {"no runner", Replace(good, R"("runner":{)", R"("x":{)")},
        {"match count damaged", Replace(good, R"("matchIndex":)", R"("matchIndex":2,"x":)")},
        {"stones negative",
         Replace(good, R"("stones":[)", R"("stones":[-1,0,0,0,0,0,0,0,0,0],"x":[)")},
    };
    // The engine reads the match and keeps the runner's part; the runner takes that part over.
    for (const Case& c : cases) {
        std::string why;
        const std::optional<SavedMatch> match = ReadSavedMatch(c.text, &why);
        if (match) {
            MatchRunner runner(0, 300, 1);
            EXPECT_FALSE(runner.Load(*match, &why)) << c.what;
        }
        EXPECT_FALSE(why.empty()) << c.what;
    }
}

// A value nested far deeper than the game ever writes is refused while reading, wherever it
// stands, instead of overflowing the stack of whatever walks it afterwards.
TEST(Resume, DeepNestingIsRefusedNotWalked) {
    const std::string good = MidGameText();
    ASSERT_TRUE(ReadSavedMatch(good));
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    std::string deepObjects;
    for (int i = 0; i < 100000; ++i) deepObjects += R"({"a":)";
    deepObjects += "1" + std::string(100000, '}');
    const auto withMember = [&good](const std::string& member) {
        return Replace(good, R"("format":1,)", R"("format":1,)" + member + ",");
    };
    struct Case {
        const char* what;
        std::string text;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"deep lists in the records part", withMember(R"("records":{"x":)" + nested(100000) + "}"),
         false},
        {"deep objects in the records part", withMember(R"("records":{"x":)" + deepObjects + "}"),
         false},
        {"deep lists in a member no one reads", withMember(R"("extra":)" + nested(100000)), false},
        {"brackets inside a string do not count",
         withMember(R"("note":")" + std::string(5000, '[') + R"(\"{")"), true},
        {"nesting deeper than the game writes, within the limit",
         withMember(R"("extra":)" + nested(40)), true},
    };
    for (const Case& c : cases) {
        std::string why;
        EXPECT_EQ(ReadSavedMatch(c.text, &why).has_value(), c.accepted) << c.what << ": " << why;
        if (!c.accepted) {
            EXPECT_NE(why.find("nested"), std::string::npos) << c.what << ": " << why;
        }
    }
    EXPECT_TRUE(JsonDepthWithin(nested(kJsonMaxDepth)));
    EXPECT_FALSE(JsonDepthWithin(nested(kJsonMaxDepth + 1)));
    EXPECT_FALSE(JsonDepthWithin(deepObjects));
}

TEST(Resume, ADraggedCardIsSavedInTheHand) {
    MatchRunner runner(0, 300, 1);
    runner.m_host.m_keepLog = false;
    runner.Start();
    for (int i = 0; i < 100000 && !runner.HumanToAct(); ++i) runner.Step();
    ASSERT_TRUE(runner.HumanToAct());
    GameState& gs = runner.m_gs;
    const CardId card = gs.m_hand[kHumanSeat][2];
    gs.m_pickedIndex = 2;
    gs.m_pickedCard = gs.RemoveFromHand(kHumanSeat, 2);
    gs.m_dragging = 1;
    const std::optional<SavedMatch> saved = ReadSavedMatch(WriteSavedMatch(runner.Save()));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->gs.m_hand[kHumanSeat][2], card);
    EXPECT_EQ(saved->gs.m_dragging, 0);
    // A card simply lost is never written.
    gs.m_dragging = 0;
    std::string why;
    EXPECT_TRUE(WriteSavedMatch(runner.Save(), &why).empty());
    EXPECT_NE(why.find("missing"), std::string::npos) << why;
}

TEST(Resume, AMatchsStonesCountOnceWhereverTheRunStops) {
    // The credit saved before the accounts are set; setting them again changes nothing.
    MatchRunner runner(3, 777, 1);
    runner.m_host.m_keepLog = false;
    SetStones(runner.m_host.Profile(), 3, 40);
    std::optional<ResumePoint> credit;
    std::string creditText;
    int creditedBeforeSave = -1;
    runner.m_host.m_onResumePoint = [&](const ResumePoint& point) {
        if (point.at != ResumeAt::kCredit) return;
        credit = point;
        std::string why;
        creditText = WriteSavedMatch(runner.Save(point), &why);
        EXPECT_FALSE(creditText.empty()) << why;
        creditedBeforeSave = runner.m_host.m_credited;
    };
    runner.Start();
    ASSERT_TRUE(runner.RunToEnd());
    ASSERT_TRUE(credit);
    EXPECT_EQ(creditedBeforeSave, 0);  // saved before the accounts change
    EXPECT_EQ(runner.m_host.m_credited, 1);
    const std::optional<SavedMatch> read = ReadSavedMatch(creditText);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->gs.m_game, 11);
    std::array<int, 10> after{};
    for (int c = 0; c < 10; ++c) after[c] = GetStones(runner.m_host.Profile(), c);
    // Killed after some accounts were set: the next start sets them all, once.
    CEngine::ApplyCredit(runner.m_host.Profile(), *credit);
    CEngine::ApplyCredit(runner.m_host.Profile(), *credit);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(GetStones(runner.m_host.Profile(), c), after[c]) << c;
    int total = 0;
    for (const auto& row : read->gs.m_points) total += row[kHumanPlayer];
    EXPECT_EQ(after[3], std::max(0, 40 + total));
    // The credit point survives the file.
    EXPECT_EQ(read->point.at, ResumeAt::kCredit);
    for (int p = 0; p < kSeats; ++p) {
        EXPECT_EQ(read->point.credit[p].character, credit->credit[p].character);
        EXPECT_EQ(read->point.credit[p].stones, credit->credit[p].stones);
    }
}

TEST(Resume, TheClientsPartsAreKeptUnread) {
    // The engine keeps what the runner, the window and the records wrote, field for field, even
    // fields it has never heard of; a part that is no object is refused on both sides.
    const std::string good = MidGameText();
    std::optional<SavedMatch> match = ReadSavedMatch(good);
    ASSERT_TRUE(match);
    match->table = R"({"angle":12,"openMode":1,"later":[1,2]})";
    match->records = R"({"anything":"kept"})";
    const std::optional<SavedMatch> again = ReadSavedMatch(WriteSavedMatch(*match));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->table, R"({"angle":12,"later":[1,2],"openMode":1})");
    EXPECT_EQ(again->records, R"({"anything":"kept"})");
    EXPECT_EQ(again->runner, match->runner);
    for (auto part : {&SavedMatch::runner, &SavedMatch::table, &SavedMatch::records}) {
        SavedMatch broken = *match;
        broken.*part = "[1]";
        std::string why;
        EXPECT_TRUE(WriteSavedMatch(broken, &why).empty());
        EXPECT_NE(why.find("not an object"), std::string::npos) << why;
    }
}

}  // namespace
}  // namespace quintrick
