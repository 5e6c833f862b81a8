#include "match_runner.h"

#include "engine/trick_rules.h"

namespace quintrick {

MatchRunner::MatchRunner(int character, int startSeconds, int matches)
    : m_host(startSeconds),
      m_players(m_gs, m_settings, m_host),
      m_engine(m_gs, m_settings, m_host, m_players) {
    m_host.m_matchesWanted = matches;
    m_host.m_character = character;
    m_host.Profile().WriteInt("Settei", "AutoStart", 1);
    m_host.Profile().WriteInt("Settei", "EntryNo", character);
    m_engine.SetObserver(&m_host);
    m_players.SetObserver(&m_host);
}

void MatchRunner::Start() {
    m_gs.ResetAtInitialUpdate();
    m_gs.m_setupTimer = m_host.SetTimer(kSetupTimerEvent, 100);
    m_engine.OnTimer(kSetupTimerEvent);
}

bool MatchRunner::HumanToAct() const {
    return m_gs.m_busy == 1 && m_engine.HumanMayPlay();
}

void MatchRunner::HumanActs() {
    m_gs.m_cursor = m_gs.m_phase == 2 ? 0 : FirstLegalPosition(m_gs, kHumanSeat);
    m_engine.PlayCursorCard();
}

void MatchRunner::Step() {
    if (HumanToAct()) {
        HumanActs();
        return;
    }
    const bool complete = m_gs.FieldComplete();
    m_engine.OnTimer(kGameTimerEvent);
    if (complete && !m_gs.FieldComplete()) ++m_tricks;
}

bool MatchRunner::RunToEnd(long maxSteps) {
    for (long i = 0; i < maxSteps && !m_host.m_closeRequested; ++i) Step();
    return m_host.m_closeRequested;
}

void MatchRunner::RunTricks(int tricks) {
    const int target = m_tricks + tricks;
    for (long i = 0; i < 1'000'000 && m_tricks < target && !m_host.m_closeRequested; ++i) Step();
}

}  // namespace quintrick
