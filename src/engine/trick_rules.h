// What a seat may play, how a card goes on the field, which card wins a trick and where the cards
// of a trick go. Pure functions of the state: the engine and the sampling player both play
// through them.
#pragma once

#include "game_state.h"

namespace quintrick {

// The rule that forbids a play, tested in this order.
enum class Rule : int {
    kNone = 0,
    kFollowSuit = 1,  // holding the called suit, another suit was played
    kJokerFirst = 2,  // the joker in trick 1
    kJokerNinth = 3,  // in trick 9 the joker must be played
};

// The rule's message in the string table.
int RuleMessage(Rule rule);

// Strength of a field card: joker 300, trump id + 200, called suit id + 100, others id.
int CardStrength(const GameState& gs, CardId card);

// The right in the current trick for the seat to play (m_turn): the strength of the winning field
// card when it belongs to the other group, else 0 (also before anybody has played). Reads only.
int OpponentWinningRank(const GameState& gs);

// The first rule that forbids `card` for `seat` (the leader is not bound to follow suit).
Rule IsLegalPlay(const GameState& gs, int seat, CardId card);

// The lowest position of `seat`'s hand that the rules allow (0 for an empty hand).
int FirstLegalPosition(const GameState& gs, int seat);

// Picture cards taken so far by the related and the unrelated group.
struct GroupPictures {
    int related = 0;
    int unrelated = 0;
};
GroupPictures CountGroupPictures(const GameState& gs);

// Resolves a complete trick: copies it to m_lastTrick, ranks it, records the winner as taker of
// its picture cards, puts the others on the discard pile in seat order and recounts the pictures.
// Returns the winning seat; the field is left as it is (the caller clears it if the battle goes
// on).
int ResolveTrick(GameState& gs);

// Puts `card`, already out of `seat`'s hand, on the field: the leader's card names the called
// suit (the joker names `jokerSuit`, or its own suit when that is -1), the card is noted as played
// this battle and the turn passes to the next seat.
void PutOnField(GameState& gs, int seat, CardId card, int jokerSuit);
// Takes the card at `pos` of `seat`'s hand and puts it on the field as PutOnField does.
CardId PlayToField(GameState& gs, int seat, int pos, int jokerSuit);

// After a resolved trick that decided nothing: the needs follow the pictures taken, the field is
// cleared and `winner` leads the next trick.
void NextTrick(GameState& gs, int winner, const GroupPictures& sums);

// The counters of a fresh battle: nothing played, taken, discarded or declared, the needs at the
// targets of the battle and the panel's counts full.
void ResetBattleCounters(GameState& gs);

}  // namespace quintrick
