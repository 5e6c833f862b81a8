#include "sample_search.h"

#include <algorithm>
#include <bit>

#include "engine/judgement.h"
#include "engine/null_profile.h"
#include "engine/trick_rules.h"
#include "fuda_dashi.h"

namespace quintrick {
namespace {

// A host for the played-out worlds: nothing is shown, nothing waits, no profile is kept.
class SilentHost : public IHost {
  public:
    int ShowMessage(int, std::string_view, int) override { return IDNO; }
    int SetTimer(int eventId, int) override { return eventId; }
    void KillTimer(int) override {}
    int ChooseSuit(std::string_view) override { return kClubs; }
    int ChooseCharacter() override { return 0; }
    void ShowCallout(Callout, int, int, int, int) override {}
    void PlaySound(int, bool) override {}
    void RedrawTable() override {}
    bool PrepareCardBacks() override { return true; }
    void RequestClose() override {}
    LocalTime LocalTimeOfDay() override { return {}; }
    IProfile& Profile() override { return m_profile; }

  private:
    CNullProfile m_profile;
};

// What the seat knows about where each unseen card may lie.
struct Knowledge {
    std::vector<CardId> unseen;          // ascending
    std::array<unsigned, 52> allowed{};  // bit s: seat s may hold the card
    std::array<int, kSeats> capacity{};  // cards each seat holds that the seat cannot see
    bool pair = false;  // battle 1: the joker and the trump ace lie with the two kan seats, apart
    CardId pairB = kNoCard;
};

bool Gather(const GameState& gs, const CPlayLog& log, int seat, Knowledge& k) {
    std::array<bool, 52> mine{};
    for (int i = 0; i < gs.m_handCount[seat]; ++i) mine[gs.m_hand[seat][i]] = true;
    unsigned others = 0;
    for (int s = 0; s < kSeats; ++s) {
        if (s == seat || gs.m_handCount[s] <= 0) continue;
        others |= 1u << s;
        k.capacity[s] = gs.m_handCount[s];
    }
    for (CardId id = 0; id < 52; ++id) {
        if (!IsValidCard(id) || mine[id] || gs.m_cardPlayed[id] != 0) continue;
        k.unseen.push_back(id);
        unsigned allowed = others;
        for (int s = 0; s < kSeats; ++s) {
            const bool excluded = id == kJoker ? log.NoJoker(s) : log.Void(s, SuitOf(id));
            if (excluded) allowed &= ~(1u << s);
        }
        k.allowed[id] = allowed;
    }
    for (const auto& shown : log.ShowCards()) {
        if (IsValidCard(shown.card) && shown.seat != seat && k.allowed[shown.card] != 0) {
            k.allowed[shown.card] &= 1u << shown.seat;
        }
    }
    // In the first battle the two kan seats were dealt the joker and the trump ace, one each.
    if (gs.m_battle == 1) {
        unsigned related = 0;
        for (int s = 0; s < kSeats; ++s) related |= gs.IsRelated(s) ? 1u << s : 0u;
        const CardId special[2] = {kJoker, AceOf(gs.m_trump)};
        int owner[2];
        for (int i = 0; i < 2; ++i) owner[i] = mine[special[i]] ? seat : log.PlayedBy(special[i]);
        for (int i = 0; i < 2; ++i) {
            const CardId card = special[i];
            if (mine[card] || gs.m_cardPlayed[card] != 0) continue;
            k.allowed[card] &= related;
            const int other = owner[1 - i];
            if (other >= 0) k.allowed[card] &= ~(1u << other);
        }
        const bool bothUnseen = !mine[special[0]] && !mine[special[1]] &&
                                gs.m_cardPlayed[special[0]] == 0 &&
                                gs.m_cardPlayed[special[1]] == 0;
        if (bothUnseen) {
            k.pair = true;
            k.pairB = special[1];
        }
    }
    int total = 0;
    for (int s = 0; s < kSeats; ++s) total += k.capacity[s];
    if (total != static_cast<int>(k.unseen.size())) return false;
    for (CardId id : k.unseen) {
        if (k.allowed[id] == 0) return false;
    }
    return true;
}

// Deals the unseen cards to the seats with a randomised matching: every card goes to a seat it
// may lie with, moving cards already placed along a chain when a seat is full.
class Dealer {
  public:
    Dealer(const Knowledge& k, SampleRng& rng) : m_k(k), m_rng(rng) {}

