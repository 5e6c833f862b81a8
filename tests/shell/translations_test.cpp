// Qt's own Japanese translation: the standard buttons of the program's message boxes read in
// Japanese once it is installed, as they do in the game.
#include "text/translations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTranslator>

#include "scripted_dialogs.h"

namespace quintrick::testing {
namespace {

TEST(Translations, StandardButtonsReadInJapanese) {
    QApplication& app = App();
    ASSERT_EQ(UiLanguage(), "ja");
    ASSERT_TRUE(InstallTranslations(app)) << "qtbase_ja is not installed (qt6-translations-l10n)";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok |
                           QMessageBox::Cancel);
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } cases[] = {{QMessageBox::Yes, "はい"},
                 {QMessageBox::No, "いいえ"},
                 {QMessageBox::Ok, "OK"},
                 {QMessageBox::Cancel, "キャンセル"}};
    for (const auto& c : cases) {
        EXPECT_TRUE(box.button(c.button)->text().contains(QString::fromUtf8(c.text)))
            << box.button(c.button)->text().toStdString();
    }
    // A language without a catalogue installs nothing.
    EXPECT_FALSE(InstallTranslations(app, "xx"));
    // The other tests of this program see Qt's own words again.
    for (QTranslator* translator : app.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

}  // namespace
}  // namespace quintrick::testing
