// The sampling player: the worlds it deals respect what the seat knows, its choice depends on
// that knowledge alone, and every card it chooses is one the rules allow.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/trick_rules.h"
#include "match_runner.h"
#include "players/sample_search.h"
#include "players/sampling_player.h"

namespace quintrick {
namespace {

// A decision point of a real match: the state and what the table had seen before it.
struct Decision {
    GameState gs;
    CPlayLog log;
};

// Plays rule-based matches and keeps every `every`-th card decision (human seat included).
std::vector<Decision> RealDecisions(int start, int matches, int every) {
    MatchRunner runner(3, start, matches);
    runner.m_host.m_keepLog = false;
    runner.Start();
    std::vector<Decision> decisions;
    int seen = 0;
    for (long i = 0; i < 2'000'000 && !runner.m_host.m_closeRequested; ++i) {
        const GameState& gs = runner.m_gs;
        const bool computerToPlay = gs.m_busy == 0 && gs.m_phase == 1 && !gs.FieldComplete() &&
                                    gs.m_turn != kHumanSeat && gs.m_field[gs.m_turn] == kNoCard;
        const bool humanToPlay = runner.HumanToAct() && gs.m_phase == 1;
        if ((computerToPlay || humanToPlay) && ++seen % every == 0) {
            decisions.push_back({gs, runner.m_log});
        }
        runner.Step();
    }
    return decisions;
}

// The real state with the other seats' hands replaced by those of a sampled world.
GameState Redealt(const Decision& d, std::uint64_t seed) {
    SampleRng rng(seed);
    GameState world;
    EXPECT_TRUE(SampleWorld(d.gs, d.log, d.gs.m_turn, rng, world)) << d.gs.Dump();
    GameState redealt = d.gs;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (seat != d.gs.m_turn) redealt.m_hand[seat] = world.m_hand[seat];
    }
    return redealt;
}

TEST(SamplingPlayer, DealsWorldsConsistentWithTheSeatsKnowledge) {
    const auto decisions = RealDecisions(4000, 6, 3);
    ASSERT_GT(decisions.size(), 100u);
    int voidsSeen = 0, showsSeen = 0;
    for (const auto& d : decisions) {
        const GameState& gs = d.gs;
        const int me = gs.m_turn;
        SampleRng rng(me * 31 + gs.m_game);
        for (int k = 0; k < 5; ++k) {
            GameState w;
            ASSERT_TRUE(SampleWorld(gs, d.log, me, rng, w)) << gs.Dump();
            std::array<int, 52> where{};
            where.fill(-1);
            for (int seat = 0; seat < kSeats; ++seat) {
                ASSERT_EQ(w.m_handCount[seat], gs.m_handCount[seat]);
                for (int i = 0; i < w.m_handCount[seat]; ++i) {
                    const CardId card = w.m_hand[seat][i];
                    ASSERT_TRUE(IsValidCard(card)) << w.Dump();
                    ASSERT_EQ(where[card], -1) << "card " << card << " dealt twice";
                    ASSERT_EQ(gs.m_cardPlayed[card], 0) << "a played card was dealt";
                    where[card] = seat;
                    if (card != kJoker && d.log.Void(seat, SuitOf(card))) {
                        ADD_FAILURE() << "seat " << seat << " showed it holds no suit "
                                      << SuitOf(card) << '\n'
                                      << w.Dump();
                    }
                    if (card == kJoker) {
                        EXPECT_FALSE(d.log.NoJoker(seat));
                    }
                }
            }
            EXPECT_TRUE(std::equal(gs.m_hand[me].begin(),
                                   gs.m_hand[me].begin() + gs.m_handCount[me],
                                   w.m_hand[me].begin()))
                << "the own hand stays";
            for (CardId id = 0; id < 52; ++id) {
                if (IsValidCard(id) && gs.m_cardPlayed[id] == 0) {
                    EXPECT_GE(where[id], 0) << id;
                }
            }
            for (const auto& shown : d.log.ShowCards()) {
                if (gs.m_cardPlayed[shown.card] == 0) {
                    EXPECT_EQ(where[shown.card], shown.seat) << "a show card stays with its seat";
                    ++showsSeen;
                }
            }
            if (gs.m_battle == 1) {
                const CardId ace = AceOf(gs.m_trump);
                for (CardId special : {kJoker, ace}) {
                    if (where[special] >= 0) {
                        EXPECT_TRUE(gs.IsRelated(where[special])) << gs.Dump();
                    }
                }
                if (where[kJoker] >= 0 && where[ace] >= 0) {
                    EXPECT_NE(where[kJoker], where[ace]);
                }
            }
        }
        for (int seat = 0; seat < kSeats; ++seat) {
            for (int suit = 0; suit < kSuits; ++suit) voidsSeen += d.log.Void(seat, suit);
        }
    }
    EXPECT_GT(voidsSeen, 50) << "the matches showed voids to respect";
    EXPECT_GT(showsSeen, 0) << "the matches had show cards to respect";
}

TEST(SamplingPlayer, ReDealingTheUnseenCardsNeverChangesTheChoice) {
    const auto decisions = RealDecisions(52000, 4, 5);
    ASSERT_GT(decisions.size(), 60u);
    int compared = 0, changedHands = 0;
    for (const auto& d : decisions) {
        const int me = d.gs.m_turn;
        const SearchResult real = SearchCard(d.gs, d.log, me, 12, 2024);
        for (std::uint64_t k = 1; k <= 2; ++k) {
            const GameState other = Redealt(d, k * 977 + me);
            changedHands += other.m_hand != d.gs.m_hand;
            const SearchResult again = SearchCard(other, d.log, me, 12, 2024);
            ASSERT_EQ(again.options.size(), real.options.size());
            EXPECT_EQ(again.best.pos, real.best.pos) << d.gs.Dump();
            EXPECT_EQ(again.best.suit, real.best.suit);
            for (size_t i = 0; i < real.options.size(); ++i) {
                EXPECT_EQ(again.options[i].points, real.options[i].points);
                EXPECT_EQ(again.options[i].winShare, real.options[i].winShare);
            }
            compared += real.worlds > 0;
        }
    }
    EXPECT_GT(compared, 40) << "decisions with a real choice were compared";
    EXPECT_GT(changedHands, 60) << "the other hands were really dealt anew";
}

// Passes the sampling player's choices on to the engine and checks each before it does.
class LegalityCheck : public IComputerPlayers {
  public:
    LegalityCheck(GameState& gs, CSamplingPlayer& strong) : m_gs(gs), m_strong(strong) {}
    CardChoice ChooseFollowCard() override { return Check(m_strong.ChooseFollowCard()); }
    CardChoice ChooseLeadCard() override { return Check(m_strong.ChooseLeadCard()); }
    DeclarationChoice WantSixteen() override { return m_strong.WantSixteen(); }
    DeclarationChoice WantReverseSixteen() override { return m_strong.WantReverseSixteen(); }
    int OpponentWinningRank() override { return m_strong.OpponentWinningRank(); }
    std::array<CardId, 2> ChooseShowCards() override { return m_strong.ChooseShowCards(); }
    int ChooseTrumpAlone() override { return m_strong.ChooseTrumpAlone(); }
    int ChooseTrumpFromShowCards() override { return m_strong.ChooseTrumpFromShowCards(); }

