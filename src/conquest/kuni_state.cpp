#include "conquest/kuni_state.h"

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

bool ResetKunitori(IProfile& profile, IMessageBox& box, bool confirm) {
    // A missing question text shows nothing and returns 0, so the reset goes ahead.
    if (confirm && box.ShowMessage(kMsgResetConquest, "", kStyleQuestion) == IDNO) return false;
    // The 85 entries are one write of the profile: another process sees the old state or the
    // new one, never a half-reset map.
    const ProfileGroup group(profile);
    for (int i = 0; i < kProvinces; ++i) {
        const int home = KuniTable[static_cast<std::size_t>(i)].home;
        SetKuniOwner(profile, i, home >= 0 ? home : kNoOwner);
    }
    for (int c = 0; c < kCharacters; ++c) SetStones(profile, c, 0);
    return true;
}

void InitKunitoriAtStartup(IProfile& profile, IMessageBox& box) {
    if (Read(profile, entries::kKunitoriInit) != 0) return;
    const ProfileGroup group(profile);
    ResetKunitori(profile, box, false);
    Write(profile, entries::kKunitoriInit, 1);
}

}  // namespace quintrick
