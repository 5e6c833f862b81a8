// The computers' decisions at the chosen strength: the characters' rules (標準) or the sampling
// player (強い), which keeps the characters' calls. The engine holds this one object; the level
// can change between any two decisions.
#pragma once

#include "fuda_dashi.h"
#include "sampling_player.h"

namespace quintrick {

class CLevelPlayers : public IComputerPlayers {
  public:
    CLevelPlayers(CFudaDashi& rules, CSamplingPlayer& strong) : m_rules(rules), m_strong(strong) {}

    void SetStrong(bool strong) {
        m_current = strong ? &m_strong : &static_cast<IComputerPlayers&>(m_rules);
    }
    bool Strong() const { return m_current == &m_strong; }
    // The object that decides now.
    IComputerPlayers& Current() const { return *m_current; }

    CardChoice ChooseFollowCard() override { return m_current->ChooseFollowCard(); }
    CardChoice ChooseLeadCard() override { return m_current->ChooseLeadCard(); }
    DeclarationChoice WantSixteen() override { return m_current->WantSixteen(); }
    DeclarationChoice WantReverseSixteen() override { return m_current->WantReverseSixteen(); }
    int OpponentWinningRank() override { return m_current->OpponentWinningRank(); }
    std::array<CardId, 2> ChooseShowCards() override { return m_current->ChooseShowCards(); }
    int ChooseTrumpAlone() override { return m_current->ChooseTrumpAlone(); }
    int ChooseTrumpFromShowCards() override { return m_current->ChooseTrumpFromShowCards(); }

  private:
    CFudaDashi& m_rules;
    CSamplingPlayer& m_strong;
    IComputerPlayers* m_current = &m_rules;
};

}  // namespace quintrick
