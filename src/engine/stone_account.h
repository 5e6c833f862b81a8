// The characters' stone accounts in the profile, credited by the engine at the end of a match
// and spent by the province conquest. Nothing is kept in memory; every call reads or writes the
// profile.
#pragma once

#include "engine/host.h"

namespace quintrick {

// A character's stones (0 when absent).
int GetStones(IProfile& profile, int character);
void SetStones(IProfile& profile, int character, int stones);

// Adds a match total to a character's account: a result below 0 is stored as 0, and an account
// near the int limit saturates instead of overflowing.
void CreditMatchStones(IProfile& profile, int character, int delta);

}  // namespace quintrick
