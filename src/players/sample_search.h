// The card choice of the sampling player: the cards a seat cannot see are dealt to the other
// seats many times, consistently with what the seat knows, each such world is played out to the
// end of the battle with the characters' rules, and the legal card with the best average result
// for the seat's group, in points of the judgement table, is chosen.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/game_state.h"
#include "engine/judgement.h"
#include "play_log.h"

namespace quintrick {

// The sampling budget of the game: worlds per card decision.
inline constexpr int kDefaultSamples = 96;

// A small generator of the sampling player's own (splitmix64): it never touches the generator
// of the deal and of the characters' declarations.
class SampleRng {
  public:
    explicit SampleRng(std::uint64_t seed = 0) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t m_state;
};

struct SearchOption {
    int pos = 0;          // position in the seat's hand
    int suit = -1;        // called suit when the joker is led, else -1
    double points = 0;    // average final points of the game for the seat's player
    double winShare = 0;  // share of worlds in which the seat's group won the battle
};

struct SearchResult {
    SearchOption best;
    std::vector<SearchOption> options;  // every legal choice, in hand order
    int worlds = 0;                     // worlds played out (0: only one legal choice)
};

// How the search values the end of a battle, for each related player (an unrelated player counts
// -2/3 of it, as the point table gives).
struct BattleScore {
    bool decided = false;
    bool relatedWon = false;
    bool set = false;   // the points replace the game's row instead of adding to it
    double points = 0;  // for each related player
};

// What the next battle is worth to a related player when the related group wins battle `battle`
// (1 or 2).
double NextBattleValue(int battle);

// The search's value of the judgement `verdict` (from JudgeOf) in battle `battle`: the points of
// its row of the table, and NextBattleValue when the related group wins a battle before the last.
// A sweep is valued as though nobody declared.
BattleScore ScoreOf(const Verdict& verdict, int battle);

// The choice of `seat` (which must be m_turn) in `gs`, from that seat's information only: its
// own hand, the public state and `log`. The same information and seed give the same choice.
SearchResult SearchCard(const GameState& gs, const CPlayLog& log, int seat, int samples,
                        std::uint64_t seed);

// The same search over the one true world, `gs` itself, seen whole: a yardstick for measuring
// the search against a player who sees every card, never a player of the game, and the value of
// every legal choice with all cards seen in the review (each choice played out once, a lone
// choice too).
SearchResult SearchCardSeeingAll(const GameState& gs, int seat);

// One world: the unseen cards dealt to the other seats of a copy of `gs`, consistently with
// `seat`'s knowledge; false when no consistent deal was found. For tests and tools.
bool SampleWorld(const GameState& gs, const CPlayLog& log, int seat, SampleRng& rng,
                 GameState& world);

}  // namespace quintrick