    bool Deal(std::array<int, 52>& owner) {
        m_owner.fill(-1);
        m_load.fill(0);
        std::vector<CardId> order = m_k.unseen;
        for (int i = static_cast<int>(order.size()) - 1; i > 0; --i) {
            std::swap(order[i], order[m_rng.Below(i + 1)]);
        }
        std::stable_sort(order.begin(), order.end(), [this](CardId a, CardId b) {
            return std::popcount(m_k.allowed[a]) < std::popcount(m_k.allowed[b]);
        });
        m_pinned.fill(false);
        m_budget = 4000;
        if (m_k.pair && !PlacePair()) return false;
        for (CardId card : order) {
            if (m_owner[card] >= 0) continue;
            if (!Place(card, 0)) return false;
        }
        owner = m_owner;
        return true;
    }

  private:
    bool PlacePair() {
        int pairs[kSeats * kSeats][2];
        int n = 0;
        for (int a = 0; a < kSeats; ++a) {
            for (int b = 0; b < kSeats; ++b) {
                if (a != b && (m_k.allowed[kJoker] >> a & 1) && (m_k.allowed[m_k.pairB] >> b & 1) &&
                    m_k.capacity[a] > 0 && m_k.capacity[b] > 0) {
                    pairs[n][0] = a;
                    pairs[n][1] = b;
                    ++n;
                }
            }
        }
        if (n == 0) return false;
        const int pick = m_rng.Below(n);
        Put(kJoker, pairs[pick][0]);
        Put(m_k.pairB, pairs[pick][1]);
        m_pinned[kJoker] = m_pinned[m_k.pairB] = true;
        return true;
    }

    void Put(CardId card, int seat) {
        if (m_owner[card] >= 0) --m_load[m_owner[card]];
        m_owner[card] = seat;
        ++m_load[seat];
    }

    // Places `card`, moving others out of full seats not yet visited on this chain.
    bool Place(CardId card, unsigned visited) {
        if (--m_budget < 0) return false;
        const int start = m_rng.Below(kSeats);
        for (int i = 0; i < kSeats; ++i) {
            const int s = (start + i) % kSeats;
            if ((m_k.allowed[card] >> s & 1) && m_load[s] < m_k.capacity[s]) {
                Put(card, s);
                return true;
            }
        }
        for (int i = 0; i < kSeats; ++i) {
            const int s = (start + i) % kSeats;
            if (!(m_k.allowed[card] >> s & 1) || (visited >> s & 1)) continue;
            for (CardId other : m_k.unseen) {
                if (m_owner[other] != s || m_pinned[other]) continue;
                if (Place(other, visited | 1u << s)) {
                    Put(card, s);
                    return true;
                }
            }
        }
        return false;
    }

