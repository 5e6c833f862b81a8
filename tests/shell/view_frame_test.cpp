// The frame, the start-up checks, the window sizes, the menus and the close question.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "engine/saved_match.h"
#include "engine/strings.h"
#include "records/records_db.h"
#include "scripted_dialogs.h"
#include "shell/app.h"
#include "shell/extras/command_ids.h"
#include "shell/main_frame.h"
#include "shell/records_window.h"
#include "shell/saved_match_file.h"
#include "shell/screen_size.h"
#include "window_fixture.h"

namespace quintrick::testing {
namespace {

// The messages of the start stay for the tests to see.
class Frame : public WindowTest {
  protected:
    void Open() { WindowTest::Open({}, false); }
};

TEST(DataFile, FoundOnlyBesideTheProgram) {
    App();
    EXPECT_TRUE(CT40913App::CheckDataFile());  // the build puts it beside the test
    QTemporaryDir empty;
    EXPECT_FALSE(CT40913App::CheckDataFile(empty.path()));
}

TEST(ScreenSizes, StoredWidthOrTheDesktopChoice) {
    struct Case {
        int stored;
        QSize desktop;
        int width;
        bool store;
    };
    const QSize fhd(1920, 1080);
    for (const Case& c :
         {Case{1000, fhd, 1400, true}, Case{1000, {1680, 1050}, 1400, true},
          Case{1000, {1600, 1049}, 1200, true}, Case{1000, {800, 599}, 640, true},
          Case{1000, {}, 640, true}, Case{900, fhd, 900, false}, Case{800, fhd, 800, false},
          Case{0, fhd, 1400, true}, Case{-640, fhd, 1400, true}, Case{5000, fhd, 1400, true},
          Case{1920, fhd, 1400, true}, Case{2147483647, fhd, 1400, true}}) {
        const GamenChoice choice = ChooseGamen(c.stored, c.desktop);
        EXPECT_EQ(choice.width, c.width) << c.stored;
        EXPECT_EQ(choice.store, c.store) << c.stored;
    }
}

TEST_F(Frame, AGamenThatDoesNotFitFallsBackAndIsStored) {
    for (int stored : {0, -5, 100000}) {
        QSettings("Orvendel", "Quintrick").setValue("Settei/Gamen", stored);
        Open();
        // The stored width is the outer size, frame included.
        const QSize outer = frame->frameGeometry().size();
        EXPECT_GT(outer.width(), 0);
        EXPECT_LE(outer.width(), 1600) << stored;
        EXPECT_EQ(outer.height(), outer.width() / 4 * 3);
        EXPECT_EQ(view().Profile().ReadInt("Settei", "Gamen", 0), outer.width());
        frame.reset();
    }
}

// The sizes are the window's outer size: inside a frame the client is smaller, and the table
// keeps its 4:3 proportion, as large as the client allows and centred in it.
TEST_F(Frame, TheOuterSizeIsTheChosenSizeAndTheTableFitsTheClient) {
    for (int gamen : {640, 800}) {
        QSettings("Orvendel", "Quintrick").setValue("Settei/Gamen", gamen);
        Open();
        QApplication::processEvents();
        const QMargins m = frame->FrameMargins();
        EXPECT_EQ(frame->frameGeometry().size(), QSize(gamen, gamen / 4 * 3));
        const QSize client = view().size();
        EXPECT_EQ(client,
                  QSize(gamen - m.left() - m.right(), gamen / 4 * 3 - m.top() - m.bottom()));
        const QRect area = view().TableArea();
        EXPECT_EQ(area, TableArea(client)) << gamen;
        const Scales& s = view().Table().m_scales;
        EXPECT_EQ(s.sx, s.sy) << gamen;
        EXPECT_LE(s.X(1200), area.width()) << gamen;
        EXPECT_LE(s.Y(900), area.height()) << gamen;
        EXPECT_GE(s.X(1200), area.width() - 1) << gamen;
        EXPECT_GE(s.Y(900), area.height() - 1) << gamen;
        frame.reset();
    }
}

TEST(ScreenSizes, TheTableIsTheLargestCentredFourByThreeArea) {
    const struct {
        QSize client;
        QRect area;
    } cases[] = {
        {{1200, 900}, {0, 0, 1200, 900}},
        {{1600, 1200}, {0, 0, 1600, 1200}},
        {{1920, 1080}, {240, 0, 1440, 1080}},
        {{1000, 1000}, {0, 125, 1000, 750}},
        {{1203, 901}, {1, 0, 1200, 900}},
        {{801, 603}, {0, 1, 800, 600}},
        {{3, 2}, {1, 1, 0, 0}},
        {{0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const QRect area = TableArea(c.client);
        EXPECT_EQ(area, c.area) << c.client.width() << " x " << c.client.height();
        EXPECT_EQ(area.width() * 3, area.height() * 4);
    }
}

TEST(ScreenSizes, AStoredSizeIsUsedOnlyWhenItFitsTheDesktop) {
    const QSize fhd(1920, 1080);
    const struct {
        QSize stored, desktop;
        bool usable;
    } cases[] = {
        {{1400, 1000}, fhd, true},  {{1920, 1080}, fhd, true}, {{1921, 1000}, fhd, false},
        {{1000, 1081}, fhd, false}, {{320, 240}, fhd, true},   {{319, 400}, fhd, false},
        {{400, 239}, fhd, false},   {{0, 0}, fhd, false},      {{-5, 600}, fhd, false},
        {{1400, 1000}, {}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UsableStoredSize(c.stored, c.desktop).isValid(), c.usable)
            << c.stored.width() << " x " << c.stored.height();
    }
}

// A free size, maximised or full screen: the state and the normal size come back at the next
// start; F11 and the menu item go full screen, Escape and F11 leave it.
TEST_F(Frame, TheSizeAndStateSurviveAndF11GoesFullScreen) {
    Open();
    frame->resize(900, 500);
    QApplication::processEvents();
    EXPECT_EQ(view().TableArea(), TableArea(view().size()));
    QTest::keyClick(&view(), Qt::Key_F11);
    QApplication::processEvents();
    EXPECT_TRUE(frame->isFullScreen());
    EXPECT_TRUE(view()
                    .BuildPopupMenu(1)
                    ->findChild<QAction*>(QString::number(kCmdFullScreen))
                    ->isChecked());
    QTest::keyClick(&view(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(frame->isFullScreen());
    view().OnCommand(kCmdFullScreen);
    QApplication::processEvents();
    EXPECT_TRUE(frame->isFullScreen());
    ASSERT_TRUE(frame->close());
    frame.reset();

    Open();
    QApplication::processEvents();
    EXPECT_TRUE(frame->isFullScreen());
    QTest::keyClick(&view(), Qt::Key_F11);
    QApplication::processEvents();
    EXPECT_FALSE(frame->isFullScreen());
    frame->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(frame->close());
    frame.reset();

    Open();
    QApplication::processEvents();
    EXPECT_TRUE(frame->isMaximized());
    // A preset brings the window back to normal at the preset's size.
    view().OnCommand(kCmdSize800);
    QApplication::processEvents();
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(frame->frameGeometry().size(), QSize(800, 600));
    frame.reset();
}

TEST_F(Frame, TheFirstTableComesBeforeTheRestOfTheStartUpAndLooksTheSame) {
    frame = std::make_unique<CMainFrame>(AppFlags{}, &dialogs);
    frame->show();
    ASSERT_TRUE(view().OnInitialUpdate());
    const CSurfaces& s = view().Table().m_s;
    // Only the empty table is made: no card sheet, no explanation tip, no records yet.
    EXPECT_TRUE(s.m_cardSheet.isNull());
    EXPECT_EQ(view().ToolTip(), nullptr);
    EXPECT_FALSE(view().Records().Available());
    const QImage first = s.m_backBuffer.copy();
    // The rest follows the first paint without a tick, a click or a command.
    ASSERT_TRUE(QTest::qWaitFor([&] { return view().ToolTip() != nullptr; }, 5000));
    EXPECT_FALSE(s.m_cardSheet.isNull());
    // The hand fans wait for the card backs of the set-up tick.
    EXPECT_TRUE(s.m_handFans.IsEmpty());
    EXPECT_TRUE(view().Records().Available());
    // Composed again with every surface there, the table is the same, pixel for pixel.
    view().Table().RedrawTable(true);
    EXPECT_TRUE(s.m_backBuffer == first);
    frame.reset();
}

TEST_F(Frame, ATickBeforeTheFirstPaintFinishesTheStartUpFirst) {
    frame = std::make_unique<CMainFrame>(AppFlags{}, &dialogs);
    ASSERT_TRUE(view().OnInitialUpdate());
    ASSERT_EQ(view().ToolTip(), nullptr);
    view().Settings().m_soundOn = 0;
    view().FireTimer(kSetupTimerEvent);
    EXPECT_NE(view().ToolTip(), nullptr);
    EXPECT_FALSE(view().Table().m_s.m_cardSheet.isNull());
    EXPECT_FALSE(view().Table().m_s.m_handFans.IsEmpty());
    EXPECT_TRUE(view().Records().Available());
    frame.reset();
}

TEST_F(Frame, AnUnusableSpeedRunsAtNine) {
    for (int stored : {0, -3, 2000000000}) {
        QSettings("Orvendel", "Quintrick").setValue("Settei/Speed", stored);
        frame = std::make_unique<CMainFrame>(AppFlags{}, &dialogs);
        ASSERT_TRUE(view().OnInitialUpdate());
        EXPECT_EQ(view().Settings().TickMs(), 999) << stored;
        frame.reset();
    }
}

TEST_F(Frame, MenuChecksAndGreyedItemsBeforeAndAfterTheFirstGame) {
    Open();
    auto game = view().BuildPopupMenu(0);
    auto settings = view().BuildPopupMenu(1);
    auto help = view().BuildPopupMenu(2);
    EXPECT_TRUE(Item(*game, kCmdStart)->isEnabled());
    EXPECT_EQ(Item(*game, kCmdStart)->text().toStdString(), "開始(&P)");
    for (int id : {kCmdScore, kCmdMap, kCmdCardBacks})
        EXPECT_FALSE(Item(*settings, id)->isEnabled()) << id;
    for (int id : {kCmdHelpOperation, kCmdHelpRules, kCmdHelpTactics, kCmdAbout})
        EXPECT_TRUE(Item(*help, id)->isEnabled()) << id;
    EXPECT_TRUE(Item(*settings, kCmdResetMap)->isEnabled());
    EXPECT_TRUE(Item(*settings, kCmdSpeedFast)->isChecked()) << "the fixture runs at speed 1";
    StartGame();
    game = view().BuildPopupMenu(0);
    settings = view().BuildPopupMenu(1);
    EXPECT_FALSE(Item(*game, kCmdStart)->isEnabled());
    for (int id : {kCmdScore, kCmdMap, kCmdCardBacks})
        EXPECT_TRUE(Item(*settings, id)->isEnabled()) << id;
}

// A later match whose character dialog is cancelled leaves no game in hand: the start command
// is offered again, and the map, the score and the card backs stay, with the character chosen
// before.
TEST_F(Frame, TheMapStaysAfterALaterMatchsCharacterDialogIsCancelled) {
    Open();
    dialogs.character = 3;
    StartGame();
    dialogs.character = -1;  // cancel
    dialogs.answer = IDYES;
    view().OnCommand(kCmdNewMatch);
    ASSERT_EQ(dialogs.characterDialogs, 2);
    ASSERT_EQ(view().Gs().m_phase, kNoGame);
    auto game = view().BuildPopupMenu(0);
    auto settings = view().BuildPopupMenu(1);
    EXPECT_TRUE(Item(*game, kCmdStart)->isEnabled());
    for (int id : {kCmdScore, kCmdMap, kCmdCardBacks}) {
        EXPECT_TRUE(Item(*settings, id)->isEnabled()) << id;
    }
    view().OnCommand(kCmdMap);
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"map"});
    EXPECT_EQ(dialogs.mapEntryNo, 3);
}

TEST_F(Frame, SpeedAndSizeChecks) {
    Open();
    struct Case {
        int speed;
        int checked;
    };
    for (const Case& c :
         {Case{1, kCmdSpeedFast}, Case{5, kCmdSpeedFaster}, Case{7, kCmdSpeedNormal},
          Case{9, kCmdSpeedNormal}, Case{13, kCmdSpeedSlower}, Case{17, kCmdSpeedSlow}}) {
        view().Settings().m_speed = c.speed;
        auto menu = view().BuildPopupMenu(1);
        for (int id :
             {kCmdSpeedFast, kCmdSpeedFaster, kCmdSpeedNormal, kCmdSpeedSlower, kCmdSpeedSlow}) {
            EXPECT_EQ(Item(*menu, id)->isChecked(), id == c.checked) << c.speed << " " << id;
        }
    }
    for (auto [gamen, checked] : {std::pair{900, kCmdSize640}, std::pair{1024, kCmdSize1024}}) {
        view().Profile().WriteInt("Settei", "Gamen", gamen);
        auto menu = view().BuildPopupMenu(1);
        EXPECT_TRUE(Item(*menu, checked)->isChecked()) << gamen;
    }
    // Each is one choice of several: an exclusive group of its own, which the menu draws with
    // radio marks.
    auto menu = view().BuildPopupMenu(1);
    const std::vector<std::vector<int>> groups{
        {kCmdSpeedFast, kCmdSpeedFaster, kCmdSpeedNormal, kCmdSpeedSlower, kCmdSpeedSlow},
        {kCmdSize640, kCmdSize800, kCmdSize1024, kCmdSize1200, kCmdSize1400, kCmdSize1600},
        {kCmdLevelNormal, kCmdLevelStrong}};
    for (const std::vector<int>& ids : groups) {
        QActionGroup* group = Item(*menu, ids[0])->actionGroup();
        ASSERT_NE(group, nullptr) << ids[0];
        EXPECT_TRUE(group->isExclusive());
        EXPECT_EQ(group->actions().size(), qsizetype(ids.size()));
        for (int id : ids) EXPECT_EQ(Item(*menu, id)->actionGroup(), group) << id;
    }
}

TEST_F(Frame, SwitchesFlipTheirCopyAndEntry) {
    Open();
    view().Settings().m_openMode = 0;
    view().OnCommand(kCmdOpenMode);
    EXPECT_EQ(view().Settings().m_openMode, 1);
    EXPECT_EQ(view().Profile().ReadInt("Settei", "OpenMode", 0), 1);
    auto menu = view().BuildPopupMenu(1);
    EXPECT_TRUE(Item(*menu, kCmdOpenMode)->isChecked());

    dialogs.messages.clear();
    view().OnCommand(kCmdAutoStart);
    EXPECT_EQ(view().Profile().ReadInt("Settei", "AutoStart", 0), 1);
    EXPECT_EQ(dialogs.messages, std::vector<int>{kMsgAutoStartNext});
}

TEST_F(Frame, TheIconRowAndTheFunctionKeysOpenTheMenus) {
    Open();
    int opened = 0;
    dialogs.onMenu = [&](QMenu& menu) {
        ++opened;
        if (QAction* start = Item(menu, kCmdStart)) start->trigger();
    };
    const Scales& s = view().Table().m_scales;
    const QPoint flag(int(30 * s.sx), int(80 * s.sy));
    QTest::mouseClick(&view(), Qt::LeftButton, {}, flag);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(view().Gs().m_phase, 1) << "start chosen from the game menu";
    EXPECT_EQ(dialogs.menuAnchors.back(),
              view().mapToGlobal(view().TableArea().topLeft() + QPoint(s.X(10), s.Y(96))));
    QTest::keyClick(&view(), Qt::Key_F2);
    QTest::keyClick(&view(), Qt::Key_F3);
    EXPECT_EQ(opened, 3);
}

TEST_F(Frame, AngleKeysOnlyAfterTheFirstGame) {
    Open();
    view().Table().SetKakudo(15);
    QTest::keyClick(&view(), Qt::Key_F4);
    EXPECT_EQ(view().Table().Kakudo(), 15);
    StartGame();
    QTest::keyClick(&view(), Qt::Key_F4);
    EXPECT_EQ(view().Table().Kakudo(), 16);
    QTest::keyClick(&view(), Qt::Key_F5);
    QTest::keyClick(&view(), Qt::Key_F5);
    EXPECT_EQ(view().Table().Kakudo(), 14);
}

TEST_F(Frame, TheCloseQuestionOnlyAfterTheFirstDeal) {
    Open();
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(dialogs.messages.empty() || dialogs.messages.back() != kMsgQuitMidway);

    Open();
    StartGame();
    dialogs.answer = IDNO;
    dialogs.messages.clear();
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(dialogs.messages, std::vector<int>{kMsgQuitMidway});
    dialogs.answer = IDYES;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(view().Profile().ReadInt("Cun", "Now", 0), 4);
}

TEST_F(Frame, DecliningToGoOnAfterTheMatchClosesWithoutTheQuestion) {
    Open();
    StartGame();
    dialogs.messages.clear();
    view().RequestClose();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Frame, ACancelledCharacterDialogLeavesTheStartCommand) {
    Open();
    dialogs.character = -1;
    view().OnCommand(kCmdStart);
    EXPECT_EQ(view().Gs().m_phase, 0);
    auto game = view().BuildPopupMenu(0);
    EXPECT_TRUE(Item(*game, kCmdStart)->isEnabled());
    dialogs.character = 3;
    view().OnCommand(kCmdStart);
    EXPECT_EQ(view().Gs().m_phase, 1);
    EXPECT_EQ(dialogs.characterDialogs, 2);
}

TEST_F(Frame, AMatchKeptAtCloseIsNotGivenUpButOneThatCannotBeKeptIs) {
    QFile::remove(CRecordsDb::DefaultPath());
    Open();
    {
        auto game = view().BuildPopupMenu(0);
        ASSERT_TRUE(Item(*game, kCmdRecords));
        EXPECT_TRUE(Item(*game, kCmdRecords)->isEnabled());
    }
    dialogs.character = 3;
    StartGame();
    dialogs.answer = IDYES;
    EXPECT_TRUE(frame->close());
    frame.reset();
    // Saved to be continued: not in the records yet.
    EXPECT_TRUE(CSavedMatchFile().Exists());
    CRecordsDb db;
    ASSERT_EQ(db.Open(CRecordsDb::DefaultPath()), CRecordsDb::Opened::Ok);
    EXPECT_TRUE(db.LoadMatches().empty());

    // A folder where the saved match belongs: the match cannot be kept, so closing gives it up.
    ClearProfile();
    const QString path = CSavedMatchFile().Path();
    ASSERT_TRUE(QDir().mkpath(path));
    Open();
    StartGame();
    EXPECT_TRUE(frame->close());
    frame.reset();
    EXPECT_TRUE(QDir().rmdir(path));
    const auto rows = db.LoadMatches();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].finished);
    EXPECT_EQ(rows[0].games, 0);
    EXPECT_EQ(rows[0].character[4], 3);
}

TEST_F(Frame, TheEndOfTheSessionKeepsTheMatchAndClosesWithoutAsking) {
    QFile::remove(CRecordsDb::DefaultPath());
    Open();
    StartGame();
    const CSavedMatchFile file;
    file.Remove();
    {
        // A question is open: nothing is written half-way through a step.
        QDialog question(frame.get());
        question.setModal(true);
        question.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &question);
        view().SaveForSessionEnd();
        EXPECT_FALSE(file.Exists());
    }
    view().SaveForSessionEnd();
    QFile text(file.Path());
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const std::optional<SavedMatch> saved = ReadSavedMatch(text.readAll().toStdString());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->gs.m_hand, view().Gs().m_hand);
    EXPECT_TRUE(saved->records);
    dialogs.messages.clear();
    dialogs.answer = IDNO;  // a question whether to quit would keep the window open
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(dialogs.messages.empty());
    frame.reset();
    CRecordsDb db;
    ASSERT_EQ(db.Open(CRecordsDb::DefaultPath()), CRecordsDb::Opened::Ok);
    EXPECT_TRUE(db.LoadMatches().empty());
}

TEST(PeekProcess, NeverOpensTheRecords) {
    App();
    QFile::remove(CRecordsDb::DefaultPath());
    ScriptedDialogs dialogs;
    CT40913App app;
    ASSERT_TRUE(app.InitInstance({"quintrick", "/W"}, &dialogs));
    EXPECT_TRUE(app.m_peekMode);
    EXPECT_FALSE(QFileInfo::exists(CRecordsDb::DefaultPath()));
}

}  // namespace
}  // namespace quintrick::testing
