// Whole matches played headless with every finished game kept move by move, with the points the
// game's row of the score table showed at its end.
#pragma once

#include <vector>

#include "engine/game_moves.h"
#include "match_runner.h"

namespace quintrick::test {

struct KeptGame {
    GameMoves moves;
    std::array<int, kSeats> points{};  // by player
};

// Keeps each game as it ends; add it to the host after a CMoveRecorder it reads from.
class GameKeeper : public IGameObserver {
  public:
    GameKeeper(const GameState& gs, const CMoveRecorder& recorder)
        : m_gs(gs), m_recorder(recorder) {}
    void OnResult(int result) override {
        if (result != 1 || !m_recorder.Moves().Complete()) return;
        m_games.push_back({m_recorder.Moves(), m_gs.m_points[m_gs.m_game - 1]});
    }
    std::vector<KeptGame> m_games;

  private:
    const GameState& m_gs;
    const CMoveRecorder& m_recorder;
};

// Plays `matches` matches and returns their games.
inline std::vector<KeptGame> PlayAndKeep(int character, int start, int matches,
                                         const RunnerOptions& options) {
    MatchRunner runner(character, start, matches, options);
    runner.m_host.m_keepLog = false;
    CMoveRecorder recorder(runner.m_gs);
    GameKeeper keeper(runner.m_gs, recorder);
    runner.m_host.AddObserver(&recorder);
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    runner.RunToEnd();
    return keeper.m_games;
}

}  // namespace quintrick::test
