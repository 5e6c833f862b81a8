#include "shell/setting_toggles.h"

#include "engine/settings_table.h"

namespace quintrick {
namespace {

struct CopyEntry {
    int SettingCopies::*copy;
    const IntEntry* entry;
};

// The seven copies with their entries, in table order.
constexpr CopyEntry kCopies[] = {
    {&SettingCopies::m_speed, &entries::kSpeed},
    {&SettingCopies::m_openMode, &entries::kOpenMode},
    {&SettingCopies::m_soundOn, &entries::kKoukaon},
    {&SettingCopies::m_ruleRem, &entries::kRuleRem},
    {&SettingCopies::m_dspRem, &entries::kDspRem},
    {&SettingCopies::m_nokoriDsp, &entries::kNokoriDsp},
    {&SettingCopies::m_dspInfo, &entries::kDspInfo},
};

const CopyEntry& CopyOf(SettingToggle which) {
    switch (which) {
        case SettingToggle::OpenMode:
            return kCopies[1];
        case SettingToggle::Sound:
            return kCopies[2];
        case SettingToggle::RuleRem:
            return kCopies[3];
        case SettingToggle::DspRem:
            return kCopies[4];
        case SettingToggle::NokoriDsp:
            return kCopies[5];
        case SettingToggle::DspInfo:
        case SettingToggle::AutoStart:
            break;  // AutoStart has no copy and never comes here
    }
    return kCopies[6];
}

}  // namespace

void LoadSettingCopies(IProfile& profile, SettingCopies& copies) {
    for (const CopyEntry& c : kCopies) copies.*c.copy = Read(profile, *c.entry);
}

int ToggleSetting(IProfile& profile, SettingCopies& copies, SettingToggle which) {
    if (which == SettingToggle::AutoStart) {
        const int value = Read(profile, entries::kAutoStart) == 1 ? 0 : 1;
        Write(profile, entries::kAutoStart, value);
        return value;
    }
    const CopyEntry& c = CopyOf(which);
    int& copy = copies.*c.copy;
    if (which == SettingToggle::DspRem)
        copy = copy != 0 ? 0 : 1;
    else
        copy = copy == 1 ? 0 : 1;
    Write(profile, *c.entry, copy);
    return copy;
}

void SetSpeed(IProfile& profile, SettingCopies& copies, int speed) {
    copies.m_speed = speed;
    Write(profile, entries::kSpeed, speed);
}

}  // namespace quintrick
