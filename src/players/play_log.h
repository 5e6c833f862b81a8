// What every seat at the table has seen of the current battle beyond the game state: which
// seats showed that they hold no card of a suit or no joker, and which show cards were put out.
// It learns it from the match's events, so whoever drives the engine passes them on to it.
#pragma once

#include <array>
#include <vector>

#include "engine/game_state.h"
#include "engine/observer.h"

namespace quintrick {

class CPlayLog : public IGameObserver {
  public:
    explicit CPlayLog(const GameState& gs) : m_gs(gs) { Clear(); }
    // What `other` has seen, kept beside `gs` (a copy of the state `other` watches).
    CPlayLog(const GameState& gs, const CPlayLog& other)
        : m_gs(gs),
          m_voids(other.m_voids),
          m_noJoker(other.m_noJoker),
          m_playedBy(other.m_playedBy),
          m_shown(other.m_shown),
          m_plays(other.m_plays) {}

    // A new deal starts a new battle.
    void OnDeal(int seed) override;
    void OnShow(int seat, CardId first, CardId second) override;
    void OnPlay(int seat, CardId card, const char* why) override;

    // True when `seat` is known to hold no card of `suit` (the joker aside).
    bool Void(int seat, int suit) const { return (m_voids[seat] >> suit) & 1; }
    // True when `seat` is known not to hold the joker.
    bool NoJoker(int seat) const { return m_noJoker[seat]; }

    struct Shown {
        int seat;
        CardId card;
    };
    // The seat that played `card` in this battle, or -1.
    int PlayedBy(CardId card) const { return card >= 0 && card < 52 ? m_playedBy[card] : -1; }

    // Every card played in this battle, in order, with the trick's leader and called suit.
    struct Play {
        int seat;
        CardId card;
        int leader;
        int calledSuit;
    };
    const std::vector<Play>& Plays() const { return m_plays; }

    // The show cards of this battle, which stay in their seat's hand until played.
    const std::vector<Shown>& ShowCards() const { return m_shown; }

    // Forgets the battle (also when the state was restored in the middle of one).
    void Clear();
    // Knows again what `other` knew (a state taken back to an earlier point).
    void CopyFrom(const CPlayLog& other) {
        m_voids = other.m_voids;
        m_noJoker = other.m_noJoker;
        m_playedBy = other.m_playedBy;
        m_shown = other.m_shown;
        m_plays = other.m_plays;
    }

  private:
    const GameState& m_gs;
    std::array<unsigned, kSeats> m_voids{};
    std::array<bool, kSeats> m_noJoker{};
    std::array<int, 52> m_playedBy{};
    std::vector<Shown> m_shown;
    std::vector<Play> m_plays;
};

}  // namespace quintrick
