// The human's play as operations on the game state: picking up, putting back, dropping, playing
// at once, the keyboard mark and the views held while the button is down.
#include <gtest/gtest.h>

#include "engine/strings.h"
#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;
using Held = CEngine::Held;

// Trick 8 (three cards each): seat 0 has led a club, seats 1..3 followed, the human is to play.
struct HumanTurn : Table {
    explicit HumanTurn(std::initializer_list<CardId> hand = {C(kClubs, 3), C(kClubs, 5),
                                                             C(kHearts, 6)}) {
        Related(0, 2);
        Hand(4, hand);
        Field(0, {C(kClubs, 7), C(kClubs, 8), C(kClubs, 9), C(kClubs, 10)});
        gs.m_busy = 1;
        gs.m_lastTrick = {C(kSpades, 3), C(kSpades, 4), C(kSpades, 5), C(kSpades, 6),
                          C(kSpades, 7)};
        gs.m_discardCount = 1;
        gs.m_discard[0] = C(kDiamonds, 3);
        host.m_messages.clear();
    }
    int Count() const { return gs.m_handCount[kHumanSeat]; }
    CardId At(int i) const { return gs.m_hand[kHumanSeat][i]; }
};

TEST(HumanPlay, PickUpPutBackAndDrop) {
    HumanTurn t;
    ASSERT_TRUE(t.engine.PickUpCard(1));
    EXPECT_EQ(t.engine.HeldNow(), Held::kCard);
    EXPECT_EQ(t.gs.m_pickedCard, C(kClubs, 5));
    EXPECT_EQ(t.gs.m_pickedIndex, 1);
    EXPECT_EQ(t.Count(), 2);
    ASSERT_TRUE(t.engine.PutBackHeldCard());
    EXPECT_EQ(t.engine.HeldNow(), Held::kNothing);
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t.At(1), C(kClubs, 5)) << "back at its place";
    EXPECT_EQ(t.gs.m_pickedCard, kNoCard);
    EXPECT_FALSE(t.engine.PutBackHeldCard()) << "nothing held";
    EXPECT_FALSE(t.engine.DropHeldCard()) << "nothing held";

    ASSERT_TRUE(t.engine.PickUpCard(1));
    ASSERT_TRUE(t.engine.DropHeldCard());
    EXPECT_EQ(t.gs.m_field[kHumanSeat], C(kClubs, 5));
    EXPECT_EQ(t.gs.m_turn, 0);
    EXPECT_EQ(t.gs.m_busy, 0);
    EXPECT_EQ(t.gs.m_dragging, 0);
    EXPECT_EQ(t.gs.m_pickedCard, kNoCard);
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.gs.m_cardPlayed[C(kClubs, 5)], 1);
}

TEST(HumanPlay, TheLastCardCanBeDroppedOnTheField) {
    HumanTurn t({C(kHearts, 6)});
    ASSERT_TRUE(t.engine.PickUpCard(0));
    EXPECT_EQ(t.Count(), 0);
    EXPECT_TRUE(t.engine.HumanMayPlay()) << "the held card still counts";
    ASSERT_TRUE(t.engine.DropHeldCard());
    EXPECT_EQ(t.gs.m_field[kHumanSeat], C(kHearts, 6));
    EXPECT_EQ(t.gs.m_turn, 0);
}

TEST(HumanPlay, ARefusedCardStaysWithTheRuleMessage) {
    for (int ruleRem : {1, 0}) {
        HumanTurn t;
        t.settings.m_ruleRem = ruleRem;
        EXPECT_FALSE(t.engine.PickUpCard(2));  // a heart while holding clubs
        EXPECT_FALSE(t.engine.PlayCardAt(2));
        EXPECT_EQ(t.Count(), 3);
        EXPECT_EQ(t.engine.HeldNow(), Held::kNothing);
        const std::vector<int> expected(ruleRem ? 2 : 0, kMsgRuleFollowSuit);
        EXPECT_EQ(t.host.m_messages, expected);
    }
}

