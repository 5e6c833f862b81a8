#include "engine/trick_rules.h"

#include <gtest/gtest.h>

#include "engine/strings.h"
#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;

struct TrickCase {
    const char* name;
    int trump, called;
    std::array<CardId, 5> field;  // by seat
    int winner;
};

TEST(ResolveTrick, HighestStrengthWins) {
    const TrickCase cases[] = {
        {"joker beats all",
         kHearts,
         kDiamonds,
         {C(kDiamonds, 7), C(kDiamonds, K), C(kHearts, 3), C(kClubs, A), kJoker},
         4},
        {"a trump beats the called suit",
         kHearts,
         kDiamonds,
         {C(kDiamonds, 7), C(kDiamonds, K), C(kHearts, 3), C(kClubs, A), C(kDiamonds, 9)},
         2},
        {"called suit is trump",
         kClubs,
         kClubs,
         {C(kClubs, 4), C(kSpades, A), C(kClubs, 10), C(kHearts, A), C(kDiamonds, A)},
         2},
        {"off-suit aces lose to the called suit",
         kSpades,
         kHearts,
         {C(kClubs, A), C(kHearts, 3), C(kDiamonds, A), C(kHearts, 2 + 2), C(kClubs, K)},
         3},
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_trump = c.trump;
        t.gs.m_calledSuit = c.called;
        t.gs.m_field = c.field;
        EXPECT_EQ(ResolveTrick(t.gs), c.winner) << c.name;
        EXPECT_EQ(t.gs.m_lastTrick, c.field) << c.name;
    }
}

TEST(CardStrength, BandsAreDisjoint) {
    Table t;
    t.gs.m_trump = kHearts;
    t.gs.m_calledSuit = kDiamonds;
    EXPECT_EQ(CardStrength(t.gs, kJoker), 300);
    EXPECT_EQ(CardStrength(t.gs, C(kHearts, 3)), C(kHearts, 3) + 200);
    EXPECT_EQ(CardStrength(t.gs, C(kDiamonds, A)), C(kDiamonds, A) + 100);
    EXPECT_EQ(CardStrength(t.gs, C(kSpades, A)), C(kSpades, A));
}

TEST(ResolveTrick, PicturesGoToTheWinnerAndTheRestToTheDiscardsInSeatOrder) {
    Table t;
    t.Related(0, 3);
    t.gs.m_trump = kSpades;
    t.gs.m_calledSuit = kClubs;
    // Seat 2 leads; the discards still come in seat order 0..4.
    t.gs.m_field = {C(kClubs, 5), C(kClubs, Q), C(kClubs, 3), C(kSpades, 4), C(kHearts, A)};
    const int winner = ResolveTrick(t.gs);
    EXPECT_EQ(winner, 3);
    ASSERT_EQ(t.gs.m_discardCount, 3);
    EXPECT_EQ(t.gs.m_discard[0], C(kClubs, 5));
    EXPECT_EQ(t.gs.m_discard[1], C(kClubs, 3));
    EXPECT_EQ(t.gs.m_discard[2], C(kSpades, 4));
    EXPECT_EQ(t.gs.m_pictureTaker[PictureIndex(C(kClubs, Q))], 3);
    EXPECT_EQ(t.gs.m_pictureTaker[PictureIndex(C(kHearts, A))], 3);
    EXPECT_EQ(t.gs.m_pictureCount[3], 2);
    const GroupPictures sums = CountGroupPictures(t.gs);
    EXPECT_EQ(sums.related, 2);
    EXPECT_EQ(sums.unrelated, 0);
}

TEST(ResolveTrick, TheJokerGoesToTheDiscards) {
    Table t;
    t.gs.m_trump = kClubs;
    t.gs.m_calledSuit = kDiamonds;
    t.gs.m_field = {C(kDiamonds, 5), kJoker, C(kDiamonds, J), C(kDiamonds, 3), C(kDiamonds, 4)};
    EXPECT_EQ(ResolveTrick(t.gs), 1);
    EXPECT_EQ(t.gs.m_discardCount, 4);
    EXPECT_EQ(t.gs.m_discard[1], kJoker);
    EXPECT_EQ(t.gs.m_pictureTaker[PictureIndex(C(kDiamonds, J))], 1);
}

