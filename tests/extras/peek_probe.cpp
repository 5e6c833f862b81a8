// A stand-in for the game's executable in the peek tests: started with "/W" it runs the peek
// window exactly as the program does, and reports every hand it puts on view on its standard
// output ("hand <cards> <width>x<height> <title>"), so the test can watch the exchange.
#include <QApplication>
#include <QTextStream>

#include "shell/extras/peek_exchange.h"
#include "shell/extras/peek_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Orvendel");
    QCoreApplication::setApplicationName("Quintrick");
    if (!quintrick::IsPeekCommandLine(app.arguments())) return 2;
    const QString shot = qEnvironmentVariable("PEEK_SHOT");
    return quintrick::RunPeekProcess(app, [&shot](quintrick::CPeekWindow& window) {
        window.m_onHandShown = [&window, &shot] {
            QTextStream out(stdout);
            QStringList cards;
            for (int i = 0; i < window.HandCount(); ++i) cards << QString::number(window.Hand()[i]);
            out << "hand " << cards.join(u',') << ' ' << window.width() << 'x' << window.height()
                << ' ' << window.windowTitle() << Qt::endl;
            if (!shot.isEmpty()) window.grab().save(shot);
        };
    });
}
