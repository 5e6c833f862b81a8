#include "card_places.h"

#include <array>

#include "cards.h"

namespace quintrick {

std::string CardPlaceProblem(const GameState& gs, bool fieldCounted) {
    std::array<int, 52> seen{};
    std::array<int, 52> played{};
    const auto note = [&seen](CardId card) {
        if (!IsValidCard(card)) return false;
        ++seen[card];
        return true;
    };
    for (int seat = 0; seat < kSeats; ++seat) {
        const int count = gs.m_handCount[seat];
        if (count < 0 || count > kHandSize) return "a hand holds too many cards";
        for (int i = 0; i < count; ++i) {
            if (!note(gs.m_hand[seat][i])) return "a hand holds no card";
            if (i > 0 && gs.m_hand[seat][i - 1] >= gs.m_hand[seat][i])
                return "a hand is not sorted";
        }
    }
    for (CardId card : gs.m_field) {
        if (card == kNoCard) continue;
        if (!IsValidCard(card)) return "the field holds no card";
        played[card] = 1;
        if (fieldCounted) note(card);
    }
    if (gs.m_discardCount < 0 || gs.m_discardCount > int(gs.m_discard.size())) {
        return "the discard pile is damaged";
    }
    for (int i = 0; i < int(gs.m_discard.size()); ++i) {
        const CardId card = gs.m_discard[i];
        if (i >= gs.m_discardCount) {
            if (card != kNoCard) return "the discard pile is damaged";
            continue;
        }
        if (!note(card) || IsPicture(card)) return "the discard pile is damaged";
        played[card] = 1;
    }
    for (int k = 0; k < kPictureCards; ++k) {
        if (gs.m_pictureTaker[k] == -1) continue;
        note(PictureCard(k));
        played[PictureCard(k)] = 1;
    }
    if (gs.m_phase == kShowingCards) {
        if (gs.m_showCount < 0 || gs.m_showCount > 2) return "a show card is no card";
        for (int i = 0; i < gs.m_showCount; ++i) {
            if (!note(gs.m_showCard[i])) return "a show card is no card";
        }
    }
    if (gs.m_dragging == 1 && !note(gs.m_pickedCard)) return "the card held is no card";
    for (CardId card = 0; card < 52; ++card) {
        if (!IsValidCard(card)) continue;
        if (seen[card] == 0) return "card " + std::to_string(card) + " is missing";
        if (seen[card] > 1) return "card " + std::to_string(card) + " is there twice";
    }
    std::array<int, kSuits> plain{};
    std::array<int, kSuits> pictures{};
    for (CardId card = 0; card < 52; ++card) {
        if (gs.m_cardPlayed[card] != played[card]) return "the played cards do not match the table";
        if (!played[card] || card == kJoker) continue;
        ++(IsPicture(card) ? pictures : plain)[SuitOf(card)];
    }
    if (plain != gs.m_plainPlayed || pictures != gs.m_picturePlayed) {
        return "the played cards do not match the table";
    }
    return {};
}

}  // namespace quintrick
