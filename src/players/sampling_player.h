// The stronger computer player: its cards come from the sampling search over the hidden hands;
// its calls (show cards, the trump of battles 2 and 3, "16" and reverse 16, whether to lead the
// joker aside) stay the characters' rules. The joker's called suit is searched with the card.
#pragma once

#include <cstdint>

#include "fuda_dashi.h"
#include "play_log.h"
#include "sample_search.h"

namespace quintrick {

class CSamplingPlayer : public IComputerPlayers {
  public:
    // `rules` makes the calls; `log` must see the match's events.
    CSamplingPlayer(GameState& gs, CFudaDashi& rules, const CPlayLog& log,
                    int samples = kDefaultSamples, std::uint64_t seed = 0x5157494E54524943ull);

    CardChoice ChooseFollowCard() override;
    CardChoice ChooseLeadCard() override;
    DeclarationChoice WantSixteen() override { return m_rules.WantSixteen(); }
    DeclarationChoice WantReverseSixteen() override { return m_rules.WantReverseSixteen(); }
    int OpponentWinningRank() override { return m_rules.OpponentWinningRank(); }
    std::array<CardId, 2> ChooseShowCards() override { return m_rules.ChooseShowCards(); }
    int ChooseTrumpAlone() override { return m_rules.ChooseTrumpAlone(); }
    int ChooseTrumpFromShowCards() override { return m_rules.ChooseTrumpFromShowCards(); }

    // The search for the seat m_turn, without playing anything: its own generator moves on.
    SearchResult Search();

  private:
    GameState& m_gs;
    CFudaDashi& m_rules;
    const CPlayLog& m_log;
    int m_samples;
    SampleRng m_rng;
};

}  // namespace quintrick
