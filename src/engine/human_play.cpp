// The human's card play: the legality check with its messages, show cards and the play itself.
#include "engine.h"
#include "strings.h"

namespace quintrick {

bool CEngine::HumanMayPlay() const {
    return m_gs.m_phase != 0 && m_gs.m_turn == kHumanSeat && m_gs.m_field[kHumanSeat] == kNoCard &&
           m_gs.m_handCount[kHumanSeat] > 0 && !(m_gs.m_phase == 2 && m_gs.m_showCount >= 2);
}

bool CEngine::CheckHumanCard(int pos) {
    if (!HumanMayPlay() || pos < 0 || pos >= m_gs.m_handCount[kHumanSeat]) return false;
    if (m_gs.m_phase == 2) return true;
    const Rule rule = IsLegalPlay(m_gs, kHumanSeat, m_gs.m_hand[kHumanSeat][pos]);
    if (rule == Rule::kNone) return true;
    if (m_set.m_ruleRem == 1) Message(RuleMessage(rule), kStyleInfo);
    return false;
}

bool CEngine::PlayCursorCard() {
    const int pos = m_gs.m_cursor;
    if (!CheckHumanCard(pos)) return false;
    if (m_gs.m_phase == 2) {
        PutShowCard(m_gs.RemoveFromHand(kHumanSeat, pos));
        return true;
    }
    m_gs.m_pickedIndex = pos;
    PlayHumanCard(m_gs.RemoveFromHand(kHumanSeat, pos));
    return true;
}

void CEngine::PutShowCard(CardId card) {
    m_gs.m_showCard[m_gs.m_showCount++] = card;
    m_gs.m_pickedCard = kNoCard;
    m_host.RedrawTable();
    Sound(kSoundCard, false);
    if (m_gs.m_showCount == 2) FinishShowCards();
}

void CEngine::PlayHumanCard(CardId card) {
    if (m_gs.m_leader == kHumanSeat) {
        m_gs.m_calledSuit = SuitOf(card);
        if (card == kJoker) {
            if (m_set.m_ruleRem == 1) Message(kMsgJokerLeadPrompt, kStyleInfo);
            m_gs.m_calledSuit = m_host.ChooseSuit({}) & 3;
            m_observer->OnCall(kHumanSeat, m_gs.m_calledSuit);
            Sound(CallSound(m_gs.m_calledSuit), true);
        }
    }
    m_gs.m_field[kHumanSeat] = card;
    m_gs.NotePlayed(card);
    m_observer->OnPlay(kHumanSeat, card);
    m_gs.m_pickedCard = kNoCard;
    m_gs.m_turn = 0;
    m_gs.m_busy = 0;
    m_host.RedrawTable();
    Sound(kSoundCard, false);
}

}  // namespace quintrick
