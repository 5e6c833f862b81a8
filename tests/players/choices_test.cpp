#include <gtest/gtest.h>

#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;

TEST(Predicates, TopCardsAndCounts) {
    Table t;
    t.gs.m_turn = 2;
    t.Hand(2, {kJoker, C(kClubs, J), C(kClubs, K), C(kDiamonds, 5), C(kSpades, 2)});
    EXPECT_TRUE(t.players.IsTopCard(kJoker));
    EXPECT_TRUE(t.players.IsTopCard(C(kHearts, A)));
    EXPECT_FALSE(t.players.IsTopCard(C(kClubs, K)));  // the ace is still out
    t.gs.m_cardPlayed[C(kClubs, A)] = 1;
    EXPECT_TRUE(t.players.IsTopCard(C(kClubs, K)));
    EXPECT_FALSE(t.players.IsTopCard(C(kClubs, J)));  // its own K counts as not played
    for (int rank = 3; rank <= A; ++rank) t.gs.m_cardPlayed[C(kSpades, rank)] = 1;
    EXPECT_TRUE(t.players.IsTopCard(C(kSpades, 2)));
    t.gs.m_cardPlayed[C(kSpades, 9)] = 0;
    EXPECT_FALSE(t.players.IsTopCard(C(kSpades, 2)));

    EXPECT_EQ(t.players.CountSuit(kClubs), 2);  // the joker is not counted
    EXPECT_EQ(t.players.CountLowOfSuit(kClubs), 0);
    EXPECT_EQ(t.players.CountLowOfSuit(kDiamonds), 1);
}

TEST(Predicates, OpponentWinningRankAndNoOpponentAfter) {
    Table t;
    t.Related(1, 3);
    t.gs.m_trump = kHearts;
    t.gs.m_leader = t.gs.m_turn = 0;
    EXPECT_EQ(t.players.OpponentWinningRank(), 0) << "nothing played yet";

    struct Case {
        int leader;
        std::vector<CardId> field;  // from the leader on
        int rank;                   // for the seat after them
        bool noOpponentAfter;
    } cases[] = {
        // seat 0 leads, seat 1 (related) to play: the unrelated 9♦ wins.
        {0, {C(kDiamonds, 9)}, C(kDiamonds, 9) + 100, false},
        // seat 0 and 1 played, seat 2 (unrelated): related seat 1's trump wins.
        {0, {C(kDiamonds, 9), C(kHearts, 3)}, C(kHearts, 3) + 200, false},
        // seat 2 to play after three cards; seat 2 and 3: 3 is related -> opponents follow.
        {4, {C(kDiamonds, 9), C(kDiamonds, 3), C(kDiamonds, 5)}, 0, false},
        // three cards, seat 4 and seat 0 both unrelated: nobody of the other group follows.
        {1, {C(kDiamonds, 9), C(kDiamonds, 3), C(kDiamonds, 5)}, C(kDiamonds, 9) + 100, true},
        // the joker on the field.
        {2, {kJoker}, 300, true},
        // the last seat to play, its unrelated neighbour at seat 4 winning.
        {1, {C(kClubs, 4), C(kClubs, 5), C(kClubs, 6), C(kClubs, 7)}, 0, true},
        // the last seat to play, the related seat 3 winning.
        {1, {C(kClubs, 4), C(kClubs, 5), C(kClubs, 8), C(kClubs, 7)}, C(kClubs, 8) + 100, true},
    };
    for (const auto& c : cases) {
        t.gs.m_calledSuit = SuitOf(c.field[0] == kJoker ? C(kSpades, 3) : c.field[0]);
        t.gs.m_field.fill(kNoCard);
        int seat = c.leader;
        for (CardId card : c.field) {
            t.gs.m_field[seat] = card;
            seat = NextSeat(seat);
        }
        t.gs.m_leader = c.leader;
        t.gs.m_turn = seat;
        EXPECT_EQ(t.players.OpponentWinningRank(), c.rank) << "leader " << c.leader;
        EXPECT_EQ(t.players.NoOpponentAfter(), c.noOpponentAfter) << "leader " << c.leader;
    }
}

