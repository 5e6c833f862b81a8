// Whole matches without a window: the real engine and computer players with a scripted host,
// the game timer driven tick by tick and the human seat played by a chosen policy.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/engine.h"
#include "engine/game_state.h"
#include "engine/saved_match.h"
#include "engine/setting_copies.h"
#include "players/fuda_dashi.h"
#include "players/play_log.h"
#include "players/sample_search.h"
#include "players/sampling_player.h"
#include "runner_state.h"
#include "scripted_host.h"

namespace quintrick {

// How the human seat plays: the documented first legal card; its character's rules as if it
// were a computer seat; the sampling player; a uniformly random legal card; the sampling
// player's search over the true hands (a yardstick for measurements, never offered in the game).
enum class HumanPolicy { kFirst, kRules, kStrong, kRandom, kCheat };
// The policies that make the calls as the characters' rules would.
inline bool CallsByRules(HumanPolicy policy) {
    return policy == HumanPolicy::kRules || policy == HumanPolicy::kStrong ||
           policy == HumanPolicy::kCheat;
}
// How the four computer seats choose their cards (their calls are always their rules').
enum class ComputerLevel { kRules, kStrong };

struct RunnerOptions {
    HumanPolicy human = HumanPolicy::kFirst;
    ComputerLevel computers = ComputerLevel::kRules;
    int samples = kDefaultSamples;
    std::uint64_t seed = 0;   // the sampling and random policies' own generators start from it
    bool fixedDeals = false;  // every battle's deal seeded from its place in the run
};

// One choice of the human seat, as the policy made it.
struct HumanChoice {
    std::string_view kind;  // "card", "show", "lead", "trump", "declare"
    int pos = -1;           // hand position of a card
    CardId card = kNoCard;
    int suit = -1;                         // the joker's called suit, or the named trump
    int answer = -1;                       // 1 yes, 0 no for "lead" and "declare"
    const SearchResult* search = nullptr;  // the sampling player's estimate, if it searched
};

std::string_view PolicyName(HumanPolicy policy);

class MatchRunner {
  public:
    // `character`: the human seat's character (automatic start); `startSeconds`: the clock.
    MatchRunner(int character, int startSeconds, int matches, const RunnerOptions& options = {});

    // Start-up: the set-up tick with automatic start, which starts the first game.
    void Start();
    // One step: the human's action when the game waits for it, else one tick of the game timer.
    void Step();
    // Steps until the host was asked to close (the last match answered); false if that did not
    // happen within `maxSteps`.
    bool RunToEnd(long maxSteps = 10'000'000);
    // Steps until `tricks` more tricks have been resolved or the run ended.
    void RunTricks(int tricks);

    // Steps until `tricks` tricks of the run have been resolved or the run ended; true when it
    // stopped there with a match to go on with.
    bool RunUntilTrick(int tricks);
    // Tricks resolved since the runner started (or since the match it loaded was saved).
    int TricksPlayed() const { return m_tricks; }
    // The match as it stands between two steps, with the runner's clock and bookkeeping.
    SavedMatch Save(const ResumePoint& point = {});
    // Takes over a saved match; ResumeSaved then goes on from its point, so observers added in
    // between see every event of the rest of the run. False (nothing taken over, the reason in
    // `why`) when the match carries no runner's part or a damaged one.
    bool Load(const SavedMatch& match, std::string* why = nullptr);
    void ResumeSaved() { m_engine.Resume(m_point); }

    // The human seat's policy; the default plays the first legal card and as show partner the
    // cards at positions 0 and then 0 again.
    void HumanActs();
    bool HumanToAct() const;

    // Told of every choice the human seat's policy makes (not for the default policy).
    std::function<void(const HumanChoice&)> m_onHumanChoice;

    GameState m_gs;
    SettingCopies m_settings;
    ScriptedHost m_host;
    CFudaDashi m_players;
    CPlayLog m_log;
    CSamplingPlayer m_strong;

  private:
    IComputerPlayers& Computers();
    int PolicyCard(int& suit, const SearchResult*& search);
    int AnswerQuestion(int stringId);
    int ChooseSuit(std::string_view prompt);
    void Tell(const HumanChoice& choice);

    RunnerOptions m_options;
    CSamplingPlayer m_humanSearch;
    SampleRng m_random;
    SearchResult m_lastSearch;
    int m_pendingSuit = -1;
    std::array<CardId, 2> m_showPlan{kNoCard, kNoCard};

  public:
    CEngine m_engine;

  private:
    int m_tricks = 0;
    ResumePoint m_point;
};

}  // namespace quintrick
