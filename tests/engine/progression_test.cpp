#include <gtest/gtest.h>

#include <climits>

#include "engine/deal.h"
#include "engine/stone_account.h"
#include "engine/strings.h"
#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;

bool IsDoubleKan(int seed, int trump) {
    GameState gs;
    DealCards(gs, seed);
    for (const auto& hand : gs.m_hand) {
        if (hand[0] == kJoker && std::find(hand.begin(), hand.end(), AceOf(trump)) != hand.end()) {
            return true;
        }
    }
    return false;
}

// A table at program start with automatic start for `character`.
struct StartedTable : Table {
    explicit StartedTable(int character = 0) {
        gs.ResetAtInitialUpdate();
        host.Profile().WriteInt("Settei", "AutoStart", 1);
        host.Profile().WriteInt("Settei", "EntryNo", character);
    }
};

TEST(StartGame, TrumpRotatesWithTheGameNumber) {
    const int trumps[10] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 3};
    for (int game = 1; game <= 10; ++game) {
        StartedTable t;
        t.gs.m_game = game;
        t.gs.m_battle = game == 1 ? 0 : 3;
        ASSERT_EQ(t.engine.StartGame(), 1);
        EXPECT_EQ(t.gs.m_trump, trumps[game - 1]) << "game " << game;
        EXPECT_EQ(t.gs.m_battle, 1);
        EXPECT_EQ(t.gs.m_phase, 1);
        EXPECT_EQ(t.gs.m_busy, 0);
        EXPECT_EQ(t.gs.m_relatedTarget, 9);
        EXPECT_EQ(t.gs.m_unrelatedTarget, 8);
    }
}

TEST(StartGame, FixesTheHumansCharacter) {
    struct Case {
        bool autoStart;
        int stored, chosen;  // chosen -1 = the dialog is cancelled
        int entryNo;         // -1: no game starts
    } cases[] = {
        {true, 7, 0, 7},  {true, 2, 0, 0},  {true, 11, 0, 0},
        {false, 0, 3, 3}, {false, 0, 5, 0}, {false, 4, -1, -1},
    };
    for (const auto& c : cases) {
        StartedTable t(c.stored);
        t.host.Profile().WriteInt("Settei", "AutoStart", c.autoStart ? 1 : 0);
        t.host.m_character = c.chosen;
        const int started = t.engine.StartGame();
        EXPECT_EQ(started, c.entryNo >= 0 ? 1 : 0);
        if (c.entryNo < 0) {
            EXPECT_EQ(t.gs.m_phase, 0);
            EXPECT_EQ(t.gs.m_battle, 0);
            EXPECT_TRUE(t.host.m_timers.empty());
            continue;
        }
        EXPECT_EQ(t.gs.m_entryNo, c.entryNo);
        EXPECT_EQ(t.gs.m_playerName[4], RosterName(c.entryNo));
        EXPECT_EQ(t.gs.m_playerName[0], RosterName(kRaven));
        EXPECT_EQ(t.gs.m_playerName[3], RosterName(kHeron));
        if (!c.autoStart) {
            EXPECT_EQ(t.host.Profile().ReadInt("Settei", "EntryNo", -1), c.chosen);
        }
    }
}

TEST(StartGame, RedealsADoubleKanUntilTheClockHasMovedOn) {
    int seed = -1;
    for (int s = 0; s < 3600 && seed < 0; ++s) {
        if (IsDoubleKan(s, kClubs)) seed = s;
    }
    ASSERT_GE(seed, 0);
    StartedTable t;
    t.host.m_clock = seed;
    ASSERT_EQ(t.engine.StartGame(), 1);
    int redeals = 0;
    for (const auto& c : t.host.m_callouts) redeals += c.callout == Callout::Redeal;
    EXPECT_GE(redeals, 1);
    EXPECT_EQ(t.host.m_callouts[0].callout, Callout::Redeal);
    EXPECT_EQ(t.host.m_callouts[0].sound, 0);
    EXPECT_EQ(t.host.m_callouts[0].pauseMs, 999);
    int holders = 0;
    for (int h : t.gs.m_holder) {
        EXPECT_NE(h, 3);
        holders += h != 0;
    }
    EXPECT_EQ(holders, 2);
}

TEST(SeparateKanHolders, NeighboursAreMovedApart) {
    struct Case {
        int a, b;          // holder seats
        int swapA, swapB;  // seats exchanged, -1 none
    } cases[] = {
        {4, 0, 0, 1}, {3, 4, 3, 2},   {0, 1, 1, 2},   {1, 2, 2, 3},
        {2, 3, 2, 1}, {0, 2, -1, -1}, {1, 4, -1, -1}, {0, 3, -1, -1},
    };
    for (const auto& c : cases) {
        Table t;
        for (int seat = 0; seat < 5; ++seat) t.gs.m_hand[seat].fill(seat * 10);
        t.gs.m_seatPlayer = {0, 1, 2, 3, 4};
        t.Related(c.a, c.b);
        const GameState before = t.gs;
        t.engine.SeparateKanHolders();
        for (int seat = 0; seat < 5; ++seat) {
            int from = seat;
            if (seat == c.swapA) from = c.swapB;
            if (seat == c.swapB) from = c.swapA;
            EXPECT_EQ(t.gs.m_hand[seat], before.m_hand[from]) << c.a << c.b << " seat " << seat;
            EXPECT_EQ(t.gs.m_holder[seat], before.m_holder[from]);
            EXPECT_EQ(t.gs.m_seatPlayer[seat], before.m_seatPlayer[from]);
        }
        EXPECT_EQ(t.gs.m_seatPlayer[4], 4) << "the human never moves";
    }
}

