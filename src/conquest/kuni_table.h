// The static province data of the conquest map: cost, neighbours and home province of each of
// the 75 provinces, their names, and the characters' map colours.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "conquest/kuni_state.h"

namespace quintrick {

inline constexpr int kCharacters = 10;
inline constexpr int kMaxNeighbours = 10;

struct KuniRecord {
    int cost = 0;   // stones needed to take the province, 1..160
    int home = -1;  // the character whose home province it is, -1 for none
    int count = 0;  // number of neighbours
    std::array<int, kMaxNeighbours>
        next{};  // neighbours in ascending order, sea crossings included

    constexpr KuniRecord(int cost_, int home_, std::initializer_list<int> neighbours)
        : cost(cost_), home(home_), count(static_cast<int>(neighbours.size())) {
        int i = 0;
        for (int n : neighbours) next[static_cast<std::size_t>(i++)] = n;
    }
    constexpr std::span<const int> Neighbours() const {
        return {next.data(), static_cast<std::size_t>(count)};
    }
};

extern const std::array<KuniRecord, kProvinces> KuniTable;

// The name of a province (UTF-8), cut from the string of all 75 names (string 30013, in the
// language `names` gives); empty for an index outside 0..74.
std::string KuniName(int province);
std::string KuniName(int province, std::string (*names)(int id));
// The same cut from `names` itself: names separated by commas, or (without a comma) two
// characters each without separators.
std::string KuniNameFrom(std::string_view names, int province);

// The province's name in its usual romanised spelling (Hepburn without long-vowel marks, m before
// b: "Omi", "Totomi", "Tamba"), as the English map, the character dialog's English map and the
// English texts write it; empty for an index outside 0..74. The two provinces read Awa (安房 and
// 阿波) share the spelling.
std::string_view KuniRomanName(int province);

// The province that is a character's home, -1 for an index outside 0..9.
int HomeProvince(int character);

struct KuniRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const KuniRgb&, const KuniRgb&) = default;
};

// The colour of a character's provinces; none for an owner outside 0..9 (no owner).
std::optional<KuniRgb> KuniColor(int owner);

}  // namespace quintrick
