// The points at which a match in progress can be set aside and taken up again exactly: between
// two ticks of the game timer, right after a deal, and while the human is asked to declare. The
// engine reports each point to its host as it passes it; the host may save the state then.
#pragma once

#include <array>

#include "cards.h"

namespace quintrick {

enum class ResumeAt : int {
    kTick = 0,    // between two ticks: the game timer goes on (the human may be to play)
    kLead = 1,    // first deal of a game done and the related pair fixed; the first leader next
    kBattle = 2,  // deal of battle 2 or 3 done; show cards and the trump next
    kJudge = 3,   // a trick resolved; its judgement (the human's declaration question) next
    kCredit = 4,  // the match is over; its stones are being credited
};

// The account a character's stones end at when a finished match is credited.
struct StoneCredit {
    int character = 0;
    int stones = 0;
};

struct ResumePoint {
    ResumeAt at = ResumeAt::kTick;
    int winner = -1;                           // kJudge: the trick's winner
    std::array<StoneCredit, kSeats> credit{};  // kCredit: by player
};

}  // namespace quintrick
