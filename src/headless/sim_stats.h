// The match runner's summary: games, battles, sweeps, declarations and points per character.
#pragma once

#include <array>
#include <ostream>

#include "engine/cards.h"
#include "engine/observer.h"
#include "engine/roster.h"

namespace quintrick {

class SimStats : public IGameObserver {
  public:
    void OnGameStart(int, int) override { ++m_games; }
    void OnDeal(int) override { ++m_battles; }
    void OnRedeal(int) override {
        --m_battles;
        ++m_redeals;
    }
    void OnDeclare(int kind, bool, bool answer, int, int) override {
        ++m_sweeps[kind];
        if (answer) ++m_declared[kind];
    }
    void OnStones(int player, int character, int delta, int) override {
        if (player == kHumanPlayer) {
            ++m_humanMatches;
            m_humanSum += delta;
            m_humanSquares += double(delta) * delta;
        }
        if (player >= 0 && player < kSeats) m_delta[player] = delta;
        if (player == kSeats - 1) {
            int rank = 1;  // ties share the better rank
            for (int other : m_delta) rank += other > delta ? 1 : 0;
            ++m_humanRanks[rank - 1];
        }
        if (character < 0 || character >= kRosterSize) return;
        m_points[character] += delta;
        ++m_matchesPlayed[character];
    }
    // Declarations made good, as the judgement announced them.
    void SetMadeGood(long sixteen, long reverse) { m_madeGood = {sixteen, reverse}; }

    void Print(std::ostream& out, int matches, double seconds) const;
    // Adds another run's counts (the matches of another job).
    void Merge(const SimStats& other);

    // The human seat's final points per match: the average and the half width of its 95 %
    // confidence interval (normal approximation; 0 below two matches).
    double HumanMean() const;
    double HumanHalfWidth() const;

    long Sweeps(int kind) const { return m_sweeps[kind]; }
    long Declared(int kind) const { return m_declared[kind]; }
    long long Points(int character) const { return m_points[character]; }
    long MatchesPlayed(int character) const { return m_matchesPlayed[character]; }
    // How often the human's seat finished 1st..5th.
    const std::array<long, kSeats>& HumanRanks() const { return m_humanRanks; }

  private:
    long m_games = 0;
    long m_battles = 0;
    long m_redeals = 0;
    std::array<long, 2> m_sweeps{};
    std::array<long, 2> m_declared{};
    std::array<long, 2> m_madeGood{};
    std::array<long long, kRosterSize> m_points{};
    std::array<long, kRosterSize> m_matchesPlayed{};
    long m_humanMatches = 0;
    double m_humanSum = 0;
    double m_humanSquares = 0;
    std::array<int, kSeats> m_delta{};
    std::array<long, kSeats> m_humanRanks{};
};

}  // namespace quintrick
