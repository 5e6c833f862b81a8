// The peek exchange: parsing a published hand, the peek commands of the game, and a real peek
// process started with "/W" that shows the published hand and closes when told to.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "match_runner.h"
#include "memory_profile.h"
#include "recording_box.h"
#include "shell/extras/peek_exchange.h"
#include "shell/extras/peek_place.h"
#include "shell/extras/peek_window.h"
#include "shell/profile.h"

namespace quintrick {
namespace {

TEST(ParsePeekHand, FieldsInOrderUpToTheFirstEmptyOne) {
    struct Case {
        const char* text;
        std::vector<CardId> cards;
    };
    const Case cases[] = {
        {"5,17,40,", {5, 17, 40}},
        {"5,17,40", {5, 17, 40}},
        {"", {}},
        {",5,", {}},                                                     // the first field is empty
        {"1,2,,3,", {1, 2}},                                             // stops at the empty field
        {"0,1,2,3,4,5,6,7,8,9,10,11,", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},  // ten at most
        {"7x,abc, 12,+3,", {7, 0, 12, 3}},                // leading digits; none counts as 0
        {"60,-1,51,99999999999999999999,13,", {51, 13}},  // no card of the sheet: left out
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePeekHand(c.text), c.cards) << c.text;
}

TEST(PeekCommandLine, SlashWAnywhereInTheSwitches) {
    EXPECT_TRUE(IsPeekCommandLine({"/opt/q/quintrick", "/W"}));
    EXPECT_TRUE(IsPeekCommandLine({"quintrick", "x/Wide"}));
    EXPECT_FALSE(IsPeekCommandLine({"quintrick", "/w"}));
    EXPECT_FALSE(IsPeekCommandLine({"/home/u/Work/quintrick"}));  // the program's own path
}

// Beside the game window when the screen has room on the right or else on the left; otherwise
// against the screen's edge with more room, level with the game window's bottom; always on the
// screen.
TEST(PeekPlace, BesideTheGameWindowWhereThereIsRoom) {
    const QRect screen(0, 0, 1600, 1200);
    const QSize peek(425, 238);
    const struct {
        QRect game;
        QPoint at;
    } cases[] = {
        {{480, 360, 640, 480}, {1120, 360}},   // right of a small window
        {{900, 100, 640, 480}, {475, 100}},    // no room on the right: left of it
        {{1000, 1000, 400, 180}, {575, 962}},  // left of it, kept on the screen
        {{0, 0, 1600, 1200}, {1175, 962}},     // the whole screen: its lower right corner
        {{200, 150, 1200, 900}, {1175, 812}},  // room on neither side: the right edge
        {{300, 150, 1200, 900}, {0, 812}},     // more room on the left: the left edge
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PeekPlace(c.game, peek, screen), c.at) << c.game.x() << "," << c.game.y();
        EXPECT_TRUE(screen.contains(QRect(PeekPlace(c.game, peek, screen), peek)));
    }
}

TEST(PeekOwner, ReadBackOrRefused) {
    const std::optional<PeekOwner> owner =
        ParsePeekOwner("4194310 480 360 640 480 481 380 638 459");
    ASSERT_TRUE(owner.has_value());
    EXPECT_EQ(owner->winId, 4194310u);
    EXPECT_EQ(owner->frame, QRect(480, 360, 640, 480));
    EXPECT_EQ(owner->client, QRect(481, 380, 638, 459));
    for (const char* bad : {"", "1 2 3", "x 480 360 640 480 481 380 638 459",
                            "1 480 360 0 480 481 380 638 459", "1 2 3 4 5 6 7 8 9 10"}) {
        EXPECT_FALSE(ParsePeekOwner(bad).has_value()) << bad;
    }
}

TEST(PeekWindowSize, WidthFollowsTheHand) {
    EXPECT_EQ(PeekClientWidth(3), 213);
    EXPECT_EQ(PeekClientWidth(10), 423);
}

class PeekCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(profile.FileName());
        gs.m_seatPlayer = {2, 0, 1, 3, 4};
        gs.m_playerName = {"大鴉", "百舌", "喜鵲", "蒼鷺", "紅隼"};
        gs.m_handCount = {3, 0, 5, 5, 5};
    }
    CPeekLauncher Launcher(bool startOk) {
        return CPeekLauncher(profile, box, QStringLiteral("/bin/sleep"),
                             [this, startOk](const QString&, qint64* pid) {
                                 ++starts;
                                 *pid = 0;
                                 return startOk;
                             });
    }
    CProfile profile;
    test::RecordingBox box;
    GameState gs;
    int starts = 0;
};