    CardChoice Check(CardChoice choice) {
        const int pos = choice.pos;
        const int seat = m_gs.m_turn;
        ++m_choices;
        EXPECT_TRUE(pos >= 0 && pos < m_gs.m_handCount[seat]) << pos << '\n' << m_gs.Dump();
        if (pos >= 0 && pos < m_gs.m_handCount[seat]) {
            EXPECT_EQ(IsLegalPlay(m_gs, seat, m_gs.m_hand[seat][pos]), Rule::kNone)
                << "seat " << seat << " position " << pos << '\n'
                << m_gs.Dump();
        }
        return choice;
    }
    int m_choices = 0;

  private:
    GameState& m_gs;
    CSamplingPlayer& m_strong;
};

TEST(SamplingPlayer, EveryCardItChoosesInEverySeatIsLegal) {
    GameState gs;
    SettingCopies settings;
    ScriptedHost host(30000);
    CFudaDashi rules(gs, host);
    CPlayLog log(gs);
    CSamplingPlayer computers(gs, rules, log, 6, 11);
    CSamplingPlayer human(gs, rules, log, 6, 12);
    LegalityCheck checked(gs, computers);
    CEngine engine(gs, settings, host, checked);
    host.m_keepLog = false;
    host.m_matchesWanted = 2;
    host.m_character = 7;
    host.Profile().WriteInt("Settei", "AutoStart", 1);
    host.Profile().WriteInt("Settei", "EntryNo", 7);
    host.AddObserver(&log);
    engine.SetObserver(&host);
    int jokerSuit = -1;
    host.m_suitAnswer = [&](std::string_view prompt) { return prompt.empty() ? jokerSuit : -1; };
    // Every card that reaches the field is the one chosen: the engine never had to mend it.
    struct Played : IGameObserver {
        CardId expected = kNoCard;
        int seat = -1;
        int mismatches = 0;
        void OnPlay(int s, CardId card, const char*) override {
            mismatches += s == seat && card != expected;
        }
    } played;
    host.AddObserver(&played);

    gs.ResetAtInitialUpdate();
    gs.m_setupTimer = host.SetTimer(kSetupTimerEvent, 100);
    engine.OnTimer(kSetupTimerEvent);
    int humanChoices = 0;
    for (long i = 0; i < 400'000 && !host.m_closeRequested; ++i) {
        if (gs.m_busy == 1 && engine.HumanMayPlay()) {
            int pos = 0;
            if (gs.m_phase == 1) {
                const SearchOption best = human.Search().best;
                pos = checked.Check({best.pos, best.suit, "search"}).pos;
                jokerSuit = best.suit;
                ++humanChoices;
                played.seat = kHumanSeat;
                played.expected = gs.m_hand[kHumanSeat][pos];
            }
            gs.m_cursor = pos;
            engine.PlayCursorCard();
        } else {
            played.seat = -1;
            engine.OnTimer(kGameTimerEvent);
        }
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_TRUE(host.m_closeRequested) << "both matches came to an end";
    EXPECT_GT(humanChoices, 100);
    EXPECT_GT(checked.m_choices - humanChoices, 3 * humanChoices) << "the computers' choices";
    EXPECT_EQ(played.mismatches, 0);
}

}  // namespace
}  // namespace quintrick
