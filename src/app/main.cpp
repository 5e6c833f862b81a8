// Quintrick: the game window, or with "/W" the peek window of a running game.
#include <QApplication>

#include "shell/app.h"
#include "shell/extras/peek_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quintrick::CT40913App theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 0;
    if (theApp.m_peekMode) return quintrick::RunPeekProcess(app);
    return QApplication::exec();
}
