// The saved match on the real view: written while a match runs, offered at the next start,
// refused and set aside when it cannot be used, a finished match's stones credited once, a new
// match throwing the old one away, and a write killed half-way never leaving a broken file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "engine/saved_match.h"
#include "engine/stone_account.h"
#include "engine/strings.h"
#include "match_runner.h"
#include "records/keeper_state.h"
#include "records/records_db.h"
#include "review/replay.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/main_frame.h"
#include "shell/saved_match_file.h"
#include "small_disk.h"
#include "text/ui_text.h"

namespace quintrick::testing {
namespace {

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
        QFile::remove(CRecordsDb::DefaultPath());
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
    // Plays on, the human playing its first card that may be played, until `done` or the end of
    // the match.
    void PlayUntil(const std::function<bool()>& done) {
        view().Settings().m_ruleRem = 0;
        dialogs.realPauses = false;
        for (int i = 0; i < 50000 && !done() && gs().m_game <= 10; ++i) {
            if (gs().m_turn == kHumanSeat && (gs().m_busy == 1 || gs().m_phase == 2)) {
                for (int pos = 0; pos < gs().m_handCount[kHumanSeat]; ++pos) {
                    if (view().Engine().PlayCardAt(pos)) break;
                }
            }
            view().FireTimer(kGameTimerEvent);
        }
    }
    void PlayToGame(int game) {
        PlayUntil([this, game] { return gs().m_game >= game && gs().m_turn == kHumanSeat; });
        ASSERT_EQ(gs().m_game, game);
    }
    // The matches the records hold.
    static std::vector<MatchRow> Recorded() {
        CRecordsDb db;
        if (db.Open(CRecordsDb::DefaultPath()) != CRecordsDb::Opened::Ok) return {};
        return db.LoadMatches();
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
    std::string records = good;        // the records kept with it are damaged
    const std::size_t last = records.find("\"lastRelated\":");
    ASSERT_NE(last, std::string::npos);
    records.replace(last, 14, "\"lastRelated\":99,\"was\":");
    const std::vector<std::string> bad = {"",    "garbage", good.substr(0, good.size() / 3),
                                          newer, twice,     records};
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

// The match cannot be saved (a folder stands at its name): the player is told once, plays on,
// and the next save point after the way is clear writes the file.
TEST_F(ViewResume, AFailedSaveIsToldOnceAndTriedAgain) {
    Start();
    ASSERT_TRUE(QDir().mkpath(store.Path() + "/in-the-way"));
    view().OnCommand(kCmdStart);
    TickToHuman();
    PlayUntil([this] { return gs().m_handCount[kHumanSeat] <= 8; });
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(dialogs.messages.begin(), dialogs.messages.end(), kMsgMatchUnsaved), 1);
    PlayUntil([this] { return gs().m_handCount[kHumanSeat] <= 6; });
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(dialogs.messages.begin(), dialogs.messages.end(), kMsgMatchUnsaved), 1);
    EXPECT_FALSE(store.Exists());
    ASSERT_TRUE(QDir(store.Path()).removeRecursively());
    PlayUntil([this] { return gs().m_handCount[kHumanSeat] <= 4; });
    const std::optional<SavedMatch> saved = ReadSavedMatch(FileText(store.Path()));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->gs.m_game, gs().m_game);
}

// A damaged saved match in a folder that cannot be written stays where it is, and the player
// is not told it was kept under another name.
TEST_F(ViewResume, ASetAsideThatFailsDoesNotClaimTheFileWasKept) {
    SmallDisk disk(256);
    QUINTRICK_NEED_SMALL_DISK(disk);
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(disk.Path()));
    const CSavedMatchFile stuck;
    ASSERT_TRUE(stuck.Path().startsWith(disk.Path()));
    WriteText(stuck.Path(), "garbage");
    ASSERT_EQ(::mount(nullptr, QFile::encodeName(disk.Path()).constData(), nullptr,
                      MS_REMOUNT | MS_RDONLY, nullptr),
              0);
    dialogs.answer = IDYES;
    Start();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Has(dialogs.messages, kMsgResumeFailedKept));
    EXPECT_FALSE(Has(dialogs.messages, kMsgResumeFailed));
    EXPECT_EQ(FileText(stuck.Path()), "garbage");
    EXPECT_FALSE(QFile::exists(stuck.BadPath()));
    frame.reset();
    if (dataHome.isNull()) {
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", dataHome);
    }
}

