// A call plate through the host, with its sound only while sound effects are on and the pause of
// the speed setting.
#pragma once

#include "host.h"
#include "setting_copies.h"

namespace quintrick {

inline void ShowCalloutFor(IHost& host, const SettingCopies& settings, Callout callout, int seat,
                           int suit, int sound) {
    host.ShowCallout(callout, seat, suit, settings.m_soundOn == 1 ? sound : 0, settings.TickMs());
}

}  // namespace quintrick
