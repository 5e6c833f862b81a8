#include "shell/extras/hover_help.h"

#include "engine/strings.h"
#include "table/table.h"

namespace quintrick {
namespace {

// Fixed areas of the table (left, top, right, bottom).
constexpr Rect kTrumpArea{10, 10, 57, 63};
constexpr Rect kGameCounterArea{58, 10, 173, 36};
constexpr Rect kBattleCounterArea{58, 37, 173, 63};
constexpr Rect kAngleUpArea{119, 64, 146, 96};
constexpr Rect kAngleDownArea{146, 64, 173, 96};
constexpr Rect kRemainingPanel{995, 4, 1170, 142};

struct Counter {
    Rect area;
    int textId;
};
constexpr std::array<Counter, 8> kCounters{{
    {{1002, 4, 1045, 44}, kTipRelatedTarget},
    {{1045, 4, 1088, 44}, kTipUnrelatedTarget},
    {{1088, 4, 1131, 44}, kTipPicturesLeft},
    {{1131, 4, 1174, 44}, kTipJokerLeft},
    {{1002, 70, 1045, 110}, kTipClubsLeft},
    {{1045, 70, 1088, 110}, kTipDiamondsLeft},
    {{1088, 70, 1131, 110}, kTipHeartsLeft},
    {{1131, 70, 1174, 110}, kTipSpadesLeft},
}};

// The called-suit and right indicators explain themselves only where they are drawn: on the
// human's turn in a trick someone else led, with the status display on and no score table.
bool IndicatorsExplained(const GameState& gs, const SettingCopies& settings) {
    return gs.m_showScore == 0 && gs.m_phase == kPlaying && gs.m_turn == 4 && gs.m_leader != 4 &&
           settings.m_dspInfo == 1;
}

HoverHelp Show(int id) {
    return {HoverHelp::Action::Show, id};
}

}  // namespace

HoverAreas HoverAreasOf(const CTable& table) {
    HoverAreas areas;
    for (int seat = 0; seat < kSeats; ++seat) areas.m_plateRect[seat] = table.PlateRect(seat);
    areas.m_calledSuitRect = table.CalledSuitRect();
    areas.m_rightRect = table.RightRect();
    areas.m_turnMarkRect = table.TurnMarkRect();
    areas.m_fieldRect = table.FieldRect();
    areas.m_discardRect = table.DiscardRect();
    return areas;
}

int CharacterTipId(const GameState& gs, int seat) {
    if (seat < 0 || seat >= kSeats) return 0;
    switch (gs.m_seatPlayer[seat]) {
        case 0:
            return kTipPersonalityFirst + 5;
        case 1:
            return kTipPersonalityFirst + 8;
        case 2:
            return kTipPersonalityFirst + 6;
        case 3:
            return kTipPersonalityFirst + 2;
        case 4:
            break;
        default:
            return 0;
    }
    switch (gs.m_entryNo) {
        case 0:
        case 1:
        case 3:
        case 4:
        case 7:
        case 9:
            return kTipPersonalityFirst + gs.m_entryNo;
        default:
            return 0;
    }
}

std::string_view CharacterTip(const GameState& gs, int seat) {
    const int id = CharacterTipId(gs, seat);
    return id == 0 ? std::string_view() : LoadString(id);
}

HoverHelp UpdateHoverHelp(int x, int y, const GameState& gs, const SettingCopies& settings,
                          const HoverAreas& areas, int levelTextId) {
    // 1. A name plate (the first that holds the point) once a game has started.
    if (gs.m_phase != kNoGame) {
        for (int seat = 0; seat < kSeats; ++seat) {
            if (!areas.m_plateRect[seat].Contains(x, y)) continue;
            HoverHelp help = Show(CharacterTipId(gs, seat));
            if (seat != kHumanSeat && help.textId != 0) help.extraId = levelTextId;
            help.groupId = gs.IsRelated(seat) ? kTipGroupRelated : kTipGroupUnrelated;
            return help;
        }
    }
    // 2, 3. The called suit and the right.
    if (areas.m_calledSuitRect.Contains(x, y) && IndicatorsExplained(gs, settings))
        return Show(kTipCalledSuit);
    if (areas.m_rightRect.Contains(x, y) && IndicatorsExplained(gs, settings))
        return Show(kTipRight);
    // 4, 5. The angle buttons.
    if (kAngleUpArea.Contains(x, y)) return Show(kTipAngleUp);
    if (kAngleDownArea.Contains(x, y)) return Show(kTipAngleDown);
    // 6, 7. The current-player mark and the field during a game.
    if (gs.m_phase != kNoGame && areas.m_turnMarkRect.Contains(x, y)) return Show(kTipTurnMark);
    if (gs.m_phase != kNoGame && areas.m_fieldRect.Contains(x, y)) return Show(kTipField);
    // 8. The discard pile once it holds a card.
    if (areas.m_discardRect.Contains(x, y) && gs.m_discardCount > 0) return Show(kTipDiscard);
    // 9-11. The trump indicator and the two counters.
    if (kTrumpArea.Contains(x, y)) return Show(kTipTrump);
    if (kGameCounterArea.Contains(x, y)) return Show(kTipGameCounter);
    if (kBattleCounterArea.Contains(x, y)) return Show(kTipBattleCounter);
    // 12. The remaining-cards panel: a counter explains itself, a gap changes nothing.
    if (gs.m_phase != kNoGame && settings.m_nokoriDsp == 1 && kRemainingPanel.Contains(x, y)) {
        for (const Counter& c : kCounters) {
            if (c.area.Contains(x, y)) return Show(c.textId);
        }
        return {HoverHelp::Action::Keep, 0};
    }
    // 13. Nothing here.
    return {HoverHelp::Action::Hide, 0};
}

}  // namespace quintrick
