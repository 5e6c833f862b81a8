#include <gtest/gtest.h>

#include <algorithm>

#include "engine/deal.h"
#include "engine/strings.h"
#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;

// Trick 2 of a battle (nine cards each), seat 1 to lead, clubs trump; seats 0 and 2 related.
struct MidBattle : Table {
    MidBattle() {
        gs.m_trump = kClubs;
        Related(0, 2);
        Hand(0, {C(kClubs, 3), C(kClubs, 4), C(kDiamonds, 3), C(kDiamonds, 4), C(kHearts, 3),
                 C(kHearts, 4), C(kSpades, 3), C(kSpades, 4), C(kSpades, 5)});
        Hand(1, {C(kClubs, 5), C(kClubs, 6), C(kDiamonds, 5), C(kDiamonds, 6), C(kHearts, 5),
                 C(kHearts, 6), C(kSpades, 6), C(kSpades, 7), C(kSpades, 8)});
        Hand(2, {C(kClubs, 7), C(kClubs, 8), C(kDiamonds, 7), C(kDiamonds, 8), C(kHearts, 7),
                 C(kHearts, 8), C(kSpades, 9), C(kSpades, 10), C(kSpades, 2)});
        Hand(3, {C(kClubs, 9), C(kClubs, 10), C(kDiamonds, 9), C(kDiamonds, 10), C(kHearts, 9),
                 C(kHearts, 10), C(kSpades, J), C(kSpades, Q), C(kSpades, K)});
        Hand(4, {C(kClubs, J), C(kClubs, Q), C(kDiamonds, J), C(kDiamonds, Q), C(kHearts, J),
                 C(kHearts, Q), C(kSpades, A), C(kHearts, K), C(kHearts, A)});
        gs.m_leader = gs.m_turn = 1;
        gs.m_busy = 0;
    }
    void Tick() { engine.OnTimer(kGameTimerEvent); }
};

TEST(OnTimer, OneComputerCardPerTickThenWaitsForTheHuman) {
    MidBattle t;
    t.Tick();
    EXPECT_EQ(t.gs.FieldCount(), 1);
    EXPECT_NE(t.gs.m_field[1], kNoCard);
    EXPECT_EQ(t.gs.m_calledSuit, SuitOf(t.gs.m_field[1]));
    EXPECT_EQ(t.gs.m_handCount[1], 8);
    EXPECT_EQ(t.gs.m_turn, 2);
    EXPECT_EQ(t.host.m_sounds.back(), std::make_pair(int(kSoundCard), false));
    t.Tick();
    t.Tick();
    EXPECT_EQ(t.gs.FieldCount(), 3);
    EXPECT_EQ(t.gs.m_turn, 4);
    t.Tick();  // the human's turn: the computer stops
    EXPECT_EQ(t.gs.FieldCount(), 3);
    EXPECT_EQ(t.gs.m_busy, 1);
    t.Tick();
    EXPECT_EQ(t.gs.FieldCount(), 3);
}

TEST(OnTimer, GatesStopEveryStep) {
    for (int gate = 0; gate < 2; ++gate) {
        MidBattle t;
        (gate == 0 ? t.gs.m_busy : t.gs.m_dragging) = 1;
        t.Tick();
        EXPECT_EQ(t.gs.FieldCount(), 0) << (gate == 0 ? "busy" : "dragging");
        t.engine.OnTimer(kPeekTimerEvent);
        EXPECT_EQ(t.gs.FieldCount(), 0);
    }
}

TEST(OnTimer, TheFifthCardStaysOneTickAndTheWinnerLeadsAtOnce) {
    MidBattle t;
    t.settings.m_soundOn = 0;
    for (int i = 0; i < 4; ++i) t.Tick();  // seats 1, 2, 3, then the wait for seat 4
    t.gs.m_cursor = 0;
    ASSERT_TRUE(t.engine.PlayCursorCard());
    EXPECT_EQ(t.gs.m_turn, 0);
    EXPECT_EQ(t.gs.m_busy, 0);
    t.Tick();  // seat 0 plays the fifth card
    EXPECT_TRUE(t.gs.FieldComplete());
    const auto trick = t.gs.m_field;
    t.Tick();  // resolved, and a computer winner leads in the same tick
    EXPECT_EQ(t.gs.m_lastTrick, trick);
    const int winner = t.gs.m_leader;
    EXPECT_EQ(t.gs.m_trickRank[winner],
              *std::max_element(t.gs.m_trickRank.begin(), t.gs.m_trickRank.end()));
    if (winner == 4) {
        EXPECT_EQ(t.gs.FieldCount(), 0);
    } else {
        EXPECT_EQ(t.gs.FieldCount(), 1);
        EXPECT_NE(t.gs.m_field[winner], kNoCard);
    }
    EXPECT_TRUE(t.host.m_sounds.empty()) << "sound effects are off";
}

