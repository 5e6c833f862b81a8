#include "sim_stats.h"

#include <algorithm>
#include <cmath>
#include <iomanip>

namespace quintrick {

void SimStats::Print(std::ostream& out, int matches, double seconds) const {
    out << std::fixed << std::setprecision(2);
    out << "matches:              " << matches << '\n';
    out << "games:                " << m_games << '\n';
    out << "battles per game:     " << (m_games ? double(m_battles) / m_games : 0.0) << '\n';
    out << "double-kan redeals:   " << m_redeals << '\n';
    out << "sweeps:               " << m_sweeps[0] << " related, " << m_sweeps[1]
        << " unrelated (reverse)\n";
    out << "\"16\" declared:        " << m_declared[0] << ", made good " << m_madeGood[0] << '\n';
    out << "reverse 16 declared:  " << m_declared[1] << ", made good " << m_madeGood[1] << '\n';
    out << "human's ranks 1st..5th:";
    for (long count : m_humanRanks) out << ' ' << count;
    out << '\n';
    out << "average points per match, by character:\n";
    for (int c = 0; c < kRosterSize; ++c) {
        if (m_matchesPlayed[c] == 0) continue;
        out << "  " << c << ' ' << RosterName(c) << "  " << double(m_points[c]) / m_matchesPlayed[c]
            << '\n';
    }
    out << "human seat points per match: " << HumanMean() << ", 95 % CI "
        << HumanMean() - HumanHalfWidth() << " .. " << HumanMean() + HumanHalfWidth() << " ("
        << m_humanMatches << " matches)\n";
    out << "matches per second:   " << (seconds > 0 ? matches / seconds : 0.0) << '\n';
}

void SimStats::Merge(const SimStats& o) {
    m_games += o.m_games;
    m_battles += o.m_battles;
    m_redeals += o.m_redeals;
    for (int k = 0; k < 2; ++k) {
        m_sweeps[k] += o.m_sweeps[k];
        m_declared[k] += o.m_declared[k];
        m_madeGood[k] += o.m_madeGood[k];
    }
    for (int c = 0; c < kRosterSize; ++c) {
        m_points[c] += o.m_points[c];
        m_matchesPlayed[c] += o.m_matchesPlayed[c];
    }
    m_humanMatches += o.m_humanMatches;
    m_humanSum += o.m_humanSum;
    m_humanSquares += o.m_humanSquares;
    for (int r = 0; r < kSeats; ++r) m_humanRanks[r] += o.m_humanRanks[r];
}

double SimStats::HumanMean() const {
    return m_humanMatches > 0 ? m_humanSum / m_humanMatches : 0.0;
}

double SimStats::HumanHalfWidth() const {
    if (m_humanMatches < 2) return 0.0;
    const double n = double(m_humanMatches);
    const double mean = m_humanSum / n;
    const double variance = std::max(0.0, (m_humanSquares - n * mean * mean) / (n - 1));
    return 1.96 * std::sqrt(variance / n);
}

}  // namespace quintrick
