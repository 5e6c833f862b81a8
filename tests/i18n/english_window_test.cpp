// The game window in English: its menus, a message box with Qt's own buttons, the help folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include "engine/host.h"
#include "engine/strings.h"
#include "english.h"
#include "images/image_files.h"
#include "interaction/mon_sel.h"
#include "recording_box.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/extras/help_dialogs.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"
#include "shell/records_window.h"
#include "shell/ui_font.h"
#include "text/ui_text.h"

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

TEST_F(EnglishWindow, AQuestionThatThrowsSomethingAwaySaysSoAndDefaultsToNo) {
    const struct {
        int question;
        bool destructive;
    } cases[] = {{kMsgQuitMidway, true},
                 {kMsgAbandonMatch, true},
                 {kMsgRecordsClearAsk, true},
                 {kMsgResumeMatch, false},
                 {kMsgContinue, false}};
    for (const auto& c : cases) {
        bool defaultNo = false;
        QString info;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            defaultNo = box->defaultButton() == box->button(QMessageBox::No);
            info = box->informativeText();
            box->done(QMessageBox::No);
        });
        EXPECT_EQ(ShowMessageBox(frame.get(), c.question, {}, kStyleQuestion), IDNO);
        EXPECT_EQ(defaultNo, c.destructive) << c.question;
        EXPECT_EQ(info.isEmpty(), !c.destructive) << c.question;
        EXPECT_FALSE(HasJapanese(info)) << info.toStdString();
    }
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

TEST_F(EnglishWindow, TheSuitDialogSaysOkOnce) {
    CMonSel dialog(frame.get(), [] {});
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(ok->icon().isNull()) << "the English picture reads OK as well";
}

TEST(InterfaceFont, EnglishUsesALatinFaceWithTheJapaneseOneBehindIt) {
    App();
    // A desktop whose own face is the fixed-pitch Japanese one, as on a Japanese desktop.
    const QFont japaneseDesktop(QStringLiteral("IPAGothic"), 10);
    const QFont english = InterfaceFont(QStringLiteral("en"), japaneseDesktop);
    ASSERT_GE(english.families().size(), 2);
    EXPECT_NE(english.families().front(), QStringLiteral("IPAGothic"))
        << "Latin text is not set in the Japanese face";
    EXPECT_FALSE(QFontInfo(english).fixedPitch()) << QFontInfo(english).family().toStdString();
    EXPECT_EQ(english.families().back(), PreferredGothicFamily()) << "the fallback for Japanese";
    EXPECT_EQ(english.pointSize(), 10);
    // A desktop with a Latin face keeps it.
    const QFont latinDesktop(QStringLiteral("DejaVu Sans"), 9);
    EXPECT_EQ(InterfaceFont(QStringLiteral("en"), latinDesktop).families().front(),
              QStringLiteral("DejaVu Sans"));
    // Japanese: the Japanese face first.
    EXPECT_EQ(InterfaceFont(QStringLiteral("ja"), latinDesktop).families().front(),
              PreferredGothicFamily());
}

TEST_F(EnglishWindow, TheHelpPagesComeFromTheEnglishFolder) {
    test::RecordingBox box;
    CHelpDlg dialog(box, frame.get());
    dialog.m_page = QStringLiteral("quintrick_rule.html");
    EXPECT_TRUE(dialog.PagePath().endsWith(QStringLiteral("/help/en/quintrick_rule.html")))
        << dialog.PagePath().toStdString();
}

TEST_F(EnglishWindow, TheHelpTitleStaysEnglishAfterALink) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"quintrick_sousa.html", "quintrick_rule.html"}) {
        QFile page(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html><body><a href=\"quintrick_rule.html\">rules</a></body></html>");
    }
    test::RecordingBox box;
    CHelpDlg dialog(box, frame.get(), folder.path());
    const std::optional<HelpPage> operation = HelpPageFor(kCmdHelpOperation);
    ASSERT_TRUE(operation);
    dialog.m_page = QString::fromLatin1(operation->page);
    dialog.m_caption = HelpCaption(*operation);
    ASSERT_TRUE(dialog.OpenPage());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("How to play"));
    dialog.Browser()->setSource(QUrl::fromLocalFile(folder.filePath("quintrick_rule.html")));
    EXPECT_FALSE(HasJapanese(dialog.windowTitle())) << dialog.windowTitle().toStdString();
    EXPECT_EQ(dialog.windowTitle(), HelpCaption(*HelpPageFor(kCmdHelpRules)));
}

TEST_F(EnglishWindow, TheRecordsShowEveryRankInEnglish) {
    QTemporaryDir folder;
    CRecordsDb db;
    ASSERT_EQ(db.Open(folder.filePath("records.sqlite")), CRecordsDb::Opened::Ok);
    MatchRecord m;
    m.started = m.ended = "2026-12-01 20:00:00";
    m.finished = true;
    m.character = {5, 8, 6, 2, 3};
    m.seat = {0, 1, 2, 3, 4};
    m.points = {-5, -5, -5, -5, 20};
    m.rank = 1;
    m.stonesCredited = 20;
    m.stonesAccount = 120;
    db.StoreMatch(m);
    RecordsWindowHost host;
    host.message = [](int, std::string_view, int) { return IDOK; };
    CRecordsWindow window(db, host);
    auto* ranks = window.findChild<QLabel*>("rankCounts");
    ASSERT_NE(ranks, nullptr);
    const QString text = ranks->text();
    for (int rank = 1; rank <= 5; ++rank) {
        EXPECT_TRUE(text.contains(UiText(kRecRankSuffix) + QString::number(rank)))
            << text.toStdString();
    }
    // The first rank reached once: "#1", then its count.
    const QRegularExpression first(QStringLiteral("^") +
                                   QRegularExpression::escape(UiText(kRecRankSuffix)) +
                                   QStringLiteral("1\\D+1\\b"));
    EXPECT_TRUE(first.match(text).hasMatch()) << text.toStdString();
    auto* chart = window.findChild<QChartView*>("rankChart");
    ASSERT_TRUE(chart && chart->chart());
    QStringList categories;
    for (QAbstractAxis* axis : chart->chart()->axes(Qt::Horizontal)) {
        if (auto* c = qobject_cast<QBarCategoryAxis*>(axis)) categories = c->categories();
    }
    ASSERT_EQ(categories.size(), 5) << "one bar per rank";
    EXPECT_EQ(categories.front(), UiText(kRecRankSuffix) + QStringLiteral("1"));
    EXPECT_EQ(categories.back(), UiText(kRecRankSuffix) + QStringLiteral("5"));
}

}  // namespace
}  // namespace quintrick::testing
