// The profile entries of the sound volume and the announcements' text line ("Settei", beside the
// seven user settings; read and written by the view only).
#pragma once

#include "engine/settings_table.h"

namespace quintrick::entries {

// The volume of effects and voices, 0-100 %.
inline constexpr IntEntry kVolume{"Settei", "Volume", 100};
// The announcements of the table (a card played, a trick won ...) also as a text line: 1 on.
inline constexpr IntEntry kJimaku{"Settei", "Jimaku", 0};

}  // namespace quintrick::entries
