// Whole matches without a window: the real engine and computer players with a scripted host,
// the game timer driven tick by tick and the human seat played by the documented policy.
#pragma once

#include "engine/engine.h"
#include "engine/game_state.h"
#include "engine/setting_copies.h"
#include "players/fuda_dashi.h"
#include "scripted_host.h"

namespace quintrick {

class MatchRunner {
  public:
    // `character`: the human seat's character (automatic start); `startSeconds`: the clock.
    MatchRunner(int character, int startSeconds, int matches);

    // Start-up: the set-up tick with automatic start, which starts the first game.
    void Start();
    // One step: the human's action when the game waits for it, else one tick of the game timer.
    void Step();
    // Steps until the host was asked to close (the last match answered); false if that did not
    // happen within `maxSteps`.
    bool RunToEnd(long maxSteps = 10'000'000);
    // Steps until `tricks` more tricks have been resolved or the run ended.
    void RunTricks(int tricks);

    // The human seat's policy: the first legal card; as show partner the cards at positions 0
    // and then 0 again.
    void HumanActs();
    bool HumanToAct() const;

    GameState m_gs;
    SettingCopies m_settings;
    ScriptedHost m_host;
    CFudaDashi m_players;
    CEngine m_engine;

  private:
    int m_tricks = 0;
};

}  // namespace quintrick
