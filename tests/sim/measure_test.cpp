// The runner's measuring aids: fixed deals give every policy the same cards in every battle,
// and the yardstick that sees every card plays legal cards from the true hands.
#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "engine/trick_rules.h"
#include "match_runner.h"

namespace quintrick {
namespace {

// Records the first deal's seed of every battle, keyed by (match, game, battle).
class DealLog : public IGameObserver {
  public:
    explicit DealLog(const GameState& gs, const ScriptedHost& host) : m_gs(gs), m_host(host) {}
    void OnDeal(int seed) override {
        const auto key = std::make_tuple(m_host.m_matchesEnded, m_gs.m_game, m_gs.m_battle);
        seeds.emplace(key, seed);  // a redeal keeps the battle's first seed
    }
    std::map<std::tuple<int, int, int>, int> seeds;

  private:
    const GameState& m_gs;
    const ScriptedHost& m_host;
};

std::map<std::tuple<int, int, int>, int> Deals(HumanPolicy policy, bool fixed) {
    RunnerOptions options;
    options.human = policy;
    options.samples = 4;
    options.fixedDeals = fixed;
    MatchRunner runner(2, 5000, 3, options);
    runner.m_host.m_keepLog = false;
    DealLog log(runner.m_gs, runner.m_host);
    runner.m_host.AddObserver(&log);
    runner.Start();
    EXPECT_TRUE(runner.RunToEnd());
    return log.seeds;
}

// Counts the battles both runs reached and those among them dealt alike.
std::pair<int, int> Common(const std::map<std::tuple<int, int, int>, int>& a,
                           const std::map<std::tuple<int, int, int>, int>& b) {
    int common = 0, same = 0;
    for (const auto& [key, seed] : a) {
        const auto it = b.find(key);
        if (it == b.end()) continue;
        ++common;
        same += it->second == seed;
    }
    return {common, same};
}

TEST(FixedDeals, EveryPolicyMeetsTheSameDealInEveryBattle) {
    const auto first = Deals(HumanPolicy::kFirst, true);
    for (HumanPolicy policy : {HumanPolicy::kRules, HumanPolicy::kRandom, HumanPolicy::kCheat}) {
        const auto [common, same] = Common(first, Deals(policy, true));
        EXPECT_GE(common, 30) << PolicyName(policy);
        EXPECT_EQ(same, common) << PolicyName(policy);
    }
    // Without them the clock moves with what was played, and the deals part after game 1.
    const auto [common, same] =
        Common(Deals(HumanPolicy::kFirst, false), Deals(HumanPolicy::kRandom, false));
    EXPECT_LT(same, common);
}

TEST(FixedDeals, TheDealClockDependsOnEachPartOfTheBattlesPlace) {
    const int base = FixedDealClock(100, 2, 3, 1);
    EXPECT_EQ(base, FixedDealClock(100, 2, 3, 1));
    for (int clock : {FixedDealClock(101, 2, 3, 1), FixedDealClock(100, 3, 3, 1),
                      FixedDealClock(100, 2, 4, 1), FixedDealClock(100, 2, 3, 2)}) {
        EXPECT_NE(clock, base);
        EXPECT_GE(clock, 0);
        EXPECT_LT(clock, 86400);
    }
}

// The yardstick sees every hand: each card it plays is legal and comes from one world, the
// true one; with two other seats' hands swapped its choice changes in some positions.
TEST(CheatPolicy, PlaysLegalCardsChosenFromTheTrueHands) {
    RunnerOptions options;
    options.human = HumanPolicy::kCheat;
    options.fixedDeals = true;
    MatchRunner runner(0, 300, 1, options);
    runner.m_host.m_keepLog = false;
    int cards = 0, searched = 0, illegal = 0, changed = 0;
    runner.m_onHumanChoice = [&](const HumanChoice& c) {
        if (c.kind != "card") return;
        ++cards;
        illegal += IsLegalPlay(runner.m_gs, kHumanSeat, c.card) != Rule::kNone;
        if (!c.search || c.search->worlds == 0) return;
        ++searched;
        EXPECT_EQ(c.search->worlds, 1);
        EXPECT_EQ(SearchCardSeeingAll(runner.m_gs, kHumanSeat).best.pos, c.pos);
        GameState swapped = runner.m_gs;
        if (swapped.m_handCount[0] != swapped.m_handCount[2]) return;
        std::swap(swapped.m_hand[0], swapped.m_hand[2]);
        std::swap(swapped.m_seatPlayer[0], swapped.m_seatPlayer[2]);
        std::swap(swapped.m_holder[0], swapped.m_holder[2]);
        changed += SearchCardSeeingAll(swapped, kHumanSeat).best.pos != c.pos;
    };
    runner.Start();
    ASSERT_TRUE(runner.RunToEnd());
    EXPECT_GT(cards, 50);
    EXPECT_GT(searched, 20);
    EXPECT_EQ(illegal, 0);
    EXPECT_GT(changed, 0);
}

}  // namespace
}  // namespace quintrick
