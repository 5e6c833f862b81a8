// Card identifiers, suits, seats and players of the fifty-card deck.
#pragma once

#include <cstdint>

namespace quintrick {

// A card is an id 0..51: suit = id / 13, slot = id % 13. Id 0 is the joker, ids 13 and 26 are no
// cards, -1 means "no card" in every card field.
using CardId = std::int32_t;

inline constexpr CardId kNoCard = -1;
inline constexpr CardId kJoker = 0;
inline constexpr int kDeckSize = 50;
inline constexpr int kSeats = 5;
inline constexpr int kHumanSeat = 4;
inline constexpr int kHumanPlayer = 4;
inline constexpr int kHandSize = 10;
inline constexpr int kPictureCards = 16;
inline constexpr int kSuits = 4;

enum Suit : int { kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3 };

// Slots: 0 the two .. 8 the ten, 9 jack, 10 queen, 11 king, 12 ace.
inline constexpr int kJack = 9;
inline constexpr int kQueen = 10;
inline constexpr int kKing = 11;
inline constexpr int kAce = 12;

constexpr int SuitOf(CardId id) {
    return id / 13;
}
constexpr int Slot(CardId id) {
    return id % 13;
}
constexpr bool IsPicture(CardId id) {
    return id % 13 > 8;
}
constexpr bool IsLow(CardId id) {
    return id % 13 < 9;
}
constexpr bool IsValidCard(CardId id) {
    return id >= 0 && id <= 51 && id != 13 && id != 26;
}
constexpr CardId MakeCard(int suit, int slot) {
    return suit * 13 + slot;
}
constexpr CardId AceOf(int suit) {
    return suit * 13 + kAce;
}

// Picture index 0..15 numbers the picture cards: suit * 4 + (slot - 9).
constexpr int PictureIndex(CardId id) {
    return SuitOf(id) * 4 + (Slot(id) - kJack);
}
constexpr CardId PictureCard(int k) {
    return 13 * (k / 4) + kJack + (k % 4);
}

// Turn order is increasing seat number, seat 4 followed by seat 0.
constexpr int NextSeat(int seat) {
    return (seat + 1) % kSeats;
}

}  // namespace quintrick
