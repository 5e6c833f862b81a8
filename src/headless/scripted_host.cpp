#include "scripted_host.h"

#include <cstdint>

#include "engine/engine.h"
#include "engine/strings.h"

namespace quintrick {

ScriptedHost::ScriptedHost(int startSeconds)
    : m_clock(((startSeconds % 86400) + 86400) % 86400), m_start(m_clock) {}

int FixedDealClock(int start, int match, int game, int battle) {
    // splitmix64 of the four numbers: neighbouring battles meet unrelated seconds of the day.
    std::uint64_t z = static_cast<std::uint64_t>(start) * 1'000'003u + static_cast<unsigned>(match);
    z = z * 16 + static_cast<unsigned>(game);
    z = z * 4 + static_cast<unsigned>(battle);
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>(z % 86400u);
}

void ScriptedHost::FixDealClock() {
    if (m_fixedDeals) m_clock = FixedDealClock(m_start, m_matchesEnded, m_game, m_battle);
}

int ScriptedHost::SetTimer(int eventId, int intervalMs) {
    if (!m_timerOk) return 0;
    m_timers[eventId] = intervalMs;
    return eventId;
}

void ScriptedHost::KillTimer(int eventId) {
    m_timers.erase(eventId);
}

int ScriptedHost::ShowMessage(int stringId, std::string_view /*prefix*/, int style) {
    if (LoadString(stringId).empty()) return 0;
    ++m_messageCounts[stringId];
    if (m_keepLog) m_messages.push_back(stringId);
    if (style != kStyleQuestion) return IDOK;
    if (m_answer) {
        if (const int answer = m_answer(stringId)) return answer;
    }
    switch (stringId) {
        case kMsgAskLead:
            return IDYES;
        case kMsgContinue:
            ++m_matchesEnded;
            return m_matchesEnded < m_matchesWanted ? IDYES : IDNO;
        default:
            return IDNO;
    }
}

int ScriptedHost::ChooseSuit(std::string_view prompt) {
    if (m_suitAnswer) {
        const int suit = m_suitAnswer(prompt);
        if (suit >= 0 && suit < kSuits) return suit;
    }
    return kClubs;
}

int ScriptedHost::ChooseCharacter() {
    return m_character;
}

void ScriptedHost::ShowCallout(Callout callout, int seat, int suit, int sound, int pauseMs) {
    if (m_keepLog) m_callouts.push_back({callout, seat, suit, sound, pauseMs});
    Tick();
}

void ScriptedHost::PlaySound(int sound, bool toEnd) {
    if (m_keepLog) m_sounds.emplace_back(sound, toEnd);
}

LocalTime ScriptedHost::LocalTimeOfDay() {
    return {m_clock / 3600, (m_clock / 60) % 60, m_clock % 60, true};
}

void ScriptedHost::OnGameStart(int game, int trump) {
    m_game = game;
    m_battle = 1;
    FixDealClock();
    Each([&](IGameObserver& o) { o.OnGameStart(game, trump); });
}
void ScriptedHost::OnDeal(int seed) {
    Each([&](IGameObserver& o) { o.OnDeal(seed); });
    Tick();
}
void ScriptedHost::OnRedeal(int seed) {
    Each([&](IGameObserver& o) { o.OnRedeal(seed); });
}
void ScriptedHost::OnExchange(int a, int b) {
    Each([&](IGameObserver& o) { o.OnExchange(a, b); });
}
void ScriptedHost::OnRelated() {
    Each([&](IGameObserver& o) { o.OnRelated(); });
}
void ScriptedHost::OnLeader(int seat) {
    Each([&](IGameObserver& o) { o.OnLeader(seat); });
}
void ScriptedHost::OnShow(int seat, CardId first, CardId second) {
    Each([&](IGameObserver& o) { o.OnShow(seat, first, second); });
}
void ScriptedHost::OnTrump(int seat, int suit) {
    Each([&](IGameObserver& o) { o.OnTrump(seat, suit); });
}
void ScriptedHost::OnCall(int seat, int suit) {
    Each([&](IGameObserver& o) { o.OnCall(seat, suit); });
}
void ScriptedHost::OnPlay(int seat, CardId card, const char* why) {
    Each([&](IGameObserver& o) { o.OnPlay(seat, card, why); });
}
void ScriptedHost::OnTrick(int winner, int related, int unrelated) {
    Each([&](IGameObserver& o) { o.OnTrick(winner, related, unrelated); });
}
void ScriptedHost::OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) {
    Each([&](IGameObserver& o) { o.OnDeclare(kind, byComputer, answer, seed, draw); });
}
void ScriptedHost::OnResult(int result) {
    Each([&](IGameObserver& o) { o.OnResult(result); });
    if (result == kNextBattle) {
        ++m_battle;
        FixDealClock();
    }
}
void ScriptedHost::OnStones(int player, int character, int delta, int stored) {
    Each([&](IGameObserver& o) { o.OnStones(player, character, delta, stored); });
}

}  // namespace quintrick
