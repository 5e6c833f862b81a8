#include "trick_rules.h"

#include "battle_needs.h"
#include "strings.h"

namespace quintrick {

int RuleMessage(Rule rule) {
    switch (rule) {
        case Rule::kFollowSuit:
            return kMsgRuleFollowSuit;
        case Rule::kJokerFirst:
            return kMsgRuleJokerFirst;
        case Rule::kJokerNinth:
            return kMsgRuleJokerNinth;
        case Rule::kNone:
            break;
    }
    return 0;
}

int CardStrength(const GameState& gs, CardId card) {
    if (card == kJoker) return 300;
    if (SuitOf(card) == gs.m_trump) return card + 200;
    if (SuitOf(card) == gs.m_calledSuit) return card + 100;
    return card;
}

int OpponentWinningRank(const GameState& gs) {
    int best = 0;
    int winner = gs.m_turn;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (gs.m_field[seat] == kNoCard) continue;
        const int rank = CardStrength(gs, gs.m_field[seat]);
        if (rank > best) {
            best = rank;
            winner = seat;
        }
    }
    return gs.SameGroup(winner, gs.m_turn) ? 0 : best;
}

Rule IsLegalPlay(const GameState& gs, int seat, CardId card) {
    const auto& hand = gs.m_hand[seat];
    const int n = gs.m_handCount[seat];
    if (seat != gs.m_leader && card != kJoker && SuitOf(card) != gs.m_calledSuit) {
        for (int i = 0; i < n; ++i) {
            if (hand[i] != kJoker && SuitOf(hand[i]) == gs.m_calledSuit) return Rule::kFollowSuit;
        }
    }
    if (n == 10 && card == kJoker) return Rule::kJokerFirst;
    if (n == 2 && card != kJoker && (hand[0] == kJoker || hand[1] == kJoker)) {
        return Rule::kJokerNinth;
    }
    return Rule::kNone;
}

int FirstLegalPosition(const GameState& gs, int seat) {
    for (int i = 0; i < gs.m_handCount[seat]; ++i) {
        if (IsLegalPlay(gs, seat, gs.m_hand[seat][i]) == Rule::kNone) return i;
    }
    return 0;
}

GroupPictures CountGroupPictures(const GameState& gs) {
    GroupPictures sums;
    for (int seat = 0; seat < kSeats; ++seat) {
        const int count = gs.m_pictureCount[seat] < 0 ? 0 : gs.m_pictureCount[seat];
        (gs.IsRelated(seat) ? sums.related : sums.unrelated) += count;
    }
    return sums;
}

int ResolveTrick(GameState& gs) {
    gs.m_lastTrick = gs.m_field;
    int winner = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        gs.m_trickRank[seat] = CardStrength(gs, gs.m_field[seat]);
        if (gs.m_trickRank[seat] > gs.m_trickRank[winner]) winner = seat;
    }
    for (int seat = 0; seat < kSeats; ++seat) {
        const CardId card = gs.m_field[seat];
        if (IsPicture(card)) {
            gs.m_pictureTaker[PictureIndex(card)] = winner;
        } else if (gs.m_discardCount < static_cast<int>(gs.m_discard.size())) {
            gs.m_discard[gs.m_discardCount++] = card;
        }
    }
    gs.m_pictureCount.fill(0);
    for (int taker : gs.m_pictureTaker) {
        if (taker >= 0) ++gs.m_pictureCount[taker];
    }
    return winner;
}

void PutOnField(GameState& gs, int seat, CardId card, int jokerSuit) {
    if (seat == gs.m_leader) {
        gs.m_calledSuit = card == kJoker && jokerSuit >= 0 ? jokerSuit : SuitOf(card);
    }
    gs.m_field[seat] = card;
    gs.NotePlayed(card);
    gs.m_turn = NextSeat(seat);
}

CardId PlayToField(GameState& gs, int seat, int pos, int jokerSuit) {
    const CardId card = gs.RemoveFromHand(seat, pos);
    PutOnField(gs, seat, card, jokerSuit);
    return card;
}

void NextTrick(GameState& gs, int winner, const GroupPictures& sums) {
    UpdateNeeds(gs, sums.related, sums.unrelated);
    gs.m_field.fill(kNoCard);
    gs.m_leader = gs.m_turn = winner;
}

void ResetBattleCounters(GameState& gs) {
    gs.m_declaration = kNoDeclaration;
    gs.m_relatedNeed = gs.m_relatedTarget;
    gs.m_unrelatedNeed = gs.m_unrelatedTarget;
    gs.m_picturesLeft = kPictureCards;
    gs.m_jokerLeft = 1;
    gs.m_suitLeft = {12, 12, 12, 13};
    gs.m_field.fill(kNoCard);
    gs.m_trickRank.fill(-1);
    gs.m_pictureCount.fill(-1);
    gs.m_pictureTaker.fill(-1);
    gs.m_plainPlayed.fill(0);
    gs.m_picturePlayed.fill(0);
    gs.m_cardPlayed.fill(0);
    gs.m_discardCount = 0;
    gs.m_discard.fill(kNoCard);
}

}  // namespace quintrick
