// The four computer players: which card a seat leads or follows with, and their calls (the
// joker's called suit, show cards, the trump of battles 2 and 3, "16" and reverse 16). Every
// card choice is deterministic and made for the seat m_turn.
#pragma once

#include <array>

#include "engine/decisions.h"
#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/observer.h"
#include "engine/setting_copies.h"

namespace quintrick {

class CFudaDashi : public IComputerPlayers {
  public:
    CFudaDashi(GameState& gs, const SettingCopies& settings, IHost& host);
    void SetObserver(IGameObserver* observer) { m_observer = observer ? observer : &m_silent; }

    int ChooseFollowCard() override;
    int ChooseLeadCard() override;
    bool WantSixteen() override;
    bool WantReverseSixteen() override;
    int OpponentWinningRank() override;
    void ChooseShowCards() override;
    void ChooseTrumpAlone() override;
    void ChooseTrumpFromShowCards() override;

    // The steps and predicates of the choices, for the seat m_turn.
    bool IsTopCard(CardId card) const;
    int CountSuit(int suit) const;
    int CountLowOfSuit(int suit) const;
    int PicturesOnField() const;
    bool IsLastToPlay() const;
    bool NoOpponentAfter() const;
    bool PartnerCalledAceOnField() const;
    bool ShouldPlayJoker(int w) const;
    int TakeTrick(int w) const;
    int FeedPartner() const;
    bool ShouldLeadJoker();
    // The suit the seat would call when it leads the joker now, or -1 when it would not lead it.
    int JokerLeadSuit() const;
    // The lead without its announcement: the position, and in `jokerSuit` the suit called with
    // the joker (-1 for any other card).
    int LeadChoice(int& jokerSuit) const;
    // The two show cards `seat` would put out: the highest two of its longest suit, the second
    // replaced by the joker or else by an ace of another suit when it holds one.
    std::array<CardId, 2> ShowCardsOf(int seat) const;
    // Announces `suit` as the called suit of the joker led by the seat m_turn.
    void CallSuit(int suit);

  private:
    template <typename Pred>
    int First(Pred pred) const;
    int Count() const { return m_gs.m_handCount[m_gs.m_turn]; }
    CardId At(int pos) const { return m_gs.m_hand[m_gs.m_turn][pos]; }
    bool HoldsJoker() const { return Count() > 0 && At(0) == kJoker; }
    int Player() const { return m_gs.m_seatPlayer[m_gs.m_turn] & 3; }
    int FollowStep(int w);
    int LeadByPlayer() const;
    int Legal(int pos) const;
    bool Draw(int kind, int percent);
    void AnnounceTrump(int seat);

    GameState& m_gs;
    const SettingCopies& m_set;
    IHost& m_host;
    IGameObserver m_silent;
    IGameObserver* m_observer = &m_silent;
};

}  // namespace quintrick
