#include "sampling_player.h"

namespace quintrick {

CSamplingPlayer::CSamplingPlayer(GameState& gs, CFudaDashi& rules, const CPlayLog& log, int samples,
                                 std::uint64_t seed)
    : m_gs(gs), m_rules(rules), m_log(log), m_samples(samples < 1 ? 1 : samples), m_rng(seed) {}

SearchResult CSamplingPlayer::Search() {
    return SearchCard(m_gs, m_log, m_gs.m_turn, m_samples, m_rng.Next());
}

namespace {

CardChoice ChoiceOf(const SearchResult& result) {
    const char* why = result.options.size() == 1 ? "only-choice"
                      : result.worlds == 0       ? "no-world"
                                                 : "search";
    return {result.best.pos, result.best.suit, why};
}

}  // namespace

CardChoice CSamplingPlayer::ChooseFollowCard() {
    return ChoiceOf(Search());
}

CardChoice CSamplingPlayer::ChooseLeadCard() {
    return ChoiceOf(Search());
}

}  // namespace quintrick