TEST_F(ViewResume, AFinishedMatchsStonesCountOnceEvenIfKilledWhileCrediting) {
    // A run stopped right after the credit was saved (before or after the accounts were set).
    MatchRunner runner(3, 4242, 1);
    runner.m_host.m_keepLog = false;
    std::string creditText;
    std::array<int, 5> targets{};
    struct : IRecordSink {
        void Store(const MatchRecord&) override {}
    } none;
    RecordKeeper keeper(runner.m_gs, none);
    runner.m_host.AddObserver(&keeper);
    runner.m_host.m_onResumePoint = [&](const ResumePoint& point) {
        if (point.at != ResumeAt::kCredit) return;
        SavedMatch match = runner.Save(point);
        match.records = WriteKeeperState(*keeper.State());
        creditText = WriteSavedMatch(match);
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
    // The match is recorded once, finished, with its ten games, however often it was credited.
    const std::vector<MatchRow> rows = Recorded();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].finished);
    EXPECT_EQ(rows[0].games, 10);
    EXPECT_EQ(rows[0].stonesAccount, targets[kHumanPlayer]);
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

TEST_F(ViewResume, ANewMatchDuringTheShowCardsStartsOnACleanTableAndIsSaved) {
    Start();
    view().OnCommand(kCmdStart);
    ASSERT_EQ(gs().m_phase, kPlaying);
    // One show card put out, the second still to come.
    gs().m_battle = 2;
    gs().m_phase = kShowingCards;
    gs().m_showCard[0] = gs().RemoveFromHand(kHumanSeat, 0);
    gs().m_showCount = 1;
    store.Remove();
    dialogs.messages.clear();
    dialogs.answer = IDYES;
    dialogs.character = 3;
    QTest::keyClick(&view(), Qt::Key_N, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(gs().m_showCount, 0) << "no show card stays on the new match's table";
    EXPECT_EQ(gs().m_phase, kPlaying);
    EXPECT_EQ(gs().m_game, 1);
    EXPECT_EQ(gs().m_battle, 1);
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(gs().m_handCount[seat], 10);
    const std::optional<SavedMatch> saved = ReadSavedMatch(FileText(store.Path()));
    ASSERT_TRUE(saved) << "the new match is saved";
    EXPECT_EQ(saved->gs.m_entryNo, 3);
    EXPECT_EQ(saved->gs.m_showCount, 0);
    EXPECT_FALSE(Has(dialogs.messages, kMsgMatchUnsaved));
}

TEST_F(ViewResume, CancellingTheCharacterAfterANewMatchLeavesAnEmptyTable) {
    Start();
    view().OnCommand(kCmdStart);
    gs().m_phase = kShowingCards;
    gs().m_battle = 2;
    gs().m_showCard[0] = gs().RemoveFromHand(kHumanSeat, 0);
    gs().m_showCount = 1;
    dialogs.answer = IDYES;
    dialogs.character = -1;
    view().OnCommand(kCmdNewMatch);
    EXPECT_EQ(gs().m_phase, kNoGame);
    EXPECT_EQ(gs().m_showCount, 0);
    EXPECT_EQ(gs().m_discardCount, 0);
    for (int seat = 0; seat < kSeats; ++seat) {
        EXPECT_EQ(gs().m_handCount[seat], 0);
        EXPECT_EQ(gs().m_field[seat], kNoCard);
    }
    EXPECT_FALSE(store.Exists());
    EXPECT_TRUE(view().CommandEnabled(kCmdStart)) << "the start is offered again";
    dialogs.character = 2;
    view().OnCommand(kCmdStart);
    EXPECT_EQ(gs().m_phase, kPlaying);
    EXPECT_TRUE(store.Exists());
}

TEST_F(ViewResume, ARefusedSaveIsToldOnceAndTheLastGoodFileStays) {
    Start();
    view().OnCommand(kCmdStart);
    ASSERT_TRUE(store.Exists());
    const std::string good = FileText(store.Path());
    dialogs.messages.clear();
    gs().m_points[0] = {5, 0, 0, 0, 0};  // a game whose points do not add up: not savable
    view().SaveResumePoint({});
    view().SaveResumePoint({});
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(dialogs.messages.begin(), dialogs.messages.end(), kMsgMatchUnsaved), 1);
    EXPECT_EQ(FileText(store.Path()), good);
}