TEST_F(PeekCommand, NamesTheSeatAndStartsOnlyWhenNeeded) {
    CPeekLauncher launcher = Launcher(true);
    launcher.PeekCommand(1, gs);  // an empty hand: nothing started, the choice written
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(Read(profile, entries::kCunNow), 1);
    EXPECT_EQ(Read(profile, entries::kCunName), "大鴉");  // seat 1 holds player 0
    EXPECT_EQ(Read(profile, entries::kCunningView), 0);
    launcher.PeekCommand(0, gs);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(Read(profile, entries::kCunningView), 1);
    EXPECT_EQ(Read(profile, entries::kCunName), "喜鵲");
    launcher.PeekCommand(3, gs);  // one believed running: only switched
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(Read(profile, entries::kCunNow), 3);
    EXPECT_TRUE(box.Ids().empty());
}

TEST_F(PeekCommand, FailedStartIsReportedAndTriedAgain) {
    CPeekLauncher launcher = Launcher(false);
    launcher.PeekCommand(2, gs);
    launcher.PeekCommand(2, gs);
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(box.Ids(), (std::vector<int>{kMsgPeekLaunchFailed, kMsgPeekLaunchFailed}));
    EXPECT_EQ(box.Styles()[0], kStyleInfo);
    EXPECT_EQ(Read(profile, entries::kCunningView), 0);
}

TEST_F(PeekCommand, CloseEntries) {
    Write(profile, entries::kCunningView, 1);
    Write(profile, entries::kCunNow, 2);
    WritePeekCloseEntries(profile);
    EXPECT_EQ(Read(profile, entries::kCunningView), 0);
    EXPECT_EQ(Read(profile, entries::kCunNow), 4);
}

// The computer hands are published as the game changes them, each only when its text changed.
TEST(HandPublisher, FollowsTheGameEventByEvent) {
    struct Check : IGameObserver {
        const GameState* gs = nullptr;
        MemoryProfile* profile = nullptr;
        int lastWrites = 0;
        int checks = 0;
        void Compare() {
            for (int seat = 0; seat < 4; ++seat) {
                std::string text;
                for (int i = 0; i < gs->m_handCount[seat]; ++i)
                    text += std::to_string(gs->m_hand[seat][i]) + ",";
                ASSERT_EQ(Read(*profile, entries::kCunHand[seat]), text) << gs->Dump();
            }
            ++checks;
        }
        void OnExchange(int, int) override { Compare(); }
        void OnRelated() override { Compare(); }
        void OnPlay(int seat, CardId, const char*) override {
            Compare();
            // One hand changed: one write for a computer seat, none for the human.
            EXPECT_EQ(profile->Writes() - lastWrites, seat == kHumanSeat ? 0 : 1);
            lastWrites = profile->Writes();
        }
        void OnLeader(int) override { lastWrites = profile->Writes(); }
    };
    for (bool enabled : {true, false}) {
        MatchRunner runner(0, 777, 1);
        runner.m_host.m_keepLog = false;
        MemoryProfile published;
        CHandPublisher publisher(published, runner.m_gs);
        publisher.m_enabled = enabled;
        Check check;
        check.gs = &runner.m_gs;
        check.profile = &published;
        runner.m_engine.AddObserver(&publisher);
        if (enabled) runner.m_engine.AddObserver(&check);
        runner.Start();
        ASSERT_TRUE(runner.RunToEnd());
        if (enabled) {
            EXPECT_GT(check.checks, 500);
        } else {
            EXPECT_EQ(published.Writes(), 0);
        }
    }
}

// The window itself, polled by hand.
TEST_F(PeekCommand, WindowShowsTheChosenHandAndKeepsTheLastOne) {
    QImage sheet(1963, 860, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    CPeekWindow window(profile, sheet);
    window.show();
    Write(profile, entries::kCunNow, 2);
    Write(profile, entries::kCunName, "喜鵲");
    Write(profile, entries::kCunHand[2], "5,17,40,");
    window.PeekTick();
    EXPECT_EQ(window.HandCount(), 3);
    EXPECT_EQ(window.size(), QSize(213, 215));
    EXPECT_EQ(window.windowTitle(), "喜鵲");
    const QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.pixel(100, 100), qRgb(0, 0, 0));  // cards
    EXPECT_EQ(shot.pixel(210, 100), qRgb(0, 0, 0));  // the last card whole
    Write(profile, entries::kCunHand[2], "");        // the seat has played out
    window.PeekTick();
    EXPECT_EQ(window.HandCount(), 3);
    Write(profile, entries::kCunNow, 7);  // a damaged choice reads an entry that is not there
    window.PeekTick();
    EXPECT_EQ(window.HandCount(), 3);
}

