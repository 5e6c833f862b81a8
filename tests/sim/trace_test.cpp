// The match runner's trace: every event appears and every game row of points sums to zero.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "engine/strings.h"
#include "match_runner.h"
#include "trace_writer.h"

namespace quintrick {
namespace {

TEST(Trace, WholeMatchesWriteEveryEvent) {
    std::map<std::string, int> events;
    int badRows = 0;
    int deals = 0;
    for (int start : {0, 3600, 40000, 86000}) {
        std::ostringstream out;
        MatchRunner runner(start % 10, start, 5);
        runner.m_host.m_keepLog = false;
        TraceWriter trace(out, runner.m_gs);
        runner.m_host.AddObserver(&trace);
        runner.Start();
        ASSERT_TRUE(runner.RunToEnd());
        trace.End(runner.m_host.m_matchesEnded);

        std::istringstream lines(out.str());
        const std::regex ev(R"re("ev":"([a-z]+)")re");
        const std::regex points(R"re("points":\[(-?\d+),(-?\d+),(-?\d+),(-?\d+),(-?\d+)\])re");
        const std::regex deal(
            R"re("seed":(-?\d+),"hands":\[(\[(\d+,){9}\d+\],){4}\[(\d+,){9}\d+\]\])re");
        std::string line, last;
        bool first = true;
        while (std::getline(lines, line)) {
            last = line;
            std::smatch m;
            ASSERT_TRUE(std::regex_search(line, m, ev)) << line;
            ++events[m[1]];
            if (first) {
                EXPECT_EQ(line.rfind(R"({"ev":"match","index":1,)", 0), 0u);
                first = false;
            }
            if (m[1] == "deal") {
                EXPECT_TRUE(std::regex_search(line, deal)) << line;
                ++deals;
                if (start == 0 && deals == 1) {
                    EXPECT_NE(line.find(R"("seed":0,)"), std::string::npos);
                }
            }
            if (m[1] == "result") {
                ASSERT_TRUE(std::regex_search(line, m, points)) << line;
                int sum = 0;
                for (int i = 1; i <= 5; ++i) sum += std::stoi(m[i]);
                badRows += sum != 0;
            }
        }
        EXPECT_EQ(last, R"({"ev":"end","matches":5})");
    }
    EXPECT_EQ(badRows, 0);
    for (const char* name :
         {"match", "game", "deal", "redeal", "exchange", "related", "leader", "show", "trump",
          "call", "play", "trick", "declare", "result", "stones", "end"}) {
        EXPECT_GT(events[name], 0) << name;
    }
    EXPECT_EQ(events["match"], 20);
    EXPECT_EQ(events["game"], 200);
    EXPECT_EQ(events["stones"], 100);
}

// A long run does not keep every message it showed: it counts them, and the counts are those
// of the same matches played with the whole log kept.
TEST(LongRuns, CountMessagesInsteadOfKeepingThem) {
    std::map<int, long> logged;
    {
        MatchRunner runner(4, 1234, 3);
        runner.Start();
        ASSERT_TRUE(runner.RunToEnd());
        ASSERT_FALSE(runner.m_host.m_messages.empty());
        for (int id : runner.m_host.m_messages) ++logged[id];
    }
    MatchRunner runner(4, 1234, 3);
    runner.m_host.m_keepLog = false;
    runner.Start();
    ASSERT_TRUE(runner.RunToEnd());
    EXPECT_TRUE(runner.m_host.m_messages.empty());
    for (const auto& [id, count] : logged) EXPECT_EQ(runner.m_host.MessageCount(id), count) << id;
    EXPECT_EQ(runner.m_host.MessageCount(kMsgContinue), logged[kMsgContinue]);
    EXPECT_GT(logged[kMsgContinue], 0);
}

}  // namespace
}  // namespace quintrick