TEST_F(ViewResume, AResultAfterEveryGameAndTheRanksAfterTheTenth) {
    Start();
    view().OnCommand(kCmdStart);
    dialogs.answer = IDNO;  // no declaration, no further match
    PlayToGame(3);
    ASSERT_EQ(dialogs.results.size(), 2u);
    for (int g = 0; g < 2; ++g) {
        const GameResult& r = dialogs.results[size_t(g)];
        EXPECT_EQ(r.game, g + 1);
        EXPECT_FALSE(r.battleOutcome.empty()) << "how the game was won";
        EXPECT_FALSE(r.matchOver);
        int sum = 0, pictures = 0;
        for (int player = 0; player < kSeats; ++player) {
            EXPECT_EQ(r.points[player], gs().m_points[size_t(g)][player]);
            int total = 0;
            for (int k = 0; k <= g; ++k) total += gs().m_points[size_t(k)][player];
            EXPECT_EQ(r.totals[player], total);
            sum += r.points[player];
            pictures += r.pictures[player];
            EXPECT_FALSE(r.names[player].empty());
        }
        EXPECT_EQ(sum, 0);
        EXPECT_GT(pictures, 0);
        EXPECT_LE(pictures, 16 * int(r.battleOutcome.size()));
        const int related = int(std::count(r.related.begin(), r.related.end(), true));
        EXPECT_EQ(related, 2) << "the related pair";
    }
    // Its plain text names the game, every player and how each battle ended.
    const QString text = view().LastResultText();
    EXPECT_TRUE(text.contains(UiText(kResTitle).arg(2))) << text.toStdString();
    for (int stringId : view().LastResult().battleOutcome)
        EXPECT_TRUE(text.contains(UiText(stringId))) << text.toStdString();

    // Switched off: no panel, the game goes on.
    view().OnCommand(kCmdResultPanel);
    PlayToGame(4);
    EXPECT_EQ(dialogs.results.size(), 2u);
    view().OnCommand(kCmdResultPanel);

    // The tenth game: the ranks and the stones of the match.
    gs().m_game = 10;
    PlayUntil([] { return false; });
    ASSERT_FALSE(dialogs.results.empty());
    const GameResult& last = dialogs.results.back();
    EXPECT_EQ(last.game, 10);
    ASSERT_TRUE(last.matchOver);
    for (int player = 0; player < kSeats; ++player) {
        int better = 0;
        for (int other = 0; other < kSeats; ++other)
            better += last.totals[other] > last.totals[player];
        EXPECT_EQ(last.ranks[player], 1 + better);
        EXPECT_EQ(last.stones[player], last.totals[player]);
        EXPECT_GE(last.accounts[player], 0);
    }
    EXPECT_TRUE(Has(dialogs.messages, kMsgContinue));
}

TEST_F(ViewResume, TheResultPanelOpensTheReviewOfTheGameJustFinished) {
    Start();
    view().OnCommand(kCmdStart);
    dialogs.answer = IDNO;
    dialogs.reviewAfterResult = true;  // the panel's review button (or V) each time
    std::vector<GameMoves> reviewed;
    view().m_openReview = [&](const GameMoves& moves) { reviewed.push_back(moves); };
    PlayToGame(3);
    ASSERT_EQ(dialogs.results.size(), 2u);
    ASSERT_EQ(reviewed.size(), 2u);
    for (int g = 0; g < 2; ++g) {
        // The game whose result was shown, whole: it plays again to the points of the panel.
        EXPECT_EQ(reviewed[size_t(g)].game, g + 1);
        if (!reviewed[size_t(g)].Complete()) {
            // Only a game cut at the bound of the kept moves: the deal given up again and again
            // within one second of the test's clock (the seed stays the same).
            EXPECT_GE(reviewed[size_t(g)].moves.size(), 1000u);
            continue;
        }
        CGameReplay replay(reviewed[size_t(g)]);
        std::string why;
        ASSERT_TRUE(replay.Run(true, &why)) << why;
        for (int player = 0; player < kSeats; ++player)
            EXPECT_EQ(replay.Points()[size_t(player)], dialogs.results[size_t(g)].points[player]);
    }
    // Closed without the review: nothing opens.
    dialogs.reviewAfterResult = false;
    PlayToGame(4);
    EXPECT_EQ(reviewed.size(), 2u);
    // After the tenth game, when the match is over and stored: that game still, as stored.
    dialogs.reviewAfterResult = true;
    gs().m_game = 10;
    PlayUntil([] { return false; });
    ASSERT_TRUE(dialogs.results.back().matchOver);
    ASSERT_EQ(reviewed.size(), 3u);
    // (The game is the fourth made the tenth by hand, so its moves are compared with the stored
    // ones rather than played again.)
    const std::vector<MatchRow> rows = Recorded();
    ASSERT_EQ(rows.size(), 1u);
    CRecordsDb db;
    ASSERT_EQ(db.Open(CRecordsDb::DefaultPath()), CRecordsDb::Opened::Ok);
    const std::vector<GameRecord> games = db.LoadGames(rows[0].id);
    ASSERT_FALSE(games.empty());
    EXPECT_EQ(EncodeMoves(reviewed.back()), games.back().moves);
    EXPECT_NE(EncodeMoves(reviewed.back()), EncodeMoves(reviewed[1]));
}

