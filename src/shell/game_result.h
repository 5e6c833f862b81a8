// The result of the game just over, gathered from the match's events: how each battle ended,
// every player's points for the game and for the match so far, the pictures each took, and after
// the tenth game the ranks and the stones. Shown by the result panel; its plain text can be read
// out.
#pragma once

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/observer.h"

namespace quintrick {

struct GameResult {
    int game = 0;                        // 1..10; 0 before any game ended
    std::vector<int> battleOutcome;      // per battle that ended: the message saying how
    std::array<int, kSeats> points{};    // by player: this game
    std::array<int, kSeats> totals{};    // by player: the match so far
    std::array<int, kSeats> pictures{};  // by player: pictures taken this game
    std::array<bool, kSeats> related{};  // by player: in the related group this game
    std::array<std::string, kSeats> names;
    bool matchOver = false;              // the tenth game: ranks and stones below are set
    std::array<int, kSeats> ranks{};     // by player
    std::array<int, kSeats> stones{};    // by player: credited by this match
    std::array<int, kSeats> accounts{};  // by player: the account after the credit
};

class CGameResultCollector final : public IGameObserver {
  public:
    explicit CGameResultCollector(const GameState& gs) : m_gs(gs) {}

    void OnGameStart(int game, int trump) override;
    void OnOutcome(int stringId) override;
    void OnResult(int result) override;
    void OnStones(int player, int character, int delta, int stored) override;

    // The last game that ended (game 0 while none has).
    const GameResult& Result() const { return m_result; }
    // The result is complete and not yet shown.
    bool Pending() const { return m_pending; }
    void Shown() { m_pending = false; }

  private:
    const GameState& m_gs;
    GameResult m_game;    // the game in progress
    GameResult m_result;  // the last game over
    bool m_pending = false;
};

// The result as lines of plain text, in the interface language (for the panel's accessible
// description and announcements).
QString ResultPlainText(const GameResult& result);
// Points as the result shows them: "+5", "0", "-3".
QString SignedPoints(int value);

}  // namespace quintrick
