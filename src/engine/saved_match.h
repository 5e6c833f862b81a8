// A match set aside to be taken up again: the game state at one of its resume points, with what
// the runner, the window and the records need besides (their own parts, which the engine keeps
// without reading), as JSON text with a format number. Reading checks
// everything: a file that is damaged, cut short, from a newer program or describes a table that
// cannot be (a card twice or missing, a seat or game out of range) is refused with a reason.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game_state.h"
#include "resume.h"

namespace quintrick {

inline constexpr int kSavedMatchFormat = 1;
// Larger files are refused unread; a saved match is a few kilobytes.
inline constexpr std::size_t kSavedMatchMaxBytes = 1 << 20;
// Deeper nesting of lists and objects is refused before the text is parsed: the game writes
// four levels, and a value nested without end would exhaust the stack of whatever walks it.
inline constexpr int kJsonMaxDepth = 256;

struct SavedMatch {
    GameState gs;
    ResumePoint point;
    // The parts of the programs that save matches, each the text of one JSON object written and
    // checked by its owner; here they are only kept. What the headless runner needs to go on
    // (its clock and match count), how the window showed the table, and what the match's records
    // hold so far (files of older versions have none).
    std::optional<std::string> runner;
    std::optional<std::string> table;
    std::optional<std::string> records;
};

// The state as it is saved: a card the human is dragging goes back into the hand. Returns
// false (and the reason) when the state is not one that can be saved and taken up again.
bool MakeSavable(const GameState& gs, const ResumePoint& point, GameState& out, std::string& why);

// The JSON text of a saved match; empty (with the reason) when its state cannot be saved.
std::string WriteSavedMatch(const SavedMatch& match, std::string* why = nullptr);

// Reads a saved match; std::nullopt with the reason when the text cannot be used.
std::optional<SavedMatch> ReadSavedMatch(std::string_view text, std::string* why = nullptr);

// True when no list or object in the JSON `text` lies deeper than `limit` (brackets inside
// strings do not count). Text that is no JSON at all may pass: the parser refuses it.
bool JsonDepthWithin(std::string_view text, int limit = kJsonMaxDepth);

// The consistency checks that reading applies, on a state and its point: empty when the table
// can be played on, else the first problem found.
std::string CheckSavedState(const GameState& gs, const ResumePoint& point);

}  // namespace quintrick