TEST(ChooseFirstLeader, HumanIsAskedOtherwiseTheClockDecides) {
    struct Case {
        int a, b;
        int answer;  // the human's answer, 0 when not asked
        int second;
        int leader;
    } cases[] = {
        {4, 1, IDYES, 0, 4}, {4, 1, IDNO, 0, 1}, {2, 4, IDNO, 0, 2}, {0, 2, 0, 10, 0},
        {0, 2, 0, 11, 2},    {1, 3, 0, 58, 1},   {1, 3, 0, 59, 3},
    };
    for (const auto& c : cases) {
        Table t;
        t.Related(c.a, c.b);
        t.host.m_clock = c.second;
        t.host.m_answer = [&](int) { return c.answer; };
        t.engine.ChooseFirstLeader();
        EXPECT_EQ(t.gs.m_leader, c.leader) << c.a << ',' << c.b << " at " << c.second;
        EXPECT_EQ(t.host.m_messages.size(), c.answer ? 1u : 0u);
    }
}

TEST(StartGame, KanCalloutsForComputerHoldersOnly) {
    // Search a clock second whose deal gives the human the joker and a computer the trump ace.
    for (int s = 0; s < 3600; ++s) {
        GameState probe;
        DealCards(probe, s);
        if (probe.m_hand[4][0] != kJoker) continue;
        if (std::find(probe.m_hand[4].begin(), probe.m_hand[4].end(), AceOf(kClubs)) !=
            probe.m_hand[4].end()) {
            continue;
        }
        StartedTable t;
        t.host.m_clock = s;
        ASSERT_EQ(t.engine.StartGame(), 1);
        std::vector<int> kanSeats;
        for (const auto& c : t.host.m_callouts) {
            if (c.callout == Callout::Kan) {
                kanSeats.push_back(c.seat);
                EXPECT_EQ(c.sound, kSoundKan);
            }
        }
        ASSERT_EQ(kanSeats.size(), 1u);
        EXPECT_NE(t.gs.m_holder[kanSeats[0]], 0);
        EXPECT_NE(kanSeats[0], 0) << "a neighbour of the human is moved away";
        return;
    }
    FAIL() << "no such deal found";
}

TEST(StartGame, TimerFailureBlocksTheGame) {
    StartedTable t;
    t.host.m_timerOk = false;
    EXPECT_EQ(t.engine.StartGame(), 0);
    EXPECT_EQ(t.host.m_messages.back(), kMsgTimerFailed);
    EXPECT_EQ(t.gs.m_busy, 1);
}

// A game after battle 1 won by the related pair at `jokerSeat` and `aceSeat`.
struct BattleWon : StartedTable {
    BattleWon(int jokerSeat, int aceSeat) {
        EXPECT_EQ(engine.StartGame(), 1);
        gs.m_holder.fill(0);
        gs.m_holder[jokerSeat] = 1;
        gs.m_holder[aceSeat] = 2;
        host.m_callouts.clear();
        host.m_messages.clear();
    }
};

TEST(StartNextBattle, HumanTrumpPartnerNamesTheTrumpFromTheShowCards) {
    BattleWon t(4, 2);
    t.engine.StartNextBattle();
    EXPECT_EQ(t.gs.m_battle, 2);
    EXPECT_EQ(t.gs.m_relatedTarget, 8);
    EXPECT_EQ(t.gs.m_trumpPartner, 4);
    EXPECT_EQ(t.gs.m_showPartner, 2);
    EXPECT_EQ(t.gs.m_trump, kClubs);  // the scripted human names clubs
    EXPECT_EQ(t.host.m_sounds.back(), std::make_pair(int(kSoundTrumpClubs), true));
    EXPECT_EQ(t.gs.m_showCount, 0);
    EXPECT_EQ(t.gs.m_busy, 0);
    EXPECT_EQ(t.gs.m_leader, 4);
    EXPECT_EQ(t.gs.m_turn, 4);
}