    const Knowledge& m_k;
    SampleRng& m_rng;
    std::array<int, 52> m_owner{};
    std::array<bool, 52> m_pinned{};
    std::array<int, kSeats> m_load{};
    int m_budget = 0;
};

// The state a world starts from: `gs` without anything the seat cannot see.
GameState PublicCopy(const GameState& gs, int seat) {
    GameState world = gs;
    for (int s = 0; s < kSeats; ++s) {
        auto& hand = world.m_hand[s];
        const int keep = s == seat ? gs.m_handCount[s] : 0;
        for (int i = keep; i < kHandSize; ++i) hand[i] = kNoCard;
        world.m_holder[s] = gs.IsRelated(s) ? 1 : 0;
        world.m_playerName[s].clear();
    }
    world.m_trickRank.fill(-1);
    return world;
}

bool DealWorld(const Knowledge& k, int seat, SampleRng& rng, GameState& world) {
    std::array<int, 52> owner{};
    Dealer dealer(k, rng);
    bool dealt = false;
    for (int attempt = 0; attempt < 8 && !dealt; ++attempt) dealt = dealer.Deal(owner);
    if (!dealt) return false;
    std::array<int, kSeats> count{};
    for (CardId card : k.unseen) {
        const int s = owner[card];
        world.m_hand[s][count[s]++] = card;
    }
    for (int s = 0; s < kSeats; ++s) {
        if (s != seat && count[s] != world.m_handCount[s]) return false;
    }
    return true;
}

// Candidate worlds dealt per world played out, to choose the ones the characters' plays explain.
constexpr int kCandidatesPerSample = 8;

// Resolves the complete trick on the field; when the battle goes on, the winner leads next.
BattleScore FinishTrick(GameState& gs, GroupPictures& sums, Verdict& verdict) {
    const int winner = ResolveTrick(gs);
    sums = CountGroupPictures(gs);
    verdict = JudgeOf(gs, sums.related, sums.unrelated);
    if (!verdict.Decided()) NextTrick(gs, winner, sums);
    return ScoreOf(verdict, gs.m_battle);
}

// Plays a world to the end of the battle with the characters' rules for every seat.
BattleScore PlayOut(GameState& gs, IHost& host) {
    CFudaDashi rules(gs, host);
    GroupPictures sums;
    Verdict verdict;
    for (int step = 0; step < 64; ++step) {
        if (gs.FieldComplete()) {
            const BattleScore outcome = FinishTrick(gs, sums, verdict);
            if (outcome.decided) return outcome;
            continue;
        }
        const int seat = gs.m_turn;
        if (gs.m_handCount[seat] <= 0) break;
        const CardChoice choice =
            seat == gs.m_leader ? rules.ChooseLeadCard() : rules.ChooseFollowCard();
        int pos = choice.pos;
        if (pos < 0 || pos >= gs.m_handCount[seat] ||
            IsLegalPlay(gs, seat, gs.m_hand[seat][pos]) != Rule::kNone) {
            pos = FirstLegalPosition(gs, seat);
        }
        PlayToField(gs, seat, pos, choice.jokerSuit);
    }
    return {};
}

// How many of the computer seats' plays of this battle their characters' rules would not have
// made, had the hands been those of `world` (the cards each seat played put back). The plays of
// the human seat and of `seat` itself are not judged. A world the history cannot be replayed in
// counts as explaining nothing.
int Mismatches(const CPlayLog& log, const GameState& world, int seat, IHost& host,
               GameState& replay) {
    const auto& plays = log.Plays();
    constexpr int kNothing = 1000;
    replay = world;
    for (const auto& p : plays) {
        int& n = replay.m_handCount[p.seat];
        if (n >= kHandSize) return kNothing;
        replay.m_hand[p.seat][n++] = p.card;
    }
    for (int s = 0; s < kSeats; ++s) {
        std::sort(replay.m_hand[s].begin(), replay.m_hand[s].begin() + replay.m_handCount[s]);
    }
    ResetBattleCounters(replay);
    replay.m_leader = replay.m_turn = plays.front().leader;
    CFudaDashi rules(replay, host);
    GroupPictures sums;
    Verdict verdict;
    int mismatches = 0;
    for (const auto& p : plays) {
        if (replay.FieldComplete()) {
            const BattleScore outcome = FinishTrick(replay, sums, verdict);
            if (outcome.decided) {
                // The battle went on: the sweeping group declared.
                replay.m_declaration =
                    verdict.judgement == Judgement::kRelatedSweep ? kSixteen : kReverseSixteen;
                NextTrick(replay, p.leader, sums);
            }
        }
        if (replay.m_turn != p.seat) return kNothing;
        const bool leads = p.seat == replay.m_leader;
        if (p.seat != kHumanSeat && p.seat != seat) {
            const CardChoice choice = leads ? rules.ChooseLeadCard() : rules.ChooseFollowCard();
            const int pos = choice.pos;
            const CardId chosen =
                pos >= 0 && pos < replay.m_handCount[p.seat] ? replay.m_hand[p.seat][pos] : kNoCard;
            mismatches +=
                chosen != p.card || (leads && p.card == kJoker && choice.jokerSuit != p.calledSuit);
        }
        const auto& hand = replay.m_hand[p.seat];
        const auto end = hand.begin() + replay.m_handCount[p.seat];
        const auto at = std::find(hand.begin(), end, p.card);
        if (at == end) return kNothing;
        PlayToField(replay, p.seat, static_cast<int>(at - hand.begin()), p.calledSuit);
    }
    return mismatches;
}

std::vector<SearchOption> Options(const GameState& gs, int seat) {
    std::vector<SearchOption> options;
    for (int pos = 0; pos < gs.m_handCount[seat]; ++pos) {
        const CardId card = gs.m_hand[seat][pos];
        if (IsLegalPlay(gs, seat, card) != Rule::kNone) continue;
        if (card == kJoker && seat == gs.m_leader) {
            for (int suit = 0; suit < kSuits; ++suit) options.push_back({pos, suit});
        } else {
            options.push_back({pos, -1});
        }
    }
    if (options.empty()) options.push_back({FirstLegalPosition(gs, seat), -1});
    return options;
}

// The sum over worlds of what each choice of `seat` brings: the final points of the game for its
// player and whether its group won the battle.
class Tally {
  public:
    Tally(const GameState& gs, int seat, size_t choices)
        : m_related(gs.IsRelated(seat)),
          m_share(m_related ? 1.0 : -2.0 / 3.0),
          m_row(gs.m_game >= 1 && gs.m_game <= 10
                    ? gs.m_points[gs.m_game - 1][gs.m_seatPlayer[seat] % kSeats]
                    : 0),
          m_points(choices),
          m_wins(choices) {}

