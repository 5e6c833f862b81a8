#include <gtest/gtest.h>

#include "engine/lcg.h"
#include "engine/strings.h"
#include "table_fixture.h"

namespace quintrick {
namespace {

using namespace testing;

// A clock second at which a computer's declaration draw says yes (or no) for `percent`.
int SecondFor(bool yes, int percent) {
    for (int s = 0; s < 60; ++s) {
        Lcg rng(s);
        if ((rng.Rand() % 10 < percent / 10) == yes) return s;
    }
    return -1;
}

enum Who { kComputerYes, kComputerNo, kHumanYes, kHumanNo, kNobody };

struct JudgeCase {
    const char* name;
    int battle;
    Declaration declaration;
    int related, unrelated;
    bool humanRelated;  // the related pair is seats 0 and 4, else seats 1 and 3
    int winner;
    Who decides;
    JudgeResult result;
    std::vector<int> messages;
    bool set;  // the row is replaced, else added to
    int relatedPoints, unrelatedPoints;
    Declaration declarationAfter;
};

TEST(JudgeTrick, EveryBranchWithItsMessagesAndPoints) {
    const JudgeCase cases[] = {
        {.name = "related win, battle 1",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 9,
         .unrelated = 3,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kNextBattle,
         .messages = {kMsgRelatedWins},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kNoDeclaration},
        {.name = "related win, battle 2 needs 8",
         .battle = 2,
         .declaration = kNoDeclaration,
         .related = 8,
         .unrelated = 4,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kNextBattle,
         .messages = {kMsgRelatedWins},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kNoDeclaration},
        {.name = "related win, battle 3",
         .battle = 3,
         .declaration = kNoDeclaration,
         .related = 10,
         .unrelated = 2,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgRelatedWins},
         .set = false,
         .relatedPoints = 12,
         .unrelatedPoints = -8,
         .declarationAfter = kNoDeclaration},
        {.name = "sweep, computer declines",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 9,
         .unrelated = 0,
         .humanRelated = false,
         .winner = 1,
         .decides = kComputerNo,
         .result = kNextBattle,
         .messages = {kMsgRelatedSweep},
         .set = false,
         .relatedPoints = 3,
         .unrelatedPoints = -2,
         .declarationAfter = kNoDeclaration},
        {.name = "sweep, computer declines, battle 3",
         .battle = 3,
         .declaration = kNoDeclaration,
         .related = 9,
         .unrelated = 0,
         .humanRelated = false,
         .winner = 3,
         .decides = kComputerNo,
         .result = kGameOver,
         .messages = {kMsgRelatedSweep},
         .set = false,
         .relatedPoints = 15,
         .unrelatedPoints = -10,
         .declarationAfter = kNoDeclaration},
        {.name = "sweep, computer declares 16",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 9,
         .unrelated = 0,
         .humanRelated = false,
         .winner = 3,
         .decides = kComputerYes,
         .result = kBattleGoesOn,
         .messages = {kMsgRelatedDeclared},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kSixteen},
        {.name = "sweep, human declares 16",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 9,
         .unrelated = 0,
         .humanRelated = true,
         .winner = 4,
         .decides = kHumanYes,
         .result = kBattleGoesOn,
         .messages = {kMsgRelatedSweepAsk},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kSixteen},
        {.name = "sweep, human declines, battle 2",
         .battle = 2,
         .declaration = kNoDeclaration,
         .related = 8,
         .unrelated = 0,
         .humanRelated = true,
         .winner = 4,
         .decides = kHumanNo,
         .result = kNextBattle,
         .messages = {kMsgRelatedSweepAsk},
         .set = false,
         .relatedPoints = 3,
         .unrelatedPoints = -2,
         .declarationAfter = kNoDeclaration},
        {.name = "sweep won by the human's partner: the computer decides",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 9,
         .unrelated = 0,
         .humanRelated = true,
         .winner = 0,
         .decides = kComputerNo,
         .result = kNextBattle,
         .messages = {kMsgRelatedSweep},
         .set = false,
         .relatedPoints = 3,
         .unrelatedPoints = -2,
         .declarationAfter = kNoDeclaration},
        {.name = "unrelated win, battle 1 sets",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 2,
         .unrelated = 8,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgUnrelatedWins},
         .set = true,
         .relatedPoints = -3,
         .unrelatedPoints = 2,
         .declarationAfter = kNoDeclaration},
        {.name = "unrelated win, battle 2 books nothing",
         .battle = 2,
         .declaration = kNoDeclaration,
         .related = 3,
         .unrelated = 9,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgUnrelatedWins},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kNoDeclaration},
        {.name = "unrelated win, battle 3 adds",
         .battle = 3,
         .declaration = kNoDeclaration,
         .related = 1,
         .unrelated = 8,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgUnrelatedWins},
         .set = false,
         .relatedPoints = 3,
         .unrelatedPoints = -2,
         .declarationAfter = kNoDeclaration},
        {.name = "reverse sweep, computer declines",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 0,
         .unrelated = 8,
         .humanRelated = false,
         .winner = 2,
         .decides = kComputerNo,
         .result = kGameOver,
         .messages = {kMsgUnrelatedSweep},
         .set = true,
         .relatedPoints = -45,
         .unrelatedPoints = 30,
         .declarationAfter = kNoDeclaration},
        {.name = "reverse sweep, computer declines, battle 2",
         .battle = 2,
         .declaration = kNoDeclaration,
         .related = 0,
         .unrelated = 9,
         .humanRelated = false,
         .winner = 2,
         .decides = kComputerNo,
         .result = kGameOver,
         .messages = {kMsgUnrelatedSweep},
         .set = true,
         .relatedPoints = -15,
         .unrelatedPoints = 10,
         .declarationAfter = kNoDeclaration},
        {.name = "reverse sweep, computer declares",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 0,
         .unrelated = 8,
         .humanRelated = false,
         .winner = 0,
         .decides = kComputerYes,
         .result = kBattleGoesOn,
         .messages = {kMsgUnrelatedDeclared},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kReverseSixteen},
        {.name = "reverse sweep, human declares",
         .battle = 3,
         .declaration = kNoDeclaration,
         .related = 0,
         .unrelated = 8,
         .humanRelated = false,
         .winner = 4,
         .decides = kHumanYes,
         .result = kBattleGoesOn,
         .messages = {kMsgUnrelatedSweepAsk},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kReverseSixteen},
        {.name = "reverse sweep, human declines, battle 3",
         .battle = 3,
         .declaration = kNoDeclaration,
         .related = 0,
         .unrelated = 8,
         .humanRelated = false,
         .winner = 4,
         .decides = kHumanNo,
         .result = kGameOver,
         .messages = {kMsgUnrelatedSweepAsk},
         .set = true,
         .relatedPoints = -15,
         .unrelatedPoints = 10,
         .declarationAfter = kNoDeclaration},
        {.name = "16 missed",
         .battle = 1,
         .declaration = kSixteen,
         .related = 12,
         .unrelated = 1,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgSixteenMissed},
         .set = true,
         .relatedPoints = -72,
         .unrelatedPoints = 48,
         .declarationAfter = kNoDeclaration},
        {.name = "16 made, battle 1",
         .battle = 1,
         .declaration = kSixteen,
         .related = 16,
         .unrelated = 0,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kNextBattle,
         .messages = {kMsgSixteenMade},
         .set = false,
         .relatedPoints = 24,
         .unrelatedPoints = -16,
         .declarationAfter = kNoDeclaration},
        {.name = "16 made, battle 3",
         .battle = 3,
         .declaration = kSixteen,
         .related = 16,
         .unrelated = 0,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgSixteenMade},
         .set = false,
         .relatedPoints = 24,
         .unrelatedPoints = -16,
         .declarationAfter = kNoDeclaration},
        {.name = "16 still open",
         .battle = 1,
         .declaration = kSixteen,
         .related = 12,
         .unrelated = 0,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kBattleGoesOn,
         .messages = {},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kSixteen},
        {.name = "reverse 16 missed",
         .battle = 2,
         .declaration = kReverseSixteen,
         .related = 1,
         .unrelated = 12,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kNextBattle,
         .messages = {kMsgReverseMissed},
         .set = false,
         .relatedPoints = 96,
         .unrelatedPoints = -64,
         .declarationAfter = kNoDeclaration},
        {.name = "reverse 16 missed, battle 3",
         .battle = 3,
         .declaration = kReverseSixteen,
         .related = 1,
         .unrelated = 12,
         .humanRelated = false,
         .winner = 1,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgReverseMissed},
         .set = false,
         .relatedPoints = 96,
         .unrelatedPoints = -64,
         .declarationAfter = kNoDeclaration},
        {.name = "reverse 16 made",
         .battle = 1,
         .declaration = kReverseSixteen,
         .related = 0,
         .unrelated = 16,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kGameOver,
         .messages = {kMsgReverseMade},
         .set = true,
         .relatedPoints = -72,
         .unrelatedPoints = 48,
         .declarationAfter = kNoDeclaration},
        {.name = "reverse 16 still open",
         .battle = 1,
         .declaration = kReverseSixteen,
         .related = 0,
         .unrelated = 13,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kBattleGoesOn,
         .messages = {},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kReverseSixteen},
        {.name = "nothing decided yet",
         .battle = 1,
         .declaration = kNoDeclaration,
         .related = 5,
         .unrelated = 4,
         .humanRelated = false,
         .winner = 2,
         .decides = kNobody,
         .result = kBattleGoesOn,
         .messages = {},
         .set = false,
         .relatedPoints = 0,
         .unrelatedPoints = 0,
         .declarationAfter = kNoDeclaration},
    };
    for (const auto& c : cases) {
        Table t;
        if (c.humanRelated) {
            t.Related(0, 4);
        } else {
            t.Related(1, 3);
        }
        t.gs.m_seatPlayer = {2, 0, 1, 3, 4};  // points are booked by player, not by seat
        t.gs.m_game = 4;
        t.gs.m_battle = c.battle;
        t.gs.m_relatedTarget = c.battle == 2 ? 8 : 9;
        t.gs.m_unrelatedTarget = 17 - t.gs.m_relatedTarget;
        t.gs.m_declaration = c.declaration;
        const std::array<int, 5> before = {5, -1, 7, 2, -13};
        t.gs.m_points[3] = before;
        if (c.decides == kComputerYes || c.decides == kComputerNo) {
            const bool reverse = c.related == 0;
            t.host.m_clock = SecondFor(c.decides == kComputerYes, reverse ? 20 : 30);
        }
        t.host.m_answer = [&](int) { return c.decides == kHumanYes ? IDYES : IDNO; };

        EXPECT_EQ(t.engine.JudgeTrick(c.winner, c.related, c.unrelated), c.result) << c.name;
        EXPECT_EQ(t.host.m_messages, c.messages) << c.name;
        EXPECT_EQ(t.gs.m_declaration, c.declarationAfter) << c.name;
        int sum = 0;
        for (int seat = 0; seat < 5; ++seat) {
            const int player = t.gs.m_seatPlayer[seat];
            const int points = t.gs.IsRelated(seat) ? c.relatedPoints : c.unrelatedPoints;
            const int expected = c.set ? points : before[player] + points;
            EXPECT_EQ(t.gs.m_points[3][player], expected) << c.name << ", player " << player;
            sum += t.gs.m_points[3][player] - (c.set ? 0 : before[player]);
        }
        EXPECT_EQ(sum, 0) << c.name << ": every point table is zero-sum";
    }
}

