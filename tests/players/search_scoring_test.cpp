// The sampling player values the end of a battle exactly as the engine books it: at every judged
// trick of real matches the search's score is compared with the points the engine wrote.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "match_runner.h"
#include "players/sample_search.h"

namespace quintrick {
namespace {

// Checks, at each judged trick, the search's score of the state the engine judged against the
// change of the game's row that the engine booked.
class ScoreChecker : public IGameObserver {
  public:
    explicit ScoreChecker(const GameState& gs) : m_gs(gs) {}

    void OnTrick(int, int related, int unrelated) override {
        FinishPending();
        m_judged = m_gs;  // the trick resolved, not judged yet
        m_verdict = JudgeOf(m_judged, related, unrelated);
        m_score = ScoreOf(m_verdict, m_judged.m_battle);
        m_pending = true;
        m_declared = false;
    }
    void OnDeclare(int, bool, bool answer, int, int) override { m_declared = m_declared || answer; }
    void OnResult(int result) override {
        ASSERT_TRUE(m_pending);
        m_pending = false;
        ++m_results;
        ASSERT_TRUE(m_score.decided) << "the engine ended a battle the search plays on\n"
                                     << m_judged.Dump();
        EXPECT_EQ(result, m_verdict.result) << m_judged.Dump();
        m_seen.insert(m_verdict.judgement);
        // The search adds what the next battle is worth; the engine books only the table.
        const double nextBattle = result == kNextBattle ? NextBattleValue(m_judged.m_battle) : 0.0;
        const double related = m_score.points - nextBattle;
        const auto& before = m_judged.m_points[m_judged.m_game - 1];
        const auto& after = m_gs.m_points[m_judged.m_game - 1];
        for (int seat = 0; seat < kSeats; ++seat) {
            const int player = m_judged.m_seatPlayer[seat];
            const double share = m_judged.IsRelated(seat) ? related : related * -2.0 / 3.0;
            const double expected = m_score.set ? share : before[player] + share;
            EXPECT_NEAR(after[player], expected, 1e-9)
                << "seat " << seat << " in battle " << m_judged.m_battle << '\n'
                << m_judged.Dump();
        }
    }
    void OnPlay(int, CardId, const char*) override { FinishPending(); }
    void OnGameStart(int, int) override { FinishPending(); }

    int m_results = 0;
    int m_declarations = 0;
    std::set<Judgement> m_seen;

  private:
    // A judged trick without a result: the search must have seen nothing decided, or a sweep
    // its group declared on.
    void FinishPending() {
        if (!m_pending) return;
        m_pending = false;
        if (!m_score.decided) return;
        EXPECT_TRUE(m_verdict.Sweep() && m_declared)
            << "the search ends a battle the engine plays on\n"
            << m_judged.Dump();
        ++m_declarations;
    }

    const GameState& m_gs;
    GameState m_judged;
    Verdict m_verdict;
    BattleScore m_score;
    bool m_pending = false;
    bool m_declared = false;
};

TEST(SearchScoring, MatchesTheEnginesBookingAtAThousandEndsOfBattle) {
    int results = 0;
    int declarations = 0;
    std::set<Judgement> seen;
    for (const auto& [character, start, policy] :
         {std::tuple{0, 0, HumanPolicy::kFirst}, std::tuple{5, 31337, HumanPolicy::kRules},
          std::tuple{8, 70001, HumanPolicy::kRandom}}) {
        RunnerOptions options;
        options.human = policy;
        MatchRunner runner(character, start, 20, options);
        ScoreChecker checker(runner.m_gs);
        runner.m_host.m_keepLog = false;
        runner.m_host.AddObserver(&checker);
        runner.Start();
        ASSERT_TRUE(runner.RunToEnd());
        if (::testing::Test::HasFailure()) return;
        results += checker.m_results;
        declarations += checker.m_declarations;
        seen.insert(checker.m_seen.begin(), checker.m_seen.end());
    }
    EXPECT_GE(results, 1000);
    EXPECT_GT(declarations, 0) << "some sweeps were declared on";
    // Every kind of end of a battle was compared, declarations included.
    EXPECT_EQ(seen.size(), 8u);
}

}  // namespace
}  // namespace quintrick
