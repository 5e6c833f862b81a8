// Dealing the fifty cards and keeping hands sorted.
#pragma once

#include "game_state.h"
#include "host.h"

namespace quintrick {

// The generator seed of a clock reading: second + 60 * minute + hour (the hour is added once);
// an unreadable clock counts -1 for each of the three.
int ClockSeed(const LocalTime& time);

// Fills the five hands in seat order, makes exactly 200 exchanges drawn from a generator seeded
// with `seed`, and sorts the hands.
void DealCards(GameState& gs, int seed);

// Sorts all ten positions of each of the five hands in ascending order.
void SortHands(GameState& gs);

}  // namespace quintrick
