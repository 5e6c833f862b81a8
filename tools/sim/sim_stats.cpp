#include "sim_stats.h"

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
    out << "average points per match, by character:\n";
    for (int c = 0; c < kRosterSize; ++c) {
        if (m_matchesPlayed[c] == 0) continue;
        out << "  " << c << ' ' << RosterName(c) << "  " << double(m_points[c]) / m_matchesPlayed[c]
            << '\n';
    }
    out << "matches per second:   " << (seconds > 0 ? matches / seconds : 0.0) << '\n';
}

}  // namespace quintrick
