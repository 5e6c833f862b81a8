// The ten characters of the roster and the four computer players among them.
#pragma once

#include <string_view>

namespace quintrick {

inline constexpr int kRosterSize = 10;
enum Character : int {
    kKestrel = 0,
    kOsprey = 1,
    kHeron = 2,
    kFalcon = 3,
    kCrane = 4,
    kRaven = 5,
    kMagpie = 6,
    kEgret = 7,
    kShrike = 8,
    kHarrier = 9,
};

// Display name of a roster character (two kanji, UTF-8); empty for an index outside 0..9.
std::string_view RosterName(int character);

// The roster character of computer player 0..3 (Raven, Shrike, Magpie, Heron).
constexpr int ComputerCharacter(int player) {
    constexpr int characters[4] = {kRaven, kShrike, kMagpie, kHeron};
    return characters[player & 3];
}

// The six characters the human may choose.
constexpr bool IsSelectableCharacter(int character) {
    return character == 0 || character == 1 || character == 3 || character == 4 || character == 7 ||
           character == 9;
}

}  // namespace quintrick
