// Loading the view's seven setting copies from the profile, and the setting commands.
#pragma once

#include "engine/host.h"
#include "engine/setting_copies.h"

namespace quintrick {

// Reads the seven "Settei" copies with their defaults, in table order (once, at start).
void LoadSettingCopies(IProfile& profile, SettingCopies& copies);

enum class SettingToggle { OpenMode, Sound, RuleRem, DspRem, NokoriDsp, DspInfo, AutoStart };

// Flips a setting and writes it at once; returns the new value. Most settings become 0 when they
// were 1 and 1 otherwise (a stored 2 becomes 1); the hover explanations become 0 when non-zero;
// AutoStart has no copy and is read from the profile.
int ToggleSetting(IProfile& profile, SettingCopies& copies, SettingToggle which);

// A speed command: the copy and the profile take the new speed.
void SetSpeed(IProfile& profile, SettingCopies& copies, int speed);

}  // namespace quintrick
