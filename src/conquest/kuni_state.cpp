#include "conquest/kuni_state.h"

#include <algorithm>
#include <climits>

#include "conquest/kuni_table.h"
#include "engine/settings_table.h"
#include "engine/strings.h"

namespace quintrick {

int GetKuniOwner(IProfile& profile, int province) {
    return Read(profile, entries::kKuniOwner, province);
}

void SetKuniOwner(IProfile& profile, int province, int owner) {
    Write(profile, entries::kKuniOwner, province, owner);
}

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

bool ResetKunitori(IProfile& profile, IMessageBox& box, bool confirm) {
    // A missing question text shows nothing and returns 0, so the reset goes ahead.
    if (confirm && box.ShowMessage(kMsgResetConquest, "", kStyleQuestion) == IDNO) return false;
    for (int i = 0; i < kProvinces; ++i) {
        const int home = KuniTable[static_cast<std::size_t>(i)].home;
        SetKuniOwner(profile, i, home >= 0 ? home : kNoOwner);
    }
    for (int c = 0; c < kCharacters; ++c) SetStones(profile, c, 0);
    return true;
}

void InitKunitoriAtStartup(IProfile& profile, IMessageBox& box) {
    if (Read(profile, entries::kKunitoriInit) != 0) return;
    ResetKunitori(profile, box, false);
    Write(profile, entries::kKunitoriInit, 1);
}

}  // namespace quintrick
