// Any bytes as a saved match: refused with a reason or accepted; an accepted one writes back to
// a text that reads again, its records part is refused with a reason or written back to a text
// that reads again, its runner's part is refused with a reason or taken over, and the match
// plays on from it without a fault.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/saved_match.h"
#include "match_runner.h"
#include "records/keeper_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quintrick;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string why;
    const std::optional<SavedMatch> match = ReadSavedMatch(text, &why);
    if (!match) {
        if (why.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    const std::string again = WriteSavedMatch(*match, &why);
    if (again.empty() || !ReadSavedMatch(again)) std::abort();
    if (match->records) {
        why.clear();
        const std::optional<KeeperState> kept = ReadKeeperState(*match->records, match->gs, &why);
        if (!kept && why.empty()) std::abort();
        if (kept && !ReadKeeperState(WriteKeeperState(*kept), match->gs)) std::abort();
    }
    if (!match->runner) return 0;
    why.clear();
    const std::optional<RunnerState> state = ReadRunnerState(*match->runner, &why);
    if (!state) {
        if (why.empty()) std::abort();
        return 0;
    }
    MatchRunner runner(match->gs.m_entryNo, state->clock, state->matchesWanted);
    runner.m_host.m_keepLog = false;
    if (!runner.Load(*match)) std::abort();
    runner.ResumeSaved();
    for (int i = 0; i < 300 && !runner.m_host.m_closeRequested; ++i) runner.Step();
    return 0;
}