TEST(ShouldPlayJoker, StepsInOrder) {
    struct Case {
        const char* name;
        int player;
        std::vector<CardId> hand;  // with the joker
        std::vector<CardId> field;
        bool related;  // the own group is winning
        int need;
        bool play;
    } cases[] = {
        {"trick 1 never",
         0,
         {kJoker, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         {C(kDiamonds, A)},
         false,
         8,
         false},
        {"trick 9 always", 3, {kJoker, C(kDiamonds, 3)}, {C(kDiamonds, 4)}, false, 8, true},
        {"own group winning",
         0,
         {kJoker, C(kDiamonds, 3), C(kSpades, 3)},
         {C(kSpades, 4)},
         true,
         8,
         false},
        {"three pictures",
         3,
         {kJoker, C(kDiamonds, 3), C(kSpades, 3), C(kSpades, 5)},
         {C(kDiamonds, J), C(kDiamonds, Q), C(kDiamonds, K)},
         false,
         8,
         true},
        {"pictures enough to finish",
         3,
         {kJoker, C(kDiamonds, 3), C(kSpades, 3), C(kSpades, 5)},
         {C(kDiamonds, J), C(kDiamonds, 5)},
         false,
         1,
         true},
        {"void with a trump that takes it",
         3,
         {kJoker, C(kHearts, 3), C(kSpades, 3), C(kSpades, 5)},
         {C(kDiamonds, J), C(kDiamonds, 5)},
         false,
         8,
         false},
        {"void, trump, no picture",
         1,
         {kJoker, C(kHearts, 3), C(kSpades, 3)},
         {C(kDiamonds, 9), C(kDiamonds, 5)},
         false,
         8,
         false},
        {"only pictures of the called suit cannot beat a trump",
         2,
         {kJoker, C(kDiamonds, K), C(kSpades, 3), C(kSpades, 4), C(kSpades, 5)},
         {C(kDiamonds, 4), C(kHearts, 2 + 3)},
         false,
         8,
         true},
        {"only pictures of the called suit that can win",
         2,
         {kJoker, C(kDiamonds, K), C(kSpades, 3), C(kSpades, 4), C(kSpades, 5)},
         {C(kDiamonds, 4), C(kDiamonds, 6)},
         false,
         8,
         false},
        {"Raven wants two pictures with five cards",
         0,
         {kJoker, C(kDiamonds, 3), C(kSpades, 3), C(kSpades, 5), C(kSpades, 6)},
         {C(kDiamonds, J), C(kDiamonds, 5)},
         false,
         8,
         false},
        {"Raven takes one picture with four cards",
         0,
         {kJoker, C(kDiamonds, 3), C(kSpades, 3), C(kSpades, 5)},
         {C(kDiamonds, J), C(kDiamonds, 5)},
         false,
         8,
         true},
        {"Heron takes one picture with six cards",
         3,
         {kJoker, C(kDiamonds, 3), C(kSpades, 3), C(kSpades, 5), C(kSpades, 6), C(kSpades, 7)},
         {C(kDiamonds, J), C(kDiamonds, 5)},
         false,
         8,
         true},
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_trump = kHearts;
        t.gs.m_calledSuit = SuitOf(c.field[0]);
        // Seat 2 is to play; the field's cards come from the seats just before it.
        t.gs.m_seatPlayer[2] = c.player;
        if (c.related) {
            t.Related(1, 2);  // the partner at seat 1 is winning
        } else {
            t.Related(2, 4);  // an opponent is winning
        }
        t.gs.m_relatedNeed = t.gs.m_unrelatedNeed = c.need;
        const int size = static_cast<int>(c.field.size());
        for (int i = 0; i < size; ++i) t.gs.m_field[(2 - size + i + 5) % 5] = c.field[i];
        t.gs.m_leader = (2 - size + 5) % 5;
        t.gs.m_turn = 2;
        auto& hand = t.gs.m_hand[2];
        std::copy(c.hand.begin(), c.hand.end(), hand.begin());
        t.gs.m_handCount[2] = static_cast<int>(c.hand.size());
        const int w = t.players.OpponentWinningRank();
        EXPECT_EQ(t.players.ShouldPlayJoker(w), c.play) << c.name;
    }
}

TEST(ChooseFollowCard, EdgeCases) {
    {  // The last seat, void in the called suit, own group winning: a non-trump jack or queen.
        Table t;
        t.gs.m_trump = kHearts;
        t.Related(0, 4);
        t.Field(0, {C(kSpades, A), C(kSpades, 3), C(kSpades, 4), C(kSpades, 5)});
        t.gs.m_calledSuit = kSpades;
        t.Hand(4, {C(kClubs, 3), C(kHearts, J), C(kDiamonds, Q), C(kDiamonds, 4)});
        t.gs.m_turn = 4;
        t.gs.m_seatPlayer[4] = 0;  // as if a computer player sat there
        EXPECT_EQ(t.gs.m_hand[4][t.players.ChooseFollowCard().pos], C(kDiamonds, Q));
    }
    {  // Trick 9 with the joker: it always goes.
        Table t;
        t.gs.m_trump = kClubs;
        t.Related(1, 2);
        t.Field(0, {C(kDiamonds, 3)});
        t.Hand(1, {kJoker, C(kDiamonds, 5)});
        EXPECT_EQ(t.players.ChooseFollowCard().pos, 0);
    }
    {  // Must follow: the ace of the called suit when held, else the lowest of the suit.
        Table t;
        t.gs.m_trump = kClubs;
        t.Related(0, 3);
        t.Field(0, {C(kDiamonds, 7)});
        t.Hand(1,
               {C(kDiamonds, 3), C(kDiamonds, 9), C(kDiamonds, A), C(kSpades, 4), C(kSpades, 5)});
        EXPECT_EQ(t.gs.m_hand[1][t.players.ChooseFollowCard().pos], C(kDiamonds, A));
        t.Hand(1,
               {C(kDiamonds, 3), C(kDiamonds, 9), C(kDiamonds, K), C(kSpades, 4), C(kSpades, 5)});
        EXPECT_EQ(t.gs.m_hand[1][t.players.ChooseFollowCard().pos], C(kDiamonds, 3));
    }
    {  // The partner's ace of the called suit on the field: give it the jack or queen.
        Table t;
        t.gs.m_trump = kClubs;
        t.Related(0, 1);
        t.Field(0, {C(kDiamonds, A)});
        t.Hand(1,
               {C(kDiamonds, 3), C(kDiamonds, Q), C(kDiamonds, K), C(kSpades, 4), C(kSpades, 5)});
        EXPECT_EQ(t.gs.m_hand[1][t.players.ChooseFollowCard().pos], C(kDiamonds, Q));
    }
    {  // Void, an opponent winning, pictures on the field: the lowest trump that takes it.
        Table t;
        t.gs.m_trump = kClubs;
        t.Related(2, 4);
        t.Field(0, {C(kDiamonds, K), C(kClubs, 5)});
        t.Hand(2, {C(kClubs, 3), C(kClubs, 7), C(kClubs, 9), C(kHearts, 4), C(kSpades, 5)});
        EXPECT_EQ(t.gs.m_hand[2][t.players.ChooseFollowCard().pos], C(kClubs, 7));
    }
}

TEST(ChooseFollowCard, NeverPlaysTheJokerInTrickOne) {
    // Void in the called suit, holding the joker and otherwise only trumps, feeding a partner in
    // trick 1: the lowest card the rules allow instead of the joker.
    Table t;
    t.gs.m_trump = kHearts;
    t.Related(0, 1);
    t.Field(0, {C(kSpades, A)});
    t.gs.m_calledSuit = kSpades;
    t.Hand(1, {kJoker, C(kHearts, 3), C(kHearts, 4), C(kHearts, 5), C(kHearts, 6), C(kHearts, 7),
               C(kHearts, 8), C(kHearts, 9), C(kHearts, 10), C(kHearts, A)});
    t.gs.m_field[2] = C(kSpades, 3);
    t.gs.m_field[3] = C(kSpades, 4);
    t.gs.m_field[4] = C(kSpades, 5);
    t.gs.m_leader = 2;
    t.gs.m_turn = 1;  // the last to play: feeds its partner's ace
    EXPECT_EQ(t.players.FeedPartner(), 0);
    EXPECT_EQ(t.players.ChooseFollowCard().pos, 1);
}

TEST(TakeTrickAndFeedPartner, Orders) {
    Table t;
    t.gs.m_trump = kHearts;
    t.gs.m_calledSuit = kDiamonds;
    t.gs.m_turn = 1;
    t.Hand(1, {C(kDiamonds, 4), C(kDiamonds, J), C(kDiamonds, Q), C(kDiamonds, A), C(kSpades, 3)});
    EXPECT_EQ(t.players.TakeTrick(C(kDiamonds, Q) + 100), 3);  // the ace
    EXPECT_EQ(t.players.TakeTrick(C(kHearts, 3) + 200), 0);    // cannot win: the lowest
    EXPECT_EQ(t.players.FeedPartner(), 1);                     // the jack
    t.Hand(1, {C(kDiamonds, 4), C(kDiamonds, K), C(kDiamonds, A), C(kSpades, 3)});
    EXPECT_EQ(t.players.FeedPartner(), 0) << "never the king or the ace";
    t.Hand(1, {C(kClubs, K), C(kHearts, Q), C(kSpades, 3), C(kSpades, Q)});
    EXPECT_EQ(t.players.FeedPartner(), 3) << "void: a non-trump queen";
    t.Hand(1, {C(kClubs, K), C(kHearts, 4), C(kSpades, A)});
    EXPECT_EQ(t.players.FeedPartner(), 0) << "void: a non-trump king before an ace";
}

TEST(ChooseLeadCard, LeadOrdersByCharacter) {
    struct Case {
        const char* name;
        int player;
        int trump;
        std::vector<CardId> hand;
        CardId lead;
    } cases[] = {
        {"Raven skips the joker with eight cards",
         0,
         kHearts,
         {kJoker, C(kClubs, J), C(kClubs, K), C(kDiamonds, 5), C(kHearts, 3), C(kHearts, 4),
          C(kHearts, 6), C(kHearts, 9)},
         C(kDiamonds, 5)},
        {"Raven leads a non-trump top card first",
         0,
         kHearts,
         {C(kClubs, 3), C(kDiamonds, A), C(kHearts, A)},
         C(kDiamonds, A)},
        {"Shrike without trumps leads the first ace",
         1,
         kSpades,
         {C(kClubs, 4), C(kClubs, A), C(kDiamonds, A), C(kHearts, 4)},
         C(kClubs, A)},
        {"Shrike leads a top trump",
         1,
         kSpades,
         {C(kClubs, A), C(kSpades, 4), C(kSpades, A)},
         C(kSpades, A)},
        {"Magpie leads top cards, then low",
         2,
         kSpades,
         {C(kClubs, 4), C(kClubs, K), C(kDiamonds, A)},
         C(kDiamonds, A)},
        {"Heron leads a non-trump low card",
         3,
         kSpades,
         {C(kClubs, A), C(kDiamonds, 6), C(kSpades, 3)},
         C(kDiamonds, 6)},
        {"Heron leads a low trump only without other choices",
         3,
         kSpades,
         {C(kClubs, K), C(kSpades, 3), C(kSpades, A)},
         C(kSpades, 3)},
        {"Heron prefers a non-trump top card to a low trump",
         3,
         kSpades,
         {C(kClubs, A), C(kSpades, 3)},
         C(kClubs, A)},
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_trump = c.trump;
        t.gs.m_seatPlayer = {c.player, (c.player + 1) % 4, (c.player + 2) % 4, (c.player + 3) % 4,
                             4};
        t.gs.m_leader = t.gs.m_turn = 0;
        auto& hand = t.gs.m_hand[0];
        std::copy(c.hand.begin(), c.hand.end(), hand.begin());
        t.gs.m_handCount[0] = static_cast<int>(c.hand.size());
        EXPECT_EQ(hand[t.players.ChooseLeadCard().pos], c.lead) << c.name;
        EXPECT_TRUE(t.host.m_callouts.empty()) << c.name;
    }
}

}  // namespace
}  // namespace quintrick
