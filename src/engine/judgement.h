// What a trick decides: the judgement from the picture cards each group has taken, and the row of
// the point table it books. Pure functions of the state: the engine, the sampling player and the
// tests all judge through JudgeOf.
#pragma once

#include "game_state.h"

namespace quintrick {

// Results of the judgement of a trick.
enum JudgeResult : int { kBattleGoesOn = 0, kGameOver = 1, kNextBattle = 2 };

// What a trick decided.
enum class Judgement : int {
    kNothing,         // the battle goes on
    kSixteenMissed,   // against a "16" of the related group the other group took a picture
    kSixteenMade,     // the related group took all sixteen pictures after declaring "16"
    kReverseMissed,   // against a reverse 16 of the unrelated group the related group took one
    kReverseMade,     // the unrelated group took all sixteen after declaring reverse 16
    kRelatedWins,     // the related group reached its target, the other group took some
    kRelatedSweep,    // ... and the other group took none: the related group may declare "16"
    kUnrelatedWins,   // the unrelated group reached its target, the other group took some
    kUnrelatedSweep,  // ... and the other group took none: it may declare reverse 16
};

// A row of the point table: the points of each seat of the related and of the unrelated group.
// A `set` row replaces the game's row (the game ends with it), any other row is added to it.
struct PointRow {
    bool set = false;
    int related = 0;
    int unrelated = 0;
};

struct Verdict {
    Judgement judgement = Judgement::kNothing;
    // What follows; for a sweep, what follows when the sweeping group does not declare.
    JudgeResult result = kBattleGoesOn;
    // The points booked; for a sweep, those booked when the sweeping group does not declare.
    PointRow points;
    bool relatedWon = false;  // the related group won the battle (once it is decided)

    bool Decided() const { return result != kBattleGoesOn; }
    bool Sweep() const {
        return judgement == Judgement::kRelatedSweep || judgement == Judgement::kUnrelatedSweep;
    }
};

// The judgement after a trick of the current battle (m_battle, m_declaration, the targets), when
// the related group has taken `related` pictures and the unrelated group `unrelated`.
Verdict JudgeOf(const GameState& gs, int related, int unrelated);

// The row of the point table that `judgement` books in `battle` (1..3): a row of zeros where it
// books nothing.
PointRow PointsOf(Judgement judgement, int battle);

}  // namespace quintrick
