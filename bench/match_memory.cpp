// The game window's peak resident memory through one whole match at the 1600 x 1200 size, on a
// real X screen (run by bench/match_memory.sh under Xvfb with a fresh profile): the real frame
// and view, started as the program starts them, the human's cards double-clicked at random until
// one is taken, the computer's ticks delivered at once, every question answered (no to playing
// on, so the match ends after its last game).
// usage: match_memory [SEED]   prints VmHWM at the first paint and after the match (kB), the
// game counter at the end (11 once the tenth game is over) and the seconds taken.
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "engine/strings.h"
#include "scripted_dialogs.h"
#include "shell/main_frame.h"

namespace quintrick {
namespace {

// A line of /proc/self/status in kB; -1 when it cannot be read.
long StatusKilobytes(const char* field) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, n) == 0 && line[n] == ':') {
            std::sscanf(line + n + 1, "%ld", &kb);
            break;
        }
    }
    std::fclose(f);
    return kb;
}

struct Dialogs : testing::ScriptedDialogs {
    bool matchEnded = false;
    int Message(QWidget* w, int stringId, std::string_view prefix, int style) override {
        if (stringId == kMsgContinue) {
            matchEnded = true;
            return IDNO;
        }
        return ScriptedDialogs::Message(w, stringId, prefix, style);
    }
};

}  // namespace
}  // namespace quintrick

int main(int argc, char** argv) {
    using namespace quintrick;
    QApplication app(argc, argv);
    std::mt19937 rng(argc > 1 ? unsigned(std::atoi(argv[1])) : 1u);
    const auto pick = [&rng](int n) { return n <= 0 ? 0 : int(rng() % unsigned(n)); };
    QSettings("Orvendel", "Quintrick").setValue("Settei/Gamen", 1600);
    Dialogs dialogs;
    dialogs.realPauses = false;
    dialogs.character = 3;
    CMainFrame frame(AppFlags{}, &dialogs);
    CT40913View& view = frame.View();
    const auto stage = [](const char* what) {
        if (std::getenv("MATCH_MEMORY_STAGES")) {
            std::printf("  %-28s VmHWM %6ld kB, VmRSS %6ld kB\n", what, StatusKilobytes("VmHWM"),
                        StatusKilobytes("VmRSS"));
        }
    };
    stage("application");
    if (!view.OnInitialUpdate()) return 1;
    stage("initial update");
    frame.show();
    QElapsedTimer clock;
    clock.start();
    // The first paint, and the rest of the start-up that follows it.
    while (!view.ToolTip() && clock.elapsed() < 10000) QCoreApplication::processEvents();
    const long firstPaint = StatusKilobytes("VmHWM");
    stage("first paint, start-up done");
    view.Settings().m_speed = 1;
    view.Settings().m_soundOn = 0;
    view.Settings().m_ruleRem = 0;
    view.FireTimer(kSetupTimerEvent);
    stage("card backs");
    view.OnCommand(32771);  // start
    stage("first deal");
    const GameState& gs = view.Gs();
    const auto screen = [&view](int bx, int by) {
        const Scales& s = view.Table().m_scales;
        return QPoint(int(std::ceil((bx + 0.5) * s.sx)), int(std::ceil((by + 0.5) * s.sy)));
    };
    long events = 0;
    int games = 1;
    for (int game = gs.m_game; !dialogs.matchEnded && events < 200000; ++events) {
        const int n = gs.m_handCount[kHumanSeat];
        if (n > 0 && pick(2) == 0) {
            const Rect r = view.Table().CardRect(pick(n));
            QTest::mouseDClick(&view, Qt::LeftButton, {}, screen(r.left + 8, r.top + 60));
        } else if (pick(8) == 0) {
            QTest::mouseClick(&view, Qt::LeftButton, {}, screen(pick(1200), pick(900)));
        }
        view.FireTimer(kGameTimerEvent);
        QCoreApplication::processEvents();
        if (gs.m_game != game) {
            game = gs.m_game;
            games = std::max(games, game);
            stage("a game");
        }
    }
    std::printf("VmHWM at the first paint: %ld kB\n", firstPaint);
    std::printf("VmHWM after the match:    %ld kB (VmRSS %ld kB)\n", StatusKilobytes("VmHWM"),
                StatusKilobytes("VmRSS"));
    std::printf("game counter at the end %d, events %ld, %.1f s%s\n", games, events,
                clock.elapsed() / 1000.0, dialogs.matchEnded ? "" : " (the match did not end)");
    return dialogs.matchEnded ? 0 : 1;
}
