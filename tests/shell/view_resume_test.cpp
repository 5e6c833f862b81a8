// The saved match on the real view: written while a match runs, offered at the next start,
// refused and set aside when it cannot be used, a finished match's stones credited once, a new
// match throwing the old one away, and a write killed half-way never leaving a broken file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <chrono>
#include <random>
#include <thread>

#include "engine/saved_match.h"
#include "engine/stone_account.h"
#include "engine/strings.h"
#include "match_runner.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/main_frame.h"
#include "shell/saved_match_file.h"

namespace quintrick::testing {
namespace {

constexpr int kCmdStart = 32771;

bool Has(const std::vector<int>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::string FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void WriteText(const QString& path, const std::string& text) {
    ASSERT_TRUE(CSavedMatchFile(path).Write(text));
}

class ViewResume : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ClearProfile();
        store.Remove();
        QFile::remove(store.BadPath());
    }
    // A program start: the frame, the initial update and the start-up tick.
    void Start() {
        frame = std::make_unique<CMainFrame>(AppFlags{}, &dialogs);
        ASSERT_TRUE(view().OnInitialUpdate());
        view().Settings().m_speed = 1;
        view().Settings().m_soundOn = 0;
        dialogs.messages.clear();
        view().FireTimer(kSetupTimerEvent);
    }
    // Ticks until the human is to play (the computers play on meanwhile).
    void TickToHuman() {
        for (int i = 0; i < 200 && !(gs().m_turn == kHumanSeat && gs().m_busy == 1); ++i) {
            view().FireTimer(kGameTimerEvent);
        }
        ASSERT_EQ(gs().m_turn, kHumanSeat);
    }
    CT40913View& view() { return frame->View(); }
    GameState& gs() { return view().Gs(); }

    CSavedMatchFile store;
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ViewResume, AMatchIsSavedAndTakenUpAgainAtTheNextStart) {
    Start();
    view().OnCommand(kCmdStart);
    TickToHuman();
    const GameState before = gs();
    const std::optional<SavedMatch> saved = ReadSavedMatch(FileText(store.Path()));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->gs.m_hand, before.m_hand);
    EXPECT_EQ(saved->gs.m_game, before.m_game);

    // Killed here; the next start asks, and Yes puts the table back as it was.
    frame.reset();
    dialogs.answer = IDYES;
    Start();
    EXPECT_TRUE(Has(dialogs.messages, kMsgResumeMatch));
    EXPECT_EQ(gs().m_phase, 1);
    EXPECT_EQ(gs().m_hand, before.m_hand);
    EXPECT_EQ(gs().m_handCount, before.m_handCount);
    EXPECT_EQ(gs().m_field, before.m_field);
    EXPECT_EQ(gs().m_turn, kHumanSeat);
    EXPECT_EQ(gs().m_busy, 1);  // waits for the human
    EXPECT_NE(gs().m_gameTimer, 0);
}

TEST_F(ViewResume, NoThrowsTheSavedMatchAway) {
    Start();
    view().OnCommand(kCmdStart);
    TickToHuman();
    frame.reset();
    dialogs.answer = IDNO;
    Start();
    EXPECT_TRUE(Has(dialogs.messages, kMsgResumeMatch));
    EXPECT_FALSE(store.Exists());
    EXPECT_EQ(gs().m_phase, 0);
}

TEST_F(ViewResume, AnUnusableFileIsSetAsideWithAMessage) {
    Start();
    view().OnCommand(kCmdStart);
    TickToHuman();
    const std::string good = FileText(store.Path());
    frame.reset();
    std::string newer = good;
    newer.replace(newer.find("\"format\":1"), 10, "\"format\":9");
    std::string twice = good;
    const std::size_t hand = twice.find("\"hand\":[[");
    twice.replace(hand + 9, 2, "51");  // the first card of seat 0 becomes a card held elsewhere
    const std::vector<std::string> bad = {"", "garbage", good.substr(0, good.size() / 3), newer,
                                          twice};
    for (const std::string& text : bad) {
        WriteText(store.Path(), text);
        dialogs.answer = IDYES;
        Start();
        EXPECT_TRUE(Has(dialogs.messages, kMsgResumeFailed)) << text;
        EXPECT_FALSE(Has(dialogs.messages, kMsgResumeMatch)) << text;
        EXPECT_FALSE(store.Exists());
        EXPECT_EQ(FileText(store.BadPath()), text);  // the older .bad replaced
        EXPECT_EQ(gs().m_phase, 0);
        frame.reset();
    }
}

