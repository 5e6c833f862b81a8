// Matches spread over several threads (--jobs). Each match is played on its own: its clock
// starts at a time derived only from --start and its index, with a fresh profile and seating,
// and its sampling generators from its index, so the summary and the trace are the same
// whatever the number of jobs.
#pragma once

#include <ostream>
#include <string>

#include "match_runner.h"
#include "sim_stats.h"

namespace quintrick {

struct BatchArgs {
    int matches = 1;
    int start = 0;
    int character = 0;
    int jobs = 0;  // 0: no --jobs, the matches run on from one clock
    RunnerOptions options;
};

// The simulated clock at which match `index` (0-based) starts: --start + 7919 x index seconds,
// wrapped at midnight.
int MatchClock(int start, int index);

// Plays the matches; writes the trace to `trace` when given. False (with `failure` set) when a
// match did not come to an end.
bool RunInJobs(const BatchArgs& args, std::ostream* trace, SimStats& stats, std::string& failure);

}  // namespace quintrick
