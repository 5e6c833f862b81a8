#include "roster.h"

namespace quintrick {

std::string_view RosterName(int character) {
    // Each name comes from the character's bird.
    static constexpr std::string_view names[kRosterSize] = {
        "紅隼",  // Kestrel
        "雎鳩",  // Osprey
        "蒼鷺",  // Heron
        "游隼",  // Falcon
        "丹頂",  // Crane
        "大鴉",  // Raven
        "喜鵲",  // Magpie
        "白鷺",  // Egret
        "百舌",  // Shrike
        "沢鵟",  // Harrier
    };
    if (character < 0 || character >= kRosterSize) return {};
    return names[character];
}

}  // namespace quintrick
