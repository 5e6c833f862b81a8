// The judgement after every trick: results, declarations, messages and points.
#include <array>

#include "battle_needs.h"
#include "engine.h"
#include "strings.h"

namespace quintrick {
namespace {

// The judgements that score, and their points for each seat of the related and of the unrelated
// group: `set` replaces the game's row (the game ends with it), otherwise they are added to it.
enum Judgement : int {
    kSixteenMissedPoints,
    kSixteenMadePoints,
    kReverseMissedPoints,
    kReverseMadePoints,
    kRelatedWinsLastPoints,      // the related group wins battle 3
    kRelatedSweepLastPoints,     // a sweep of battle 3 without a declaration
    kRelatedSweepPoints,         // a sweep of battle 1 or 2 without a declaration
    kUnrelatedWinsFirstPoints,   // the unrelated group wins battle 1
    kUnrelatedWinsLastPoints,    // ... and battle 3
    kUnrelatedSweepFirstPoints,  // a sweep of battle 1 without a declaration
    kUnrelatedSweepPoints,       // a sweep of a later battle without a declaration
    kJudgementCount
};
struct Points {
    bool set;
    int related;
    int unrelated;
};
constexpr std::array<Points, kJudgementCount> kPointTable{{
    {true, -72, 48},
    {false, 24, -16},
    {false, 96, -64},
    {true, -72, 48},
    {false, 12, -8},
    {false, 15, -10},
    {false, 3, -2},
    {true, -3, 2},
    {false, 3, -2},
    {true, -45, 30},
    {true, -15, 10},
}};

}  // namespace

void CEngine::Book(bool set, int relatedPoints, int unrelatedPoints) {
    auto& row = m_gs.m_points[m_gs.m_game - 1];
    for (int seat = 0; seat < kSeats; ++seat) {
        const int points = m_gs.IsRelated(seat) ? relatedPoints : unrelatedPoints;
        int& cell = row[m_gs.m_seatPlayer[seat]];
        cell = set ? points : cell + points;
    }
}

bool CEngine::HumanDecides(int winner, bool relatedSweep) const {
    return winner == kHumanSeat && m_gs.IsRelated(kHumanSeat) == relatedSweep;
}

int CEngine::JudgeTrick(int winner, int related, int unrelated) {
    const int battle = m_gs.m_battle;
    const bool lastBattle = battle == 3;
    int result = kBattleGoesOn;
    const auto Score = [this](Judgement j) {
        Book(kPointTable[j].set, kPointTable[j].related, kPointTable[j].unrelated);
    };

    if (m_gs.m_declaration == kSixteen) {
        if (unrelated > 0) {
            Message(kMsgSixteenMissed, kStyleInfo);
            Score(kSixteenMissedPoints);
            m_gs.m_declaration = kNoDeclaration;
            result = kGameOver;
        } else if (related == 16) {
            Message(kMsgSixteenMade, kStyleInfo);
            Score(kSixteenMadePoints);
            m_gs.m_declaration = kNoDeclaration;
            result = lastBattle ? kGameOver : kNextBattle;
        }
    } else if (m_gs.m_declaration == kReverseSixteen) {
        if (related > 0) {
            Message(kMsgReverseMissed, kStyleInfo);
            Score(kReverseMissedPoints);
            m_gs.m_declaration = kNoDeclaration;
            result = lastBattle ? kGameOver : kNextBattle;
        } else if (unrelated == 16) {
            Message(kMsgReverseMade, kStyleInfo);
            Score(kReverseMadePoints);
            m_gs.m_declaration = kNoDeclaration;
            result = kGameOver;
        }
    } else if (related >= m_gs.m_relatedTarget) {
        if (unrelated > 0) {
            Message(kMsgRelatedWins, kStyleInfo);
            if (lastBattle) Score(kRelatedWinsLastPoints);
            result = lastBattle ? kGameOver : kNextBattle;
        } else {
            bool declared;
            if (HumanDecides(winner, true)) {
                m_host.SaveResumePoint({ResumeAt::kJudge, winner});
                declared = Message(kMsgRelatedSweepAsk, kStyleQuestion) == IDYES;
                m_observer->OnDeclare(0, false, declared, 0, 0);
            } else {
                declared = m_players.WantSixteen();
                if (declared) Message(kMsgRelatedDeclared, kStyleInfo);
            }
            if (declared) {
                m_gs.m_declaration = kSixteen;
            } else {
                if (!HumanDecides(winner, true)) Message(kMsgRelatedSweep, kStyleInfo);
                Score(lastBattle ? kRelatedSweepLastPoints : kRelatedSweepPoints);
                result = lastBattle ? kGameOver : kNextBattle;
            }
        }
    } else if (unrelated >= m_gs.m_unrelatedTarget) {
        if (related > 0) {
            Message(kMsgUnrelatedWins, kStyleInfo);
            if (battle == 1) Score(kUnrelatedWinsFirstPoints);
            if (lastBattle) Score(kUnrelatedWinsLastPoints);
            result = kGameOver;
        } else {
            bool declared;
            if (HumanDecides(winner, false)) {
                m_host.SaveResumePoint({ResumeAt::kJudge, winner});
                declared = Message(kMsgUnrelatedSweepAsk, kStyleQuestion) == IDYES;
                m_observer->OnDeclare(1, false, declared, 0, 0);
            } else {
                declared = m_players.WantReverseSixteen();
                if (declared) Message(kMsgUnrelatedDeclared, kStyleInfo);
            }
            if (declared) {
                m_gs.m_declaration = kReverseSixteen;
            } else {
                if (!HumanDecides(winner, false)) Message(kMsgUnrelatedSweep, kStyleInfo);
                Score(battle == 1 ? kUnrelatedSweepFirstPoints : kUnrelatedSweepPoints);
                result = kGameOver;
            }
        }
    }
    if (result != kBattleGoesOn) m_observer->OnResult(result);
    return result;
}

void CEngine::UpdateDisplayCounters(int related, int unrelated) {
    UpdateNeeds(m_gs, related, unrelated);
    for (CardId card : m_gs.m_field) {
        if (card == kJoker) {
            m_gs.m_jokerLeft = 0;
        } else if (card != kNoCard) {
            --m_gs.m_suitLeft[SuitOf(card)];
        }
    }
    int taken = 0;
    for (int count : m_gs.m_pictureCount) taken += count < 0 ? 0 : count;
    m_gs.m_picturesLeft = 16 - taken;
}

}  // namespace quintrick
