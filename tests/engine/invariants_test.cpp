// Whole matches played headless, with the rules' invariants checked after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "engine/card_places.h"
#include "engine/roster.h"
#include "engine/trick_rules.h"
#include "match_runner.h"

namespace quintrick {
namespace {

class InvariantChecker : public IGameObserver {
  public:
    explicit InvariantChecker(const GameState& gs) : m_gs(gs) {}

    void OnLeader(int seat) override {
        EXPECT_NE(m_gs.m_holder[seat], 0) << "a battle is led by a related seat\n" << m_gs.Dump();
        m_expectedLeader = seat;
    }
    void OnTrick(int winner, int, int) override {
        int best = winner;
        for (int seat = 0; seat < kSeats; ++seat) {
            if (CardStrength(m_gs, m_gs.m_field[seat]) > CardStrength(m_gs, m_gs.m_field[best])) {
                best = seat;
            }
        }
        EXPECT_EQ(winner, best);
        m_expectedLeader = winner;
    }
    void OnPlay(int seat, CardId card, const char*) override {
        ++m_plays;
        if (m_gs.FieldCount() == 1) {
            EXPECT_EQ(seat, m_expectedLeader) << m_gs.Dump();
            EXPECT_EQ(seat, m_gs.m_leader);
        } else {
            EXPECT_EQ(seat, NextSeat(m_lastSeat)) << "turn order\n" << m_gs.Dump();
        }
        m_lastSeat = seat;
        // The hand before the play: the card back in its place.
        GameState before = m_gs;
        const auto& hand = before.m_hand[seat];
        const int pos = static_cast<int>(
            std::lower_bound(hand.begin(), hand.begin() + before.m_handCount[seat], card) -
            hand.begin());
        before.InsertIntoHand(seat, pos, card);
        EXPECT_EQ(IsLegalPlay(before, seat, card), Rule::kNone)
            << "seat " << seat << " played " << card << '\n'
            << before.Dump();
    }

    // The 50 cards are all accounted for, once each, and every hand is sorted.
    void CheckState() const {
        const std::string problem = CardPlaceProblem(m_gs);
        ASSERT_TRUE(problem.empty()) << problem << '\n' << m_gs.Dump();
    }

    int m_plays = 0;

  private:
    const GameState& m_gs;
    int m_expectedLeader = -1;
    int m_lastSeat = -1;
};

TEST(WholeMatches, InvariantsHoldInEveryState) {
    struct Config {
        int character, start, matches;
    } configs[] = {{0, 0, 8}, {3, 3600 * 7 + 61, 8}, {9, 86399, 8}, {7, 45000, 8}};
    for (const auto& c : configs) {
        MatchRunner runner(c.character, c.start, c.matches);
        InvariantChecker checker(runner.m_gs);
        runner.m_host.m_keepLog = false;
        runner.m_host.AddObserver(&checker);
        runner.Start();
        long steps = 0;
        while (!runner.m_host.m_closeRequested && steps < 2'000'000) {
            runner.Step();
            ++steps;
            if (!runner.m_host.m_closeRequested) checker.CheckState();
            if (::testing::Test::HasFailure()) return;
        }
        EXPECT_TRUE(runner.m_host.m_closeRequested) << "the matches came to an end";
        EXPECT_EQ(runner.m_host.m_matchesEnded, c.matches);
        // Every trick of every battle has five plays; a match has at least ten battles.
        EXPECT_GE(checker.m_plays, c.matches * 10 * 5);
        EXPECT_EQ(checker.m_plays % 5, 0);
        EXPECT_EQ(runner.m_gs.m_entryNo, IsSelectableCharacter(c.character) ? c.character : 0);
    }
}

// The human seat plays through the operations the window uses, at random: cards picked up and put
// back, refused, dropped, played by index or by the keyboard mark, views held and released.
TEST(WholeMatches, InvariantsHoldWithAHumanPlayingThroughItsOperations) {
    using Held = CEngine::Held;
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        MatchRunner runner(int(seed % 10), int(seed * 7919 % 86400), 2);
        InvariantChecker checker(runner.m_gs);
        runner.m_host.m_keepLog = false;
        runner.m_host.AddObserver(&checker);
        std::mt19937 rng(seed);
        const auto pick = [&rng](int n) { return n <= 0 ? 0 : int(rng() % unsigned(n)); };
        CEngine& engine = runner.m_engine;
        GameState& gs = runner.m_gs;
        runner.Start();
        long steps = 0;
        int putBacks = 0;
        int drops = 0;
        while (!runner.m_host.m_closeRequested && steps < 2'000'000) {
            ++steps;
            if (!runner.HumanToAct()) {
                runner.Step();
            } else {
                const int n = gs.m_handCount[kHumanSeat];
                switch (pick(9)) {
                    case 0:
                    case 1:
                        if (engine.PickUpCard(pick(n))) {
                            checker.CheckState();
                            EXPECT_FALSE(engine.PickUpCard(0)) << "one card at a time";
                            if (pick(2) == 0) {
                                EXPECT_EQ(engine.ReleaseHold(), Held::kCard);
                                ++putBacks;
                            } else {
                                EXPECT_TRUE(engine.DropHeldCard());
                                ++drops;
                            }
                        }
                        break;
                    case 2:
                        if (engine.HoldLastTrick()) {
                            EXPECT_EQ(engine.ReleaseHold(), Held::kLastTrick);
                        }
                        break;
                    case 3:
                        if (engine.HoldDiscards()) {
                            EXPECT_EQ(engine.ReleaseHold(), Held::kDiscards);
                        }
                        break;
                    case 4:
                        if (engine.HoldAngle()) {
                            EXPECT_EQ(engine.ReleaseHold(), Held::kAngle);
                        }
                        break;
                    case 5:
                        engine.MoveCursor(pick(2) == 0 ? -1 : 1);
                        break;
                    case 6:
                        engine.PlayCursorCard();
                        break;
                    default:
                        engine.PlayCardAt(pick(n + 1));
                        break;
                }
                EXPECT_EQ(engine.HeldNow(), Held::kNothing);
            }
            if (!runner.m_host.m_closeRequested) checker.CheckState();
            if (::testing::Test::HasFailure()) return;
        }
        EXPECT_TRUE(runner.m_host.m_closeRequested) << "seed " << seed;
        EXPECT_EQ(runner.m_host.m_matchesEnded, 2);
        EXPECT_GT(putBacks, 10);
        EXPECT_GT(drops, 10);
    }
}

TEST(WholeMatches, EveryGameRowIsZeroSum) {
    MatchRunner runner(1, 500, 20);
    runner.m_host.m_keepLog = false;
    struct RowCheck : IGameObserver {
        const GameState* gs;
        int results = 0;
        void OnResult(int) override {
            ++results;
            const auto& row = gs->m_points[gs->m_game - 1];
            int sum = 0;
            for (int p : row) sum += p;
            EXPECT_EQ(sum, 0);
        }
    } rows;
    rows.gs = &runner.m_gs;
    runner.m_host.AddObserver(&rows);
    runner.Start();
    ASSERT_TRUE(runner.RunToEnd());
    EXPECT_GE(rows.results, 200);
}

}  // namespace
}  // namespace quintrick
