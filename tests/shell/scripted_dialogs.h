// Answers the view's message boxes, dialogs and menus without modal loops, and records them.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <functional>
#include <vector>

#include "engine/host.h"
#include "shell/message_box.h"

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

    int Message(QWidget*, int stringId, std::string_view, int style) override {
        messages.push_back(stringId);
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
};

// One QApplication for the whole test executable.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: it must outlive every widget of every test.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// An empty profile for each test (the test's own HOME).
inline void ClearProfile() {
    QSettings settings("Orvendel", "Quintrick");
    settings.clear();
    settings.sync();
}

}  // namespace quintrick::testing
