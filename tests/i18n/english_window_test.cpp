// The game window in English: its menus, a message box with Qt's own buttons, the help folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "engine/host.h"
#include "engine/strings.h"
#include "english.h"
#include "interaction/mon_sel.h"
#include "recording_box.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/extras/help_dialogs.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"

namespace quintrick::testing {
namespace {

class EnglishWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ClearProfile();
        English();
        frame = std::make_unique<CMainFrame>(AppFlags{}, &dialogs);
        frame->show();
        ASSERT_TRUE(frame->View().OnInitialUpdate());
        frame->View().Settings().m_soundOn = 0;
    }
    CT40913View& view() { return frame->View(); }
    static QAction* Item(QMenu& menu, int id) {
        return menu.findChild<QAction*>(QString::number(id));
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(EnglishWindow, TheMenusReadInEnglish) {
    auto game = view().BuildPopupMenu(0);
    auto settings = view().BuildPopupMenu(1);
    auto help = view().BuildPopupMenu(2);
    const struct {
        QMenu* menu;
        int command;
        const char* text;
    } cases[] = {
        {game.get(), kCmdStart, "&Start"},
        {game.get(), kCmdRecords, "&Records\tF6"},
        {game.get(), kCmdHint, "&Hint\tH"},
        {game.get(), kCmdExit, "E&xit"},
        {settings.get(), kCmdOpenMode, "&Open mode"},
        {settings.get(), kCmdLevelStrong, "&Strong"},
        {settings.get(), kCmdMap, "&Province conquest"},
        {settings.get(), kCmdLanguageEnglish, "English"},
        {help.get(), kCmdHelpRules, "&Rules"},
        {help.get(), kCmdAbout, "&About"},
    };
    for (const auto& c : cases) {
        QAction* item = Item(*c.menu, c.command);
        ASSERT_NE(item, nullptr) << c.command;
        EXPECT_EQ(item->text(), QString::fromUtf8(c.text)) << c.command;
    }
    // Nothing Japanese is left but the language menu, which names each language in its own words.
    for (QMenu* menu : {game.get(), settings.get(), help.get()}) {
        for (QAction* item : menu->findChildren<QAction*>()) {
            if (item->objectName() == QString::number(kCmdLanguageJapanese)) continue;
            if (item->menu() && item->menu()->objectName() == QLatin1String("languageMenu")) {
                continue;
            }
            EXPECT_FALSE(HasJapanese(item->text())) << item->text().toStdString();
        }
    }
    // English is this run's language and none is stored: its mark is on.
    EXPECT_TRUE(Item(*settings, kCmdLanguageEnglish)->isChecked());
    EXPECT_FALSE(Item(*settings, kCmdLanguageJapanese)->isChecked());
}

TEST_F(EnglishWindow, AMessageBoxSpeaksEnglishWithQtsOwnButtons) {
    QString text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        text = box->text();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        box->done(QMessageBox::No);
    });
    ShowMessageBox(frame.get(), kMsgQuitMidway, "", kStyleQuestion);
    EXPECT_EQ(text, QStringLiteral("Do you want to stop in the middle of the game?"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("&Yes"))) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&No"))) << buttons.join(u'|').toStdString();
}

TEST_F(EnglishWindow, TheSuitDialogsPromptIsNotCut) {
    // The English prompt words are wider than the place of the Japanese ones.
    for (const char* prompt : {"", "役に"}) {
        CMonSel dialog(frame.get());
        dialog.m_prompt = prompt;
        dialog.OnInitDialog();
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("1005"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(*prompt ? "Trump:" : "Call:"));
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        for (QLabel* other : dialog.findChildren<QLabel*>()) {
            if (other == label || other->text().isEmpty()) continue;
            EXPECT_GE(other->x(), label->geometry().right()) << other->text().toStdString();
        }
    }
}

TEST_F(EnglishWindow, TheHelpPagesComeFromTheEnglishFolder) {
    test::RecordingBox box;
    CHelpDlg dialog(box, frame.get());
    dialog.m_page = QStringLiteral("quintrick_rule.html");
    EXPECT_TRUE(dialog.PagePath().endsWith(QStringLiteral("/help/en/quintrick_rule.html")))
        << dialog.PagePath().toStdString();
}

}  // namespace
}  // namespace quintrick::testing
