#include <gtest/gtest.h>

#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;

TEST(ShouldLeadJoker, EachCharacterFromItsTrick) {
    // Player: the most cards with which it still leads the joker.
    const int leadsWith[4] = {5, 4, 6, 3};
    for (int player = 0; player < 4; ++player) {
        for (int n = 2; n <= 10; ++n) {
            Table t;
            t.gs.m_seatPlayer[0] = player;
            t.gs.m_leader = t.gs.m_turn = 0;
            std::vector<CardId> hand = {kJoker};
            for (int i = 1; i < n; ++i) hand.push_back(MakeCard(kSpades, i));
            std::copy(hand.begin(), hand.end(), t.gs.m_hand[0].begin());
            t.gs.m_handCount[0] = n;
            const CardChoice choice = t.players.ChooseLeadCard();
            EXPECT_EQ(choice.pos == 0, n <= leadsWith[player]) << "player " << player << ", " << n;
            EXPECT_EQ(choice.jokerSuit >= 0, n <= leadsWith[player]);
            EXPECT_TRUE(t.host.m_callouts.empty()) << "the decision announces nothing";
        }
    }
}

TEST(ShouldLeadJoker, CallsTheSuitOfItsCharacter) {
    struct Case {
        int player;
        std::array<int, 4> pictures, plain;
        int suit;
    } cases[] = {
        {0, {2, 1, 0, 3}, {0, 0, 0, 0}, kHearts},    // fewest pictures played
        {3, {1, 1, 1, 1}, {0, 0, 0, 0}, kClubs},     // ties to the lowest suit
        {1, {0, 0, 0, 0}, {3, 2, 4, 2}, kDiamonds},  // fewest low cards played
        {2, {0, 5, 5, 5}, {4, 3, 2, 1}, kSpades},
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_seatPlayer[3] = c.player;
        t.gs.m_leader = t.gs.m_turn = 3;
        t.Hand(3, {kJoker, C(kClubs, 5)});
        t.gs.m_picturePlayed = c.pictures;
        t.gs.m_plainPlayed = c.plain;
        const CardChoice choice = t.players.ChooseLeadCard();
        EXPECT_EQ(choice.pos, 0);
        EXPECT_EQ(choice.jokerSuit, c.suit);
        EXPECT_STREQ(choice.why, "joker-lead");
        EXPECT_TRUE(t.host.m_callouts.empty()) << "the engine announces the call";
    }
}

TEST(ChooseShowCards, LongestSuitThenJokerOrAnotherAce) {
    struct Case {
        const char* name;
        std::array<CardId, 10> hand;
        CardId first, second;
    } cases[] = {
        {"the joker replaces the second card",
         {kJoker, C(kClubs, 3), C(kDiamonds, 4), C(kDiamonds, 9), C(kDiamonds, K), C(kHearts, A),
          C(kSpades, 3), C(kSpades, 4), C(kSpades, 6), C(kSpades, 10)},
         C(kSpades, 10),
         kJoker},
        {"an ace of another suit replaces it",
         {C(kClubs, 3), C(kClubs, A), C(kDiamonds, 4), C(kDiamonds, 9), C(kDiamonds, K),
          C(kDiamonds, A), C(kHearts, 5), C(kSpades, 3), C(kSpades, 4), C(kSpades, 5)},
         C(kDiamonds, A),
         C(kClubs, A)},
        {"ties go to the lower suit, no replacement",
         {C(kClubs, 3), C(kClubs, 5), C(kClubs, 9), C(kDiamonds, 4), C(kDiamonds, 9),
          C(kDiamonds, K), C(kHearts, 5), C(kHearts, 6), C(kSpades, 3), C(kSpades, 4)},
         C(kClubs, 9),
         C(kClubs, 5)},
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_showPartner = 2;
        t.gs.m_hand[2] = c.hand;
        t.gs.m_handCount[2] = 10;
        const std::array<CardId, 2> shown = t.players.ChooseShowCards();
        EXPECT_EQ(shown[0], c.first) << c.name;
        EXPECT_EQ(shown[1], c.second) << c.name;
        EXPECT_EQ(t.gs.m_handCount[2], 10) << "the cards are only shown";
    }
}

