#include "game_state.h"

#include <algorithm>
#include <sstream>

#include "roster.h"

namespace quintrick {

GameState::GameState() {
    m_pictureTaker.fill(-1);
    for (auto& hand : m_hand) hand.fill(kNoCard);
    m_field.fill(kNoCard);
    m_showCard.fill(kNoCard);
    m_discard.fill(kNoCard);
    m_lastTrick.fill(kNoCard);
    m_trickRank.fill(-1);
    m_pictureCount.fill(-1);
}

void GameState::ResetAtInitialUpdate() {
    m_phase = kNoGame;
    m_battle = 0;
    m_game = 1;
    m_entryNo = -1;
    m_showCount = 0;
    m_discardCount = 0;
    m_discard.fill(kNoCard);
    for (auto& row : m_points) row.fill(0);
    m_seatPlayer = {0, 1, 2, 3, 4};
    m_turn = 4;
    m_dragging = 0;
    m_showDiscards = 0;
    m_showScore = 0;
    // The computers are known from the start; the human's plate waits for a character.
    for (int player = 0; player < kHumanPlayer; ++player) {
        m_playerName[player] = std::string(RosterName(ComputerCharacter(player)));
    }
    m_playerName[kHumanPlayer].clear();
}

void GameState::ResetForNewMatch() {
    GameState fresh;
    fresh.m_gameTimer = m_gameTimer;
    fresh.m_setupTimer = m_setupTimer;
    fresh.m_notReady = m_notReady;
    fresh.m_seatPlayer = m_seatPlayer;
    fresh.m_playerName = m_playerName;
    fresh.m_entryNo = m_entryNo;
    *this = fresh;
}

bool GameState::FieldComplete() const {
    for (CardId c : m_field) {
        if (c == kNoCard) return false;
    }
    return true;
}

int GameState::FieldCount() const {
    int n = 0;
    for (CardId c : m_field) n += c != kNoCard;
    return n;
}

int GameState::CursorInHand() const {
    const int n = m_handCount[kHumanSeat];
    if (n <= 0) return 0;
    if (m_cursor < 0) return n - 1;
    if (m_cursor > n - 1) return 0;
    return m_cursor;
}

CardId GameState::RemoveFromHand(int seat, int pos) {
    auto& hand = m_hand[seat];
    const CardId card = hand[pos];
    for (int i = pos; i + 1 < m_handCount[seat]; ++i) hand[i] = hand[i + 1];
    --m_handCount[seat];
    return card;
}

void GameState::InsertIntoHand(int seat, int pos, CardId card) {
    auto& hand = m_hand[seat];
    for (int i = m_handCount[seat]; i > pos; --i) hand[i] = hand[i - 1];
    hand[pos] = card;
    ++m_handCount[seat];
}

bool GameState::PutBackHeldCard() {
    if (m_dragging != 1) return false;
    m_dragging = 0;
    const int count = m_handCount[kHumanSeat];
    if (IsValidCard(m_pickedCard) && count < kHandSize) {
        InsertIntoHand(kHumanSeat, std::clamp(m_pickedIndex, 0, count), m_pickedCard);
    }
    m_pickedCard = kNoCard;
    m_pickedIndex = -1;
    return true;
}

void GameState::NotePlayed(CardId card) {
    if (card != kJoker) {
        if (IsPicture(card)) {
            ++m_picturePlayed[SuitOf(card)];
        } else {
            ++m_plainPlayed[SuitOf(card)];
        }
    }
    m_cardPlayed[card] = 1;
}

std::string GameState::Dump() const {
    std::ostringstream out;
    out << "game " << m_game << " battle " << m_battle << " phase " << m_phase << " trump "
        << m_trump << " called " << m_calledSuit << " leader " << m_leader << " turn " << m_turn
        << " busy " << m_busy << " decl " << m_declaration << '\n';
    for (int seat = 0; seat < kSeats; ++seat) {
        out << "seat " << seat << " player " << m_seatPlayer[seat] << " holder " << m_holder[seat]
            << " pictures " << m_pictureCount[seat] << " hand";
        for (int i = 0; i < m_handCount[seat]; ++i) out << ' ' << m_hand[seat][i];
        out << '\n';
    }
    out << "field";
    for (CardId c : m_field) out << ' ' << c;
    out << "\ndiscards " << m_discardCount << ':';
    for (int i = 0; i < m_discardCount; ++i) out << ' ' << m_discard[i];
    out << "\ntakers";
    for (int t : m_pictureTaker) out << ' ' << t;
    out << "\nneed " << m_relatedNeed << '/' << m_unrelatedNeed << " pictures left "
        << m_picturesLeft << " joker left " << m_jokerLeft << " suits left " << m_suitLeft[0] << ' '
        << m_suitLeft[1] << ' ' << m_suitLeft[2] << ' ' << m_suitLeft[3] << '\n';
    return out.str();
}

}  // namespace quintrick
