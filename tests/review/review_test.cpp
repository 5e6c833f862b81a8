// The review of kept games: a planted blunder is found, the same game always gives the same
// review, a review comes back whole from its text form, and the sampling player loses fewer
// points to its choices than the first-card player.
#include "review/review.h"

#include <gtest/gtest.h>

#include "kept_games.h"

namespace quintrick {
namespace {

struct Planted {
    GameMoves moves;
    int move = -1;  // the index of the planted play
    CardId card = kNoCard;
    CardId winning = kNoCard;  // a card that would have won the battle
};

// Plays a match with the characters' rules for the human until, late in a battle, one card of
// the human's would lose the battle that another wins (all cards seen): the losing card is
// played there, and the game is kept to its end.
Planted PlantBlunder(int start) {
    Planted planted;
    MatchRunner runner(3, start, 1, {HumanPolicy::kRules});
    runner.m_host.m_keepLog = false;
    CMoveRecorder recorder(runner.m_gs);
    test::GameKeeper keeper(runner.m_gs, recorder);
    runner.m_host.AddObserver(&recorder);
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    int game = 0;
    const GameState& gs = runner.m_gs;
    for (long step = 0; step < 200000 && !runner.m_host.m_closeRequested; ++step) {
        if (game > 0 && !keeper.m_games.empty() && keeper.m_games.back().moves.game == game) {
            planted.moves = keeper.m_games.back().moves;
            return planted;
        }
        if (game == 0 && runner.HumanToAct() && gs.m_phase == kPlaying &&
            gs.m_handCount[kHumanSeat] <= 3) {
            const SearchResult seen = SearchCardSeeingAll(gs, kHumanSeat);
            const SearchOption* lose = nullptr;
            const SearchOption* win = nullptr;
            for (const SearchOption& o : seen.options) {
                if (o.winShare == 0 && o.suit < 0) lose = &o;
                if (o.winShare == 1) win = &o;
            }
            if (lose && win) {
                game = gs.m_game;
                planted.move = static_cast<int>(recorder.Moves().moves.size());
                planted.card = gs.m_hand[kHumanSeat][lose->pos];
                planted.winning = gs.m_hand[kHumanSeat][win->pos];
                runner.m_gs.m_cursor = lose->pos;
                EXPECT_TRUE(runner.m_engine.PlayCursorCard());
                continue;
            }
        }
        runner.Step();
    }
    return planted;
}

TEST(Review, APlantedBlunderIsFlagged) {
    for (int start : {1234, 40000}) {
        SCOPED_TRACE(start);
        const Planted planted = PlantBlunder(start);
        ASSERT_GE(planted.move, 0) << "no position to plant a blunder in";
        ASSERT_TRUE(planted.moves.Complete());
        std::string why;
        const auto review = ReviewGame(planted.moves, {}, &why);
        ASSERT_TRUE(review) << why;
        const DecisionReview* found = nullptr;
        for (const DecisionReview& d : review->decisions) {
            if (d.move == planted.move) found = &d;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->card, planted.card);
        EXPECT_EQ(found->choices[found->chosen].card, planted.card);
        EXPECT_TRUE(found->mistake);
        EXPECT_GT(found->lossKnown, kMistakeThreshold);
        EXPECT_GT(found->lossSeen, kMistakeThreshold);
        // The best choice from what could be known is one that wins the battle.
        std::size_t best = 0;
        for (std::size_t i = 1; i < found->choices.size(); ++i) {
            if (found->choices[i].known > found->choices[best].known) best = i;
        }
        EXPECT_NE(found->choices[best].card, planted.card);
        EXPECT_GE(review->lossKnown, found->lossKnown);
        EXPECT_GE(review->mistakes, 1);
    }
}

TEST(Review, TheSameGameGivesTheSameReviewAndItsTextComesBackWhole) {
    const auto games = test::PlayAndKeep(6, 31000, 1, {HumanPolicy::kRandom});
    ASSERT_GE(games.size(), 2u);
    const ReviewSettings settings{24, kMistakeThreshold};
    for (int i : {0, 1}) {
        const auto first = ReviewGame(games[i].moves, settings);
        const auto second = ReviewGame(games[i].moves, settings);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(*first, *second);
        EXPECT_EQ(first->points, games[i].points);
        EXPECT_FALSE(first->decisions.empty());
        const auto back = DecodeReview(EncodeReview(*first));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, *first);
        std::string damaged = EncodeReview(*first);
        damaged.resize(damaged.size() / 2);
        EXPECT_FALSE(DecodeReview(damaged));
        EXPECT_FALSE(DecodeReview("R9 1 2 3 0 0 0 0 0 0"));
    }
}

TEST(Review, ProgressIsToldAndCanStopTheReview) {
    const auto games = test::PlayAndKeep(0, 600, 1, {});
    ASSERT_FALSE(games.empty());
    int calls = 0, lastTotal = -1;
    std::string why;
    EXPECT_FALSE(ReviewGame(games[0].moves, {8, kMistakeThreshold}, &why, [&](int done, int total) {
        ++calls;
        lastTotal = total;
        return done < 2;
    }));
    EXPECT_EQ(why, "cancelled");
    EXPECT_EQ(calls, 3);
    EXPECT_GT(lastTotal, 2);
}

TEST(Review, TheSamplingPlayerLosesLessThanTheFirstCard) {
    const ReviewSettings settings{32, kMistakeThreshold};
    double loss[2] = {0, 0};
    int games[2] = {0, 0};
    const HumanPolicy policies[2] = {HumanPolicy::kFirst, HumanPolicy::kStrong};
    for (int p = 0; p < 2; ++p) {
        for (const auto& game :
             test::PlayAndKeep(2, 9000, 1, {policies[p], ComputerLevel::kRules, 32, 5})) {
            const auto review = ReviewGame(game.moves, settings);
            ASSERT_TRUE(review);
            loss[p] += review->lossKnown;
            ++games[p];
        }
    }
    ASSERT_EQ(games[0], 10);
    ASSERT_EQ(games[1], 10);
    EXPECT_LT(loss[1] / games[1], loss[0] / games[0]);
}

}  // namespace
}  // namespace quintrick