TEST(HumanPlay, OneHoldAtATime) {
    struct Case {
        const char* hold;
        Held held;
    };
    for (const Case& c : {Case{"card", Held::kCard}, Case{"last trick", Held::kLastTrick},
                          Case{"discards", Held::kDiscards}, Case{"angle", Held::kAngle}}) {
        HumanTurn t;
        const std::string hold = c.hold;
        const bool ok = hold == "card"         ? t.engine.PickUpCard(0)
                        : hold == "last trick" ? t.engine.HoldLastTrick()
                        : hold == "discards"   ? t.engine.HoldDiscards()
                                               : t.engine.HoldAngle();
        ASSERT_TRUE(ok) << hold;
        ASSERT_EQ(t.engine.HeldNow(), c.held) << hold;
        const std::string before = t.gs.Dump();
        // Nothing else starts and nothing is played while something is held.
        EXPECT_FALSE(t.engine.PickUpCard(1)) << hold;
        EXPECT_FALSE(t.engine.PlayCardAt(1)) << hold;
        EXPECT_FALSE(t.engine.PlayCursorCard()) << hold;
        EXPECT_FALSE(t.engine.MoveCursor(1)) << hold;
        EXPECT_FALSE(t.engine.HoldLastTrick()) << hold;
        EXPECT_FALSE(t.engine.HoldDiscards()) << hold;
        EXPECT_FALSE(t.engine.HoldAngle()) << hold;
        EXPECT_EQ(t.gs.Dump(), before) << hold;
        // The release ends it, whatever it was; a card goes back to the hand.
        EXPECT_EQ(t.engine.ReleaseHold(), c.held) << hold;
        EXPECT_EQ(t.engine.HeldNow(), Held::kNothing) << hold;
        EXPECT_EQ(t.gs.m_showLastTrick, 0);
        EXPECT_EQ(t.gs.m_showDiscards, 0);
        EXPECT_EQ(t.gs.m_dragging, 0);
        EXPECT_EQ(t.Count(), 3) << hold;
        EXPECT_EQ(t.engine.ReleaseHold(), Held::kNothing);
        EXPECT_TRUE(t.engine.PlayCardAt(1)) << hold;
        EXPECT_EQ(t.gs.m_field[kHumanSeat], C(kClubs, 5)) << hold;
    }
}

TEST(HumanPlay, HeldViewsOnlyWhenThereIsSomethingToShow) {
    HumanTurn full({C(kClubs, 2), C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kClubs, 6),
                    C(kClubs, J), C(kHearts, 3), C(kHearts, 4), C(kHearts, 5), C(kHearts, 6)});
    EXPECT_FALSE(full.engine.HoldLastTrick()) << "no trick played in this battle yet";
    full.gs.m_discardCount = 0;
    EXPECT_FALSE(full.engine.HoldDiscards()) << "no discards";
    HumanTurn other;
    other.gs.m_turn = 2;
    EXPECT_FALSE(other.engine.HoldLastTrick()) << "not the human's turn";
    EXPECT_FALSE(other.engine.HoldAngle());
    EXPECT_FALSE(other.engine.PickUpCard(0));
}

TEST(HumanPlay, ADropThatMayNotPlayPutsTheCardBack) {
    HumanTurn t;
    ASSERT_TRUE(t.engine.PickUpCard(0));
    t.gs.m_field[kHumanSeat] = C(kSpades, 9);  // as if the seat had played meanwhile
    EXPECT_FALSE(t.engine.DropHeldCard());
    EXPECT_EQ(t.engine.HeldNow(), Held::kNothing);
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.At(0), C(kClubs, 3));
}

TEST(HumanPlay, TheKeyboardMarkWrapsAroundTheHand) {
    HumanTurn t;
    struct Case {
        int from, step, to;
    } cases[] = {{2, 1, 0}, {0, -1, 2}, {1, 1, 2}, {9, 1, 1}, {-4, -1, 1}};
    for (const Case& c : cases) {
        t.gs.m_cursor = c.from;
        ASSERT_TRUE(t.engine.MoveCursor(c.step));
        EXPECT_EQ(t.gs.m_cursor, c.to) << c.from << ' ' << c.step;
    }
    // A mark left beyond the hand after a play plays the first card.
    t.gs.m_cursor = 7;
    ASSERT_TRUE(t.engine.PlayCursorCard());
    EXPECT_EQ(t.gs.m_field[kHumanSeat], C(kClubs, 3));
    EXPECT_EQ(t.gs.m_cursor, 0);
}

TEST(HumanPlay, ShowCardsByDropAndByIndex) {
    HumanTurn t({C(kClubs, 2), C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kClubs, 6), C(kClubs, J),
                 C(kHearts, 3), C(kHearts, 4), C(kHearts, 5), C(kHearts, 6)});
    t.gs.m_field.fill(kNoCard);
    t.gs.m_phase = 2;
    t.gs.m_battle = 2;
    t.gs.m_showCount = 0;
    t.gs.m_turn = kHumanSeat;
    t.gs.m_showPartner = kHumanSeat;
    t.gs.m_trumpPartner = 1;
    t.Related(1, 4);
    ASSERT_TRUE(t.engine.PickUpCard(9));  // any card may be shown
    ASSERT_TRUE(t.engine.DropHeldCard());
    EXPECT_EQ(t.gs.m_showCount, 1);
    EXPECT_EQ(t.gs.m_showCard[0], C(kHearts, 6));
    ASSERT_TRUE(t.engine.PlayCardAt(0));
    EXPECT_EQ(t.gs.m_phase, 1) << "the second show card finishes the show";
    EXPECT_EQ(t.Count(), 10) << "the show cards go back into the hand";
    EXPECT_EQ(t.gs.m_turn, 1);
}

}  // namespace
}  // namespace quintrick
