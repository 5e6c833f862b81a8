// How many more picture cards each group needs to win the battle, as the panel shows it: against
// a declaration the declaring side needs all sixteen and the other side one.
#pragma once

#include "engine/game_state.h"

namespace quintrick {

inline void UpdateNeeds(GameState& gs, int related, int unrelated) {
    if (gs.m_declaration == kSixteen) {
        gs.m_relatedNeed = 16 - related;
        gs.m_unrelatedNeed = 1;
    } else if (gs.m_declaration == kReverseSixteen) {
        gs.m_relatedNeed = 1;
        gs.m_unrelatedNeed = 16 - unrelated;
    } else {
        gs.m_relatedNeed = gs.m_relatedTarget - related;
        gs.m_unrelatedNeed = gs.m_unrelatedTarget - unrelated;
    }
}

}  // namespace quintrick