TEST(StartNextBattle, HumanShowPartnerPutsOutTwoCards) {
    BattleWon t(1, 4);
    t.engine.StartNextBattle();  // battle 1 won: the joker holder names the trump
    EXPECT_EQ(t.gs.m_trumpPartner, 1);
    EXPECT_EQ(t.gs.m_showPartner, 4);
    EXPECT_EQ(t.host.m_messages, std::vector<int>{kMsgPutShowCards});
    EXPECT_EQ(t.gs.m_phase, 2);
    EXPECT_EQ(t.gs.m_turn, 4);
    EXPECT_EQ(t.gs.m_busy, 1);

    const auto hand = t.gs.m_hand[4];
    t.gs.m_cursor = 9;
    EXPECT_TRUE(t.engine.PlayCursorCard());
    EXPECT_EQ(t.gs.m_showCount, 1);
    EXPECT_EQ(t.gs.m_handCount[4], 9);
    t.gs.m_cursor = 0;
    EXPECT_TRUE(t.engine.PlayCursorCard());
    // The computer partner has named and announced the trump; the cards are back in hand.
    EXPECT_EQ(t.gs.m_phase, 1);
    EXPECT_EQ(t.gs.m_busy, 0);
    EXPECT_EQ(t.gs.m_showCount, 0);
    EXPECT_EQ(t.gs.m_handCount[4], 10);
    EXPECT_EQ(t.gs.m_hand[4], hand);
    EXPECT_EQ(t.gs.m_leader, 1);
    EXPECT_EQ(t.gs.m_turn, 1);
    EXPECT_EQ(t.gs.m_field[4], kNoCard);
    ASSERT_FALSE(t.host.m_callouts.empty());
    EXPECT_EQ(t.host.m_callouts.back().callout, Callout::TrumpCall);
    EXPECT_EQ(t.host.m_callouts.back().seat, 1);
    EXPECT_EQ(t.host.m_callouts.back().sound, TrumpSound(t.gs.m_trump));
}

TEST(StartNextBattle, TwoComputerPartnersChooseTogether) {
    BattleWon t(0, 2);
    t.gs.m_battle = 2;  // battle 2 won: the trump-ace holder names the trump in battle 3
    t.engine.StartNextBattle();
    EXPECT_EQ(t.gs.m_battle, 3);
    EXPECT_EQ(t.gs.m_relatedTarget, 9);
    EXPECT_EQ(t.gs.m_trumpPartner, 2);
    EXPECT_EQ(t.gs.m_leader, 2);
    EXPECT_EQ(t.gs.m_turn, 2);
    EXPECT_EQ(t.gs.m_busy, 0);
    ASSERT_EQ(t.host.m_callouts.size(), 1u);
    EXPECT_EQ(t.host.m_callouts[0].callout, Callout::TrumpCall);
    EXPECT_EQ(t.host.m_callouts[0].seat, 2);
}

TEST(EndOfGame, CreditsTheMatchAsStonesNeverBelowZero) {
    StartedTable t(3);
    ASSERT_EQ(t.engine.StartGame(), 1);
    IProfile& profile = t.host.Profile();
    SetStones(profile, kRaven, 20);
    SetStones(profile, kFalcon, 7);
    for (auto& row : t.gs.m_points) row.fill(0);
    t.gs.m_points[0] = {-30, 45, -10, 0, -5};
    t.gs.m_points[9] = {0, 0, 5, -5, 0};
    t.gs.m_game = 10;
    t.host.m_matchesWanted = 1;
    t.engine.EndOfGame();
    EXPECT_EQ(GetStones(profile, kRaven), 0);    // 20 - 30
    EXPECT_EQ(GetStones(profile, kShrike), 45);  // 0 + 45
    EXPECT_EQ(GetStones(profile, kMagpie), 0);   // 0 - 5
    EXPECT_EQ(GetStones(profile, kHeron), 0);    // 0 - 5
    EXPECT_EQ(GetStones(profile, kFalcon), 2);   // the human's character: 7 - 5
    EXPECT_EQ(t.gs.m_showScore, 1);
    EXPECT_EQ(t.host.m_messages.back(), kMsgContinue);
    EXPECT_TRUE(t.host.m_closeRequested);
}

TEST(EndOfGame, YesStartsANewMatch) {
    StartedTable t;
    ASSERT_EQ(t.engine.StartGame(), 1);
    t.gs.m_points[5] = {1, 2, 3, 4, -10};
    t.gs.m_game = 10;
    t.host.m_matchesWanted = 2;
    t.engine.EndOfGame();
    EXPECT_FALSE(t.host.m_closeRequested);
    EXPECT_EQ(t.gs.m_game, 1);
    EXPECT_EQ(t.gs.m_battle, 1);
    EXPECT_EQ(t.gs.m_showScore, 0);
    EXPECT_EQ(t.gs.m_points[5], (std::array<int, 5>{}));
}

TEST(CreditMatchStones, SaturatesAtTheIntLimits) {
    Table t;
    IProfile& profile = t.host.Profile();
    SetStones(profile, 4, INT_MAX - 5);
    CreditMatchStones(profile, 4, 100);
    EXPECT_EQ(GetStones(profile, 4), INT_MAX);
    SetStones(profile, 4, 10);
    CreditMatchStones(profile, 4, INT_MIN);
    EXPECT_EQ(GetStones(profile, 4), 0);
}

}  // namespace
}  // namespace quintrick
