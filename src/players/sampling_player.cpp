#include "sampling_player.h"

namespace quintrick {

CSamplingPlayer::CSamplingPlayer(GameState& gs, CFudaDashi& rules, const CPlayLog& log, int samples,
                                 std::uint64_t seed)
    : m_gs(gs), m_rules(rules), m_log(log), m_samples(samples < 1 ? 1 : samples), m_rng(seed) {}

SearchResult CSamplingPlayer::Search() {
    return SearchCard(m_gs, m_log, m_gs.m_turn, m_samples, m_rng.Next());
}

int CSamplingPlayer::ChooseFollowCard() {
    return Search().best.pos;
}

int CSamplingPlayer::ChooseLeadCard() {
    const SearchOption choice = Search().best;
    if (choice.suit >= 0) m_rules.CallSuit(choice.suit);
    return choice.pos;
}

}  // namespace quintrick
