#include "records_stats.h"

#include <algorithm>
#include <map>

#include "engine/cards.h"

namespace quintrick {
namespace {

struct Sums {
    int matches = 0;
    long long points = 0;
    int wins = 0;
    long long pictures = 0;
    int withPictures = 0;
};

void Add(std::map<int, Sums>& sums, const MatchRow& row, int player) {
    Sums& s = sums[row.character[player]];
    ++s.matches;
    s.points += row.points[player];
    s.wins += RankOf(row.points, player) == 1 ? 1 : 0;
    if (row.hasPictures) {
        s.pictures += row.pictures[player];
        ++s.withPictures;
    }
}

void Append(std::vector<CharacterStats>& out, const std::map<int, Sums>& sums, bool human) {
    for (const auto& [character, s] : sums) {
        CharacterStats c;
        c.character = character;
        c.human = human;
        c.matches = s.matches;
        c.averagePoints = double(s.points) / s.matches;
        c.winRate = double(s.wins) / s.matches;
        if (s.withPictures > 0) c.averagePictures = double(s.pictures) / s.withPictures;
        out.push_back(c);
    }
}

}  // namespace

RecordsSummary Summarize(const std::vector<MatchRow>& rows, bool includeTakeBacks) {
    RecordsSummary r;
    r.matches = int(rows.size());
    std::map<int, Sums> human, computers;
    long long total = 0;
    int run = 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const MatchRow& row = rows[i];
        r.withTakeBacks += row.takeBacks > 0 ? 1 : 0;
        if (!row.finished || (row.takeBacks > 0 && !includeTakeBacks)) continue;
        const int points = row.points[kHumanPlayer];
        ++r.finished;
        total += points;
        const int rank = RankOf(row.points, kHumanPlayer);
        ++r.rankCounts[rank - 1];
        if (r.bestIndex < 0 || points > rows[r.bestIndex].points[kHumanPlayer]) r.bestIndex = i;
        if (r.worstIndex < 0 || points < rows[r.worstIndex].points[kHumanPlayer]) r.worstIndex = i;
        run = points > 0 ? run + 1 : 0;
        if (run > r.longestPositiveRun) r.longestPositiveRun = run;
        Add(human, row, kHumanPlayer);
        for (int player = 0; player < kHumanPlayer; ++player) Add(computers, row, player);
        r.points.push_back(points);
        const int n = int(r.points.size());
        const int from = n > kMovingWindow ? n - kMovingWindow : 0;
        long long window = 0;
        for (int k = from; k < n; ++k) window += r.points[k];
        r.movingAverage.push_back(double(window) / (n - from));
    }
    if (r.finished > 0) r.averagePoints = double(total) / r.finished;
    Append(r.characters, human, true);
    Append(r.characters, computers, false);
    return r;
}

ChartRange PointsChartRange(const std::vector<int>& points) {
    ChartRange range;
    for (const int p : points) {
        range.low = std::min(range.low, double(p));
        range.high = std::max(range.high, double(p));
    }
    range.low -= 5;
    range.high += 5;
    return range;
}

}  // namespace quintrick
