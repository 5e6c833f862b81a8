// Recorded matches played again decision for decision: the runner with the recorded options must
// write the committed trace (tests/sim/data) line for line. A change of any rule, computer choice
// or call shows as the first line that differs.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "match_runner.h"
#include "trace_writer.h"

namespace quintrick {
namespace {

TEST(TraceReplay, RecordedMatchesPlayTheSameDecisions) {
    const struct {
        const char* file;
        int start, character, matches;
    } records[] = {
        {"match-start3600-character3-matches2.jsonl", 3600, 3, 2},
        {"match-start45000-character7-matches1.jsonl", 45000, 7, 1},
    };
    for (const auto& r : records) {
        std::ifstream recorded(std::string(QUINTRICK_TRACE_DIR) + "/" + r.file);
        ASSERT_TRUE(recorded) << r.file;
        std::ostringstream out;
        MatchRunner runner(r.character, r.start, r.matches);
        runner.m_host.m_keepLog = false;
        TraceWriter trace(out, runner.m_gs);
        runner.m_host.AddObserver(&trace);
        runner.Start();
        ASSERT_TRUE(runner.RunToEnd()) << r.file;
        trace.End(runner.m_host.m_matchesEnded);

        const std::regex kWhy(R"(,"why":"[a-z-]*")");
        std::istringstream replayed(out.str());
        std::string want, got;
        int line = 0;
        int plays = 0;
        while (std::getline(recorded, want)) {
            ++line;
            ASSERT_TRUE(std::getline(replayed, got))
                << r.file << ": the replay ends at line " << line;
            // The recordings predate the step that chose each computer card.
            ASSERT_EQ(std::regex_replace(got, kWhy, ""), want) << r.file << ": line " << line;
            plays += want.find(R"("ev":"play")") != std::string::npos;
        }
        EXPECT_FALSE(std::getline(replayed, got)) << r.file << ": the replay goes on: " << got;
        EXPECT_GT(plays, r.matches * 10 * 5 * 5) << r.file;
    }
}

}  // namespace
}  // namespace quintrick
