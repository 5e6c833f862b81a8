// The judgement after every trick as the match shows it: the messages, the declarations after a
// sweep and the points booked. What a trick decides is JudgeOf's.
#include "battle_needs.h"
#include "engine.h"
#include "strings.h"

namespace quintrick {
namespace {

// The message of a judgement that is not a sweep.
int VerdictMessage(Judgement judgement) {
    switch (judgement) {
        case Judgement::kSixteenMissed:
            return kMsgSixteenMissed;
        case Judgement::kSixteenMade:
            return kMsgSixteenMade;
        case Judgement::kReverseMissed:
            return kMsgReverseMissed;
        case Judgement::kReverseMade:
            return kMsgReverseMade;
        case Judgement::kRelatedWins:
            return kMsgRelatedWins;
        case Judgement::kUnrelatedWins:
            return kMsgUnrelatedWins;
        default:
            return 0;
    }
}

// A sweep of either group: the question to the human, the computers' messages and what the
// group declares.
struct Sweep {
    bool related;  // the related group swept
    int ask;
    int declaredMessage;
    int undeclaredMessage;
    Declaration declaration;
    int kind;  // of the declare event: 0 "sixteen", 1 "reverse"
};
constexpr Sweep kRelatedSweep{
    true, kMsgRelatedSweepAsk, kMsgRelatedDeclared, kMsgRelatedSweep, kSixteen, 0};
constexpr Sweep kUnrelatedSweep{
    false, kMsgUnrelatedSweepAsk, kMsgUnrelatedDeclared, kMsgUnrelatedSweep, kReverseSixteen, 1};

}  // namespace

void CEngine::Book(const PointRow& points) {
    auto& row = m_gs.m_points[m_gs.m_game - 1];
    for (int seat = 0; seat < kSeats; ++seat) {
        const int p = m_gs.IsRelated(seat) ? points.related : points.unrelated;
        int& cell = row[m_gs.m_seatPlayer[seat]];
        cell = points.set ? p : cell + p;
    }
}

bool CEngine::HumanDecides(int winner, bool relatedSweep) const {
    return winner == kHumanSeat && m_gs.IsRelated(kHumanSeat) == relatedSweep;
}

bool CEngine::SweepDeclared(int winner, bool relatedSweep) {
    const Sweep& sweep = relatedSweep ? kRelatedSweep : kUnrelatedSweep;
    if (HumanDecides(winner, sweep.related)) {
        m_host.SaveResumePoint({ResumeAt::kJudge, winner});
        const bool declared = Message(sweep.ask, kStyleQuestion) == IDYES;
        m_observer->OnDeclare(sweep.kind, false, declared, 0, 0);
        return declared;
    }
    const DeclarationChoice choice =
        sweep.related ? m_players.WantSixteen() : m_players.WantReverseSixteen();
    m_observer->OnDeclare(sweep.kind, true, choice.answer, choice.seed, choice.draw);
    Message(choice.answer ? sweep.declaredMessage : sweep.undeclaredMessage, kStyleInfo);
    return choice.answer;
}

int CEngine::JudgeTrick(int winner, int related, int unrelated) {
    const Verdict verdict = JudgeOf(m_gs, related, unrelated);
    if (!verdict.Decided()) return kBattleGoesOn;
    if (verdict.Sweep()) {
        const bool relatedSweep = verdict.judgement == Judgement::kRelatedSweep;
        if (SweepDeclared(winner, relatedSweep)) {
            m_gs.m_declaration = relatedSweep ? kSixteen : kReverseSixteen;
            return kBattleGoesOn;
        }
    } else {
        Message(VerdictMessage(verdict.judgement), kStyleInfo);
        // A declaration is settled with the battle's result.
        m_gs.m_declaration = kNoDeclaration;
    }
    Book(verdict.points);
    // How the battle ended, for the result shown after the game.
    const bool relatedSwept = verdict.judgement == Judgement::kRelatedSweep;
    m_observer->OnOutcome(verdict.Sweep() ? (relatedSwept ? kMsgRelatedSweep : kMsgUnrelatedSweep)
                                          : VerdictMessage(verdict.judgement));
    m_observer->OnResult(verdict.result);
    return verdict.result;
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
