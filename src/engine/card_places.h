// The one check that every card of the deck is where the game says it is.
#pragma once

#include <string>

#include "game_state.h"

namespace quintrick {

// Why the cards of `gs` are not in a consistent place; empty when they are. Every card is in
// exactly one place (a hand, the field, the discard pile, the picture cards taken, a show card put
// out, the card the human holds), the hands are sorted, and the played-card bookkeeping (which
// cards were played, and how many of each suit) agrees with the table. `fieldCounted`: the
// field's cards are places of their own; false once their trick has been judged, when they are
// already on the piles and the field only shows them.
std::string CardPlaceProblem(const GameState& gs, bool fieldCounted = true);

}  // namespace quintrick