TEST(ChooseTrumpAlone, CountsBothHandsWithTheJokerAsAClub) {
    Table t;
    t.gs.m_trumpPartner = 1;
    t.gs.m_showPartner = 3;
    t.gs.m_hand[1] = {kJoker,        C(kClubs, 3),  C(kClubs, 4),    C(kHearts, 3),
                      C(kHearts, 4), C(kHearts, 5), C(kDiamonds, 3), C(kDiamonds, 4),
                      C(kSpades, 3), C(kSpades, 4)};
    t.gs.m_hand[3] = {C(kClubs, 5),  C(kClubs, 6),  C(kClubs, 7),    C(kClubs, 8),  C(kHearts, 6),
                      C(kHearts, 7), C(kHearts, 8), C(kDiamonds, 5), C(kSpades, 5), C(kSpades, 6)};
    t.gs.m_handCount.fill(10);
    // Clubs 7 with the joker, hearts 6.
    EXPECT_EQ(t.players.ChooseTrumpAlone(), kClubs);
    EXPECT_TRUE(t.host.m_callouts.empty()) << "the engine announces the trump";
}

TEST(ChooseTrumpFromShowCards, HumanHandPartnerHandSumOrShowCard) {
    struct Case {
        const char* name;
        std::vector<CardId> human;  // eight cards in hand
        std::array<CardId, 2> shown;
        std::array<CardId, 10> partner;
        int trump;
    } cases[] = {
        {"six hearts with the human (two of them shown)",
         {C(kHearts, 3), C(kHearts, 4), C(kHearts, 5), C(kHearts, 6), C(kClubs, 3), C(kClubs, 4),
          C(kSpades, 3), C(kSpades, 4)},
         {C(kHearts, A), C(kHearts, K)},
         {C(kDiamonds, 3), C(kDiamonds, 4), C(kDiamonds, 5), C(kDiamonds, 6), C(kDiamonds, 7),
          C(kDiamonds, 8), C(kClubs, 5), C(kClubs, 6), C(kSpades, 5), C(kSpades, 6)},
         kHearts},
        {"six diamonds with the partner",
         {C(kHearts, 3), C(kHearts, 4), C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kSpades, 3),
          C(kSpades, 4), C(kSpades, 5)},
         {C(kHearts, A), C(kDiamonds, K)},
         {C(kDiamonds, 3), C(kDiamonds, 4), C(kDiamonds, 5), C(kDiamonds, 6), C(kDiamonds, 7),
          C(kDiamonds, 8), C(kClubs, 6), C(kClubs, 7), C(kSpades, 6), C(kSpades, 7)},
         kDiamonds},
        {"eight clubs together",
         {C(kClubs, 3), C(kClubs, 4), C(kClubs, 5), C(kHearts, 3), C(kHearts, 4), C(kSpades, 3),
          C(kSpades, 4), C(kDiamonds, 3)},
         {C(kClubs, A), C(kHearts, K)},
         {C(kClubs, 6), C(kClubs, 7), C(kClubs, 8), C(kClubs, 9), C(kDiamonds, 4), C(kDiamonds, 5),
          C(kHearts, 5), C(kHearts, 6), C(kSpades, 5), C(kSpades, 6)},
         kClubs},
        {"else the first show card that is not the joker",
         {C(kClubs, 3), C(kClubs, 4), C(kDiamonds, 3), C(kDiamonds, 4), C(kHearts, 3),
          C(kHearts, 4), C(kSpades, 3), C(kSpades, 4)},
         {kJoker, C(kSpades, K)},
         {C(kClubs, 6), C(kClubs, 7), C(kDiamonds, 5), C(kDiamonds, 6), C(kDiamonds, 7),
          C(kHearts, 5), C(kHearts, 6), C(kSpades, 5), C(kSpades, 6), C(kSpades, 7)},
         kSpades},
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_trumpPartner = 0;
        std::copy(c.human.begin(), c.human.end(), t.gs.m_hand[4].begin());
        t.gs.m_handCount[4] = 8;
        t.gs.m_showCard = c.shown;
        t.gs.m_showCount = 2;
        t.gs.m_hand[0] = c.partner;
        t.gs.m_handCount[0] = 10;
        EXPECT_EQ(t.players.ChooseTrumpFromShowCards(), c.trump) << c.name;
        EXPECT_TRUE(t.host.m_callouts.empty()) << c.name;
    }
}

}  // namespace
}  // namespace quintrick