    // Every choice played in `world`, then the world played out with the characters' rules.
    void Add(const GameState& world, const std::vector<SearchOption>& options, IHost& host) {
        ++m_worlds;
        for (size_t i = 0; i < options.size(); ++i) {
            m_trial = world;
            PlayToField(m_trial, m_trial.m_turn, options[i].pos, options[i].suit);
            const BattleScore o = PlayOut(m_trial, host);
            m_points[i] += o.set ? m_share * o.points : m_row + m_share * o.points;
            m_wins[i] += o.relatedWon == m_related;
        }
    }

    // The averages, and the best choice; nothing changes when no world was played.
    void Finish(SearchResult& result) const {
        result.worlds = m_worlds;
        if (m_worlds == 0) return;
        for (size_t i = 0; i < result.options.size(); ++i) {
            auto& option = result.options[i];
            option.points = m_points[i] / m_worlds;
            option.winShare = double(m_wins[i]) / m_worlds;
        }
        size_t best = 0;
        for (size_t i = 1; i < m_points.size(); ++i) {
            if (m_points[i] > m_points[best]) best = i;
        }
        result.best = result.options[best];
    }

  private:
    bool m_related;
    double m_share;
    int m_row;
    GameState m_trial;
    int m_worlds = 0;
    std::vector<double> m_points;
    std::vector<int> m_wins;
};

}  // namespace

double NextBattleValue(int battle) {
    // The average gain of the related group from the start of battle 2 and of battle 3 over
    // 1,000 rule-based matches; battle 3 pays the related group unless the other group sweeps.
    return battle == 1 ? 3.2 : 6.2;
}

BattleScore ScoreOf(const Verdict& verdict, int battle) {
    if (!verdict.Decided()) return {};
    const double next = verdict.result == kNextBattle ? NextBattleValue(battle) : 0.0;
    return {true, verdict.relatedWon, verdict.points.set, verdict.points.related + next};
}

bool SampleWorld(const GameState& gs, const CPlayLog& log, int seat, SampleRng& rng,
                 GameState& world) {
    Knowledge k;
    if (!Gather(gs, log, seat, k)) return false;
    world = PublicCopy(gs, seat);
    return DealWorld(k, seat, rng, world);
}

SearchResult SearchCard(const GameState& gs, const CPlayLog& log, int seat, int samples,
                        std::uint64_t seed) {
    SearchResult result;
    result.options = Options(gs, seat);
    result.best = result.options.front();
    if (result.options.size() == 1) return result;

    Knowledge k;
    if (!Gather(gs, log, seat, k)) return result;
    const GameState base = PublicCopy(gs, seat);
    SilentHost host;
    SampleRng rng(seed);

    // The characters play by fixed rules: of more candidate worlds, those in which their rules
    // explain most of the plays seen in this battle are played out.
    int played = 0;
    for (int v : gs.m_cardPlayed) played += v;
    const bool replayable = !log.Plays().empty() && static_cast<int>(log.Plays().size()) == played;
    const int candidates = replayable ? samples * kCandidatesPerSample : samples;
    std::vector<GameState> worlds;
    std::vector<std::pair<int, int>> ranked;  // mismatches, index
    worlds.reserve(candidates);
    GameState replay;
    for (int c = 0; c < candidates; ++c) {
        worlds.push_back(base);
        if (!DealWorld(k, seat, rng, worlds.back())) {
            worlds.pop_back();
            continue;
        }
        const int index = static_cast<int>(worlds.size()) - 1;
        const int misses = replayable ? Mismatches(log, worlds.back(), seat, host, replay) : 0;
        ranked.emplace_back(misses, index);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    if (static_cast<int>(ranked.size()) > samples) ranked.resize(samples);

    Tally tally(gs, seat, result.options.size());
    for (const auto& [misses, index] : ranked) tally.Add(worlds[index], result.options, host);
    tally.Finish(result);
    return result;
}

SearchResult SearchCardSeeingAll(const GameState& gs, int seat) {
    SearchResult result;
    result.options = Options(gs, seat);
    result.best = result.options.front();
    SilentHost host;
    GameState world = gs;
    world.m_trickRank.fill(-1);
    Tally tally(gs, seat, result.options.size());
    tally.Add(world, result.options, host);
    tally.Finish(result);
    return result;
}

}  // namespace quintrick
