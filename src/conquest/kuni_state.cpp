#include "kuni_state.h"

#include <algorithm>
#include <climits>
#include <string>

namespace quintrick {
namespace {

std::string Key(const char* prefix, int index) { return prefix + std::to_string(index); }

}  // namespace

int GetKuniOwner(IProfile& profile, int province) {
    return profile.ReadInt("Owner", Key("Kuni", province), kNoOwner);
}

void SetKuniOwner(IProfile& profile, int province, int owner) {
    profile.WriteInt("Owner", Key("Kuni", province), owner);
}

int GetStones(IProfile& profile, int character) {
    return profile.ReadInt("Entry", Key("Entry", character), 0);
}

void SetStones(IProfile& profile, int character, int stones) {
    profile.WriteInt("Entry", Key("Entry", character), stones);
}

void CreditMatchStones(IProfile& profile, int character, int delta) {
    const long long sum = static_cast<long long>(GetStones(profile, character)) + delta;
    SetStones(profile, character, static_cast<int>(std::clamp<long long>(sum, 0, INT_MAX)));
}

}  // namespace quintrick