TEST(IsLegalPlay, ThreeRulesInOrder) {
    struct Case {
        const char* name;
        std::vector<CardId> hand;
        bool leads;
        int called;
        CardId card;
        Rule rule;
    } cases[] = {
        {"must follow suit",
         {C(kClubs, 3), C(kClubs, 5), C(kHearts, 4), C(kSpades, 6)},
         false,
         kClubs,
         C(kHearts, 4),
         Rule::kFollowSuit},
        {"following suit is fine",
         {C(kClubs, 3), C(kClubs, 5), C(kHearts, 4)},
         false,
         kClubs,
         C(kClubs, 5),
         Rule::kNone},
        {"the leader is free",
         {C(kClubs, 3), C(kHearts, 4), C(kSpades, 6)},
         true,
         kClubs,
         C(kHearts, 4),
         Rule::kNone},
        {"a void seat plays anything",
         {C(kDiamonds, 3), C(kHearts, 4), C(kSpades, 6)},
         false,
         kClubs,
         C(kDiamonds, 3),
         Rule::kNone},
        {"the joker may replace the called suit",
         {kJoker, C(kClubs, 5), C(kHearts, 4)},
         false,
         kClubs,
         kJoker,
         Rule::kNone},
        {"the joker alone does not oblige",
         {kJoker, C(kHearts, 4), C(kSpades, 6)},
         false,
         kClubs,
         C(kSpades, 6),
         Rule::kNone},
        {"no joker in trick 1, spades led",
         {kJoker, C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kClubs, 6), C(kClubs, 7),
          C(kClubs, 8), C(kClubs, 9), C(kClubs, 10), C(kClubs, J)},
         false,
         kSpades,
         kJoker,
         Rule::kJokerFirst},
        {"a club is fine in trick 1",
         {kJoker, C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kClubs, 6), C(kClubs, 7),
          C(kClubs, 8), C(kClubs, 9), C(kClubs, 10), C(kClubs, J)},
         false,
         kSpades,
         C(kClubs, 3),
         Rule::kNone},
        {"not even the leader leads the joker in trick 1",
         {kJoker, C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kClubs, 6), C(kClubs, 7),
          C(kClubs, 8), C(kClubs, 9), C(kClubs, 10), C(kClubs, J)},
         true,
         kSpades,
         kJoker,
         Rule::kJokerFirst},
        {"trick 9: the joker must go",
         {kJoker, C(kHearts, 4)},
         false,
         kHearts,
         C(kHearts, 4),
         Rule::kJokerNinth},
        {"trick 9: the joker itself", {kJoker, C(kHearts, 4)}, false, kHearts, kJoker, Rule::kNone},
        {"trick 9 without the joker",
         {C(kClubs, 4), C(kHearts, 4)},
         false,
         kHearts,
         C(kHearts, 4),
         Rule::kNone},
    };
    for (const auto& c : cases) {
        Table t;
        auto& hand = t.gs.m_hand[2];
        std::copy(c.hand.begin(), c.hand.end(), hand.begin());
        t.gs.m_handCount[2] = static_cast<int>(c.hand.size());
        t.gs.m_leader = c.leads ? 2 : 1;
        t.gs.m_calledSuit = c.called;
        EXPECT_EQ(IsLegalPlay(t.gs, 2, c.card), c.rule) << c.name;
    }
    EXPECT_EQ(RuleMessage(Rule::kFollowSuit), kMsgRuleFollowSuit);
    EXPECT_EQ(RuleMessage(Rule::kJokerFirst), kMsgRuleJokerFirst);
    EXPECT_EQ(RuleMessage(Rule::kJokerNinth), kMsgRuleJokerNinth);
}

}  // namespace
}  // namespace quintrick
