// What the records window shows, computed from the stored matches (no Qt, no database).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "match_record.h"

namespace quintrick {

// One stored match as the window and the export read it.
struct MatchRow {
    std::int64_t id = 0;
    std::string started;
    std::string ended;
    bool finished = false;
    std::array<int, kRecordPlayers> character{};
    std::array<int, kRecordPlayers> seat{};
    std::array<int, kRecordPlayers> points{};
    int rank = 0;
    int stonesCredited = 0;
    int stonesAccount = -1;  // -1 when none were credited (an abandoned match)
    int games = 0;
    std::array<int, kRecordPlayers> pictures{};  // summed over the games
    bool hasPictures = false;                    // false for matches kept before pictures were
    int takeBacks = 0;                           // moves the human took back
};

struct CharacterStats {
    int character = 0;
    bool human = false;  // played by the human (else met as a computer player)
    int matches = 0;
    double averagePoints = 0;
    double winRate = 0;           // share of matches ranked 1st
    double averagePictures = -1;  // per match; -1 when no match has the count
};

// Totals over the finished matches (an abandoned match counts only as played). Matches played
// with take-backs count only as played unless they are included.
struct RecordsSummary {
    int matches = 0;
    int finished = 0;
    double averagePoints = 0;
    std::array<int, 5> rankCounts{};         // 1st..5th
    int bestIndex = -1, worstIndex = -1;     // into the rows
    int longestPositiveRun = 0;              // consecutive finished matches with points above 0
    std::vector<CharacterStats> characters;  // the human's characters first, then the others
    std::vector<int> points;                 // the human's final points, finished matches in order
    std::vector<double> movingAverage;       // of the last kMovingWindow points
    int withTakeBacks = 0;                   // matches played with take-backs
};

inline constexpr int kMovingWindow = 10;

// `rows` in the order the matches were played.
RecordsSummary Summarize(const std::vector<MatchRow>& rows, bool includeTakeBacks = false);

// The value range of the points chart: 0 and every point, with a margin of 5 on each side. Any
// stored number gives a range, extreme ones from a damaged or foreign file included.
struct ChartRange {
    double low = 0, high = 0;
};
ChartRange PointsChartRange(const std::vector<int>& points);

}  // namespace quintrick
