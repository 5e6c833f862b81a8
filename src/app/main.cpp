// Quintrick: the game window, or with "/W" the peek window of a running game.
#include <QApplication>

#include "command_line.h"
#include "shell/app.h"
#include "shell/extras/peek_window.h"
#include "shell/translations.h"

int main(int argc, char** argv) {
    if (const auto exitCode = quintrick::AnswerCommandLine(argc, argv)) return *exitCode;
    QApplication app(argc, argv);
    quintrick::InstallTranslations(app);
    quintrick::CT40913App theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 0;
    if (theApp.m_peekMode) return quintrick::RunPeekProcess(app);
    return QApplication::exec();
}
