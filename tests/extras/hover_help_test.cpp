// The explanation rules: their order, the conditions of each, the gap between the counters, and
// the personality texts.
#include "shell/extras/hover_help.h"

#include <gtest/gtest.h>

#include <string>

#include "conquest/kuni_table.h"
#include "engine/roster.h"
#include "engine/strings.h"

namespace quintrick {
namespace {

using Action = HoverHelp::Action;

struct Scene {
    GameState gs;
    SettingCopies settings;
    HoverAreas areas;
    Scene() {
        gs.m_phase = 1;
        gs.m_turn = 4;
        gs.m_leader = 2;
        gs.m_discardCount = 3;
        gs.m_seatPlayer = {0, 1, 2, 3, 4};
        gs.m_entryNo = 7;
        // Plates, indicators, the mark, the field and the discard pile laid over each other at
        // one point (600, 450), so the order of the rules decides.
        for (int seat = 0; seat < kSeats; ++seat)
            areas.m_plateRect[seat] = {100 * seat, 800, 100 * seat + 90, 850};
        areas.m_plateRect[2] = {590, 440, 610, 460};
        areas.m_calledSuitRect = {580, 430, 620, 470};
        areas.m_rightRect = {570, 420, 630, 480};
        areas.m_turnMarkRect = {560, 410, 640, 490};
        areas.m_fieldRect = {400, 300, 800, 600};
        areas.m_discardRect = {300, 200, 900, 700};
    }
    HoverHelp At(int x, int y) const { return UpdateHoverHelp(x, y, gs, settings, areas); }
};

HoverHelp Show(int id) {
    return {Action::Show, id};
}
constexpr HoverHelp kHide{Action::Hide, 0};
constexpr HoverHelp kKeep{Action::Keep, 0};

// Each case switches off what the previous rules need, so the next rule in order decides.
TEST(HoverHelpRules, FirstApplicableRuleDecides) {
    struct Case {
        const char* what;
        void (*change)(Scene&);
        HoverHelp expected;
    };
    const Case cases[] = {
        {"plate first", [](Scene&) {}, {Action::Show, 30106, 0, kTipGroupUnrelated}},  // Magpie
        {"called suit after the plates", [](Scene& s) { s.areas.m_plateRect[2] = {}; },
         Show(kTipCalledSuit)},
        {"a plate before a game falls through", [](Scene& s) { s.gs.m_phase = 0; },
         Show(kTipDiscard)},
        {"called suit needs the human's turn",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.gs.m_turn = 3;
         },
         Show(kTipTurnMark)},
        {"called suit not when the human led",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.gs.m_leader = 4;
         },
         Show(kTipTurnMark)},
        {"called suit not with the score table",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.gs.m_showScore = 1;
         },
         Show(kTipTurnMark)},
        {"called suit not without the status display",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.settings.m_dspInfo = 2;
         },
         Show(kTipTurnMark)},
        {"called suit not while show cards are put out",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.gs.m_phase = 2;
         },
         Show(kTipTurnMark)},
        {"right after the called suit",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.areas.m_calledSuitRect = {};
         },
         Show(kTipRight)},
        {"mark before the field",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.areas.m_calledSuitRect = {};
             s.areas.m_rightRect = {};
         },
         Show(kTipTurnMark)},
        {"field before the discard pile",
         [](Scene& s) {
             s.areas.m_plateRect[2] = {};
             s.areas.m_calledSuitRect = {};
             s.areas.m_rightRect = {};
             s.areas.m_turnMarkRect = {};
         },
         Show(kTipField)},
        {"an empty discard pile explains nothing",
         [](Scene& s) {
             s.gs.m_phase = 0;
             s.gs.m_discardCount = 0;
         },
         kHide},
    };
    for (const Case& c : cases) {
        Scene s;
        c.change(s);
        EXPECT_EQ(s.At(600, 450), c.expected) << c.what;
    }
}

// A plate's tip ends with the group of its player as the plate's sign shows it, also on the
// human's plate when its character has no text of its own.
TEST(HoverHelpRules, PlatesNameTheGroupBySign) {
    const struct {
        int seat, holder, entryNo;
        HoverHelp expected;
    } cases[] = {
        {2, kUnrelated, 7, {Action::Show, 30106, 0, kTipGroupUnrelated}},
        {2, kJokerHolder, 7, {Action::Show, 30106, 0, kTipGroupRelated}},
        {0, kTrumpAceHolder, 7, {Action::Show, 30105, 0, kTipGroupRelated}},
        {4, kUnrelated, 7, {Action::Show, kTipPersonalityFirst + 7, 0, kTipGroupUnrelated}},
        {4, kJokerHolder, 5, {Action::Show, 0, 0, kTipGroupRelated}},
    };
    for (const auto& c : cases) {
        Scene s;
        s.areas = {};
        s.areas.m_plateRect[c.seat] = {590, 440, 610, 460};
        s.gs.m_holder[c.seat] = c.holder;
        s.gs.m_entryNo = c.entryNo;
        EXPECT_EQ(s.At(600, 450), c.expected) << "seat " << c.seat << " holder " << c.holder;
    }
}

