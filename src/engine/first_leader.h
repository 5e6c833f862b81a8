// Who leads the first trick of a game.
#pragma once

#include "game_state.h"

namespace quintrick {

// The first leader of a game whose kan holders are both computers: the lower-numbered holder when
// the clock's second is even, else the higher-numbered one.
int ClockLeader(const GameState& gs, bool evenSecond);

}  // namespace quintrick
