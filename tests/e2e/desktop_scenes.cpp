// Two questions of the real game window brought up directly for the real-desktop test, each
// after printing, in screen coordinates, what it must not hide:
//   desktop-scenes trump     battle 2, the partner's show cards on the table, the human names
//                            the trump: prints "keep x y w h" for the show cards and the hand
//   desktop-scenes continue  the score table on view and the question whether to play on:
//                            prints "keep x y w h" for the score table
// Everything else is the real program: the profile of the environment, the real dialogs.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "engine/strings.h"
#include "shell/app.h"
#include "shell/translations.h"
#include "table/layout.h"

using namespace quintrick;

namespace {

void PrintKeep(CT40913View& view, const Rect& base) {
    const Rect r = view.Table().m_scales.ToScreenRect(base);
    const QPoint at = view.mapToGlobal(QPoint(r.left, r.top));
    std::printf("keep %d %d %d %d\n", at.x(), at.y(), r.Width(), r.Height());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallTranslations(app);
    const bool trump = argc > 1 && std::strcmp(argv[1], "trump") == 0;
    CT40913App theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 1;
    CMainFrame& frame = *theApp.Frame();
    QTimer::singleShot(800, &frame, [&frame, trump] {
        CT40913View& view = frame.View();
        GameState& gs = view.Gs();
        view.KillTimer(kGameTimerEvent);
        // A question the game may have opened meanwhile is put away: only the scene's is on view.
        for (int i = 0; i < 5 && QApplication::activeModalWidget(); ++i) {
            QApplication::activeModalWidget()->hide();
        }
        gs.m_busy = 1;
        if (trump) {
            // Battle 1 won by the related group: the human holds the joker, seat 2 the ace.
            gs.m_battle = 1;
            gs.m_holder = {0, 0, 2, 0, 1};
            PrintKeep(view, view.Table().ShowCardsRect());
            PrintKeep(view, view.Table().HandRect());
            std::fflush(stdout);
            view.Engine().StartNextBattle();
        } else {
            gs.m_showScore = 1;
            view.RedrawTable();
            PrintKeep(view, kScoreBoardRect);
            std::fflush(stdout);
            view.ShowMessage(kMsgContinue, {}, kStyleQuestion);
        }
        std::printf("done\n");
        std::fflush(stdout);
        QApplication::exit(0);
    });
    return QApplication::exec();
}