TEST(HoverHelpRules, FixedAreasAndTheirEdges) {
    struct Case {
        int phase, x, y;
        HoverHelp expected;
    };
    const Case cases[] = {
        {0, 10, 10, Show(kTipTrump)},
        {0, 56, 62, Show(kTipTrump)},
        {0, 57, 20, kHide},
        {0, 58, 10, Show(kTipGameCounter)},
        {0, 172, 35, Show(kTipGameCounter)},
        {0, 100, 36, kHide},
        {0, 58, 37, Show(kTipBattleCounter)},
        {0, 173, 40, kHide},
        {0, 119, 64, Show(kTipAngleUp)},
        {0, 145, 95, Show(kTipAngleUp)},
        {0, 146, 64, Show(kTipAngleDown)},
        {0, 172, 95, Show(kTipAngleDown)},
        {0, 173, 64, kHide},
        {0, 146, 96, kHide},
        // The counters only during a game.
        {0, 1010, 10, kHide},
        {1, 1010, 10, Show(kTipRelatedTarget)},
        {1, 1050, 10, Show(kTipUnrelatedTarget)},
        {1, 1100, 10, Show(kTipPicturesLeft)},
        {1, 1140, 10, Show(kTipJokerLeft)},
        {1, 1010, 80, Show(kTipClubsLeft)},
        {1, 1050, 80, Show(kTipDiamondsLeft)},
        {1, 1100, 80, Show(kTipHeartsLeft)},
        {1, 1169, 109, Show(kTipSpadesLeft)},
        // Inside the panel but in a gap: nothing changes; outside the panel: hidden.
        {1, 1010, 50, kKeep},
        {1, 998, 10, kKeep},
        {1, 1100, 120, kKeep},
        {1, 1171, 80, kHide},
        {1, 1010, 142, kHide},
        {1, 994, 10, kHide},
    };
    for (const Case& c : cases) {
        Scene s;
        s.gs.m_phase = c.phase;
        s.areas = {};
        EXPECT_EQ(s.At(c.x, c.y), c.expected) << c.x << "," << c.y << " phase " << c.phase;
    }
}

TEST(HoverHelpRules, RemainingPanelNeedsItsSetting) {
    Scene s;
    s.areas = {};
    s.settings.m_nokoriDsp = 0;
    EXPECT_EQ(s.At(1010, 10), kHide);
    EXPECT_EQ(s.At(1010, 50), kHide);
}

TEST(CharacterTip, ByPlayerAndTheHumansCharacter) {
    GameState gs;
    gs.m_seatPlayer = {4, 3, 2, 1, 0};
    const int expected[] = {0, 30102, 30106, 30108, 30105};
    gs.m_entryNo = 5;  // not one of the six: no text for the human's plate
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(CharacterTipId(gs, seat), expected[seat]);
    EXPECT_TRUE(CharacterTip(gs, 0).empty());
    for (int entry : {0, 1, 3, 4, 7, 9}) {
        gs.m_entryNo = entry;
        EXPECT_EQ(CharacterTipId(gs, 0), kTipPersonalityFirst + entry);
    }
    for (int entry : {-1, 2, 5, 6, 8, 10}) {
        gs.m_entryNo = entry;
        EXPECT_EQ(CharacterTipId(gs, 0), 0) << entry;
    }
}

// Each personality text names the character and its home province on the first and last lines.
TEST(CharacterTip, TextsNameTheCharacterAndItsHome) {
    for (int c = 0; c < kRosterSize; ++c) {
        const std::string text(LoadString(kTipPersonalityFirst + c));
        const auto first = text.find('\n');
        const auto last = text.rfind('\n');
        ASSERT_NE(first, last) << c;
        EXPECT_EQ(text.substr(0, first), RosterName(c));
        EXPECT_EQ(text.substr(last + 1), "[本拠地] " + KuniName(HomeProvince(c))) << c;
        EXPECT_TRUE(text.substr(first + 1).starts_with("[性　格] ")) << c;
    }
    for (int id = kTipTrump; id <= kTipRight; ++id) EXPECT_FALSE(LoadString(id).empty()) << id;
}

}  // namespace
}  // namespace quintrick
