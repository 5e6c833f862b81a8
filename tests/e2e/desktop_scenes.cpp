// Two questions of the real game window brought up directly for the real-desktop test, each
// after printing, in screen coordinates, what it must not hide:
//   desktop-scenes trump     battle 2, the partner's show cards on the table, the human names
//                            the trump: prints "keep x y w h" for the show cards and the hand
//   desktop-scenes continue  the score table on view and the question whether to play on:
//                            prints "keep x y w h" for the score table
//   desktop-scenes saved F   the saved match in file F drawn as it was saved, nothing played:
//                            prints "hand x y w h" for the human's cards and "game x y w h"
//                            for the game number, then "ready", and stays until it is ended
// Everything else is the real program: the profile of the environment, the real dialogs.
#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "engine/saved_match.h"
#include "engine/strings.h"
#include "shell/app.h"
#include "table/layout.h"
#include "text/translations.h"

using namespace quintrick;

namespace {

void PrintKeep(CT40913View& view, const Rect& base, const char* word = "keep") {
    const Rect r = view.Table().m_scales.ToScreenRect(base);
    const QPoint at = view.mapToGlobal(view.TableArea().topLeft() + QPoint(r.left, r.top));
    std::printf("%s %d %d %d %d\n", word, at.x(), at.y(), r.Width(), r.Height());
}

// The saved match of `path` on the table, the game stopped.
bool ShowSaved(CT40913View& view, const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const std::optional<SavedMatch> saved = ReadSavedMatch(file.readAll().toStdString());
    if (!saved) return false;
    view.KillTimer(kGameTimerEvent);
    view.Gs() = saved->gs;
    if (saved->table) {
        // The window's part: how it showed the table.
        const QJsonObject table =
            QJsonDocument::fromJson(QByteArray::fromStdString(*saved->table)).object();
        view.Table().SetKakudo(table.value(QStringLiteral("angle")).toInt(21));
        view.Settings().m_openMode = table.value(QStringLiteral("openMode")).toInt(0);
    }
    view.RedrawTable();
    PrintKeep(view, view.Table().HandRect(), "hand");
    PrintKeep(view, kGameLabelRect, "game");
    std::printf("ready\n");
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallTranslations(app);
    const bool trump = argc > 1 && std::strcmp(argv[1], "trump") == 0;
    const char* saved = argc > 2 && std::strcmp(argv[1], "saved") == 0 ? argv[2] : nullptr;
    CT40913App theApp;
    if (!theApp.InitInstance(QApplication::arguments())) return 1;
    CMainFrame& frame = *theApp.Frame();
    // The scene begins once the window manager has framed the window and it has kept its place
    // and size for half a second (a window framed later moves the table under the question).
    QTimer settle;
    int steady = 0;
    int waited = 0;
    QRect last;
    const auto scene = [&frame, trump, saved] {
        CT40913View& view = frame.View();
        if (saved) {
            if (!ShowSaved(view, saved)) QApplication::exit(1);
            return;
        }
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
    };
    QObject::connect(&settle, &QTimer::timeout, &frame, [&] {
        const QRect now = frame.frameGeometry();
        steady = now == last && !frame.FrameMargins().isNull() ? steady + 1 : 0;
        last = now;
        if (steady < 5 && ++waited < 100) return;
        settle.stop();
        scene();
    });
    settle.start(100);
    return QApplication::exec();
}
