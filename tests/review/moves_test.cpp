// The text form of a kept game: written and read back whole, and every kind of damage refused
// with a reason.
#include <gtest/gtest.h>

#include "engine/game_moves.h"
#include "kept_games.h"

namespace quintrick {
namespace {

TEST(GameMoves, TextFormComesBackWholeForEveryGameOfAMatch) {
    const auto games = test::PlayAndKeep(7, 5000, 1, {HumanPolicy::kRandom});
    ASSERT_EQ(games.size(), 10u);
    for (const auto& game : games) {
        const std::string text = EncodeMoves(game.moves);
        std::string why;
        const auto back = DecodeMoves(text, &why);
        ASSERT_TRUE(back) << why << "\n" << text;
        EXPECT_EQ(back->game, game.moves.game);
        EXPECT_EQ(back->entry, 7);
        EXPECT_EQ(back->seatPlayer, game.moves.seatPlayer);
        EXPECT_EQ(back->moves, game.moves.moves);
        EXPECT_TRUE(back->Complete());
        EXPECT_EQ(EncodeMoves(*back), text);
    }
}

TEST(GameMoves, DamagedTextIsRefusedWithAReason) {
    const std::string good = "M1 g2 e3 s01234 G2,1 D1812 K L2 P2,7 P3,9,take-trick";
    ASSERT_TRUE(DecodeMoves(good));
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"empty", ""},
        {"other format", "M2 g2 e3 s01234 G2,1 D1812"},
        {"game out of range", "M1 g11 e3 s01234 G11,1"},
        {"character out of range", "M1 g2 e10 s01234 G2,1"},
        {"seating not a seating", "M1 g2 e3 s01134 G2,1"},
        {"seating too short", "M1 g2 e3 s0123 G2,1"},
        {"unknown kind", good + " Z1"},
        {"too few values", good + " P2"},
        {"too many values", good + " P2,7,1"},
        {"a step that is no step name", good + " P2,7,Take_Trick"},
        {"an empty step", good + " P2,7,"},
        {"no number", good + " P2,x"},
        {"card that is no card", good + " P2,13"},
        {"seat out of range", good + " P5,7"},
        {"suit out of range", good + " C2,4"},
        {"seed no clock gives", good + " D4000"},
        {"pictures beyond sixteen", good + " W1,9,9"},
        {"values on the related mark", good + " K1"},
        {"a double space", "M1 g2 e3 s01234  G2,1"},
        {"a space at the end", good + " "},
        {"moves of another game", "M1 g2 e3 s01234 G3,1"},
        {"no moves", "M1 g2 e3 s01234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string why;
        EXPECT_FALSE(DecodeMoves(c.text, &why));
        EXPECT_FALSE(why.empty());
    }
}

TEST(GameMoves, RecorderKeepsOneGameFromItsStartToItsResult) {
    GameState gs;
    gs.m_seatPlayer = {1, 0, 2, 3, 4};
    gs.m_entryNo = 6;
    CMoveRecorder recorder(gs);
    recorder.OnPlay(1, 5, "");  // before any game: not kept
    recorder.OnGameStart(4, 0);
    recorder.OnDeal(100);
    recorder.OnResult(2);
    recorder.OnPlay(3, 14, "");
    recorder.OnPlay(4, 20, "lowest-of-suit");
    recorder.OnResult(1);
    recorder.OnStones(4, 6, 10, 100);
    recorder.OnPlay(2, 9, "");  // after the result: not kept
    const GameMoves& m = recorder.Moves();
    EXPECT_EQ(m.game, 4);
    EXPECT_EQ(m.entry, 6);
    EXPECT_EQ(m.seatPlayer, gs.m_seatPlayer);
    EXPECT_EQ(EncodeMoves(m), "M1 g4 e6 s10234 G4,0 D100 E2 P3,14 P4,20,lowest-of-suit E1");
    EXPECT_TRUE(m.Complete());
}

}  // namespace
}  // namespace quintrick
