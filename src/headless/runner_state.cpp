#include "runner_state.h"

#include <climits>
#include <cstdint>
#include <nlohmann/json.hpp>

namespace quintrick {
namespace {

using nlohmann::json;

constexpr int kMaxMatches = 100'000'000;

// A whole number of `object[name]` within low..high, else the reason.
std::optional<int> Number(const json& value, const std::string& name, int low, int high,
                          std::string& why) {
    if (!value.is_number_integer()) {
        why = name + " is not a whole number";
        return std::nullopt;
    }
    // An unsigned value beyond the int64 range is out of range like any large one.
    const long long number =
        value.is_number_unsigned() && value.get<std::uint64_t>() > std::uint64_t(LLONG_MAX)
            ? LLONG_MAX
            : value.get<std::int64_t>();
    if (number < low || number > high) {
        why = name + " is out of range";
        return std::nullopt;
    }
    return static_cast<int>(number);
}

bool Field(const json& object, const char* name, int low, int high, int& out, std::string& why) {
    const auto it = object.find(name);
    if (it == object.end()) {
        why = std::string(name) + " is missing";
        return false;
    }
    const std::optional<int> number = Number(*it, name, low, high, why);
    if (number) out = *number;
    return number.has_value();
}

}  // namespace

std::string WriteRunnerState(const RunnerState& state) {
    json out;
    out["clock"] = state.clock;
    out["matchesWanted"] = state.matchesWanted;
    out["matchesEnded"] = state.matchesEnded;
    out["matchIndex"] = state.matchIndex;
    out["stones"] = state.stones;
    return out.dump();
}

std::optional<RunnerState> ReadRunnerState(std::string_view text, std::string* why) {
    std::string problem;
    auto fail = [&] {
        if (why) *why = "runner: " + problem;
        return std::nullopt;
    };
    const json in = json::parse(text.begin(), text.end(), nullptr, false);
    if (in.is_discarded() || !in.is_object()) {
        problem = "not an object";
        return fail();
    }
    RunnerState state;
    if (!Field(in, "clock", 0, 86399, state.clock, problem) ||
        !Field(in, "matchesWanted", 1, kMaxMatches, state.matchesWanted, problem) ||
        !Field(in, "matchesEnded", 0, kMaxMatches, state.matchesEnded, problem) ||
        !Field(in, "matchIndex", 1, kMaxMatches, state.matchIndex, problem)) {
        return fail();
    }
    const auto stones = in.find("stones");
    if (stones == in.end() || !stones->is_array() || stones->size() != state.stones.size()) {
        problem = "stones is not a list of " + std::to_string(state.stones.size());
        return fail();
    }
    for (std::size_t c = 0; c < state.stones.size(); ++c) {
        const std::optional<int> account = Number((*stones)[c], "stones", 0, INT_MAX, problem);
        if (!account) return fail();
        state.stones[c] = *account;
    }
    if (state.matchesEnded >= state.matchesWanted || state.matchIndex != state.matchesEnded + 1) {
        problem = "the match count is damaged";
        return fail();
    }
    return state;
}

}  // namespace quintrick
