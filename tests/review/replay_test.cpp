// Kept games played again through the engine reach the same points; a damaged record is refused
// with the move where it goes wrong, never played on differently.
#include "review/replay.h"

#include <gtest/gtest.h>

#include <map>

#include "kept_games.h"

namespace quintrick {
namespace {

struct RunCase {
    const char* what;
    int character, start, matches;
    RunnerOptions options;
};

TEST(Replay, EveryKeptGameReachesTheRecordedPoints) {
    const RunCase cases[] = {
        {"first card", 0, 0, 3, {}},
        {"characters' rules", 3, 3600, 3, {HumanPolicy::kRules}},
        {"random cards", 7, 45000, 4, {HumanPolicy::kRandom, ComputerLevel::kRules, 96, 11}},
        {"sampling against sampling",
         5,
         777,
         1,
         {HumanPolicy::kStrong, ComputerLevel::kStrong, 4, 3}},
    };
    std::map<char, int> kinds;  // what the replayed games held, over all cases
    int humanCalls = 0, humanShows = 0, humanTrumps = 0, humanDeclares = 0;
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto games = test::PlayAndKeep(c.character, c.start, c.matches, c.options);
        ASSERT_EQ(static_cast<int>(games.size()), 10 * c.matches);
        for (const auto& game : games) {
            const auto moves = DecodeMoves(EncodeMoves(game.moves));
            ASSERT_TRUE(moves);
            CGameReplay replay(*moves);
            std::string why;
            ASSERT_TRUE(replay.Run(true, &why)) << why << "\n" << EncodeMoves(game.moves);
            EXPECT_TRUE(replay.ReachedResult());
            EXPECT_EQ(replay.Points(), game.points) << "game " << moves->game;
            for (const Move& m : moves->moves) {
                ++kinds[static_cast<char>(m.kind)];
                const bool human = m.v[0] == kHumanSeat;
                humanCalls += m.kind == MoveKind::kCall && human;
                humanShows += m.kind == MoveKind::kShow && human;
                humanTrumps += m.kind == MoveKind::kTrump && human;
                humanDeclares += m.kind == MoveKind::kDeclare && m.v[1] == 0;
            }
        }
    }
    // The games replayed hold every kind of decision there is.
    for (char kind : {'R', 'X', 'S', 'T', 'C', 'Q', 'E'}) EXPECT_GT(kinds[kind], 0) << kind;
    EXPECT_GT(humanCalls, 0);
    EXPECT_GT(humanShows, 0);
    EXPECT_GT(humanTrumps, 0);
    EXPECT_GT(humanDeclares, 0);
}

// A change of one token of the text; the index counts the moves from 0.
std::string Replace(const std::string& text, int token, const std::string& with) {
    std::vector<std::string> tokens;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        tokens.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    tokens.at(4 + token) = with;
    std::string out;
    for (const auto& t : tokens) {
        if (t.empty()) continue;
        out += (out.empty() ? "" : " ") + t;
    }
    return out;
}

std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

int Find(const GameMoves& m, MoveKind kind, int seat = -1, int after = 0) {
    for (int i = after; i < static_cast<int>(m.moves.size()); ++i) {
        if (m.moves[i].kind == kind && (seat < 0 || m.moves[i].v[0] == seat)) return i;
    }
    return -1;
}

TEST(Replay, DamagedRecordsAreRefusedAtTheMoveThatDiffers) {
    const auto games = test::PlayAndKeep(1, 2000, 1, {HumanPolicy::kRules});
    ASSERT_FALSE(games.empty());
    const GameMoves& m = games.front().moves;
    const std::string text = EncodeMoves(m);
    const int deal = Find(m, MoveKind::kDeal);
    const int human = Find(m, MoveKind::kPlay, kHumanSeat);
    const int computer = Find(m, MoveKind::kPlay, 1);
    const int trick = Find(m, MoveKind::kTrick);
    const int result = Find(m, MoveKind::kResult);
    ASSERT_GE(deal, 0);
    ASSERT_GE(human, 0);
    ASSERT_GE(computer, 0);
    ASSERT_GE(trick, 0);
    const Move& hp = m.moves[human];
    const Move& cp = m.moves[computer];
    const Move& tr = m.moves[trick];
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"another deal",
         Replace(text, deal, "D" + std::to_string((m.moves[deal].v[0] + 7) % 3600))},
        {"the human plays a card of another seat",
         Replace(text, human, "P4," + std::to_string(cp.v[1]))},
        {"a computer plays the human's card",
         Replace(text, computer, "P1," + std::to_string(hp.v[1]))},
        {"another winner of a trick",
         Replace(text, trick,
                 "W" + std::to_string((tr.v[0] + 1) % 5) + "," + std::to_string(tr.v[1]) + "," +
                     std::to_string(tr.v[2]))},
        {"a trick's pictures miscounted",
         Replace(text, trick,
                 "W" + std::to_string(tr.v[0]) + "," + std::to_string(tr.v[1] + 1) + "," +
                     std::to_string(tr.v[2]))},
        {"a play left out", Replace(text, human, "")},
        {"another seating", "M1 g1 e1 s12340" + text.substr(text.find(" G"))},
        {"another game number", ReplaceFirst(ReplaceFirst(text, " g1 ", " g2 "), " G1,", " G2,")},
        {"cut short before the result", Replace(text, result, "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.text, text);
        std::string why;
        const auto moves = DecodeMoves(c.text, &why);
        if (!moves) {
            EXPECT_FALSE(why.empty());
            continue;
        }
        CGameReplay replay(*moves);
        if (replay.Run(true, &why)) {
            // The events are the same, but the points go to other players than were kept.
            EXPECT_NE(replay.Points(), games.front().points) << c.text;
            continue;
        }
        EXPECT_FALSE(replay.ReachedResult());
        EXPECT_NE(why.find("move"), std::string::npos) << why;
    }
}

TEST(Replay, AGameInProgressReplaysAsFarAsItIsKept) {
    const auto games = test::PlayAndKeep(4, 100, 1, {HumanPolicy::kRules});
    ASSERT_FALSE(games.empty());
    GameMoves part = games.front().moves;
    part.moves.resize(part.moves.size() / 2);
    int seen = 0;
    CGameReplay replay(part);
    replay.m_onMove = [&seen](const GameState&, int move) { EXPECT_EQ(move, seen++); };
    std::string why;
    EXPECT_TRUE(replay.Run(false, &why)) << why;
    EXPECT_FALSE(replay.ReachedResult());
    EXPECT_EQ(seen, static_cast<int>(part.moves.size()));
    replay.m_onMove = nullptr;
    EXPECT_FALSE(replay.Run(true, &why));
}

}  // namespace
}  // namespace quintrick
