// Quintrick: the game window, or with "/W" the peek window of a running game.
#include <QApplication>

#include "command_line.h"
#include "shell/app.h"
#include "shell/extras/peek_window.h"
#include "shell/profile.h"
#include "shell/startup_trace.h"
#include "shell/ui_font.h"
#include "text/translations.h"

int main(int argc, char** argv) {
    QString language;
    if (const auto exitCode = quintrick::AnswerCommandLine(argc, argv, &language)) return *exitCode;
    quintrick::StartupMark("main");
    quintrick::KeepLargeBlocksOutOfTheHeap();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(QUINTRICK_VERSION));
    quintrick::StartupMark("application");
    // The language is chosen once, before any window: --lang, the profile's choice, the desktop's.
    quintrick::InstallTranslations(
        app, quintrick::ChooseLanguage(language, quintrick::StoredLanguage()));
    quintrick::ApplyInterfaceFont(quintrick::UiLanguage());
    quintrick::CT40913App theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 0;
    if (theApp.m_peekMode) return quintrick::RunPeekProcess(app);
    return QApplication::exec();
}
