// The choice of the language: --lang, then the profile's choice, then the desktop's locale; the
// settings menu stores the choice for the next start.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "engine/settings_table.h"
#include "engine/strings.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/main_frame.h"
#include "shell/profile.h"
#include "text/translations.h"

namespace quintrick::testing {
namespace {

TEST(Language, CommandLineThenProfileThenDesktop) {
    const QLocale japan(QLocale::Japanese, QLocale::Japan);
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    const QLocale france(QLocale::French, QLocale::France);
    const QLocale c(QLocale::C);
    const struct {
        const char* commandLine;
        const char* stored;
        const QLocale& desktop;
        const char* language;
    } cases[] = {
        {"", "", japan, "ja"},       {"", "", britain, "en"},      {"", "", france, "en"},
        {"", "", c, "en"},           {"", "en", japan, "en"},      {"", "ja", france, "ja"},
        {"ja", "en", britain, "ja"}, {"en", "ja", japan, "en"},    {"", "xx", japan, "ja"},
        {"", " EN ", japan, "en"},   {"", "ja_JP.UTF-8", c, "ja"}, {"", "e", japan, "ja"},
    };
    for (const auto& t : cases) {
        EXPECT_EQ(ChooseLanguage(QString::fromUtf8(t.commandLine), QString::fromUtf8(t.stored),
                                 t.desktop),
                  QString::fromUtf8(t.language))
            << t.commandLine << "/" << t.stored << "/" << t.desktop.name().toStdString();
    }
}

TEST(Language, TheProfilesChoiceIsReadWithoutOpeningIt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quintrick.conf"));
    EXPECT_EQ(StoredLanguage(file), QString());  // no profile yet
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settei/Language"), QStringLiteral("en"));
    }
    EXPECT_EQ(StoredLanguage(file), QStringLiteral("en"));
    // A file too large to be a profile is left to the game, which sets it aside.
    QFile big(file);
    ASSERT_TRUE(big.open(QIODevice::Append));
    big.write(QByteArray(kMaxProfileBytes, ' '));
    big.close();
    EXPECT_EQ(StoredLanguage(file), QString());
    EXPECT_TRUE(QFile::exists(file));
}

TEST(Language, TheSettingsMenuStoresTheChoiceForTheNextStart) {
    App();
    ClearProfile();
    ScriptedDialogs dialogs;
    CMainFrame frame(AppFlags{}, &dialogs);
    ASSERT_TRUE(frame.View().OnInitialUpdate());
    const QString running = UiLanguage();
    for (const auto& [command, stored] :
         {std::pair{kCmdLanguageJapanese, "ja"}, std::pair{kCmdLanguageEnglish, "en"}}) {
        dialogs.messages.clear();
        frame.View().OnCommand(command);
        EXPECT_EQ(Read(frame.View().ProfileStore(), entries::kLanguage), stored);
        EXPECT_EQ(StoredLanguage(), QString::fromUtf8(stored));
        EXPECT_EQ(dialogs.messages, std::vector<int>{kMsgAutoStartNext});  // at the next start
        EXPECT_EQ(UiLanguage(), running);                                  // not at once
        auto menu = frame.View().BuildPopupMenu(1);
        auto* item = menu->findChild<QAction*>(QString::number(command));
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isChecked()) << stored;
    }
}

}  // namespace
}  // namespace quintrick::testing
