// What the record keeper holds of a match in progress, kept with the saved match so that a match
// taken up again is recorded whole: who sat where and when it began, the games that came to an
// end, and what is known so far of the game being played.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_state.h"
#include "match_record.h"

namespace quintrick {

struct KeeperState {
    MatchRecord match;  // started, characters, seats and the finished games
    GameRecord game;    // the game in progress
    bool gameRunning = false;
    int declared = 0;  // 0 none, 1 "16", 2 reverse 16 in force in this battle
    int lastRelated = 0, lastUnrelated = 0;
};

// The state as the text of one JSON object.
std::string WriteKeeperState(const KeeperState& state);

// Reads a state written by WriteKeeperState for the match `gs` holds; std::nullopt (with the
// reason) when the text is damaged or does not belong to that match (other characters, games
// that are not the ones before the current game, points that differ from the score table).
std::optional<KeeperState> ReadKeeperState(std::string_view text, const GameState& gs,
                                           std::string* why = nullptr);

// The records that could not be written yet (another program held the database), kept in a
// file of their own until they are: the text of one JSON object, and back; std::nullopt (with
// the reason) when the text is damaged.
std::string WritePendingRecords(const std::vector<MatchRecord>& records);
std::optional<std::vector<MatchRecord>> ReadPendingRecords(std::string_view text,
                                                           std::string* why = nullptr);

}  // namespace quintrick