// A second process started with "/W" (the probe, which reports every hand it shows): it shows
// the published hand, switches seats, and closes when "Now" becomes 4, writing its close entries.
TEST_F(PeekCommand, ProcessExchange) {
    Write(profile, entries::kSpeed, 13);  // an unrelated entry that must survive both writers
    Write(profile, entries::kCunHand[1], "8,21,34,47,");
    Write(profile, entries::kCunHand[3], "1,2,3,4,5,6,7,8,9,10,");
    Write(profile, entries::kCunName, "百舌");
    Write(profile, entries::kCunNow, 1);
    Write(profile, entries::kCunningView, 1);

    QProcess peek;
    peek.setProcessChannelMode(QProcess::SeparateChannels);
    peek.start(QStringLiteral(PEEK_PROBE), {QStringLiteral("/W")});
    ASSERT_TRUE(peek.waitForStarted(5000));
    QString out;
    const auto sawLine = [&](const QString& line) {
        return QTest::qWaitFor(
            [&] {
                out += QString::fromUtf8(peek.readAllStandardOutput());
                return out.contains(line);
            },
            5000);
    };
    EXPECT_TRUE(sawLine("hand 8,21,34,47 243x215 百舌\n")) << out.toStdString();

    // Both processes write at once: the game publishes hands while the peek process reads.
    for (int i = 0; i < 40; ++i) {
        Write(profile, entries::kCunHand[0], std::to_string(i) + ",");
        QTest::qWait(10);
    }
    Write(profile, entries::kCunName, "蒼鷺");
    Write(profile, entries::kCunNow, 3);
    EXPECT_TRUE(sawLine("hand 1,2,3,4,5,6,7,8,9,10 423x215 蒼鷺\n")) << out.toStdString();

    Write(profile, entries::kCunNow, 4);
    ASSERT_TRUE(peek.waitForFinished(5000));
    EXPECT_EQ(peek.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(peek.exitCode(), 0);
    EXPECT_EQ(Read(profile, entries::kCunningView), 0);
    EXPECT_EQ(Read(profile, entries::kCunNow), 4);
    EXPECT_EQ(Read(profile, entries::kSpeed), 13);
    EXPECT_EQ(Read(profile, entries::kCunHand[0]), "39,");
    EXPECT_EQ(Read(profile, entries::kCunHand[3]), "1,2,3,4,5,6,7,8,9,10,");
}

// The game's own executable started with "/W": a peek process that died without closing leaves
// "CunningView" at 1; the game sees that the process it started is gone and starts another, and
// the last one closes when told to.
TEST_F(PeekCommand, DeadPeekProcessDoesNotBlockTheNextLaunch) {
    Write(profile, entries::kCunHand[2], "5,");
    CPeekLauncher launcher(profile, box, QStringLiteral(QUINTRICK_PROGRAM));
    launcher.PeekCommand(2, gs);
    ASSERT_EQ(Read(profile, entries::kCunningView), 1);
    const qint64 first = launcher.LaunchedPid();
    ASSERT_GT(first, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher.LaunchedProcessRuns(); }, 2000));
    launcher.PeekCommand(2, gs);  // still running: no second process
    EXPECT_EQ(launcher.LaunchedPid(), first);

    ::kill(static_cast<pid_t>(first), SIGKILL);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !launcher.LaunchedProcessRuns(); }, 5000));
    EXPECT_EQ(Read(profile, entries::kCunningView), 1);  // it could not say so itself
    launcher.PeekCommand(2, gs);
    const qint64 second = launcher.LaunchedPid();
    EXPECT_NE(second, first);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher.LaunchedProcessRuns(); }, 2000));

    Write(profile, entries::kCunNow, 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !launcher.LaunchedProcessRuns(); }, 5000));
    EXPECT_EQ(Read(profile, entries::kCunningView), 0);
    EXPECT_TRUE(box.Ids().empty());
}

}  // namespace
}  // namespace quintrick
