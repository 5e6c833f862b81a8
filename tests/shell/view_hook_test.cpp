// The commands that open windows of their own (map, card backs, help, about), the peek commands
// of the game menu, and the explanation tip on the view.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <vector>

#include "engine/strings.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/extras/tip_window.h"
#include "shell/main_frame.h"
#include "table/layout.h"
#include "window_fixture.h"

namespace quintrick::testing {
namespace {

class Hooked : public WindowTest {
  protected:
    void StartGame() {
        dialogs.character = 3;
        WindowTest::StartGame();
        dialogs.messages.clear();  // the deal may ask whether the human leads
    }
    // Moves the pointer to base point (bx, by) as the window system would.
    void MoveTo(int bx, int by) {
        const Scales& s = view().Table().m_scales;
        const QPointF local(std::ceil((bx + 0.5) * s.sx), std::ceil((by + 0.5) * s.sy));
        QMouseEvent move(QEvent::MouseMove, local, view().mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view(), &move);
    }
};

TEST_F(Hooked, EachCommandOpensItsWindow) {
    Open();
    StartGame();
    struct Case {
        int command;
        const char* opened;
    };
    for (const Case& c : {Case{kCmdMap, "map"}, Case{kCmdCardBacks, "backs"},
                          Case{kCmdHelpOperation, "help quintrick_sousa.html 操作方法"},
                          Case{kCmdHelpRules, "help quintrick_rule.html ルール"},
                          Case{kCmdHelpTactics, "help quintrick_kakehiki.html カケヒキ"},
                          Case{kCmdAbout, "about"}}) {
        dialogs.opened.clear();
        view().OnCommand(c.command);
        EXPECT_EQ(dialogs.opened, std::vector<std::string>{c.opened}) << c.command;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Hooked, TheMapOnlyAfterTheFirstGameWithTheHumansCharacter) {
    Open();
    auto settings = view().BuildPopupMenu(1);
    EXPECT_FALSE(Item(*settings, kCmdMap)->isEnabled());
    view().OnCommand(kCmdMap);
    EXPECT_TRUE(dialogs.opened.empty());
    StartGame();
    settings = view().BuildPopupMenu(1);
    EXPECT_TRUE(Item(*settings, kCmdMap)->isEnabled());
    view().OnCommand(kCmdMap);
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"map"});
    EXPECT_EQ(dialogs.mapEntryNo, 3);
    EXPECT_EQ(dialogs.mapHumanName, view().Gs().m_playerName[4]);
    EXPECT_FALSE(dialogs.mapHumanName.empty());
}

TEST_F(Hooked, HelpAndAboutBeforeTheFirstGame) {
    Open();
    for (int id : {kCmdHelpOperation, kCmdHelpRules, kCmdHelpTactics, kCmdAbout})
        view().OnCommand(id);
    EXPECT_EQ(dialogs.opened.size(), 4u);
}

TEST_F(Hooked, TheCardBackDialogWorksOnTheViewsSurfaces) {
    Open();
    StartGame();
    bool rebuilt = false;
    dialogs.onCardBacks = [&](BackSetHost& host) {
        EXPECT_EQ(&host.s, &view().Table().m_s);
        // The dialog closed with OK after a change: the backs are made again.
        FinishBackSettings(host, true, true);
        rebuilt = !host.s.m_cardBack.isNull();
    };
    view().OnCommand(kCmdCardBacks);
    EXPECT_TRUE(rebuilt);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front();
}

// While the card backs are made again the F1 button flickers: ten inversions on the screen, at
// once, so that it ends as it began.
TEST_F(Hooked, TheF1ButtonFlickersWhileTheCardBacksAreMade) {
    Open();
    StartGame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const Rect f1 = view().Table().m_scales.ToScreenRect(kToolbarRects[0]);
    // In the view the table lies in its centred 4:3 area.
    const QRect button =
        QRect(f1.left, f1.top, f1.Width(), f1.Height()).translated(view().TableArea().topLeft());
    const QImage before = view().grab().toImage();
    view().FlickerF1Button();
    const QImage inverted = view().grab().toImage();
    for (QPoint at : {button.topLeft(), button.center(), button.bottomRight()}) {
        EXPECT_EQ(inverted.pixel(at) & 0xffffff, ~before.pixel(at) & 0xffffff) << at.x();
    }
    EXPECT_EQ(inverted.pixel(button.right() + 3, button.center().y()),
              before.pixel(button.right() + 3, button.center().y()))
        << "only the button";
    view().FlickerF1Button();
    EXPECT_EQ(view().grab().toImage(), before);

    struct PaintWatch : QObject {
        CT40913View* view;
        std::vector<bool> seen;  // the button's state at each paint
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) seen.push_back(view->F1ButtonInverted());
            return false;
        }
    } watch;
    watch.view = &view();
    view().installEventFilter(&watch);
    dialogs.onCardBacks = [](BackSetHost& host) { EXPECT_TRUE(host.prepareCardBacks(true)); };
    view().OnCommand(kCmdCardBacks);
    view().removeEventFilter(&watch);
    std::vector<bool> flicker;
    for (int i = 0; i < 10; ++i) flicker.push_back(i % 2 == 0);
    ASSERT_GE(watch.seen.size(), 10u) << watch.seen.size();
    EXPECT_EQ(std::vector<bool>(watch.seen.begin(), watch.seen.begin() + 10), flicker);
    EXPECT_FALSE(view().F1ButtonInverted());
}

