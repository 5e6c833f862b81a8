// The human's card play: picking a card up, putting it back, dropping it on the field, playing
// it at once, the keyboard mark and the views held while the button is down.
#include "engine.h"
#include "strings.h"

namespace quintrick {

bool CEngine::HumanTurn() const {
    return m_gs.m_phase != kNoGame && m_gs.m_turn == kHumanSeat &&
           m_gs.m_field[kHumanSeat] == kNoCard &&
           !(m_gs.m_phase == kShowingCards && m_gs.m_showCount >= 2);
}

bool CEngine::HumanMayPlay() const {
    // A held card counts as still in the hand: the last card may be dropped on the field.
    return HumanTurn() && (m_gs.m_handCount[kHumanSeat] > 0 || m_gs.m_dragging == 1);
}

CEngine::Held CEngine::HeldNow() const {
    if (m_gs.m_dragging == 1) return Held::kCard;
    if (m_gs.m_showLastTrick == 1) return Held::kLastTrick;
    if (m_gs.m_showDiscards == 1) return Held::kDiscards;
    if (m_angleDrag) return Held::kAngle;
    return Held::kNothing;
}

bool CEngine::CheckHumanCard(int pos) {
    if (!HumanMayPlay() || pos < 0 || pos >= m_gs.m_handCount[kHumanSeat]) return false;
    if (m_gs.m_phase == kShowingCards) return true;
    const Rule rule = IsLegalPlay(m_gs, kHumanSeat, m_gs.m_hand[kHumanSeat][pos]);
    if (rule == Rule::kNone) return true;
    if (m_set.m_ruleRem == 1) Message(RuleMessage(rule), kStyleInfo);
    return false;
}

bool CEngine::PickUpCard(int pos) {
    if (HeldNow() != Held::kNothing || !CheckHumanCard(pos)) return false;
    m_gs.m_pickedIndex = pos;
    m_gs.m_pickedCard = m_gs.RemoveFromHand(kHumanSeat, pos);
    m_gs.m_dragging = 1;
    m_host.RedrawTable();
    return true;
}

bool CEngine::PutBackHeldCard() {
    if (!m_gs.PutBackHeldCard()) return false;
    m_host.RedrawTable();
    return true;
}

bool CEngine::DropHeldCard() {
    if (m_gs.m_dragging != 1) return false;
    if (m_gs.m_pickedCard == kNoCard || !HumanMayPlay()) {
        PutBackHeldCard();
        return false;
    }
    m_gs.m_dragging = 0;
    const CardId card = m_gs.m_pickedCard;
    if (m_gs.m_phase == kShowingCards) {
        PutShowCard(card);
    } else {
        PlayHumanCard(card);
    }
    return true;
}

bool CEngine::PlayCardAt(int pos) {
    if (HeldNow() != Held::kNothing || pos < 0 || pos >= m_gs.m_handCount[kHumanSeat]) {
        return false;
    }
    m_gs.m_cursor = pos;
    return PlayCursorCard();
}

bool CEngine::PlayCursorCard() {
    if (HeldNow() != Held::kNothing) return false;
    const int pos = m_gs.CursorInHand();
    if (!CheckHumanCard(pos)) return false;
    m_gs.m_cursor = pos;
    m_gs.m_pickedIndex = pos;
    const CardId card = m_gs.RemoveFromHand(kHumanSeat, pos);
    if (m_gs.m_phase == kShowingCards) {
        PutShowCard(card);
    } else {
        PlayHumanCard(card);
    }
    return true;
}

bool CEngine::MoveCursor(int step) {
    if (m_gs.m_phase == kNoGame || HeldNow() != Held::kNothing) return false;
    m_gs.m_cursor = m_gs.CursorInHand() + step;
    // The mark wraps around the hand.
    m_gs.m_cursor = m_gs.CursorInHand();
    Sound(kSoundChoice, false);
    return true;
}

bool CEngine::HoldLastTrick() {
    if (!HumanTurn() || HeldNow() != Held::kNothing || m_gs.m_handCount[kHumanSeat] >= kHandSize) {
        return false;
    }
    m_gs.m_showLastTrick = 1;
    m_host.RedrawTable();
    return true;
}

bool CEngine::HoldDiscards() {
    if (!HumanTurn() || HeldNow() != Held::kNothing || m_gs.m_discardCount <= 0) return false;
    m_gs.m_showDiscards = 1;
    return true;
}

bool CEngine::HoldAngle() {
    if (!HumanTurn() || HeldNow() != Held::kNothing) return false;
    m_angleDrag = true;
    return true;
}

CEngine::Held CEngine::ReleaseHold() {
    const Held held = HeldNow();
    switch (held) {
        case Held::kCard:
            PutBackHeldCard();
            break;
        case Held::kLastTrick:
            m_gs.m_showLastTrick = 0;
            m_host.RedrawTable();
            break;
        case Held::kDiscards:
            m_gs.m_showDiscards = 0;
            break;
        case Held::kAngle:
            m_angleDrag = false;
            break;
        case Held::kNothing:
            break;
    }
    return held;
}

void CEngine::PutShowCard(CardId card) {
    m_gs.m_showCard[m_gs.m_showCount++] = card;
    m_gs.m_pickedCard = kNoCard;
    m_gs.m_cursor = m_gs.CursorInHand();
    m_host.RedrawTable();
    Sound(kSoundCard, false);
    if (m_gs.m_showCount == 2) FinishShowCards();
}

void CEngine::PlayHumanCard(CardId card) {
    int jokerSuit = -1;
    if (m_gs.m_leader == kHumanSeat && card == kJoker) {
        if (m_set.m_ruleRem == 1) Message(kMsgJokerLeadPrompt, kStyleInfo);
        jokerSuit = m_host.ChooseSuit({}) & 3;
        m_observer->OnCall(kHumanSeat, jokerSuit);
        Sound(CallSound(jokerSuit), true);
    }
    PutOnField(m_gs, kHumanSeat, card, jokerSuit);
    m_observer->OnPlay(kHumanSeat, card, "");
    m_gs.m_pickedCard = kNoCard;
    m_gs.m_cursor = m_gs.CursorInHand();
    m_gs.m_busy = 0;
    m_host.RedrawTable();
    Sound(kSoundCard, false);
}

}  // namespace quintrick
