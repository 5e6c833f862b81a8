// The four computer players: which card a seat leads or follows with, and their calls (the
// joker's called suit, show cards, the trump of battles 2 and 3, "16" and reverse 16). Every
// card choice is deterministic, made for the seat m_turn, and named by the step of the seat's
// follow or lead order that made it. The choices change nothing: the engine applies them.
#pragma once

#include <array>

#include "engine/decisions.h"
#include "engine/game_state.h"
#include "engine/host.h"

namespace quintrick {

class CFudaDashi : public IComputerPlayers {
  public:
    // `host` gives the clock the declarations are drawn from; nothing is shown through it.
    CFudaDashi(GameState& gs, IHost& host);

    CardChoice ChooseFollowCard() override;
    CardChoice ChooseLeadCard() override;
    DeclarationChoice WantSixteen() override;
    DeclarationChoice WantReverseSixteen() override;
    int OpponentWinningRank() override;
    std::array<CardId, 2> ChooseShowCards() override;
    int ChooseTrumpAlone() override;
    int ChooseTrumpFromShowCards() override;

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
    // The suit the seat would call when it leads the joker now, or -1 when it would not lead it.
    int JokerLeadSuit() const;
    // The two show cards `seat` would put out: the highest two of its longest suit, the second
    // replaced by the joker or else by an ace of another suit when it holds one.
    std::array<CardId, 2> ShowCardsOf(int seat) const;

    // What the follow order looks at, worked out once per choice.
    struct FollowView {
        int w;       // OpponentWinningRank
        int n;       // cards in hand
        int c;       // cards of the called suit in hand
        int called;  // the called suit
        int trump;
        bool noOpponentAfter;
        bool partnerAce;  // a partner's ace of the called suit is on the field
    };
    // A step of the follow order: the position it plays, or -1 when it does not apply.
    using FollowStep = int (CFudaDashi::*)(const FollowView&) const;
    // The follow order's steps, tried in the order of the follow table (choices.cpp).
    int PlayJoker(const FollowView& v) const;
    int OnlyCard(const FollowView& v) const;
    int LastGivesJackOrQueen(const FollowView& v) const;
    int BesideOpponentsJoker(const FollowView& v) const;
    int TakeTheTrick(const FollowView& v) const;
    int FeedThePartner(const FollowView& v) const;
    int JackOrQueenOnPartnersAce(const FollowView& v) const;
    int AceOfTheSuit(const FollowView& v) const;
    int LowestOfTheSuit(const FollowView& v) const;
    int DiscardJackOrQueenOnPartnersAce(const FollowView& v) const;
    int LowNonTrump(const FollowView& v) const;
    int TrumpOver(const FollowView& v) const;
    int LowCard(const FollowView& v) const;
    int LowestPicture(const FollowView& v) const;
    int SecondCard(const FollowView& v) const;

  private:
    template <typename Pred>
    int First(Pred pred) const;
    int Count() const { return m_gs.m_handCount[m_gs.m_turn]; }
    CardId At(int pos) const { return m_gs.m_hand[m_gs.m_turn][pos]; }
    bool HoldsJoker() const { return Count() > 0 && At(0) == kJoker; }
    int Player() const { return m_gs.m_seatPlayer[m_gs.m_turn] & 3; }
    CardChoice LeadByPlayer() const;
    // The choice of a step, unless the rules forbid its card: then the lowest allowed card.
    CardChoice Legal(CardChoice choice) const;
    DeclarationChoice Draw(int percent) const;

    GameState& m_gs;
    IHost& m_host;
};

}  // namespace quintrick
