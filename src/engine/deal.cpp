#include "deal.h"

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
    auto drawSeat = [&rng] {
        int seat = rng.Rand() % 10;
        while (seat > 4) seat = rng.Rand() % 10;
        return seat;
    };
    for (int i = 0; i < 200; ++i) {
        const int seatA = drawSeat();
        const int posA = rng.Rand() % 10;
        const int seatB = drawSeat();
        const int posB = rng.Rand() % 10;
        std::swap(gs.m_hand[seatA][posA], gs.m_hand[seatB][posB]);
    }
    SortHands(gs);
}

void SortHands(GameState& gs) {
    for (auto& hand : gs.m_hand) {
        for (int pass = 0; pass < kHandSize; ++pass) {
            for (int i = 0; i + 1 < kHandSize; ++i) {
                if (hand[i] > hand[i + 1]) std::swap(hand[i], hand[i + 1]);
            }
        }
    }
}

}  // namespace quintrick
