#include "deal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>

#include "lcg.h"

namespace quintrick {

int ClockSeed(const LocalTime& time) {
    if (!time.valid) return -1 + 60 * -1 + -1;
    return time.second + 60 * time.minute + time.hour;
}

void DealCards(GameState& gs, int seed) {
    CardId id = 0;
    for (auto& hand : gs.m_hand) {
        for (auto& card : hand) {
            if (id == 13 || id == 26) ++id;
            card = id++;
        }
    }
    // Each exchange takes a seat (a draw rand() % 10, drawn again while above 4), a position
    // (rand() % 10), a second seat and position, in that order. The draws run through one loop
    // that keeps the four numbers of the exchange being drawn: a rejected seat draw only leaves
    // its place to be drawn again, without a branch of its own.
    Lcg rng(seed);
    std::array<unsigned, 4> drawn{};
    unsigned place = 0;  // 0 seat A, 1 position A, 2 seat B, 3 position B
    for (int exchanges = 0; exchanges < 200;) {
        const unsigned draw = static_cast<unsigned>(rng.Rand()) % 10u;
        drawn[place] = draw;
        place += (place & 1u) | unsigned(draw <= 4u);
        if (place == 4) {
            std::swap(gs.m_hand[drawn[0]][drawn[1]], gs.m_hand[drawn[2]][drawn[3]]);
            place = 0;
            ++exchanges;
        }
    }
    // The ten distinct cards of a hand in ascending order, read back from a set of bits.
    for (auto& hand : gs.m_hand) {
        std::uint64_t held = 0;
        for (CardId card : hand) held |= std::uint64_t(1) << card;
        for (auto& card : hand) {
            card = CardId(std::countr_zero(held));
            held &= held - 1;
        }
    }
}

void SortHands(GameState& gs) {
    // All ten positions are sorted whatever the count; the ids are distinct, so the order is
    // the one ascending order.
    for (auto& hand : gs.m_hand) std::sort(hand.begin(), hand.end());
}

}  // namespace quintrick
