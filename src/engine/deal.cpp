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
    // (rand() % 10), a second seat and position, in that order. The draws are taken first, in one
    // row of four per exchange, without a branch: every draw is written at the next free place,
    // which then moves on unless the draw is a seat above 4 (seats are at even places). The
    // exchanges are then made in the order they were drawn.
    constexpr unsigned kExchanges = 200;
    // Drawn two at a time: room for one draw past the last place, which changes nothing.
    std::array<std::uint8_t, 4 * kExchanges + 2> draws;
    Lcg rng(seed);
    unsigned next = 0;
    const auto place = [&](int rand) {
        const auto draw = static_cast<unsigned>(rand) % 10u;
        draws[next] = static_cast<std::uint8_t>(draw);
        next += (next & 1u) | unsigned(draw <= 4u);
    };
    while (next < 4 * kExchanges) {
        const auto [first, second] = rng.Rand2();
        place(first);
        place(second);
    }
    for (unsigned k = 0; k < 4 * kExchanges; k += 4) {
        std::swap(gs.m_hand[draws[k]][draws[k + 1]], gs.m_hand[draws[k + 2]][draws[k + 3]]);
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