// A match saved by the runner with its records when the human is to play in game `game`.
std::string SavedWithRecordsAt(int game, const std::string& started) {
    MatchRunner runner(2, 3000, 1);
    runner.m_host.m_keepLog = false;
    struct : IRecordSink {
        void Store(const MatchRecord&) override {}
    } none;
    RecordKeeper keeper(runner.m_gs, none, [started] { return started; });
    runner.m_host.AddObserver(&keeper);
    runner.Start();
    while (!(runner.m_gs.m_game == game && runner.HumanToAct())) runner.Step();
    SavedMatch match = runner.Save();
    match.records = WriteKeeperState(*keeper.State());
    return WriteSavedMatch(match);
}

TEST_F(ViewResume, AContinuedMatchIsRecordedWithEveryGame) {
    // Begun in an earlier run and saved in its last game; played to its end in this one.
    WriteText(store.Path(), SavedWithRecordsAt(10, "2026-01-02 03:04:05"));
    dialogs.answer = IDYES;
    Start();
    ASSERT_EQ(gs().m_game, 10);
    dialogs.answer = IDNO;  // no declaration, and no further match
    PlayUntil([] { return false; });
    EXPECT_FALSE(store.Exists());
    const std::vector<MatchRow> rows = Recorded();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].finished);
    EXPECT_EQ(rows[0].started, "2026-01-02 03:04:05");
    EXPECT_EQ(rows[0].games, 10);
    int human = 0;
    for (const auto& row : gs().m_points) human += row[kHumanPlayer];
    EXPECT_EQ(rows[0].points[kHumanPlayer], human);
    EXPECT_EQ(rows[0].stonesCredited, human);
}

TEST_F(ViewResume, NoAndANewMatchRecordTheMatchGivenUpWithItsGames) {
    // Played into game 2 and killed; continued, then given up by 新しいマッチ.
    Start();
    view().OnCommand(kCmdStart);
    PlayToGame(2);
    frame.reset();
    EXPECT_TRUE(Recorded().empty());
    dialogs.answer = IDYES;
    Start();
    ASSERT_EQ(gs().m_game, 2);
    view().OnCommand(kCmdNewMatch);
    std::vector<MatchRow> rows = Recorded();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].finished);
    EXPECT_EQ(rows[0].games, 1);
    EXPECT_EQ(gs().m_game, 1);
    frame.reset();

    // Saved in game 3; No at the next start.
    WriteText(store.Path(), SavedWithRecordsAt(3, "2026-01-02 03:04:05"));
    dialogs.answer = IDNO;
    Start();
    EXPECT_FALSE(store.Exists());
    rows = Recorded();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[1].finished);
    EXPECT_EQ(rows[1].started, "2026-01-02 03:04:05");
    EXPECT_EQ(rows[1].games, 2);
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

// The positions of the cards the human may play now.
std::vector<int> LegalPositions(CT40913View& view) {
    std::vector<int> out;
    const GameState& gs = view.Gs();
    for (int pos = 0; pos < gs.m_handCount[kHumanSeat]; ++pos) {
        if (IsLegalPlay(gs, kHumanSeat, gs.m_hand[kHumanSeat][pos]) == Rule::kNone) {
            out.push_back(pos);
        }
    }
    return out;
}

