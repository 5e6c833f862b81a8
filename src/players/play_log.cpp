#include "play_log.h"

namespace quintrick {

void CPlayLog::Clear() {
    m_voids.fill(0);
    m_noJoker.fill(false);
    m_playedBy.fill(-1);
    m_shown.clear();
    m_plays.clear();
}

void CPlayLog::OnDeal(int /*seed*/) {
    Clear();
}

void CPlayLog::OnShow(int seat, CardId first, CardId second) {
    m_shown.push_back({seat, first});
    m_shown.push_back({seat, second});
}

void CPlayLog::OnPlay(int seat, CardId card, const char*) {
    if (seat < 0 || seat >= kSeats || card < 0 || card >= 52) return;
    m_playedBy[card] = seat;
    m_plays.push_back({seat, card, m_gs.m_leader, m_gs.m_calledSuit});
    if (card == kJoker) return;
    // A follower that plays another suit than the called one holds none of it.
    if (seat != m_gs.m_leader && SuitOf(card) != m_gs.m_calledSuit) {
        m_voids[seat] |= 1u << m_gs.m_calledSuit;
    }
    // With two cards in hand the joker must be played: a seat that played another card of its
    // last two does not hold it.
    if (m_gs.m_handCount[seat] == 1) m_noJoker[seat] = true;
}

}  // namespace quintrick
