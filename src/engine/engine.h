// The game engine: the progression of a match from deal to stones, the turn sequencer and the
// human's card play, over the game state, the setting copies, the host and the computer players.
#pragma once

#include "decisions.h"
#include "game_state.h"
#include "host.h"
#include "observer.h"
#include "setting_copies.h"
#include "trick_rules.h"

namespace quintrick {

// Results of the judgement of a trick.
enum JudgeResult : int { kBattleGoesOn = 0, kGameOver = 1, kNextBattle = 2 };

class CEngine {
  public:
    CEngine(GameState& gs, SettingCopies& settings, IHost& host, IComputerPlayers& players);
    CEngine(const CEngine&) = delete;
    CEngine& operator=(const CEngine&) = delete;

    // Reports the match's events to `observer` (none by default); it must outlive the engine.
    void SetObserver(IGameObserver* observer) { m_observer = observer ? observer : &m_silent; }
    IGameObserver& Observer() { return *m_observer; }

    // The view's timer handler: the start-up tick (event 99) and the game timer, one step a tick.
    void OnTimer(int eventId);

    // Progression.
    int StartGame();
    void PrepareBattle();
    void StartNextBattle();
    void FinishShowCards();
    int JudgeTrick(int winner, int related, int unrelated);
    void UpdateDisplayCounters(int related, int unrelated);
    void EndOfGame();

    // Steps of StartGame, exposed for tests.
    int Deal();  // returns the seed used
    bool CheckDoubleKan();
    void SeparateKanHolders();
    void ChooseFirstLeader();

    // The human's play. Each does nothing and returns false unless it is the human's turn.
    // Checks the card at `pos` of the human's hand; a refused card shows the rule's message while
    // rule messages are on and returns false.
    bool CheckHumanCard(int pos);
    // Plays or shows the card at m_cursor (keyboard and double-click).
    bool PlayCursorCard();
    // Puts the picked card (already out of the hand) on the field: the common end of every play.
    void PlayHumanCard(CardId card);
    // Puts a card (already out of the hand) out as the next show card; the second one finishes.
    void PutShowCard(CardId card);
    // True while the human may act on the hand: a game runs, it is seat 4's turn and seat 4 has
    // not played to the current trick yet.
    bool HumanMayPlay() const;

    // Restarts the game timer with the current speed (the speed command); false if it failed.
    bool RestartGameTimer();

    // Plays a sound while sound effects are on.
    void Sound(int sound, bool toEnd);
    // A call plate with its sound (when sound is on) and the pause of the speed setting.
    void Callout(Callout callout, int seat, int suit, int sound);

  private:
    void OnGameTick();
    void ComputerPlaysOne();
    void Book(bool set, int relatedPoints, int unrelatedPoints);
    int Message(int stringId, int style);
    bool HumanDecides(int winner, bool relatedSweep) const;
    bool StartGameTimer();
    void CreditStones();

    GameState& m_gs;
    SettingCopies& m_set;
    IHost& m_host;
    IComputerPlayers& m_players;
    IGameObserver m_silent;
    IGameObserver* m_observer = &m_silent;
    bool m_inTick = false;
};

}  // namespace quintrick
