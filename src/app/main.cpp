// Quintrick: the game window.
#include <QApplication>

#include "shell/app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quintrick::CT40913App theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 0;
    return QApplication::exec();
}
