// The screen explanations: which text resting the pointer on a point of the table explains.
// The choice works on the table's recorded rectangles and the game state alone, so it is the
// same with or without a window; the tip window shows what it returns.
#pragma once

#include <array>
#include <string_view>

#include "engine/game_state.h"
#include "engine/setting_copies.h"
#include "table/geometry.h"

namespace quintrick {

class CTable;

// The rectangles of the table the explanations look at (base coordinates), as the last
// composition recorded them.
struct HoverAreas {
    std::array<Rect, kSeats> m_plateRect{};
    Rect m_calledSuitRect;
    Rect m_rightRect;
    Rect m_turnMarkRect;
    Rect m_fieldRect;
    Rect m_discardRect;
};
HoverAreas HoverAreasOf(const CTable& table);

// What the tip does for a point: show a text (string id; 0 shows empty text, which is no
// balloon), hide, or stay as it is (the gaps between the remaining-cards counters).
struct HoverHelp {
    enum class Action { Show, Hide, Keep };
    Action action = Action::Hide;
    int textId = 0;
    int extraId = 0;  // a line added under the text (the computers' strength), or 0
    int groupId = 0;  // the last line: the plate's group by its sign, or 0
    friend bool operator==(const HoverHelp&, const HoverHelp&) = default;
};

// The first rule that applies to the point (x, y) in base coordinates. Only called while the
// hover explanations are switched on. `levelTextId` (the strength's line) is added under the
// name plates of the four computer seats.
HoverHelp UpdateHoverHelp(int x, int y, const GameState& gs, const SettingCopies& settings,
                          const HoverAreas& areas, int levelTextId = 0);

// The string id of the personality of the character at a seat (name plate 0-4); 0 when the
// human's character is none of the six.
int CharacterTipId(const GameState& gs, int seat);
// Its text; empty for id 0.
std::string_view CharacterTip(const GameState& gs, int seat);

}  // namespace quintrick
