#include "judgement.h"

namespace quintrick {
namespace {

// The point table. Every unrelated seat gets -2/3 of what a related seat gets, so that a game's
// row adds up to zero (two related seats, three unrelated ones).
constexpr PointRow kNoPoints{};
constexpr PointRow kSixteenMissedPoints{true, -72, 48};
constexpr PointRow kSixteenMadePoints{false, 24, -16};
constexpr PointRow kReverseMissedPoints{false, 96, -64};
constexpr PointRow kReverseMadePoints{true, -72, 48};
constexpr PointRow kRelatedWinsLastPoints{false, 12, -8};      // the related group wins battle 3
constexpr PointRow kRelatedSweepLastPoints{false, 15, -10};    // a sweep of battle 3
constexpr PointRow kRelatedSweepPoints{false, 3, -2};          // a sweep of battle 1 or 2
constexpr PointRow kUnrelatedWinsFirstPoints{true, -3, 2};     // the unrelated group wins battle 1
constexpr PointRow kUnrelatedWinsLastPoints{false, 3, -2};     // ... battle 3
constexpr PointRow kUnrelatedSweepFirstPoints{true, -45, 30};  // a sweep of battle 1
constexpr PointRow kUnrelatedSweepPoints{true, -15, 10};       // a sweep of battle 2 or 3

constexpr int kLastBattle = 3;

}  // namespace

PointRow PointsOf(Judgement judgement, int battle) {
    const bool first = battle == 1;
    const bool last = battle == kLastBattle;
    switch (judgement) {
        case Judgement::kNothing:
            return kNoPoints;
        case Judgement::kSixteenMissed:
            return kSixteenMissedPoints;
        case Judgement::kSixteenMade:
            return kSixteenMadePoints;
        case Judgement::kReverseMissed:
            return kReverseMissedPoints;
        case Judgement::kReverseMade:
            return kReverseMadePoints;
        case Judgement::kRelatedWins:
            return last ? kRelatedWinsLastPoints : kNoPoints;
        case Judgement::kRelatedSweep:
            return last ? kRelatedSweepLastPoints : kRelatedSweepPoints;
        case Judgement::kUnrelatedWins:
            return first ? kUnrelatedWinsFirstPoints : last ? kUnrelatedWinsLastPoints : kNoPoints;
        case Judgement::kUnrelatedSweep:
            return first ? kUnrelatedSweepFirstPoints : kUnrelatedSweepPoints;
    }
    return kNoPoints;
}

Verdict JudgeOf(const GameState& gs, int related, int unrelated) {
    const JudgeResult afterRelatedWin = gs.m_battle == kLastBattle ? kGameOver : kNextBattle;
    const auto decide = [&](Judgement judgement, JudgeResult result, bool relatedWon) {
        return Verdict{judgement, result, PointsOf(judgement, gs.m_battle), relatedWon};
    };
    if (gs.m_declaration == kSixteen) {
        if (unrelated > 0) return decide(Judgement::kSixteenMissed, kGameOver, false);
        if (related == 16) return decide(Judgement::kSixteenMade, afterRelatedWin, true);
        return {};
    }
    if (gs.m_declaration == kReverseSixteen) {
        if (related > 0) return decide(Judgement::kReverseMissed, afterRelatedWin, true);
        if (unrelated == 16) return decide(Judgement::kReverseMade, kGameOver, false);
        return {};
    }
    if (related >= gs.m_relatedTarget) {
        const Judgement j = unrelated > 0 ? Judgement::kRelatedWins : Judgement::kRelatedSweep;
        return decide(j, afterRelatedWin, true);
    }
    if (unrelated >= gs.m_unrelatedTarget) {
        const Judgement j = related > 0 ? Judgement::kUnrelatedWins : Judgement::kUnrelatedSweep;
        return decide(j, kGameOver, false);
    }
    return {};
}

}  // namespace quintrick