TEST_F(ViewResume, AFinishedMatchsStonesCountOnceEvenIfKilledWhileCrediting) {
    // A run stopped right after the credit was saved (before or after the accounts were set).
    MatchRunner runner(3, 4242, 1);
    runner.m_host.m_keepLog = false;
    std::string creditText;
    std::array<int, 5> targets{};
    runner.m_host.m_onResumePoint = [&](const ResumePoint& point) {
        if (point.at != ResumeAt::kCredit) return;
        creditText = WriteSavedMatch(runner.Save(point));
        for (int p = 0; p < 5; ++p) targets[p] = point.credit[p].stones;
    };
    runner.Start();
    ASSERT_TRUE(runner.RunToEnd());
    ASSERT_FALSE(creditText.empty());
    for (int killedAfter : {0, 2, 5}) {
        ClearProfile();
        {
            // Some accounts already set when the program was killed.
            CProfile profile;
            const std::optional<SavedMatch> saved = ReadSavedMatch(creditText);
            for (int p = 0; p < killedAfter; ++p) {
                SetStones(profile, saved->point.credit[p].character, targets[p]);
            }
        }
        WriteText(store.Path(), creditText);
        Start();
        EXPECT_FALSE(Has(dialogs.messages, kMsgResumeMatch));
        EXPECT_FALSE(store.Exists());
        const std::optional<SavedMatch> saved = ReadSavedMatch(creditText);
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(GetStones(view().Profile(), saved->point.credit[p].character), targets[p]);
        }
        // The next start finds nothing: no second credit.
        frame.reset();
        Start();
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(GetStones(view().Profile(), saved->point.credit[p].character), targets[p]);
        }
        frame.reset();
    }
}

TEST_F(ViewResume, NewMatchAsksThenStartsAgainFromGameOne) {
    Start();
    EXPECT_FALSE(view().CommandEnabled(kCmdNewMatch));
    view().OnCommand(kCmdStart);
    EXPECT_TRUE(view().CommandEnabled(kCmdNewMatch));
    EXPECT_FALSE(view().CommandEnabled(kCmdStart));
    gs().m_game = 4;
    gs().m_points[0] = {3, -2, -2, 3, -2};
    dialogs.answer = IDNO;
    view().OnCommand(kCmdNewMatch);
    EXPECT_TRUE(Has(dialogs.messages, kMsgAbandonMatch));
    EXPECT_EQ(gs().m_game, 4);
    dialogs.answer = IDYES;
    const int dialogsBefore = dialogs.characterDialogs;
    view().OnCommand(kCmdNewMatch);
    EXPECT_EQ(gs().m_game, 1);
    EXPECT_EQ(gs().m_battle, 1);
    EXPECT_EQ(gs().m_points[0], (std::array<int, 5>{0, 0, 0, 0, 0}));
    EXPECT_EQ(dialogs.characterDialogs, dialogsBefore + 1);
    // The file now holds the new match.
    const std::optional<SavedMatch> saved = ReadSavedMatch(FileText(store.Path()));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->gs.m_game, 1);
}

TEST_F(ViewResume, AWriteKilledHalfWayLeavesTheOldOrTheNewFile) {
    const std::string a = std::string(200000, 'a');
    const std::string b = std::string(300000, 'b');
    WriteText(store.Path(), a);
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) CSavedMatchFile(store.Path()).Write(i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string text = FileText(store.Path());
        EXPECT_TRUE(text == a || text == b) << "round " << round << ", " << text.size() << " bytes";
    }
}

}  // namespace
}  // namespace quintrick::testing
