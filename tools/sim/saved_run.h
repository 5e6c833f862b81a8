// The runner's saved-match files: written through a temporary file and a rename, so an existing
// file is either kept whole or replaced whole; read with every check of the saved-match reader.
#pragma once

#include <optional>
#include <string>

#include "engine/saved_match.h"
#include "runner_state.h"

namespace quintrick {

// False with the reason when the file could not be written.
bool WriteSavedMatchFile(const std::string& path, const SavedMatch& match, std::string& why);
// A saved match with the runner's part, which is read into `runner`.
std::optional<SavedMatch> ReadSavedMatchFile(const std::string& path, RunnerState& runner,
                                             std::string& why);

}  // namespace quintrick
