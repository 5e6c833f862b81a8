// The runner's part of a saved match: its simulated clock and its match bookkeeping, kept in the
// saved match as one JSON object the engine does not read.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quintrick {

// What the headless runner needs to go on.
struct RunnerState {
    int clock = 0;  // seconds after midnight
    int matchesWanted = 1;
    int matchesEnded = 0;
    int matchIndex = 1;            // the trace's number of the match being played
    std::array<int, 10> stones{};  // the in-memory profile's accounts, by character
};

// The text of one JSON object.
std::string WriteRunnerState(const RunnerState& state);

// Reads the runner's part; std::nullopt with the reason when a field is missing, out of range,
// or the match count cannot be.
std::optional<RunnerState> ReadRunnerState(std::string_view text, std::string* why = nullptr);

}  // namespace quintrick
