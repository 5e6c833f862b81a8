// The table in words, in the language of the user interface: the human's hand with what may be
// played now, the field with who played what, the state of the game, and the events of a match as
// sentences. The screen reader's view of the table reads them; they only read the game state.
#pragma once

#include <QString>
#include <functional>

#include "engine/game_state.h"
#include "engine/observer.h"

namespace quintrick {

// A seat as the table names it: "あなた" for the human, else the player's name.
QString SeatName(const GameState& gs, int seat);

// Whether the card at `pos` of the human's hand may be played (or put out as a show card) now;
// `humanMayPlay` is the engine's answer to whether the human is to act at all.
bool HandCardPlayable(const GameState& gs, int pos, bool humanMayPlay);
// "出せます" or "今は出せません".
QString PlayableText(bool playable);

// A seat's card on the field: "山田: ハートのＡ", or "山田: まだ出していません".
QString FieldText(const GameState& gs, int seat);

// The state of the game in one paragraph: game and battle, trump, the groups, the picture cards
// each group has and needs, whose turn it is, and the points of the match so far.
QString StatusText(const GameState& gs, bool humanMayPlay);

// Turns the events of a match into sentences ("山田がハートのＡを出しました") handed to `say`.
class CTableAnnouncer final : public IGameObserver {
  public:
    CTableAnnouncer(const GameState& gs, std::function<void(const QString&)> say)
        : m_gs(gs), m_say(std::move(say)) {}

    void OnGameStart(int game, int trump) override;
    void OnRedeal(int seed) override;
    void OnShow(int seat, CardId first, CardId second) override;
    void OnTrump(int seat, int suit) override;
    void OnCall(int seat, int suit) override;
    void OnPlay(int seat, CardId card, const char* why) override;
    void OnTrick(int winner, int related, int unrelated) override;
    void OnDeclare(int kind, bool byComputer, bool answer, int seed, int draw) override;
    void OnResult(int result) override;

  private:
    void Say(const QString& text) const {
        if (m_say) m_say(text);
    }
    const GameState& m_gs;
    std::function<void(const QString&)> m_say;
};

}  // namespace quintrick