TEST_F(ViewResume, ACardTakenBackIsPlayedAgainAndTheMatchGoesOnAfterAKill) {
    Start();
    view().OnCommand(kCmdStart);
    view().Settings().m_ruleRem = 0;
    dialogs.realPauses = false;
    TickToHuman();
    // Nothing to take back before the human has played.
    EXPECT_FALSE(view().TakeBackAvailable());
    // Two tricks on: the human's hand before its second card is the one to come back to.
    ASSERT_TRUE(view().Engine().PlayCardAt(LegalPositions(view()).front()));
    view().FireTimer(kGameTimerEvent);
    TickToHuman();
    const GameState before = gs();
    const std::vector<int> legal = LegalPositions(view());
    ASSERT_TRUE(view().Engine().PlayCardAt(legal.front()));
    const CardId first = before.m_hand[kHumanSeat][legal.front()];
    view().FireTimer(kGameTimerEvent);
    TickToHuman();
    ASSERT_TRUE(view().TakeBackAvailable());

    // Ctrl+Z: the table is as it was before that card, waiting for the human.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(&view(), &key);
    EXPECT_EQ(gs().m_hand, before.m_hand);
    EXPECT_EQ(gs().m_handCount, before.m_handCount);
    EXPECT_EQ(gs().m_field, before.m_field);
    EXPECT_EQ(gs().m_turn, kHumanSeat);
    EXPECT_EQ(gs().m_busy, 1);
    EXPECT_NE(gs().m_gameTimer, 0);
    EXPECT_EQ(view().RecordKeeperOf().TakeBacks(), 1);
    // Again and again: back to the first card too, then no further.
    ASSERT_TRUE(view().TakeBack());
    EXPECT_EQ(gs().m_handCount[kHumanSeat], kHandSize);
    EXPECT_EQ(view().RecordKeeperOf().TakeBacks(), 2);
    EXPECT_FALSE(view().TakeBackAvailable());
    EXPECT_FALSE(view().TakeBack());
    // The saved match holds the state taken back to, and the take-backs with its records.
    {
        const std::optional<SavedMatch> saved = ReadSavedMatch(FileText(store.Path()));
        ASSERT_TRUE(saved && saved->records);
        EXPECT_EQ(saved->gs.m_handCount[kHumanSeat], kHandSize);
        const auto kept = ReadKeeperState(*saved->records, saved->gs);
        ASSERT_TRUE(kept);
        EXPECT_EQ(kept->match.takeBacks, 2);
    }
    // Played again, another card the second time where there is one.
    ASSERT_TRUE(view().Engine().PlayCardAt(LegalPositions(view()).front()));
    view().FireTimer(kGameTimerEvent);
    TickToHuman();
    ASSERT_EQ(gs().m_hand, before.m_hand);
    const std::vector<int> again = LegalPositions(view());
    ASSERT_TRUE(view().Engine().PlayCardAt(again.back()));
    if (again.size() > 1) {
        EXPECT_NE(before.m_hand[kHumanSeat][again.back()], first);
    }
    view().FireTimer(kGameTimerEvent);
    TickToHuman();
    const int held = gs().m_handCount[kHumanSeat];

    // Killed here; taken up at the next start, the match goes on where it was.
    frame.reset();
    dialogs.answer = IDYES;
    Start();
    ASSERT_TRUE(Has(dialogs.messages, kMsgResumeMatch));
    EXPECT_EQ(gs().m_handCount[kHumanSeat], held);
    EXPECT_EQ(view().RecordKeeperOf().TakeBacks(), 2);
    PlayToGame(2);
    // The first game is kept move by move as it was played in the end: it replays to its points.
    const auto state = view().RecordKeeperOf().State();
    ASSERT_TRUE(state);
    ASSERT_EQ(state->match.games.size(), 1u);
    const auto moves = DecodeMoves(state->match.games[0].moves);
    ASSERT_TRUE(moves);
    CGameReplay replay(*moves);
    std::string why;
    ASSERT_TRUE(replay.Run(true, &why)) << why;
    EXPECT_EQ(replay.Points(), gs().m_points[0]);
    // Given up, the match is kept in the records as played with take-backs.
    view().RecordAbandonedMatch();
    const std::vector<MatchRow> rows = Recorded();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].takeBacks, 2);
}

}  // namespace
}  // namespace quintrick::testing
