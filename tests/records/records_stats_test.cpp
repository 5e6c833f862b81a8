// The numbers of the records window, from a table of matches.
#include "records/records_stats.h"

#include <gtest/gtest.h>

namespace quintrick {
namespace {

MatchRow Row(int human, std::array<int, 4> others, bool finished = true, int character = 3) {
    MatchRow r;
    r.finished = finished;
    r.character = {5, 8, 6, 2, character};
    r.points = {others[0], others[1], others[2], others[3], human};
    r.games = finished ? 10 : 2;
    r.pictures = {10, 20, 30, 40, 50};
    r.hasPictures = true;
    return r;
}

TEST(RecordsStats, RankSharesTheBetterPlaceOnATie) {
    struct Case {
        std::array<int, 5> points;
        int player, rank;
    };
    for (const Case& c : std::vector<Case>{{{0, 0, 0, 0, 0}, 4, 1},
                                           {{10, 10, -5, -5, -10}, 1, 1},
                                           {{10, 10, -5, -5, -10}, 2, 3},
                                           {{10, 10, -5, -5, -10}, 4, 5},
                                           {{-1, 3, 3, 3, 2}, 4, 4}}) {
        EXPECT_EQ(RankOf(c.points, c.player), c.rank);
    }
}

TEST(RecordsStats, TotalsRanksRunsAndCharacters) {
    std::vector<MatchRow> rows = {
        Row(20, {-5, -5, -5, -5}),          // 1st
        Row(5, {10, -5, -5, -5}),           // 2nd
        Row(-30, {10, 10, 10, 0}, false),   // abandoned: counted only as played
        Row(8, {-2, -2, -2, -2}, true, 7),  // 1st, another character
        Row(-40, {10, 10, 10, 10}),         // 5th
        Row(1, {1, -1, 0, -1}),             // shares 1st
    };
    rows[5].hasPictures = false;
    const RecordsSummary s = Summarize(rows);
    EXPECT_EQ(s.matches, 6);
    EXPECT_EQ(s.finished, 5);
    EXPECT_DOUBLE_EQ(s.averagePoints, (20 + 5 + 8 - 40 + 1) / 5.0);
    EXPECT_EQ(s.rankCounts, (std::array<int, 5>{3, 1, 0, 0, 1}));
    EXPECT_EQ(s.bestIndex, 0);
    EXPECT_EQ(s.worstIndex, 4);
    EXPECT_EQ(s.longestPositiveRun, 3);  // 20, 5, (abandoned skipped), 8
    EXPECT_EQ(s.points, (std::vector<int>{20, 5, 8, -40, 1}));
    ASSERT_EQ(s.movingAverage.size(), 5u);
    EXPECT_DOUBLE_EQ(s.movingAverage[1], 12.5);
    EXPECT_DOUBLE_EQ(s.movingAverage[4], (20 + 5 + 8 - 40 + 1) / 5.0);

    ASSERT_EQ(s.characters.size(), 2u + 4u);
    const CharacterStats& falcon = s.characters[0];
    EXPECT_TRUE(falcon.human);
    EXPECT_EQ(falcon.character, 3);
    EXPECT_EQ(falcon.matches, 4);
    EXPECT_DOUBLE_EQ(falcon.averagePoints, (20 + 5 - 40 + 1) / 4.0);
    EXPECT_DOUBLE_EQ(falcon.winRate, 2 / 4.0);
    EXPECT_DOUBLE_EQ(falcon.averagePictures, 50.0);  // the match without counts left out
    EXPECT_EQ(s.characters[1].character, 7);
    EXPECT_DOUBLE_EQ(s.characters[1].winRate, 1.0);
    // The computers met: Heron (2) sits as player 3, with 10 points in the 5th-place match.
    const CharacterStats& heron = s.characters[2];
    EXPECT_FALSE(heron.human);
    EXPECT_EQ(heron.character, 2);
    EXPECT_EQ(heron.matches, 5);
    EXPECT_DOUBLE_EQ(heron.winRate, 1 / 5.0);  // only the 5th-place match has it on top
}

TEST(RecordsStats, MovingAverageUsesTheLastTenMatches) {
    std::vector<MatchRow> rows;
    for (int i = 0; i < 15; ++i) rows.push_back(Row(i, {0, 0, 0, -i}));
    const RecordsSummary s = Summarize(rows);
    ASSERT_EQ(s.movingAverage.size(), 15u);
    EXPECT_DOUBLE_EQ(s.movingAverage[14], (5 + 14) / 2.0);
    EXPECT_DOUBLE_EQ(s.movingAverage[9], 4.5);
    EXPECT_EQ(Summarize({}).bestIndex, -1);
}

}  // namespace
}  // namespace quintrick
