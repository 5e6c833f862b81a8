// The game window through one whole match at the 1600 x 1200 size on a real X screen (run by
// bench/match_probe.sh under Xvfb with a fresh profile): the real frame and view, started as the
// program starts them; the human's cards dragged to the field or double-clicked at random until
// one is taken, the computers' ticks delivered at once, every question answered (no to playing
// on, so the match ends after its last game). It measures the peak resident memory (VmHWM) at
// the first paint and after the match, and the redraw the player feels: from a tick that puts a
// card on the field, and from a mouse move while a card is dragged, to the frame painted and
// handed to the X server (medians and 99th percentiles). With MATCH_PROBE_TEXT=1 in the
// environment the real start-up help box is shown (and closed) once before the match, as the game
// shows it at every start by default: the first text drawn brings in the fonts and text shaping.
// usage: match_probe [SEED]
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "engine/strings.h"
#include "scripted_dialogs.h"
#include "shell/app.h"
#include "shell/main_frame.h"
#include "shell/message_box.h"

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

struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// Median and 99th percentile of `ms`.
void Report(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&ms](double q) { return ms[size_t(q * double(ms.size() - 1) + 0.5)]; };
    std::printf("%s: median %.2f ms, 99th percentile %.2f ms (%zu samples)\n", what, at(0.5),
                at(0.99), ms.size());
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
    KeepLargeBlocksOutOfTheHeap();  // as the game's main does
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
        if (std::getenv("MATCH_PROBE_STAGES")) {
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
    if (std::getenv("MATCH_PROBE_TEXT")) {
        QTimer::singleShot(100, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w)) box->accept();
            }
        });
        ShowMessageBox(&view, kMsgStartHelp, "", kStyleInfo);
        stage("start-up help shown");
    }
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
    // Paints of the view, counted as they reach it.
    PaintCounter paints;
    view.installEventFilter(&paints);
    const auto cardsOnField = [&gs] {
        return int(std::count_if(gs.m_field.begin(), gs.m_field.end(),
                                 [](CardId c) { return c != kNoCard; }));
    };
    // Milliseconds from the event sent to its frame painted and handed to the X server (the
    // view paints at once, inside the event).
    std::vector<double> tickToFrame, moveToFrame;
    const auto timed = [&paints](std::vector<double>& into, const auto& send) {
        const int before = paints.count;
        QElapsedTimer t;
        t.start();
        send();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        if (paints.count > before) into.push_back(ms);
    };
    long events = 0;
    int games = 1;
    for (int game = gs.m_game; !dialogs.matchEnded && events < 200000; ++events) {
        const int n = gs.m_handCount[kHumanSeat];
        if (n > 0 && gs.m_turn == kHumanSeat && pick(2) == 0) {
            // A card dragged from the hand to the middle of the field.
            const Rect r = view.Table().CardRect(pick(n));
            const QPoint from = screen(r.left + 8, r.top + 60);
            const Rect f = view.Table().FieldRect();
            const QPoint to = screen((f.left + f.right) / 2, (f.top + f.bottom) / 2);
            QTest::mousePress(&view, Qt::LeftButton, {}, from);
            for (int step = 1; step <= 8; ++step) {
                timed(moveToFrame, [&] { QTest::mouseMove(&view, from + (to - from) * step / 8); });
            }
            QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        } else if (n > 0 && pick(2) == 0) {
            const Rect r = view.Table().CardRect(pick(n));
            QTest::mouseDClick(&view, Qt::LeftButton, {}, screen(r.left + 8, r.top + 60));
        } else if (pick(8) == 0) {
            QTest::mouseClick(&view, Qt::LeftButton, {}, screen(pick(1200), pick(900)));
        }
        const int onField = cardsOnField();
        std::vector<double> tick;
        timed(tick, [&] { view.FireTimer(kGameTimerEvent); });
        // A tick that put a card on the field.
        if (!tick.empty() && cardsOnField() == onField + 1) tickToFrame.push_back(tick[0]);
        QCoreApplication::processEvents();
        if (gs.m_game != game) {
            game = gs.m_game;
            games = std::max(games, game);
            stage("a game");
        }
    }
    Report("a card played by a tick, to its frame", tickToFrame);
    Report("a mouse move of a drag, to its frame", moveToFrame);
    std::printf("VmHWM at the first paint: %ld kB\n", firstPaint);
    std::printf("VmHWM after the match:    %ld kB (VmRSS %ld kB)\n", StatusKilobytes("VmHWM"),
                StatusKilobytes("VmRSS"));
    std::printf("game counter at the end %d, events %ld, %.1f s%s\n", games, events,
                clock.elapsed() / 1000.0, dialogs.matchEnded ? "" : " (the match did not end)");
    return dialogs.matchEnded ? 0 : 1;
}
