// A game table without a window for tests: state, settings, the scripted host, the computer
// players and the engine, with helpers to lay out hands and fields by hand.
#pragma once

#include <algorithm>
#include <initializer_list>

#include "engine/engine.h"
#include "engine/roster.h"
#include "players/fuda_dashi.h"
#include "scripted_host.h"

namespace quintrick::testing {

// A card by suit and rank as printed on it: 2..10, J 11, Q 12, K 13, A 14.
constexpr CardId C(int suit, int rank) {
    return MakeCard(suit, rank - 2);
}
inline constexpr int J = 11, Q = 12, K = 13, A = 14;

struct Table {
    GameState gs;
    SettingCopies settings;
    ScriptedHost host;
    CFudaDashi players{gs, host};
    CEngine engine{gs, settings, host, players};

    Table() {
        gs.ResetAtInitialUpdate();
        gs.m_handCount.fill(0);
        gs.m_field.fill(kNoCard);
        gs.m_pictureTaker.fill(-1);
        gs.m_pictureCount.fill(0);
        gs.m_gameTimer = kGameTimerEvent;
        gs.m_battle = 1;
        gs.m_phase = 1;
        engine.SetObserver(&host);
    }

    // Gives a seat these cards (sorted), leaving the rest of its hand as no card.
    void Hand(int seat, std::initializer_list<CardId> cards) {
        auto& hand = gs.m_hand[seat];
        hand.fill(kNoCard);
        std::copy(cards.begin(), cards.end(), hand.begin());
        std::sort(hand.begin(), hand.begin() + cards.size());
        gs.m_handCount[seat] = static_cast<int>(cards.size());
    }

    // Puts cards on the field for seats in turn order from `leader` and sets the turn after them;
    // the led card fixes the called suit unless it is the joker.
    void Field(int leader, std::initializer_list<CardId> cards) {
        gs.m_field.fill(kNoCard);
        gs.m_leader = leader;
        if (cards.size() > 0 && *cards.begin() != kJoker) gs.m_calledSuit = SuitOf(*cards.begin());
        int seat = leader;
        for (CardId card : cards) {
            gs.m_field[seat] = card;
            gs.m_cardPlayed[card] = 1;
            seat = NextSeat(seat);
        }
        gs.m_turn = seat;
    }

    // Marks the related pair.
    void Related(int a, int b) {
        gs.m_holder.fill(0);
        gs.m_holder[a] = 1;
        gs.m_holder[b] = 2;
    }
};

}  // namespace quintrick::testing
