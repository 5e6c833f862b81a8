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
    int declaration;
    int related, unrelated;
    bool humanRelated;  // the related pair is seats 0 and 4, else seats 1 and 3
    int winner;
    Who decides;
    int result;
    std::vector<int> messages;
    bool set;  // the row is replaced, else added to
    int relatedPoints, unrelatedPoints;
    int declarationAfter;
};

TEST(JudgeTrick, EveryBranchWithItsMessagesAndPoints) {
    const JudgeCase cases[] = {
        {"related win, battle 1", 1, 0, 9, 3, false, 1, kNobody, 2, {30015}, false, 0, 0, 0},
        {"related win, battle 2 needs 8",
         2,
         0,
         8,
         4,
         false,
         1,
         kNobody,
         2,
         {30015},
         false,
         0,
         0,
         0},
        {"related win, battle 3", 3, 0, 10, 2, false, 1, kNobody, 1, {30015}, false, 12, -8, 0},
        {"sweep, computer declines",
         1,
         0,
         9,
         0,
         false,
         1,
         kComputerNo,
         2,
         {30019},
         false,
         3,
         -2,
         0},
        {"sweep, computer declines, battle 3",
         3,
         0,
         9,
         0,
         false,
         3,
         kComputerNo,
         1,
         {30019},
         false,
         15,
         -10,
         0},
        {"sweep, computer declares 16",
         1,
         0,
         9,
         0,
         false,
         3,
         kComputerYes,
         0,
         {30017},
         false,
         0,
         0,
         1},
        {"sweep, human declares 16", 1, 0, 9, 0, true, 4, kHumanYes, 0, {30016}, false, 0, 0, 1},
        {"sweep, human declines, battle 2",
         2,
         0,
         8,
         0,
         true,
         4,
         kHumanNo,
         2,
         {30016},
         false,
         3,
         -2,
         0},
        {"sweep won by the human's partner: the computer decides",
         1,
         0,
         9,
         0,
         true,
         0,
         kComputerNo,
         2,
         {30019},
         false,
         3,
         -2,
         0},
        {"unrelated win, battle 1 sets", 1, 0, 2, 8, false, 2, kNobody, 1, {30020}, true, -3, 2, 0},
        {"unrelated win, battle 2 books nothing",
         2,
         0,
         3,
         9,
         false,
         2,
         kNobody,
         1,
         {30020},
         false,
         0,
         0,
         0},
        {"unrelated win, battle 3 adds",
         3,
         0,
         1,
         8,
         false,
         2,
         kNobody,
         1,
         {30020},
         false,
         3,
         -2,
         0},
        {"reverse sweep, computer declines",
         1,
         0,
         0,
         8,
         false,
         2,
         kComputerNo,
         1,
         {30023},
         true,
         -45,
         30,
         0},
        {"reverse sweep, computer declines, battle 2",
         2,
         0,
         0,
         9,
         false,
         2,
         kComputerNo,
         1,
         {30023},
         true,
         -15,
         10,
         0},
        {"reverse sweep, computer declares",
         1,
         0,
         0,
         8,
         false,
         0,
         kComputerYes,
         0,
         {30022},
         false,
         0,
         0,
         2},
        {"reverse sweep, human declares",
         3,
         0,
         0,
         8,
         false,
         4,
         kHumanYes,
         0,
         {30021},
         false,
         0,
         0,
         2},
        {"reverse sweep, human declines, battle 3",
         3,
         0,
         0,
         8,
         false,
         4,
         kHumanNo,
         1,
         {30021},
         true,
         -15,
         10,
         0},
        {"16 missed", 1, 1, 12, 1, false, 2, kNobody, 1, {30024}, true, -72, 48, 0},
        {"16 made, battle 1", 1, 1, 16, 0, false, 1, kNobody, 2, {30025}, false, 24, -16, 0},
        {"16 made, battle 3", 3, 1, 16, 0, false, 1, kNobody, 1, {30025}, false, 24, -16, 0},
        {"16 still open", 1, 1, 12, 0, false, 1, kNobody, 0, {}, false, 0, 0, 1},
        {"reverse 16 missed", 2, 2, 1, 12, false, 1, kNobody, 2, {30026}, false, 96, -64, 0},
        {"reverse 16 missed, battle 3",
         3,
         2,
         1,
         12,
         false,
         1,
         kNobody,
         1,
         {30026},
         false,
         96,
         -64,
         0},
        {"reverse 16 made", 1, 2, 0, 16, false, 2, kNobody, 1, {30008}, true, -72, 48, 0},
        {"reverse 16 still open", 1, 2, 0, 13, false, 2, kNobody, 0, {}, false, 0, 0, 2},
        {"nothing decided yet", 1, 0, 5, 4, false, 2, kNobody, 0, {}, false, 0, 0, 0},
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
