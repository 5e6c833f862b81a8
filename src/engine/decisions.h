// The computer players' decisions, as the engine asks for them. The card choices return a
// position in the hand of the seat to play (m_turn).
#pragma once

namespace quintrick {

class IComputerPlayers {
  public:
    virtual ~IComputerPlayers() = default;
    // The five decisions of the card play.
    virtual int ChooseFollowCard() = 0;
    virtual int ChooseLeadCard() = 0;
    virtual bool WantSixteen() = 0;
    virtual bool WantReverseSixteen() = 0;
    virtual int OpponentWinningRank() = 0;
    // The calls of battles 2 and 3.
    virtual void ChooseShowCards() = 0;           // computer show partner, human trump partner
    virtual void ChooseTrumpAlone() = 0;          // both partners are computers
    virtual void ChooseTrumpFromShowCards() = 0;  // computer trump partner after the human's show
};

}  // namespace quintrick
