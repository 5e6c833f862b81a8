#include "engine/stone_account.h"

#include <algorithm>
#include <climits>

#include "engine/settings_table.h"

namespace quintrick {

int GetStones(IProfile& profile, int character) {
    return Read(profile, entries::kStones, character);
}

void SetStones(IProfile& profile, int character, int stones) {
    Write(profile, entries::kStones, character, stones);
}

void CreditMatchStones(IProfile& profile, int character, int delta) {
    const long long sum = static_cast<long long>(GetStones(profile, character)) + delta;
    SetStones(profile, character, static_cast<int>(std::clamp<long long>(sum, 0, INT_MAX)));
}

}  // namespace quintrick
