// Writes the events of simulated matches as JSON Lines, one object per event.
#pragma once

#include <ostream>

#include "engine/game_state.h"
#include "engine/observer.h"
#include "match_runner.h"

namespace quintrick {

class TraceWriter : public IGameObserver {
  public:
    TraceWriter(std::ostream& out, const GameState& gs) : m_out(out), m_gs(gs) {}

    void OnGameStart(int game, int trump) override;
    void OnDeal(int seed) override;
    void OnRedeal(int seed) override;
    void OnExchange(int a, int b) override;
    void OnRelated() override;
    void OnLeader(int seat) override;
    void OnShow(int seat, CardId first, CardId second) override;
    void OnTrump(int seat, int suit) override;
    void OnCall(int seat, int suit) override;
    void OnPlay(int seat, CardId card, const char* why) override;
    void OnTrick(int winner, int related, int unrelated) override;
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override;
    void OnResult(int result) override;
    void OnStones(int player, int character, int delta, int stored) override;
    void End(int matches);
    // A choice of the human seat's policy (only for a policy other than the default).
    void OnHuman(HumanPolicy policy, const HumanChoice& choice);
    // The next match written gets the index `index` + 1.
    void SetMatchesBefore(int index) { m_match = index; }

  private:
    std::ostream& m_out;
    const GameState& m_gs;
    int m_match = 0;
};

}  // namespace quintrick
