// The whole state of a match, in plain fields read and written by the rules, the computer
// players, the input handlers and the drawing.
#pragma once

#include <array>
#include <string>

#include "cards.h"

namespace quintrick {

// m_phase.
enum Phase : int { kNoGame = 0, kPlaying = 1, kShowingCards = 2 };
// m_declaration: the declaration standing in the current battle.
enum Declaration : int { kNoDeclaration = 0, kSixteen = 1, kReverseSixteen = 2 };
// m_holder: what a seat holds of the related pair's cards (both at once forces a redeal).
enum Holder : int { kUnrelated = 0, kJokerHolder = 1, kTrumpAceHolder = 2, kBothHolders = 3 };

struct GameState {
    int m_gameTimer = 0;      // id of the running game timer (event 1), 0 before
    int m_setupTimer = 0;     // the one-shot start-up timer (event 99)
    int m_notReady = 1;       // 1 until the start-up tick has prepared the card images
    int m_showLastTrick = 0;  // 1 while the field shows m_lastTrick
    int m_showDiscards = 0;   // 1 while the discards are shown face up
    int m_busy = 0;           // 1 = the game timer must do nothing
    int m_discardCount = 0;   // cards on the discard pile
    int m_showScore = 0;      // 1 = the score table is drawn over the table
    int m_leader = 0;         // seat that leads the current trick
    int m_turn = 4;           // seat whose turn it is
    std::array<int, kPictureCards> m_pictureTaker{};  // seat that took each picture card, or -1
    int m_calledSuit = 0;                             // called suit of the current trick
    int m_trump = 0;                                  // trump suit of the current battle
    std::array<int, kSuits> m_plainPlayed{};    // per suit: non-picture cards played this battle
    std::array<int, kSuits> m_picturePlayed{};  // per suit: picture cards played this battle
    std::array<std::array<CardId, kHandSize>, kSeats> m_hand{};  // ascending card ids per seat
    std::array<CardId, kSeats> m_field{};  // each seat's card in the current trick, or -1
    CardId m_pickedCard = kNoCard;         // card just taken out of a hand
    std::array<CardId, 2> m_showCard{};    // the two show cards of battles 2 and 3
    std::array<CardId, 34> m_discard{};    // discard pile in order of arrival
    int m_game = 1;                        // game 1..10 of the match (11 briefly)
    int m_battle = 0;                      // battle 1..3 of the game, 0 before a match
    int m_declaration =
        kNoDeclaration;  // 0 none, 1 "16" declared by the related group, 2 reverse 16
    std::array<std::array<int, kSeats>, 10> m_points{};  // [game - 1][player]
    int m_relatedTarget = 9;
    int m_unrelatedTarget = 8;
    std::array<int, kSeats> m_seatPlayer{0, 1, 2, 3, 4};  // player at each seat
    std::array<std::string, kSeats> m_playerName{};       // display name of each player
    int m_entryNo = -1;                                   // roster index of the human's character
    int m_cursor = 0;        // keyboard-selected position in the human's hand
    int m_showCount = 0;     // show cards put out so far
    int m_showPartner = 0;   // related seat that puts out the show cards
    int m_trumpPartner = 0;  // related seat that names the trump and leads
    int m_pickedIndex = -1;  // hand position m_pickedCard came from
    std::array<int, kSeats> m_handCount{};
    std::array<CardId, kSeats> m_lastTrick{};  // the last resolved trick
    std::array<int, kSeats> m_trickRank{};     // strength of each seat's field card (scratch)
    std::array<int, kSeats> m_holder{};        // 0 unrelated, 1 joker, 2 trump ace (3 both: redeal)
    std::array<int, kSeats> m_pictureCount{};  // pictures taken by each seat this battle
    std::array<int, 52> m_cardPlayed{};        // 1 = this card has been played this battle
    int m_relatedNeed = 0;                     // display: pictures the related group still needs
    int m_unrelatedNeed = 0;                   // display: pictures the unrelated group still needs
    int m_picturesLeft = 16;                   // display: pictures not yet taken
    int m_jokerLeft = 1;                       // display: 1 until the joker has been played
    std::array<int, kSuits> m_suitLeft{12, 12, 12, 13};  // display: cards of each suit not played
    int m_dragging = 0;                                  // 1 while the human drags a picked card
    struct {
        int x = 0;
        int y = 0;
    } m_grabOffset;         // press point inside the picked card's rectangle
    int m_phase = kNoGame;  // 0 no game yet, 1 playing, 2 the human puts out show cards

    GameState();

    // The reset at the view's initial update (first display).
    void ResetAtInitialUpdate();
    // The table as before the first game of a match: no card anywhere (hands, field, show cards,
    // piles), no points, game 1, nothing held or shown. The human's character, the names, the
    // seating and the timers stay.
    void ResetForNewMatch();

    bool IsRelated(int seat) const { return m_holder[seat] != kUnrelated; }
    bool SameGroup(int a, int b) const { return IsRelated(a) == IsRelated(b); }
    bool FieldComplete() const;
    int FieldCount() const;

    // The keyboard mark's position inside the human's hand: a mark left of the first card is on
    // the last one, a mark beyond the last card on the first one (0 for an empty hand).
    int CursorInHand() const;

    // Removes the card at `pos` of `seat`'s hand, keeping the hand ascending.
    CardId RemoveFromHand(int seat, int pos);
    // Puts `card` back at `pos`, moving the later entries one place right.
    void InsertIntoHand(int seat, int pos, CardId card);
    // The card the human holds goes back into the hand where it came from (or the nearest place
    // there is) and the grip is let go; false when no card was held. A held card that cannot go
    // back (no card, a full hand) is dropped from the grip.
    bool PutBackHeldCard();
    // Records a card put on the field in the played-card bookkeeping.
    void NotePlayed(CardId card);

    // A compact text form of the state (hands, field, piles, counters) for test messages and tools.
    std::string Dump() const;
};

}  // namespace quintrick
