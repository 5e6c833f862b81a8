// Timestamps of the steps of the start, for bench/startup_phases.sh: with QUINTRICK_STARTUP_TRACE
// set in the environment each step prints "startup <monotonic ms> <process CPU ms> <step>" to
// the standard error. Nothing is printed otherwise.
#pragma once

namespace quintrick {

void StartupMark(const char* step);

}  // namespace quintrick