TEST(OnTimer, TheFirstLeadAnnouncesTheRelatedPair) {
    struct Case {
        int leader, other;
        std::vector<Callout> callouts;
    } cases[] = {
        {1, 3, {Callout::Come, Callout::Go}}, {2, 4, {Callout::Go}},  // the human is not called
    };
    for (const auto& c : cases) {
        Table t;
        t.gs.m_trump = kHearts;
        t.Related(c.leader, c.other);
        for (int seat = 0; seat < 5; ++seat) {
            t.Hand(seat, {C(seat % 4, 3), C(seat % 4, 4), C(seat % 4, 5), C(seat % 4, 6),
                          C(seat % 4, 7), C(seat % 4, 8), C(seat % 4, 9), C(seat % 4, 10),
                          C(seat % 4, J), C(seat % 4, Q)});
        }
        t.gs.m_leader = t.gs.m_turn = c.leader;
        t.engine.OnTimer(kGameTimerEvent);
        std::vector<Callout> seen;
        for (const auto& r : t.host.m_callouts) seen.push_back(r.callout);
        EXPECT_EQ(seen, c.callouts);
        EXPECT_EQ(t.host.m_callouts.back().seat, c.leader);
        EXPECT_EQ(t.host.m_callouts.back().sound, kSoundGo);
    }
}

TEST(OnTimer, SetupTickStartsOrExplains) {
    {
        Table t;
        t.host.Profile().WriteInt("Settei", "AutoStart", 0);
        t.engine.OnTimer(kSetupTimerEvent);
        EXPECT_EQ(t.gs.m_notReady, 0);
        EXPECT_EQ(t.host.m_messages, std::vector<int>{kMsgStartHelp});
    }
    {
        Table t;
        t.settings.m_ruleRem = 0;
        t.engine.OnTimer(kSetupTimerEvent);
        EXPECT_TRUE(t.host.m_messages.empty());
    }
    {
        Table t;
        t.host.m_cardBacksOk = false;
        t.engine.OnTimer(kSetupTimerEvent);
        EXPECT_EQ(t.gs.m_notReady, 1);
        EXPECT_EQ(t.host.m_messages, std::vector<int>{kMsgCardBackFailed});
    }
}

// A host whose call plates pump events: a game tick arriving meanwhile must not re-enter.
class PumpingHost : public ScriptedHost {
  public:
    CEngine* engine = nullptr;
    int nested = 0;
    void ShowCallout(Callout callout, int seat, int suit, int sound, int pauseMs) override {
        ScriptedHost::ShowCallout(callout, seat, suit, sound, pauseMs);
        ++nested;
        engine->OnTimer(kGameTimerEvent);
    }
};

TEST(OnTimer, ATickDuringACalloutIsIgnored) {
    GameState gs;
    SettingCopies settings;
    PumpingHost host;
    CFudaDashi players(gs, host);
    CEngine engine(gs, settings, host, players);
    host.engine = &engine;
    // Trick 1, seat 1 leads with seat 3 as its partner: the Come and Go plates pump ticks.
    gs.m_gameTimer = kGameTimerEvent;
    gs.m_phase = 1;
    gs.m_field.fill(kNoCard);
    gs.m_holder = {0, 1, 0, 2, 0};
    DealCards(gs, 99);
    gs.m_handCount.fill(10);
    gs.m_leader = gs.m_turn = 1;
    engine.OnTimer(kGameTimerEvent);
    EXPECT_EQ(host.nested, 2);
    EXPECT_EQ(gs.FieldCount(), 1);
    EXPECT_EQ(gs.m_turn, 2);
}

TEST(HumanPlay, RefusedCardsAndTheirMessages) {
    for (int ruleRem : {1, 0}) {
        MidBattle t;
        t.settings.m_ruleRem = ruleRem;
        t.gs.m_leader = 3;
        t.gs.m_turn = 4;
        t.gs.m_calledSuit = kHearts;
        t.gs.m_field[3] = C(kHearts, 2 + 7);
        t.gs.m_cursor = 0;  // J♣ while holding hearts
        EXPECT_FALSE(t.engine.PlayCursorCard());
        EXPECT_EQ(t.gs.m_handCount[4], 9);
        EXPECT_EQ(t.host.m_messages,
                  ruleRem ? std::vector<int>{kMsgRuleFollowSuit} : std::vector<int>{});
        t.gs.m_cursor = 5;  // Q♥
        EXPECT_TRUE(t.engine.PlayCursorCard());
        EXPECT_EQ(t.gs.m_field[4], C(kHearts, Q));
        EXPECT_EQ(t.gs.m_turn, 0);
        // Once played, the human cannot play again in this trick.
        t.gs.m_turn = 4;
        EXPECT_FALSE(t.engine.PlayCursorCard());
    }
}

TEST(HumanPlay, LeadingTheJokerAsksForTheSuit) {
    MidBattle t;
    t.Hand(4, {kJoker, C(kHearts, 3), C(kSpades, 4)});
    t.gs.m_leader = t.gs.m_turn = 4;
    t.gs.m_cursor = 0;
    ASSERT_TRUE(t.engine.PlayCursorCard());
    EXPECT_EQ(t.host.m_messages, std::vector<int>{kMsgJokerLeadPrompt});
    EXPECT_EQ(t.gs.m_calledSuit, kClubs);
    EXPECT_EQ(t.host.m_sounds.front(), std::make_pair(int(kSoundCallClubs), true));
    EXPECT_EQ(t.gs.m_field[4], kJoker);
    EXPECT_EQ(t.gs.m_cardPlayed[kJoker], 1);
}

}  // namespace
}  // namespace quintrick
