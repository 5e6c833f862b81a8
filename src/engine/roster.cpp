#include "roster.h"

namespace quintrick {

// The translation tools find the names by this marker; the window translates them by the same
// context where it shows them.
#define QT_TRANSLATE_NOOP(context, text) text

std::string_view RosterName(int character) {
    // Each name comes from the character's bird.
    static constexpr std::string_view names[kRosterSize] = {
        QT_TRANSLATE_NOOP("Roster", "紅隼"),  // Kestrel
        QT_TRANSLATE_NOOP("Roster", "雎鳩"),  // Osprey
        QT_TRANSLATE_NOOP("Roster", "蒼鷺"),  // Heron
        QT_TRANSLATE_NOOP("Roster", "游隼"),  // Falcon
        QT_TRANSLATE_NOOP("Roster", "丹頂"),  // Crane
        QT_TRANSLATE_NOOP("Roster", "大鴉"),  // Raven
        QT_TRANSLATE_NOOP("Roster", "喜鵲"),  // Magpie
        QT_TRANSLATE_NOOP("Roster", "白鷺"),  // Egret
        QT_TRANSLATE_NOOP("Roster", "百舌"),  // Shrike
        QT_TRANSLATE_NOOP("Roster", "沢鵟"),  // Harrier
    };
    if (character < 0 || character >= kRosterSize) return {};
    return names[character];
}

}  // namespace quintrick
