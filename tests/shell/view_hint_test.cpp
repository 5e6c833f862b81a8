// The strength setting (強さ) and the hint on the real view.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QTest>

#include "engine/settings_table.h"
#include "engine/trick_rules.h"
#include "shell/extras/command_ids.h"
#include "shell/hint_search.h"
#include "shell/main_frame.h"
#include "text/ui_text.h"
#include "window_fixture.h"

namespace quintrick::testing {
namespace {

class ViewHint : public StartedWindow {
  protected:
    // Ticks the real game until the human may choose a card.
    bool UntilHumansTurn() {
        for (int i = 0; i < 200 && !view().HintAvailable(); ++i) view().FireTimer(kGameTimerEvent);
        return view().HintAvailable();
    }

    // The settings menu as the view builds it; the 強さ submenu's two items.
    std::pair<bool, bool> LevelChecks() {
        const std::unique_ptr<QMenu> menu = view().BuildPopupMenu(1);
        auto* level = menu->findChild<QMenu*>(QStringLiteral("levelMenu"));
        EXPECT_NE(level, nullptr);
        if (!level) return {false, false};
        const auto items = level->actions();
        EXPECT_EQ(items.size(), 2);
        return {items[0]->isChecked(), items[1]->isChecked()};
    }
};

TEST_F(ViewHint, TheStrengthIsStoredAndSwitchesTheComputersDecisions) {
    EXPECT_EQ(LevelChecks(), std::make_pair(true, false));  // 標準 by default
    EXPECT_FALSE(view().LevelPlayers().Strong());
    const IComputerPlayers* rules = &view().LevelPlayers().Current();

    view().OnCommand(kCmdLevelStrong);
    EXPECT_TRUE(view().LevelPlayers().Strong());
    EXPECT_NE(&view().LevelPlayers().Current(), rules);
    EXPECT_EQ(Read(view().ProfileStore(), entries::kTsuyosa), 1);
    EXPECT_EQ(LevelChecks(), std::make_pair(false, true));
    // The computers now choose with the sampling player: the card it plays is legal.
    gs().m_field.fill(kNoCard);
    gs().m_leader = gs().m_turn = 0;
    gs().m_busy = 0;
    view().FireTimer(kGameTimerEvent);
    ASSERT_EQ(gs().FieldCount(), 1);
    EXPECT_NE(gs().m_field[0], kNoCard);

    // A new window reads the stored strength back.
    frame.reset();
    frame = std::make_unique<CMainFrame>(AppFlags{}, &dialogs);
    ASSERT_TRUE(view().OnInitialUpdate());
    EXPECT_TRUE(view().LevelPlayers().Strong());
    view().OnCommand(kCmdLevelNormal);
    EXPECT_FALSE(view().LevelPlayers().Strong());
    EXPECT_EQ(Read(view().ProfileStore(), entries::kTsuyosa), 0);
}

TEST_F(ViewHint, TheHintMarksALegalCardAndShowsItsTip) {
    ASSERT_TRUE(UntilHumansTurn()) << gs().Dump();
    const std::unique_ptr<QMenu> game = view().BuildPopupMenu(0);
    QAction* item = game->findChild<QAction*>(QString::number(kCmdHint));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());

    QTest::keyClick(&view(), Qt::Key_H);
    ASSERT_TRUE(view().Hint().Open());
    view().Hint().WaitForWorker();
    QTRY_VERIFY_WITH_TIMEOUT(!view().Hint().Open(), 10000);
    const int pos = gs().m_cursor;
    ASSERT_GE(pos, 0);
    ASSERT_LT(pos, gs().m_handCount[kHumanSeat]);
    EXPECT_EQ(IsLegalPlay(gs(), kHumanSeat, gs().m_hand[kHumanSeat][pos]), Rule::kNone);
    const QString name = UiCardName(gs().m_hand[kHumanSeat][pos]);
    EXPECT_TRUE(view().LastHintText().startsWith(QStringLiteral("ヒント: ") + name))
        << view().LastHintText().toStdString();
    ASSERT_NE(view().HintTip(), nullptr);
    EXPECT_TRUE(view().HintTip()->isVisible());
    EXPECT_EQ(view().HintTip()->text(), view().LastHintText());
    // Above the marked card, inside the window.
    const Rect card = view().Table().CardRect(pos);
    const QRect tip = view().HintTip()->geometry();
    EXPECT_LE(tip.bottom(), view().Table().m_scales.Y(card.top));
    EXPECT_TRUE(view().rect().contains(tip));
    QTest::keyClick(&view(), Qt::Key_Left);
    EXPECT_FALSE(view().HintTip()->isVisible());
}

TEST_F(ViewHint, TheHintIsIgnoredWhenItIsNotTheHumansTurn) {
    gs().m_field.fill(kNoCard);
    gs().m_leader = gs().m_turn = 0;
    gs().m_busy = 0;
    EXPECT_FALSE(view().HintAvailable());
    const std::unique_ptr<QMenu> game = view().BuildPopupMenu(0);
    EXPECT_FALSE(game->findChild<QAction*>(QString::number(kCmdHint))->isEnabled());
    const int cursor = gs().m_cursor;
    QTest::keyClick(&view(), Qt::Key_H);
    view().OnCommand(kCmdHint);
    EXPECT_FALSE(view().Hint().Open());
    EXPECT_EQ(gs().m_cursor, cursor);
    EXPECT_TRUE(view().LastHintText().isEmpty());
}

TEST_F(ViewHint, AnAnswerArrivingAfterTheHumanPlayedIsDropped) {
    ASSERT_TRUE(UntilHumansTurn()) << gs().Dump();
    ASSERT_TRUE(view().RequestHint());
    // The human plays before the answer can arrive (it comes through the event loop).
    int legal = 0;
    while (IsLegalPlay(gs(), kHumanSeat, gs().m_hand[kHumanSeat][legal]) != Rule::kNone) ++legal;
    const int count = gs().m_handCount[kHumanSeat];
    gs().m_cursor = legal;
    QTest::keyClick(&view(), Qt::Key_Return);
    ASSERT_EQ(gs().m_handCount[kHumanSeat], count - 1);
    const int cursorAfterPlay = gs().m_cursor;
    view().Hint().WaitForWorker();
    QTRY_VERIFY_WITH_TIMEOUT(!view().Hint().Open(), 10000);
    EXPECT_TRUE(view().LastHintText().isEmpty());
    EXPECT_EQ(gs().m_cursor, cursorAfterPlay);
}

}  // namespace
}  // namespace quintrick::testing