TEST_F(Hooked, PeekSubmenuOnlyWithThePeekCommands) {
    for (bool thumbBar : {true, false}) {
        Open(AppFlags{true, thumbBar});
        const std::unique_ptr<QMenu> game = view().BuildPopupMenu(0);
        auto* peek = game->findChild<QMenu*>("peekMenu");
        ASSERT_EQ(peek != nullptr, thumbBar);
        if (peek) {
            std::vector<int> ids;
            for (QAction* a : peek->actions()) ids.push_back(a->data().toInt());
            EXPECT_EQ(ids, (std::vector<int>{704, 703, 702, 701}));
            EXPECT_EQ(Item(*peek, 704)->text().toStdString(), "左隣りの手札のカンニング");
            EXPECT_EQ(Item(*peek, 701)->text().toStdString(), "右隣りの手札のカンニング");
        }
    }
}

TEST_F(Hooked, APeekCommandNamesTheSeatAndStartsThePeekProcess) {
    Open();
    StartGame();
    int starts = 0;
    view().SetPeekStarter([&](const QString&, qint64* pid) {
        ++starts;
        *pid = 0;
        return true;
    });
    dialogs.onMenu = [&](QMenu& menu) {
        if (QAction* a = menu.findChild<QAction*>("702")) a->trigger();
    };
    view().ShowPopupMenu(0);
    IProfile& profile = view().Profile();
    const GameState& gs = view().Gs();
    EXPECT_EQ(profile.ReadInt("Cun", "Now", -1), 1);
    EXPECT_EQ(profile.ReadString("Cun", "Name", ""), gs.m_playerName[gs.m_seatPlayer[1]]);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(profile.ReadInt("Cun", "CunningView", 0), 1);
    // The game's close tells the peek process to go.
    frame->close();
    EXPECT_EQ(profile.ReadInt("Cun", "CunningView", 1), 0);
    EXPECT_EQ(profile.ReadInt("Cun", "Now", 0), 4);
}

TEST_F(Hooked, ExplanationsFollowThePointerAndGoAtOnceWhenSwitchedOff) {
    Open();
    CTipWindow* tip = view().ToolTip();
    ASSERT_NE(tip, nullptr);
    view().Settings().m_dspRem = 0;
    MoveTo(30, 30);  // the trump indicator, switched off
    EXPECT_TRUE(tip->ToolText().isEmpty());
    EXPECT_FALSE(tip->IsActive());

    view().Settings().m_dspRem = 1;
    MoveTo(30, 30);
    EXPECT_EQ(tip->ToolText().toStdString(), std::string(LoadString(kTipTrump)));
    EXPECT_TRUE(tip->IsActive());
    MoveTo(100, 20);  // the game counter
    EXPECT_EQ(tip->ToolText().toStdString(), std::string(LoadString(kTipGameCounter)));
    MoveTo(600, 800);  // nothing there before the first game
    EXPECT_FALSE(tip->IsActive());

    MoveTo(100, 50);  // the battle counter
    ASSERT_TRUE(QTest::qWaitFor([&] { return tip->isVisible(); }, 2000));
    view().OnCommand(kCmdDspRem);
    EXPECT_EQ(view().Settings().m_dspRem, 0);
    EXPECT_TRUE(tip->ToolText().isEmpty());
    EXPECT_FALSE(tip->isVisible());
    MoveTo(30, 30);
    EXPECT_TRUE(tip->ToolText().isEmpty());
}

}  // namespace
}  // namespace quintrick::testing
