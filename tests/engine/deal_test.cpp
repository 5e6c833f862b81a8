#include "engine/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "engine/lcg.h"

namespace quintrick {
namespace {

TEST(Lcg, ReproducesTheRuntimeLibrarySequence) {
    // The well-known first draws of the runtime library's generator after seeding with 1.
    Lcg rng(1);
    EXPECT_EQ(rng.Rand(), 41);
    EXPECT_EQ(rng.Rand(), 18467);
    EXPECT_EQ(rng.Rand(), 6334);
    EXPECT_EQ(rng.Rand(), 26500);
    Lcg zero(0);
    EXPECT_EQ(zero.Rand(), 38);  // (0 * 214013 + 2531011) >> 16 & 0x7FFF
    // Two draws at once are the next two draws, and leave the generator where they would.
    for (int seed : {1, 0, -62, 3622, 0x7fffffff}) {
        Lcg one(seed), two(seed);
        for (int k = 0; k < 1000; ++k) {
            const auto [first, second] = two.Rand2();
            ASSERT_EQ(first, one.Rand()) << seed << " " << k;
            ASSERT_EQ(second, one.Rand()) << seed << " " << k;
        }
    }
}

TEST(ClockSeed, AddsTheHourOnce) {
    struct Case {
        LocalTime time;
        int seed;
    } cases[] = {
        {{0, 0, 0, true}, 0},
        {{23, 59, 59, true}, 3622},
        {{12, 30, 15, true}, 15 + 1800 + 12},
        {{5, 5, 5, false}, -62},  // an unreadable clock counts -1 three times
    };
    for (const auto& c : cases) EXPECT_EQ(ClockSeed(c.time), c.seed);
}

std::multiset<CardId> AllCards(const GameState& gs) {
    std::multiset<CardId> cards;
    for (const auto& hand : gs.m_hand) cards.insert(hand.begin(), hand.end());
    return cards;
}

TEST(DealCards, DealsEachValidCardOnceInSortedHands) {
    for (int seed : {0, 1, 59, 3622, -62, 1234}) {
        GameState gs;
        DealCards(gs, seed);
        const auto cards = AllCards(gs);
        ASSERT_EQ(cards.size(), 50u);
        for (CardId id = 0; id < 52; ++id) {
            EXPECT_EQ(cards.count(id), IsValidCard(id) ? 1u : 0u) << "card " << id;
        }
        for (const auto& hand : gs.m_hand) {
            EXPECT_TRUE(std::is_sorted(hand.begin(), hand.end()));
            // The joker, when held, is at position 0.
            EXPECT_EQ(std::count(hand.begin() + 1, hand.end(), kJoker), 0);
        }
    }
}

TEST(DealCards, DependsOnlyOnTheSeed) {
    GameState a, b, c;
    DealCards(a, 727);
    b.m_hand[2][3] = 40;  // left-overs of an earlier deal do not matter
    DealCards(b, 727);
    DealCards(c, 728);
    EXPECT_EQ(a.m_hand, b.m_hand);
    EXPECT_NE(a.m_hand, c.m_hand);
}

// The hands of the deal for fixed seeds, stored as data (tests/engine/data/deals.txt).
// QUINTRICK_REGENERATE_DEALS=FILE writes the stored deals as the game deals them now to FILE,
// same seeds and comments (tools/regenerate-goldens deals).
TEST(DealCards, GivesTheStoredHandsForFixedSeeds) {
    std::ifstream in(QUINTRICK_DEALS_FILE);
    ASSERT_TRUE(in) << QUINTRICK_DEALS_FILE;
    const char* regenerate = std::getenv("QUINTRICK_REGENERATE_DEALS");
    std::ofstream out;
    if (regenerate) out.open(regenerate);
    std::string line;
    int deals = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            if (out.is_open()) out << line << '\n';
            continue;
        }
        std::istringstream fields(line);
        int seed = 0;
        char colon = 0;
        ASSERT_TRUE(fields >> seed >> colon && colon == ':') << line;
        std::array<std::array<CardId, kHandSize>, kSeats> stored{};
        for (int seat = 0; seat < kSeats; ++seat) {
            if (seat > 0) {
                char bar = 0;
                ASSERT_TRUE(fields >> bar && bar == '|') << line;
            }
            for (CardId& card : stored[seat]) ASSERT_TRUE(fields >> card) << line;
        }
        GameState gs;
        DealCards(gs, seed);
        if (out.is_open()) {
            out << seed << ':';
            for (int seat = 0; seat < kSeats; ++seat) {
                if (seat > 0) out << " |";
                for (CardId card : gs.m_hand[seat]) out << ' ' << int(card);
            }
            out << '\n';
        }
        EXPECT_EQ(gs.m_hand, stored) << "seed " << seed;
        ++deals;
    }
    EXPECT_GE(deals, 8);
}

// Every seed a clock can give, against the deals recorded before the deal was last made faster:
// one hash over all their hands.
TEST(DealCards, EveryClockSeedGivesTheRecordedDeals) {
    std::uint64_t h = 1469598103934665603ull;
    GameState gs;
    const auto deal = [&](int seed) {
        DealCards(gs, seed);
        for (const auto& hand : gs.m_hand) {
            for (CardId card : hand) h = (h ^ std::uint64_t(card + 1)) * 1099511628211ull;
        }
    };
    deal(-62);  // an unreadable clock
    for (int seed = 0; seed <= 3622; ++seed) deal(seed);
    EXPECT_EQ(h, 6390894368023688349ull);
}

TEST(GameState, RemoveAndInsertKeepTheHandInOrder) {
    GameState gs;
    gs.m_hand[4] = {0, 3, 5, 17, 20, 33, 40, 41, 50, 51};
    gs.m_handCount[4] = 10;
    EXPECT_EQ(gs.RemoveFromHand(4, 3), 17);
    EXPECT_EQ(gs.m_handCount[4], 9);
    EXPECT_EQ(gs.m_hand[4][3], 20);
    EXPECT_EQ(gs.m_hand[4][8], 51);
    gs.InsertIntoHand(4, 3, 17);
    EXPECT_EQ(gs.m_hand[4], (std::array<CardId, 10>{0, 3, 5, 17, 20, 33, 40, 41, 50, 51}));
}

}  // namespace
}  // namespace quintrick
