// The options a Linux user expects of the game's command line, answered before any window or
// display is needed.
#pragma once

#include <QString>
#include <optional>

namespace quintrick {

// Answers --help and --version (printing to standard output) and rejects an unknown option or a
// language other than ja and en (printing the usage to standard error). Returns the process's
// exit code when the program should stop here, nothing when the game (or the peek window for
// "/W") should start; `language` then holds the language of --lang, empty without it.
std::optional<int> AnswerCommandLine(int argc, char** argv, QString* language = nullptr);

}  // namespace quintrick
