// The fixture of the tests on the real game window: the one application, an empty profile, the
// frame with scripted dialogs, and the steps most tests begin with.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <memory>

#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/main_frame.h"

namespace quintrick::testing {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ClearProfile();
    }
    // Opens the window as a program start does (OpenFrame); `forget` clears the messages of the
    // start (the start help) so that a test sees only its own.
    void Open(AppFlags flags = {}, bool forget = true) {
        ASSERT_TRUE(OpenFrame(frame, dialogs, flags));
        if (forget) dialogs.messages.clear();
    }
    // 開始: deals the first game of a match.
    void StartGame() {
        view().OnCommand(kCmdStart);
        ASSERT_EQ(gs().m_phase, 1);
    }
    CT40913View& view() { return frame->View(); }
    GameState& gs() { return view().Gs(); }
    // A menu's item by its command id.
    QAction* Item(QMenu& menu, int id) { return menu.findChild<QAction*>(QString::number(id)); }

    ScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

// The window opened and the first game dealt.
class StartedWindow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Open();
        StartGame();
    }
};

}  // namespace quintrick::testing
