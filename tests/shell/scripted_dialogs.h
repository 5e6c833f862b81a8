// Answers the view's message boxes, dialogs and menus without modal loops, and records them.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QThread>
#include <functional>
#include <string>
#include <vector>

#include "conquest/kunitori_host.h"
#include "engine/host.h"
#include "shell/extras/back_set.h"
#include "shell/extras/help_dialogs.h"
#include "shell/game_result.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"
#include "shell/saved_match_file.h"

namespace quintrick::testing {

struct ScriptedDialogs : IDialogs {
    std::vector<int> messages;
    int answer = IDYES;  // the answer to every question
    int suit = 2;
    int character = 0;
    int suitDialogs = 0;
    int characterDialogs = 0;
    std::vector<QPoint> menuAnchors;
    std::function<void(QMenu&)> onMenu;  // may trigger an item
    // The windows opened, in order: "map", "backs", "help <page> <caption>", "about".
    std::vector<std::string> opened;
    int mapEntryNo = -2;
    std::string mapHumanName;
    std::function<void(BackSetHost&)> onCardBacks;  // may run the follow-up

    std::function<void(int)> onMessage;  // sees each message while it is open
    int Message(QWidget*, int stringId, std::string_view, int style) override {
        messages.push_back(stringId);
        if (onMessage) onMessage(stringId);
        return style == kStyleQuestion ? answer : IDOK;
    }
    int ChooseSuit(QWidget*, std::string_view) override {
        ++suitDialogs;
        return suit;
    }
    int ChooseCharacter(QWidget*) override {
        ++characterDialogs;
        return character;
    }
    void RunMenu(QMenu& menu, QPoint global) override {
        menuAnchors.push_back(global);
        if (onMenu) onMenu(menu);
    }
    void OpenMap(QWidget*, const KunitoriContext& context) override {
        opened.push_back("map");
        mapEntryNo = context.m_entryNo;
        mapHumanName = context.m_playerName[4];
    }
    void OpenCardBacks(QWidget*, BackSetHost& host) override {
        opened.push_back("backs");
        if (onCardBacks) onCardBacks(host);
    }
    void OpenHelp(QWidget*, IMessageBox&, const HelpPage& page) override {
        opened.push_back(std::string("help ") + page.page + " " + page.caption);
    }
    void OpenAbout(QWidget*) override { opened.push_back("about"); }
    std::vector<GameResult> results;  // the result panels shown
    bool reviewAfterResult = false;   // the result panel's answer: look back on the game
    bool ShowResult(QWidget*, const GameResult& result) override {
        results.push_back(result);
        return reviewAfterResult;
    }
    bool realPauses = true;  // the call plates' pauses as the real windows make them
    void Pause(int ms) override {
        if (realPauses && ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
    }
};

// The test executable's one QApplication (made by the tests' shared main).
inline QApplication& App() {
    return *qApp;
}

// An empty profile and no saved match for each test (the test's own HOME).
inline void ClearProfile() {
    QSettings settings("Orvendel", "Quintrick");
    settings.clear();
    settings.sync();
    CSavedMatchFile().Remove();
}

// Opens the game window as a program start does, at the fastest speed without sound: the frame
// (shown unless `show` is false), the initial update and the start-up tick. False when the
// initial update fails.
inline bool OpenFrame(std::unique_ptr<CMainFrame>& frame, IDialogs& dialogs, AppFlags flags = {},
                      bool show = true) {
    frame = std::make_unique<CMainFrame>(flags, &dialogs);
    if (show) frame->ShowAsStored();
    if (!frame->View().OnInitialUpdate()) return false;
    frame->View().Settings().m_speed = 1;
    frame->View().Settings().m_soundOn = 0;
    frame->View().FireTimer(kSetupTimerEvent);  // card backs, start help
    return true;
}

}  // namespace quintrick::testing
