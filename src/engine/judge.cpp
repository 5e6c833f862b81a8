// The judgement after every trick: results, declarations, messages and points.
#include "engine.h"
#include "strings.h"

namespace quintrick {

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

    if (m_gs.m_declaration == 1) {
        if (unrelated > 0) {
            Message(kMsgSixteenMissed, kStyleInfo);
            Book(true, -72, 48);
            m_gs.m_declaration = 0;
            result = kGameOver;
        } else if (related == 16) {
            Message(kMsgSixteenMade, kStyleInfo);
            Book(false, 24, -16);
            m_gs.m_declaration = 0;
            result = lastBattle ? kGameOver : kNextBattle;
        }
    } else if (m_gs.m_declaration == 2) {
        if (related > 0) {
            Message(kMsgReverseMissed, kStyleInfo);
            Book(false, 96, -64);
            m_gs.m_declaration = 0;
            result = lastBattle ? kGameOver : kNextBattle;
        } else if (unrelated == 16) {
            Message(kMsgReverseMade, kStyleInfo);
            Book(true, -72, 48);
            m_gs.m_declaration = 0;
            result = kGameOver;
        }
    } else if (related >= m_gs.m_relatedTarget) {
        if (unrelated > 0) {
            Message(kMsgRelatedWins, kStyleInfo);
            if (lastBattle) Book(false, 12, -8);
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
                m_gs.m_declaration = 1;
            } else {
                if (!HumanDecides(winner, true)) Message(kMsgRelatedSweep, kStyleInfo);
                if (lastBattle) {
                    Book(false, 15, -10);
                } else {
                    Book(false, 3, -2);
                }
                result = lastBattle ? kGameOver : kNextBattle;
            }
        }
    } else if (unrelated >= m_gs.m_unrelatedTarget) {
        if (related > 0) {
            Message(kMsgUnrelatedWins, kStyleInfo);
            if (battle == 1) Book(true, -3, 2);
            if (lastBattle) Book(false, 3, -2);
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
                m_gs.m_declaration = 2;
            } else {
                if (!HumanDecides(winner, false)) Message(kMsgUnrelatedSweep, kStyleInfo);
                if (battle == 1) {
                    Book(true, -45, 30);
                } else {
                    Book(true, -15, 10);
                }
                result = kGameOver;
            }
        }
    }
    if (result != kBattleGoesOn) m_observer->OnResult(result);
    return result;
}

void CEngine::UpdateDisplayCounters(int related, int unrelated) {
    if (m_gs.m_declaration == 1) {
        m_gs.m_relatedNeed = 16 - related;
        m_gs.m_unrelatedNeed = 1;
    } else if (m_gs.m_declaration == 2) {
        m_gs.m_relatedNeed = 1;
        m_gs.m_unrelatedNeed = 16 - unrelated;
    } else {
        m_gs.m_relatedNeed = m_gs.m_relatedTarget - related;
        m_gs.m_unrelatedNeed = m_gs.m_unrelatedTarget - unrelated;
    }
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
