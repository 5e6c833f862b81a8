// A kept game played again through the engine itself: the deals come from their seeds, every
// decision from the record, and every event the engine reports must be the one recorded, so a
// record that does not describe a game the rules allow is refused at the first move that differs.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/game_moves.h"
#include "engine/game_state.h"
#include "players/play_log.h"

namespace quintrick {

class CGameReplay {
  public:
    explicit CGameReplay(GameMoves moves);
    ~CGameReplay();
    CGameReplay(const CGameReplay&) = delete;
    CGameReplay& operator=(const CGameReplay&) = delete;

    // Before each of the human's card plays: the state and what the table has seen, and the index
    // of the play in the moves (a called suit of a led joker comes just before it).
    std::function<void(const GameState& gs, const CPlayLog& log, int move)> m_onHumanCard;
    // After each recorded move has been matched: the state and the move's index.
    std::function<void(const GameState& gs, int move)> m_onMove;

    // Plays the moves again. `whole`: the record must reach the game's result (a stored game);
    // otherwise it may stop anywhere (a game in progress). False with the reason when the engine
    // does not make the recorded moves.
    bool Run(bool whole, std::string* why);
    // The game's points by player once its result was reached (zeros before).
    const std::array<int, kSeats>& Points() const { return m_points; }
    bool ReachedResult() const { return m_reachedResult; }

  private:
    class Driver;
    GameMoves m_moves;
    std::array<int, kSeats> m_points{};
    bool m_reachedResult = false;
};

}  // namespace quintrick
