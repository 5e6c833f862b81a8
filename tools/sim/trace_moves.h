// The games of a match trace (JSON Lines as --trace writes them) as kept games: the events of
// each game, with the seating it began with and the points its result showed.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

#include "engine/game_moves.h"

namespace quintrick {

struct TracedGame {
    int match = 0;  // the trace's match number
    GameMoves moves;
    std::array<int, kSeats> points{};  // by player, from the game's result
};

// Reads every game of a trace that reached its result; false with the reason (line number and
// what is wrong) when a line cannot be read.
bool ReadTracedGames(std::istream& in, std::vector<TracedGame>& games, std::string& why);

}  // namespace quintrick
