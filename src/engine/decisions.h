// The computer players' decisions, as the engine asks for them. A decision only decides: it
// returns its choice and the engine applies it, with the callout, the sound and the redraw. The
// card choices are for the seat to play (m_turn).
#pragma once

#include <array>

#include "cards.h"

namespace quintrick {

// A card chosen by a computer seat.
struct CardChoice {
    int pos = 0;           // position in the hand of the seat to play
    int jokerSuit = -1;    // the suit called when it leads the joker, else -1
    const char* why = "";  // the name of the step of its order that chose the card
};

// The answer to a declaration after a sweep, and the clock draw it came from.
struct DeclarationChoice {
    bool answer = false;
    int seed = 0;  // the clock seed of the draw
    int draw = 0;  // the generator's value
};

class IComputerPlayers {
  public:
    virtual ~IComputerPlayers() = default;
    // The decisions of the card play.
    virtual CardChoice ChooseFollowCard() = 0;
    virtual CardChoice ChooseLeadCard() = 0;
    virtual DeclarationChoice WantSixteen() = 0;
    virtual DeclarationChoice WantReverseSixteen() = 0;
    virtual int OpponentWinningRank() = 0;
    // The calls of battles 2 and 3.
    // The show partner's two show cards (a computer show partner, the human names the trump).
    virtual std::array<CardId, 2> ChooseShowCards() = 0;
    // The trump named by the trump partner when both partners are computers.
    virtual int ChooseTrumpAlone() = 0;
    // The trump named by a computer trump partner after the human's show cards.
    virtual int ChooseTrumpFromShowCards() = 0;
};

}  // namespace quintrick
