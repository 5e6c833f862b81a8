#include "deal.h"

#include <algorithm>
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
    Lcg rng(seed);
    // rand() % 10 (a draw is never negative).
    auto draw10 = [&rng] { return static_cast<unsigned>(rng.Rand()) % 10u; };
    auto drawSeat = [&draw10] {
        unsigned seat = draw10();
        while (seat > 4) seat = draw10();
        return seat;
    };
    for (int i = 0; i < 200; ++i) {
        const unsigned seatA = drawSeat();
        const unsigned posA = draw10();
        const unsigned seatB = drawSeat();
        const unsigned posB = draw10();
        std::swap(gs.m_hand[seatA][posA], gs.m_hand[seatB][posB]);
    }
    SortHands(gs);
}

void SortHands(GameState& gs) {
    // All ten positions are sorted whatever the count; the ids are distinct, so any ascending
    // sort gives the hands the ten bubble passes give.
    for (auto& hand : gs.m_hand) std::sort(hand.begin(), hand.end());
}

}  // namespace quintrick
