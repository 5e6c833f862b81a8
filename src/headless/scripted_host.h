// A host without a window: it answers every box and dialog by a fixed policy, keeps a simulated
// clock and an in-memory profile, and records what the engine showed. The human seat's policy:
// Yes to "will you lead?", No to both declaration questions, clubs whenever a suit is asked.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "engine/host.h"
#include "engine/observer.h"
#include "memory_profile.h"

namespace quintrick {

// The clock at the start of battle `battle` of game `game` of the run's match `match` (0-based)
// with fixed deals, for a run started at `start` seconds.
int FixedDealClock(int start, int match, int game, int battle);

class ScriptedHost : public IHost, public IGameObserver {
  public:
    // `startSeconds`: the simulated local time of day, in seconds after midnight.
    explicit ScriptedHost(int startSeconds = 0);

    // IHost.
    int SetTimer(int eventId, int intervalMs) override;
    void KillTimer(int eventId) override;
    int ShowMessage(int stringId, std::string_view prefix, int style) override;
    int ChooseSuit(std::string_view prompt) override;
    int ChooseCharacter() override;
    void ShowCallout(Callout callout, int seat, int suit, int sound, int pauseMs) override;
    void PlaySound(int sound, bool toEnd) override;
    void RedrawTable() override { ++m_redraws; }
    bool PrepareCardBacks() override { return m_cardBacksOk; }
    void RequestClose() override { m_closeRequested = true; }
    LocalTime LocalTimeOfDay() override;
    IProfile& Profile() override { return m_profile; }
    void SaveResumePoint(const ResumePoint& point) override {
        if (m_onResumePoint) m_onResumePoint(point);
    }
    void MatchCredited() override { ++m_credited; }

    // IGameObserver: the clock moves on one second after every deal; events are passed on.
    // With fixed deals the start of a game and the result that leads to a next battle set it.
    void OnGameStart(int game, int trump) override;
    void OnDeal(int seed) override;
    void OnRedeal(int seed) override;
    void OnExchange(int a, int b) override;
    void OnRelated() override;
    void OnLeader(int seat) override;
    void OnShow(int seat, CardId first, CardId second) override;
    void OnTrump(int seat, int suit) override;
    void OnCall(int seat, int suit) override;
    void OnPlay(int seat, CardId card, const char* why) override;
    void OnTrick(int winner, int related, int unrelated) override;
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override;
    void OnResult(int result) override;
    void OnStones(int player, int character, int delta, int stored) override;
    // Events are passed on to these observers, in the order they were added.
    void AddObserver(IGameObserver* observer) { m_observers.push_back(observer); }

    // Policy settings.
    int m_matchesWanted = 1;  // "continue?" is answered Yes until this many matches have ended
    int m_character = -1;     // the character dialog's answer (-1 = cancel)
    bool m_timerOk = true;    // SetTimer fails when false
    bool m_cardBacksOk = true;
    // Record messages, callouts and sounds in order (the runner's long runs only count the
    // messages).
    bool m_keepLog = true;
    // Answers a question when set and returning non-zero; the default policy otherwise.
    std::function<int(int stringId)> m_answer;
    // Names the suit when set and returning 0..3; clubs otherwise.
    std::function<int(std::string_view prompt)> m_suitAnswer;
    // Called at every point where the match could be saved.
    std::function<void(const ResumePoint&)> m_onResumePoint;

    // What happened.
    struct CalloutRecord {
        Callout callout;
        int seat, suit, sound, pauseMs;
    };
    std::vector<int> m_messages;  // string ids in order, while m_keepLog
    // How often each message was shown.
    long MessageCount(int stringId) const {
        const auto it = m_messageCounts.find(stringId);
        return it == m_messageCounts.end() ? 0 : it->second;
    }
    std::vector<CalloutRecord> m_callouts;
    std::vector<std::pair<int, bool>> m_sounds;
    std::map<int, int> m_timers;  // running timers: event id -> interval
    int m_redraws = 0;
    int m_matchesEnded = 0;
    int m_credited = 0;  // matches whose stones were credited
    bool m_closeRequested = false;
    int m_clock;  // seconds after midnight
    // Fixed deals: at the start of every battle the clock is set from (start, match, game,
    // battle), so that the same battle of a run meets the same deal whatever was played before
    // it; otherwise the clock simply runs on.
    bool m_fixedDeals = false;

  private:
    void FixDealClock();
    int m_start;
    int m_game = 0;
    int m_battle = 0;
    void Tick() { m_clock = (m_clock + 1) % 86400; }
    MemoryProfile m_profile;
    std::map<int, long> m_messageCounts;
    template <typename F>
    void Each(F f) {
        for (IGameObserver* observer : m_observers) f(*observer);
    }
    std::vector<IGameObserver*> m_observers;
};

}  // namespace quintrick