TEST(JudgeTrick, ComputerDeclarationIsTheSameWithinOneSecond) {
    for (int second : {0, 17, 41}) {
        Table t;
        t.host.m_clock = second;
        const bool first = t.players.WantSixteen().answer;
        EXPECT_EQ(t.players.WantSixteen().answer, first);
        Lcg rng(second);
        EXPECT_EQ(first, rng.Rand() % 10 < 3);
    }
}

TEST(UpdateDisplayCounters, FollowTheTrickAndTheDeclaration) {
    Table t;
    t.Related(0, 2);
    t.engine.PrepareBattle();  // battle 2: targets 8 and 9
    t.gs.m_field = {kJoker, C(kClubs, 4), C(kSpades, 9), C(kSpades, J), C(kHearts, 5)};
    t.gs.m_pictureCount = {0, 0, 1, 0, 0};
    t.engine.UpdateDisplayCounters(1, 0);
    EXPECT_EQ(t.gs.m_relatedNeed, 7);
    EXPECT_EQ(t.gs.m_unrelatedNeed, 9);
    EXPECT_EQ(t.gs.m_jokerLeft, 0);
    EXPECT_EQ(t.gs.m_suitLeft, (std::array<int, 4>{11, 12, 11, 11}));
    EXPECT_EQ(t.gs.m_picturesLeft, 15);

    t.gs.m_declaration = 1;
    t.gs.m_field.fill(kNoCard);
    t.engine.UpdateDisplayCounters(10, 0);
    EXPECT_EQ(t.gs.m_relatedNeed, 6);
    EXPECT_EQ(t.gs.m_unrelatedNeed, 1);
    t.gs.m_declaration = 2;
    t.engine.UpdateDisplayCounters(0, 11);
    EXPECT_EQ(t.gs.m_relatedNeed, 1);
    EXPECT_EQ(t.gs.m_unrelatedNeed, 5);
}

}  // namespace
}  // namespace quintrick
