#include "startup_trace.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace quintrick {

namespace {
double Milliseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
}  // namespace

void StartupMark(const char* step) {
    if (!std::getenv("QUINTRICK_STARTUP_TRACE")) return;
    std::fprintf(stderr, "startup %.3f %.3f %s\n", Milliseconds(CLOCK_MONOTONIC),
                 Milliseconds(CLOCK_PROCESS_CPUTIME_ID), step);
}

}  // namespace quintrick
