// The help viewer and the about box.
#include "shell/extras/help_dialogs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <utility>

#include "engine/strings.h"
#include "recording_box.h"
#include "shell/extras/command_ids.h"

namespace quintrick {
namespace {

TEST(HelpPages, CommandsAndTheirPages) {
    struct Case {
        int command;
        const char* page;
        const char* caption;
    };
    const Case cases[] = {{kCmdHelpOperation, "quintrick_sousa.html", "操作方法"},
                          {kCmdHelpRules, "quintrick_rule.html", "ルール"},
                          {kCmdHelpTactics, "quintrick_kakehiki.html", "カケヒキ"}};
    for (const Case& c : cases) {
        const auto page = HelpPageFor(c.command);
        ASSERT_TRUE(page.has_value());
        EXPECT_STREQ(page->page, c.page);
        EXPECT_STREQ(page->caption, c.caption);
    }
    EXPECT_FALSE(HelpPageFor(kCmdAbout).has_value());
}

// The English pages mirror the Japanese ones section for section and table row for table row, and
// hold no Japanese text.
TEST(HelpPages, EnglishSetMirrorsTheJapaneseOne) {
    const QDir ja(QStringLiteral(QUINTRICK_HELP_SOURCE));
    const QDir en(ja.filePath(QStringLiteral("en")));
    const QStringList pages = ja.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(en.entryList({QStringLiteral("*.html")}, QDir::Files), pages);
    const auto read = [](const QDir& dir, const QString& page) {
        QFile file(dir.filePath(page));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        const QString jaText = read(ja, page), enText = read(en, page);
        ASSERT_FALSE(enText.isEmpty());
        for (const char* tag : {"<h2>", "<h3>", "<tr>", "<li>", "<table", "href=\""}) {
            EXPECT_EQ(enText.count(QLatin1String(tag)), jaText.count(QLatin1String(tag))) << tag;
        }
        EXPECT_TRUE(enText.contains(QLatin1String("<html lang=\"en\">")));
        const QRegularExpressionMatch match = japanese.match(enText);
        EXPECT_FALSE(match.hasMatch()) << match.captured().toStdString();
    }
}

// The page on how to play names, in both languages, the keys of the table and what came with
// them: continuing a match, a new match, the records, the hint, the level, the language, the
// result after each game.
TEST(HelpPages, TheOperationPageNamesEveryKey) {
    const QDir ja(QStringLiteral(QUINTRICK_HELP_SOURCE));
    const struct {
        QString path;
        QStringList words;
    } pages[] = {
        {ja.filePath(QStringLiteral("quintrick_sousa.html")),
         {"新しいマッチ", "戦績", "ヒント", "強さ", "言語", "ゲームごとの結果", "続きから"}},
        {ja.filePath(QStringLiteral("en/quintrick_sousa.html")),
         {"New match", "Records", "Hint", "Level", "Language", "Result after each game",
          "continue"}},
    };
    for (const auto& page : pages) {
        QFile file(page.path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.path.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        for (const char* key : {">H<", ">S<", ">L<", ">D<", ">P<", ">F6<", ">Ctrl+N<"}) {
            EXPECT_TRUE(text.contains(QLatin1String(key))) << page.path.toStdString() << key;
        }
        for (const QString& word : page.words) {
            EXPECT_TRUE(text.contains(word)) << page.path.toStdString() << word.toStdString();
        }
        EXPECT_FALSE(text.contains(QStringLiteral("自動的に続きます")));
        EXPECT_FALSE(text.contains(QStringLiteral("go on by themselves")));
    }
}

// With the folder present but one page missing, only that page's command fails; a present page
// opens maximised with its title.
TEST(HelpViewer, MissingPageGivesTheMessageAndClosesAtOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("help"));
    const QString folder = dir.filePath("help");
    {
        QFile page(QDir(folder).filePath("quintrick_rule.html"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html><body><h1>ルール</h1><p>五人で遊びます。</p></body></html>");
    }
    struct Case {
        int command;
        bool opens;
    };
    for (const Case c : {Case{kCmdHelpOperation, false}, Case{kCmdHelpRules, true},
                         Case{kCmdHelpTactics, false}}) {
        test::RecordingBox box;
        CHelpDlg dlg(box, nullptr, folder);
        const HelpPage page = *HelpPageFor(c.command);
        dlg.m_page = QString::fromUtf8(page.page);
        dlg.m_caption = QString::fromUtf8(page.caption);
        bool maximised = false;
        QTimer::singleShot(200, &dlg, [&] {
            maximised = dlg.isMaximized();
            dlg.accept();
        });
        const int result = dlg.exec();
        if (c.opens) {
            EXPECT_EQ(result, QDialog::Accepted);
            EXPECT_TRUE(box.Ids().empty());
            EXPECT_TRUE(maximised);
            EXPECT_EQ(dlg.windowTitle(), "ルール");
            EXPECT_TRUE(dlg.Browser()->toPlainText().contains("五人で遊びます。"));
        } else {
            EXPECT_EQ(result, QDialog::Rejected) << c.command;
            EXPECT_EQ(box.Ids(), std::vector<int>{kMsgNoHelpFolder});
            EXPECT_EQ(box.Styles(), std::vector<int>{kStyleInfo});
        }
    }
    // No folder at all gives the same message.
    test::RecordingBox box;
    CHelpDlg dlg(box, nullptr, dir.filePath("nothing"));
    dlg.m_page = "quintrick_rule.html";
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(box.Ids(), std::vector<int>{kMsgNoHelpFolder});
}

// Following a link to another help page, and going back, the title names the page on view.
TEST(HelpViewer, TitleFollowsThePageOnView) {
    test::RecordingBox box;
    CHelpDlg dlg(box, nullptr, QStringLiteral(QUINTRICK_HELP_SOURCE));
    dlg.m_page = "quintrick_sousa.html";
    dlg.m_caption = "操作方法";
    ASSERT_TRUE(dlg.OpenPage());
    EXPECT_EQ(dlg.windowTitle(), "操作方法");
    const QString html = dlg.Browser()->toHtml();
    for (const auto& [link, title] : {std::pair{"quintrick_rule.html", "ルール"},
                                      std::pair{"quintrick_kakehiki.html", "カケヒキ"}}) {
        ASSERT_TRUE(html.contains(QLatin1String(link))) << link;
        dlg.Browser()->setSource(QUrl(QString::fromLatin1(link)));  // what a click on it does
        EXPECT_TRUE(dlg.Browser()->source().path().endsWith(QLatin1String(link)));
        EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8(title)) << link;
        dlg.Browser()->backward();
        EXPECT_EQ(dlg.windowTitle(), "操作方法") << link;
    }
}

// A page that is there but cannot be read gives the same message instead of a blank window:
// a page this user may not read, and (root reads any file) a page whose reading fails.
TEST(HelpViewer, UnreadablePageGivesTheMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = dir.filePath("quintrick_rule.html");
    if (::geteuid() == 0) {
        ASSERT_TRUE(QFile::link("/proc/self/mem", page));  // opens, but cannot be read at 0
    } else {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html><body>ルール</body></html>");
        f.close();
        ASSERT_TRUE(f.setPermissions({}));
    }
    test::RecordingBox box;
    CHelpDlg dlg(box, nullptr, dir.path());
    dlg.m_page = "quintrick_rule.html";
    QTimer::singleShot(200, &dlg, [&] { dlg.accept(); });  // only if it wrongly opened
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(box.Ids(), std::vector<int>{kMsgNoHelpFolder});
}

// The version box: the newest release first, the oldest last, and an empty line at the end.
TEST(AboutBox, VersionHistoryNewestFirst) {
    CAboutDlg dlg;
    const QStringList lines = dlg.History()->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.first().toStdString(), LoadString(kVersionNewest));
    EXPECT_EQ(lines[8].toStdString(), LoadString(kVersionOldest));
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_TRUE(dlg.History()->isReadOnly());
    // Every line: a version number and a date year.month.day, then a note.
    const QRegularExpression form(R"(^Ver \d+\.\d+　\d{4}\.\d{2}\.\d{2}　\S.+$)");
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(form.match(lines[i]).hasMatch()) << i;
}

TEST(AboutBox, ShowsTheProgramsOwnVersion) {
    const QString before = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("12.34.5"));
    CAboutDlg dlg;
    auto* version = dlg.findChild<QLabel*>(QStringLiteral("programVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->text().contains(QStringLiteral("12.34.5")))
        << version->text().toStdString();
    QCoreApplication::setApplicationVersion(before);
}

}  // namespace
}  // namespace quintrick
