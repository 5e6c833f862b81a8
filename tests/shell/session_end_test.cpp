// A terminating signal reaches the program on the GUI thread, whatever it is doing then: the
// save runs first and then the end, once per signal; a signal ignored at start stays ignored.
#include "shell/session_end.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <vector>

namespace quintrick::testing {
namespace {

// Handles events until `done` or `ms` milliseconds have passed.
template <typename Done>
bool WaitFor(Done done, int ms = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents();
    return done();
}

TEST(SessionEnd, ASignalSavesThenEndsOnTheGuiThread) {
    std::vector<std::string> steps;
    {
        CSessionEnd end([&steps] { steps.push_back("save"); },
                        [&steps](int signal) { steps.push_back("end " + std::to_string(signal)); });
        ASSERT_TRUE(end.Installed());
        for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
            const std::size_t before = steps.size();
            ASSERT_EQ(std::raise(signal), 0);
            // Nothing runs inside the handler itself.
            EXPECT_EQ(steps.size(), before);
            ASSERT_TRUE(WaitFor([&] { return steps.size() == before + 2; })) << signal;
            EXPECT_EQ(steps[before], "save");
            EXPECT_EQ(steps[before + 1], "end " + std::to_string(signal));
        }
    }
    // Gone with the object: the signals have their usual meaning again.
    struct sigaction now = {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(SessionEnd, ASignalIgnoredAtStartStaysIgnored) {
    std::signal(SIGHUP, SIG_IGN);
    {
        int saves = 0;
        CSessionEnd end([&saves] { ++saves; }, [](int) {});
        ASSERT_EQ(std::raise(SIGHUP), 0);
        WaitFor([] { return false; }, 300);
        EXPECT_EQ(saves, 0);
        struct sigaction now = {};
        ASSERT_EQ(::sigaction(SIGHUP, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
    }
    std::signal(SIGHUP, SIG_DFL);
}

}  // namespace
}  // namespace quintrick::testing
