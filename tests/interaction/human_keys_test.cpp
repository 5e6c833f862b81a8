// The keys of the hand through the human-input layer: the arrows step the mark around the hand,
// Home and End put it on the first and the last card, and none of them moves it while the
// pressed button holds something or no game runs.
#include <gtest/gtest.h>

#include <vector>

#include "interaction/human_input.h"
#include "memory_profile.h"
#include "players/fuda_dashi.h"
#include "recording_box.h"
#include "scripted_host.h"
#include "table/table.h"

namespace quintrick {
namespace {

class CountingWindow : public IInputHost {
  public:
    void SetPointer(Pointer) override {}
    void RepaintNow() override { ++repaints; }
    void RepaintArea(const Rect&) override {}
    void OpenMenu(int) override {}
    int repaints = 0;
};

class HandKeys : public ::testing::Test {
  protected:
    void Deal(int cards) {
        gs.ResetAtInitialUpdate();
        gs.m_notReady = 0;
        gs.m_phase = 1;
        gs.m_turn = kHumanSeat;
        gs.m_leader = kHumanSeat;
        gs.m_field.fill(kNoCard);
        gs.m_hand[kHumanSeat].fill(kNoCard);
        for (int i = 0; i < cards; ++i) gs.m_hand[kHumanSeat][i] = CardId(3 * i);
        gs.m_handCount[kHumanSeat] = cards;
    }

    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox messages;
    ScriptedHost host;
    CFudaDashi players{gs, host};
    CEngine engine{gs, settings, host, players};
    CTable table{gs, settings, profile, messages};
    CountingWindow window;
    CHumanInput input{gs, settings, engine, table, profile, window};
};

TEST_F(HandKeys, MoveTheMarkInTheHand) {
    const struct {
        int cards;
        int cursor;
        std::vector<GameKey> keys;
        int expected;
    } cases[] = {
        {10, 4, {GameKey::Home}, 0},
        {10, 4, {GameKey::End}, 9},
        {10, 0, {GameKey::Home}, 0},
        {10, 9, {GameKey::End}, 9},
        {7, 2, {GameKey::End}, 6},
        {7, 6, {GameKey::Home, GameKey::Right, GameKey::Right}, 2},
        {7, 3, {GameKey::End, GameKey::Right}, 0},  // the arrows still wrap from the last card
        {7, 3, {GameKey::Home, GameKey::Left}, 6},
        {1, 0, {GameKey::End, GameKey::Home}, 0},
        {4, -1, {GameKey::Home}, 0},  // a mark outside the hand still lands on the first card
        {4, 12, {GameKey::End}, 3},
    };
    for (const auto& c : cases) {
        Deal(c.cards);
        gs.m_cursor = c.cursor;
        window.repaints = 0;
        for (GameKey key : c.keys) input.OnKeyDown(key);
        EXPECT_EQ(gs.m_cursor, c.expected) << c.cards << " cards from " << c.cursor;
        EXPECT_EQ(window.repaints, int(c.keys.size())) << "each key repaints the mark";
        EXPECT_EQ(gs.m_handCount[kHumanSeat], c.cards) << "no card played";
    }
}

TEST_F(HandKeys, StayWhileSomethingIsHeldOrNoGameRuns) {
    const struct {
        const char* what;
        void (*set)(GameState&);
    } cases[] = {
        {"the last trick held", [](GameState& g) { g.m_showLastTrick = 1; }},
        {"the discards held", [](GameState& g) { g.m_showDiscards = 1; }},
        {"no game", [](GameState& g) { g.m_phase = kNoGame; }},
        {"the score table shown", [](GameState& g) { g.m_showScore = 1; }},
    };
    for (const auto& c : cases) {
        for (GameKey key : {GameKey::Home, GameKey::End}) {
            Deal(8);
            gs.m_cursor = 3;
            c.set(gs);
            window.repaints = 0;
            input.OnKeyDown(key);
            EXPECT_EQ(gs.m_cursor, 3) << c.what;
            EXPECT_EQ(window.repaints, 0) << c.what;
        }
    }
}

}  // namespace
}  // namespace quintrick
