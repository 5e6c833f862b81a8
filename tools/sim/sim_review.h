// The runner's --review and --check-replay: kept games read from a records database, a saved
// match or a match trace, reviewed or played again through the engine.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace quintrick {

// Prints the review of one game of `path`: of a database the last game kept (or `which`
// "MATCH:GAME"), of a saved match the last game finished before it was saved (or `which` "N",
// the Nth), of a trace its first game (or `which` "N", the Nth game). Returns the exit status.
int ReviewCommand(const std::string& path, std::string_view which, int samples, std::ostream& out,
                  std::ostream& err);

// Plays every game of `path` again and compares the points reached with the recorded ones.
// Returns 0 when every game with moves reached its points.
int CheckReplayCommand(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace quintrick
