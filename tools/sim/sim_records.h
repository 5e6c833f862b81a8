// The runner's --db: the records of every match it plays, in the game's own database format.
// Built only with Qt SQL; the header carries no Qt.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/observer.h"
#include "records/match_record.h"

namespace quintrick {

class SimRecords {
  public:
    // Opens or creates the database at `path`; null with `error` set when it cannot be written.
    static std::unique_ptr<SimRecords> Open(const std::string& path, const GameState& gs,
                                            std::string& error);
    virtual ~SimRecords() = default;
    // The observer that records the matches; pass it the engine's and the players' events.
    virtual IGameObserver& Observer() = 0;
    // Matches written, and whether a write failed.
    virtual long Stored() const = 0;
    virtual bool Failed() const = 0;
};

// A game as the database keeps it, with its match.
struct StoredGame {
    std::int64_t match = 0;
    GameRecord record;
};
// Every game of the database at `path`, in the order played; false with `error` when it cannot
// be read.
bool LoadStoredGames(const std::string& path, std::vector<StoredGame>& games, std::string& error);

}  // namespace quintrick
