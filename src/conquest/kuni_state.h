// The province-conquest state in the profile: owners of the 75 provinces and the characters'
// stone accounts. Nothing is kept in memory; every call reads or writes the profile.
#pragma once

#include "engine/host.h"
#include "engine/stone_account.h"

namespace quintrick {

inline constexpr int kProvinces = 75;
inline constexpr int kNoOwner = 10;

// The stored owner of a province: 0..9 a character, anything else means no owner (10 when absent).
int GetKuniOwner(IProfile& profile, int province);
void SetKuniOwner(IProfile& profile, int province, int owner);

// Gives every home province back to its character, every other province to nobody, and empties
// all ten accounts. With `confirm` the player is asked first; returns false when the answer was
// No (nothing is written then).
bool ResetKunitori(IProfile& profile, IMessageBox& box, bool confirm);

// Start-up: while the conquest has not been initialised ("INIT" 0), reset it without asking and
// mark it initialised.
void InitKunitoriAtStartup(IProfile& profile, IMessageBox& box);

}  // namespace quintrick
