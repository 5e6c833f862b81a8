#include "match_runner.h"

#include "engine/deal.h"
#include "engine/lcg.h"
#include "engine/roster.h"
#include "engine/settings_table.h"
#include "engine/stone_account.h"
#include "engine/strings.h"
#include "engine/trick_rules.h"

namespace quintrick {

std::string_view PolicyName(HumanPolicy policy) {
    switch (policy) {
        case HumanPolicy::kRules:
            return "rules";
        case HumanPolicy::kStrong:
            return "strong";
        case HumanPolicy::kRandom:
            return "random";
        case HumanPolicy::kCheat:
            return "cheat";
        case HumanPolicy::kFirst:
            break;
    }
    return "first";
}

MatchRunner::MatchRunner(int character, int startSeconds, int matches, const RunnerOptions& options)
    : m_host(startSeconds),
      m_players(m_gs, m_host),
      m_log(m_gs),
      m_strong(m_gs, m_players, m_log, options.samples, options.seed * 2 + 1),
      m_options(options),
      m_humanSearch(m_gs, m_players, m_log, options.samples, options.seed * 2 + 2),
      m_random(options.seed * 2 + 3),
      m_engine(m_gs, m_settings, m_host, Computers()) {
    m_host.m_matchesWanted = matches;
    m_host.m_character = character;
    m_host.m_fixedDeals = options.fixedDeals;
    Write(m_host.Profile(), entries::kAutoStart, 1);
    Write(m_host.Profile(), entries::kEntryNo, character);
    m_host.AddObserver(&m_log);
    m_engine.SetObserver(&m_host);
    if (m_options.human != HumanPolicy::kFirst) {
        m_host.m_answer = [this](int stringId) { return AnswerQuestion(stringId); };
        m_host.m_suitAnswer = [this](std::string_view prompt) { return ChooseSuit(prompt); };
    }
}

IComputerPlayers& MatchRunner::Computers() {
    if (m_options.computers == ComputerLevel::kStrong) return m_strong;
    return m_players;
}

void MatchRunner::Start() {
    m_gs.ResetAtInitialUpdate();
    m_gs.m_setupTimer = m_host.SetTimer(kSetupTimerEvent, 100);
    m_engine.OnTimer(kSetupTimerEvent);
}

bool MatchRunner::HumanToAct() const {
    return m_gs.m_busy == 1 && m_engine.HumanMayPlay();
}

void MatchRunner::Tell(const HumanChoice& choice) {
    if (m_onHumanChoice) m_onHumanChoice(choice);
}

// The card the policy plays at the human's turn; `suit` is the joker's called suit when led.
int MatchRunner::PolicyCard(int& suit, const SearchResult*& search) {
    suit = -1;
    search = nullptr;
    const int seat = kHumanSeat;
    switch (m_options.human) {
        case HumanPolicy::kRules: {
            const CardChoice choice =
                m_gs.m_leader == seat ? m_players.ChooseLeadCard() : m_players.ChooseFollowCard();
            suit = choice.jokerSuit;
            return choice.pos;
        }
        case HumanPolicy::kStrong: {
            m_lastSearch = m_humanSearch.Search();
            search = &m_lastSearch;
            suit = m_lastSearch.best.suit;
            return m_lastSearch.best.pos;
        }
        case HumanPolicy::kCheat: {
            m_lastSearch = SearchCardSeeingAll(m_gs, seat);
            search = &m_lastSearch;
            suit = m_lastSearch.best.suit;
            return m_lastSearch.best.pos;
        }
        case HumanPolicy::kRandom: {
            int legal[kHandSize];
            int n = 0;
            for (int pos = 0; pos < m_gs.m_handCount[seat]; ++pos) {
                if (IsLegalPlay(m_gs, seat, m_gs.m_hand[seat][pos]) == Rule::kNone)
                    legal[n++] = pos;
            }
            const int pos = n > 0 ? legal[m_random.Below(n)] : 0;
            if (m_gs.m_leader == seat && m_gs.m_hand[seat][pos] == kJoker) {
                suit = m_random.Below(kSuits);
            }
            return pos;
        }
        case HumanPolicy::kFirst:
            break;
    }
    return FirstLegalPosition(m_gs, seat);
}

void MatchRunner::HumanActs() {
    if (m_gs.m_phase == kShowingCards) {
        // Show cards: the characters' rule for the rules and sampling policies, else the two
        // lowest cards.
        int pos = 0;
        if (CallsByRules(m_options.human)) {
            if (m_gs.m_showCount == 0) m_showPlan = m_players.ShowCardsOf(kHumanSeat);
            const CardId wanted = m_showPlan[m_gs.m_showCount & 1];
            for (int i = 0; i < m_gs.m_handCount[kHumanSeat]; ++i) {
                if (m_gs.m_hand[kHumanSeat][i] == wanted) pos = i;
            }
        }
        if (m_options.human != HumanPolicy::kFirst) {
            Tell({"show", pos, m_gs.m_hand[kHumanSeat][pos]});
        }
        m_gs.m_cursor = pos;
        m_engine.PlayCursorCard();
        return;
    }
    if (m_options.human == HumanPolicy::kFirst) {
        m_gs.m_cursor = FirstLegalPosition(m_gs, kHumanSeat);
        m_engine.PlayCursorCard();
        return;
    }
    int suit;
    const SearchResult* search;
    int pos = PolicyCard(suit, search);
    if (pos < 0 || pos >= m_gs.m_handCount[kHumanSeat] ||
        IsLegalPlay(m_gs, kHumanSeat, m_gs.m_hand[kHumanSeat][pos]) != Rule::kNone) {
        pos = FirstLegalPosition(m_gs, kHumanSeat);
    }
    const CardId card = m_gs.m_hand[kHumanSeat][pos];
    HumanChoice choice{"card", pos, card};
    choice.suit = card == kJoker && m_gs.m_leader == kHumanSeat ? (suit < 0 ? kClubs : suit) : -1;
    choice.search = search;
    Tell(choice);
    m_pendingSuit = choice.suit;
    m_gs.m_cursor = pos;
    m_engine.PlayCursorCard();
    m_pendingSuit = -1;
}

// The questions to the human seat under the rules and sampling policies are answered as a
// computer seat would decide them: the first leader by the clock's parity (the human seat is
// the higher-numbered holder), the declarations with the characters' draw. The random policy
// answers as the default one.
int MatchRunner::AnswerQuestion(int stringId) {
    if (!CallsByRules(m_options.human)) return 0;
    const LocalTime now = m_host.LocalTimeOfDay();
    int answer = 0;
    if (stringId == kMsgAskLead) {
        const bool even = now.valid && now.second % 2 == 0;
        answer = even ? IDNO : IDYES;
        Tell({"lead", -1, kNoCard, -1, answer == IDYES ? 1 : 0});
    } else if (stringId == kMsgRelatedSweepAsk || stringId == kMsgUnrelatedSweepAsk) {
        Lcg rng(ClockSeed(now));
        const int percent = stringId == kMsgRelatedSweepAsk ? 3 : 2;
        answer = rng.Rand() % 10 < percent ? IDYES : IDNO;
    }
    return answer;
}

int MatchRunner::ChooseSuit(std::string_view prompt) {
    if (prompt.empty()) return m_pendingSuit;
    // The trump of battles 2 and 3: the longest suit of the hand, the joker counted as a club,
    // for the rules and sampling policies; clubs otherwise.
    int suit = kClubs;
    if (CallsByRules(m_options.human)) {
        std::array<int, kSuits> counts{};
        for (int i = 0; i < m_gs.m_handCount[kHumanSeat]; ++i) {
            ++counts[SuitOf(m_gs.m_hand[kHumanSeat][i])];
        }
        for (int s = 1; s < kSuits; ++s) {
            if (counts[s] > counts[suit]) suit = s;
        }
    }
    Tell({"trump", -1, kNoCard, suit});
    return suit;
}

void MatchRunner::Step() {
    if (HumanToAct()) {
        HumanActs();
        return;
    }
    const bool complete = m_gs.FieldComplete();
    m_engine.OnTimer(kGameTimerEvent);
    // A trick was resolved when the field was cleared, or when it ended the run (the field of
    // the run's last trick stays on the table).
    if (complete && (!m_gs.FieldComplete() || m_host.m_closeRequested)) ++m_tricks;
}

bool MatchRunner::RunToEnd(long maxSteps) {
    for (long i = 0; i < maxSteps && !m_host.m_closeRequested; ++i) Step();
    return m_host.m_closeRequested;
}

void MatchRunner::RunTricks(int tricks) {
    const int target = m_tricks + tricks;
    for (long i = 0; i < 1'000'000 && m_tricks < target && !m_host.m_closeRequested; ++i) Step();
}

bool MatchRunner::RunUntilTrick(int tricks) {
    RunTricks(tricks - m_tricks);
    return m_tricks == tricks && !m_host.m_closeRequested;
}

SavedMatch MatchRunner::Save(const ResumePoint& point) {
    RunnerState runner;
    runner.clock = m_host.m_clock;
    runner.matchesWanted = m_host.m_matchesWanted;
    runner.matchesEnded = m_host.m_matchesEnded;
    runner.matchIndex = m_host.m_matchesEnded + 1;
    for (int c = 0; c < kRosterSize; ++c) runner.stones[c] = GetStones(m_host.Profile(), c);
    return SavedMatch{m_gs, point, WriteRunnerState(runner), std::nullopt, std::nullopt};
}

bool MatchRunner::Load(const SavedMatch& match, std::string* why) {
    if (!match.runner) {
        if (why) *why = "the saved match has no runner's part";
        return false;
    }
    const std::optional<RunnerState> runner = ReadRunnerState(*match.runner, why);
    if (!runner) return false;
    m_gs = match.gs;
    m_point = match.point;
    m_host.m_clock = runner->clock;
    m_host.m_matchesWanted = runner->matchesWanted;
    m_host.m_matchesEnded = runner->matchesEnded;
    for (int c = 0; c < kRosterSize; ++c) {
        if (runner->stones[c] != GetStones(m_host.Profile(), c)) {
            SetStones(m_host.Profile(), c, runner->stones[c]);
        }
    }
    return true;
}

}  // namespace quintrick
