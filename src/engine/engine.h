// The game engine: the progression of a match from deal to stones, the turn sequencer and the
// human's card play, over the game state, the setting copies, the host and the computer players.
#pragma once

#include "decisions.h"
#include "game_state.h"
#include "host.h"
#include "judgement.h"
#include "observer.h"
#include "setting_copies.h"
#include "trick_rules.h"

namespace quintrick {

class CEngine {
  public:
    CEngine(GameState& gs, SettingCopies& settings, IHost& host, IComputerPlayers& players);
    CEngine(const CEngine&) = delete;
    CEngine& operator=(const CEngine&) = delete;

    // Reports the match's events to `observer` alone (none by default), or to one more observer;
    // each must outlive the engine.
    void SetObserver(IGameObserver* observer) {
        m_observers.Clear();
        m_observers.Add(observer);
    }
    void AddObserver(IGameObserver* observer) { m_observers.Add(observer); }

    // Takes up a saved match at its point: the state must already hold what was saved there.
    // Restarts the game timer and goes on exactly as the match would have gone on.
    void Resume(const ResumePoint& point);
    // True while a tick or a resumed step is running (a saved state would be half-way).
    bool InStep() const { return m_inTick; }
    // Sets the accounts of a finished match's credit (again): the same result however often.
    static void ApplyCredit(IProfile& profile, const ResumePoint& credit);

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

    // ---- The human's play --------------------------------------------------------------------
    // The human acts on the game state only through these operations; the window turns pointer
    // and key events into them and draws the overlays. Each checks that it applies and otherwise
    // does nothing and returns false. While the mouse button is down the human holds at most one
    // thing (see Held): a picked card, the previous-trick view, the discard view or the angle drag.
    // While anything is held no other hold starts and no card is played; ReleaseHold, called for
    // every button release wherever it happens, ends the hold, so a held card always goes back to
    // the hand unless DropHeldCard played it.

    // What the pressed button holds.
    enum class Held { kNothing, kCard, kLastTrick, kDiscards, kAngle };
    Held HeldNow() const;

    // True while the human may act on the hand: a game runs, it is seat 4's turn, seat 4 has not
    // played to the current trick yet and (unless a card is held) holds a card.
    bool HumanMayPlay() const;
    // Checks the card at `pos` of the human's hand: always allowed while showing cards; a card
    // against the rules shows the rule's message while rule messages are on and returns false.
    bool CheckHumanCard(int pos);
    // Takes the card at `pos` out of the hand (after CheckHumanCard) into the human's grip:
    // m_pickedCard, m_pickedIndex, m_dragging = 1.
    bool PickUpCard(int pos);
    // Puts the held card back where it came from.
    bool PutBackHeldCard();
    // The held card dropped on the field: played to the trick, or put out as the next show card.
    // When it may not be played now it goes back to the hand (and false is returned).
    bool DropHeldCard();
    // Plays or shows the card at `pos` at once (double-click), with the same check as a pick-up.
    bool PlayCardAt(int pos);
    // Plays or shows the card at m_cursor (Enter, Space, Up).
    bool PlayCursorCard();
    // The keyboard mark one card left (-1) or right (+1), wrapping around the hand.
    bool MoveCursor(int step);
    // The views held while the button is down: the previous trick (once a trick of this battle
    // has been played), the discards face up (when there are any), the angle drag.
    bool HoldLastTrick();
    bool HoldDiscards();
    bool HoldAngle();
    // Ends whatever the button held (a held card goes back to the hand); returns what it was.
    Held ReleaseHold();
    // The human is to play a card or to put out a show card.
    bool HumanTurn() const;

    // The common end of every play: the card (already out of the hand) goes on the field.
    void PlayHumanCard(CardId card);
    // Puts a card (already out of the hand) out as the next show card; the second one finishes.
    void PutShowCard(CardId card);

    // The speed command: once a game has started, the game timer starts again at `speed`; false
    // (with the timer message) when it could not be set.
    bool RestartGameTimer(int speed);

    // Plays a sound while sound effects are on.
    void Sound(int sound, bool toEnd);
    // A call plate with its sound (when sound is on) and the pause of the speed setting.
    void Callout(Callout callout, int seat, int suit, int sound);

  private:
    void OnGameTick();
    // After a resolved trick: the judgement and what follows; false when the tick ends there.
    bool JudgeAndGoOn(int winner);
    // The rest of a tick: the human's turn or one computer card.
    void TurnStep();
    int ContinueStartGame();
    void ContinueNextBattle();
    void SaveTick();
    void GoOnFrom(const ResumePoint& point);
    void ComputerPlaysOne();
    void Book(const PointRow& points);
    // Whether the group that swept declares (the human's group asks the human).
    bool SweepDeclared(int winner, bool relatedSweep);
    // A computer trump partner's trump: set, announced and reported.
    void NameTrump(int suit);
    int Message(int stringId, int style);
    bool HumanDecides(int winner, bool relatedSweep) const;
    bool StartGameTimer(int tickMs);
    void CreditStones();

    GameState& m_gs;
    SettingCopies& m_set;
    IHost& m_host;
    IComputerPlayers& m_players;
    CObserverList m_observers;
    IGameObserver* const m_observer = &m_observers;
    bool m_inTick = false;
    bool m_angleDrag = false;  // the human drags the table's front edge
};

}  // namespace quintrick
