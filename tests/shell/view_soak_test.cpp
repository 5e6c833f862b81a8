// Random input on the real view: presses, moves and releases over every part of the table,
// double-clicks, the game's keys, menu commands and timer ticks in between, every question and
// dialog answered at random, now and then a new match (Ctrl+N, its question and the character
// dialog, which may be cancelled). After every event each of the fifty cards lies in exactly one
// place, the state as it stands saves and reads back, and every run reaches the end of its match
// within a bound of events per game.
//
// By default a short run: the last two games of three matches. A long run of whole matches:
//   QUINTRICK_SOAK_RUNS=200 QUINTRICK_SOAK_FIRST_GAME=1 QUINTRICK_SOAK_SEED=1000
//       ctest --test-dir build -R view_soak_test -V --timeout 100000
// (the three variables in the environment of the ctest command)
// (each run is one match; it prints matches, games, events and seconds).
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <random>
#include <set>

#include "engine/card_places.h"
#include "engine/saved_match.h"
#include "engine/strings.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/main_frame.h"
#include "table/layout.h"

namespace quintrick::testing {
namespace {

// Menu commands the random player may choose: none that ends the program, starts another
// process, plays sounds or opens a real window of its own.
const std::set<int> kSafeCommands = {
    kCmdStart,                                                                        // start
    kCmdScore,                                                                        // score
    kCmdOpenMode,                                                                     // open mode
    kCmdSpeedFast, kCmdSpeedFaster, kCmdSpeedNormal, kCmdSpeedSlower, kCmdSpeedSlow,  // speeds
    kCmdNokori,                    // remaining cards
    kCmdDspInfo,                   // called suit and right
    kCmdRuleRem,                   // rule messages
    kCmdDspRem,                    // explanations
    kCmdMap,                       // map (answered by the stand-in)
    kCmdAngleUp,   kCmdAngleDown,  // angle up, down
};

// Answers every question and dialog at random.
struct RandomDialogs : ScriptedDialogs {
    std::mt19937* rng = nullptr;
    bool matchEnded = false;
    int Pick(int n) { return int((*rng)() % unsigned(n)); }

    int Message(QWidget*, int stringId, std::string_view, int style) override {
        if (stringId == kMsgContinue) matchEnded = true;
        return style == kStyleQuestion ? (Pick(2) ? IDYES : IDNO) : IDOK;
    }
    int ChooseSuit(QWidget*, std::string_view) override { return Pick(4); }
    int ChooseCharacter(QWidget*) override { return Pick(11) - 1; }  // -1 cancels
    void RunMenu(QMenu& menu, QPoint) override {
        std::vector<QAction*> items;
        for (QAction* a : menu.actions()) {
            if (QMenu* sub = a->menu()) {
                for (QAction* b : sub->actions()) items.push_back(b);
            } else {
                items.push_back(a);
            }
        }
        std::vector<QAction*> safe;
        for (QAction* a : items) {
            if (a->isEnabled() && kSafeCommands.count(a->data().toInt())) safe.push_back(a);
        }
        if (!safe.empty() && Pick(3) != 0) safe[std::size_t(Pick(int(safe.size())))]->trigger();
    }
    void Pause(int) override {}
};

struct Figures {
    long runs = 0, games = 0, events = 0;
};

class Soak {
  public:
    // `firstGame` > 1 plays the match on from that game once the first game has been dealt.
    Soak(unsigned seed, int firstGame) : m_rng(seed), m_firstGame(firstGame) {
        ClearProfile();
        QSettings("Orvendel", "Quintrick").setValue("Settei/Gamen", 640);
        m_dialogs.rng = &m_rng;
        EXPECT_TRUE(OpenFrame(m_frame, m_dialogs, AppFlags{true, false}));
    }

    // Plays one match; false when a card went missing or a game took too many events.
    bool Run(Figures& figures, long maxEventsPerGame) {
        long sinceGame = 0;
        int game = gs().m_game;
        int battle = gs().m_battle;
        while (!m_dialogs.matchEnded) {
            RandomEvent();
            ++figures.events;
            for (int t = Pick(4); t > 0 && !m_dialogs.matchEnded; --t) {
                view().FireTimer(kGameTimerEvent);
            }
            if (m_dialogs.matchEnded) break;
            if (!CardsInPlace()) return false;
            if (!SavesAndReadsBack()) return false;
            if (m_dropFailed) {
                ADD_FAILURE() << "a card released over the field was not played\n" << gs().Dump();
                return false;
            }
            if (m_firstGame > 1 && gs().m_phase != 0 && gs().m_game == 1) {
                gs().m_game = m_firstGame;
                game = m_firstGame;
            }
            if (gs().m_game != game || gs().m_battle != battle) {
                if (gs().m_game != game) ++figures.games;
                game = gs().m_game;
                battle = gs().m_battle;
                sinceGame = 0;
            }
            if (++sinceGame > maxEventsPerGame) {
                ADD_FAILURE() << "game " << game << " took over " << maxEventsPerGame << " events\n"
                              << gs().Dump();
                return false;
            }
        }
        ++figures.games;  // the last
        ++figures.runs;
        return true;
    }

  private:
    CT40913View& view() { return m_frame->View(); }
    GameState& gs() { return view().Gs(); }
    int Pick(int n) { return n <= 0 ? 0 : int(m_rng() % unsigned(n)); }

    QPoint Screen(int bx, int by) {
        const Scales& s = view().Table().m_scales;
        return QPoint(int(std::ceil((bx + 0.5) * s.sx)), int(std::ceil((by + 0.5) * s.sy)));
    }
    QPoint In(const Rect& r) {
        if (r.IsEmpty()) return Screen(Pick(kBaseWidth), Pick(kBaseHeight));
        return Screen(r.left + Pick(r.Width()), r.top + Pick(r.Height()));
    }
    // A point over one part of the table, picked at random.
    QPoint Anywhere() {
        const CTable& table = view().Table();
        switch (Pick(9)) {
            case 0:
            case 1: {
                const int n = gs().m_handCount[kHumanSeat];
                return n > 0 ? In(table.CardRect(Pick(n))) : In(table.HandRect());
            }
            case 2:
                return In(table.FieldRect());
            case 3:
                return In(table.DiscardRect());
            case 4:
                return In(kToolbarRects[std::size_t(Pick(5))]);
            case 5:
                return In(kScoreBoardRect);
            case 6: {
                const Rect edge = TableEdgeRect(Perspective(table.Kakudo()).ti);
                return In({table.RightRect().right, edge.top + 1, edge.right, edge.bottom});
            }
            case 7:
                return QPoint(Pick(view().width() + 40) - 20, Pick(view().height() + 40) - 20);
            default:
                return Screen(Pick(kBaseWidth), Pick(kBaseHeight));
        }
    }

    void RandomEvent() {
        static const Qt::Key kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Space,
                                        Qt::Key_Up,   Qt::Key_F1,    Qt::Key_F2,     Qt::Key_F3,
                                        Qt::Key_F4,   Qt::Key_F5};
        switch (Pick(40)) {
            case 0:
                QTest::mousePress(&view(), Qt::LeftButton, {}, Anywhere());
                break;
            case 1:
                QTest::mouseMove(&view(), Anywhere());
                break;
            case 2:
                QTest::mouseRelease(&view(), Qt::LeftButton, {}, Anywhere());
                break;
            case 3:
            case 4: {  // a drag from the hand
                QTest::mousePress(&view(), Qt::LeftButton, {}, Anywhere());
                for (int i = Pick(3); i >= 0; --i) QTest::mouseMove(&view(), Anywhere());
                QTest::mouseRelease(&view(), Qt::LeftButton, {}, Anywhere());
                break;
            }
            case 5:
                QTest::mouseDClick(&view(), Qt::LeftButton, {}, Anywhere());
                break;
            case 6:
            case 7:
            case 8:
                QTest::keyClick(&view(), kKeys[Pick(5)]);  // the play keys
                break;
            case 9:
                QTest::keyClick(&view(), kKeys[5 + Pick(5)]);  // F1 to F5
                break;
            case 10: {
                auto it = kSafeCommands.begin();
                std::advance(it, Pick(int(kSafeCommands.size())));
                view().OnCommand(*it);
                break;
            }
            case 11:
                // Now and then a new match: its question, then the character dialog.
                if (Pick(20) == 0) QTest::keyClick(&view(), Qt::Key_N, Qt::ControlModifier);
                break;
            case 12:
            case 13:
                break;  // only ticks
            default: {  // a drag of a card towards the field
                const int n = gs().m_handCount[kHumanSeat];
                const CTable& table = view().Table();
                QTest::mousePress(&view(), Qt::LeftButton, {},
                                  n > 0 ? In(table.CardRect(Pick(n))) : Anywhere());
                QTest::mouseMove(&view(), In(table.FieldRect()));
                const QPoint at = Pick(4) ? In(table.FieldRect()) : Anywhere();
                const CardId held = gs().m_dragging == 1 ? gs().m_pickedCard : kNoCard;
                const Scales& s = table.m_scales;
                const Rect f = table.FieldRect();
                const Rect zone{f.left - f.Width() / 4, f.top - f.Height() / 4,
                                f.right + f.Width() / 4, f.bottom + f.Height() / 4};
                const bool intoZone =
                    zone.Contains(s.BaseX(at.x()), s.BaseY(at.y())) && gs().m_showScore == 0;
                QTest::mouseRelease(&view(), Qt::LeftButton, {}, at);
                // A held card released over the field is played (or shown), whatever the hand.
                if (held != kNoCard && intoZone) {
                    m_dropFailed =
                        m_dropFailed || (gs().m_field[kHumanSeat] != held &&
                                         gs().m_showCard[0] != held && gs().m_showCard[1] != held);
                }
                break;
            }
        }
    }

    // Each of the fifty cards in exactly one place: a hand, the field, the pictures taken, the
    // discards, the held card, the show cards.
    bool CardsInPlace() {
        const GameState& g = gs();
        if (g.m_phase == kNoGame) return true;
        const std::string problem = CardPlaceProblem(g);
        if (problem.empty()) return true;
        ADD_FAILURE() << problem << '\n'
                      << g.Dump() << "held " << g.m_dragging << " card " << g.m_pickedCard;
        return false;
    }

    // The match as it stands between two events can be set aside and taken up again (a close or
    // a kill at this moment loses nothing).
    bool SavesAndReadsBack() {
        const GameState& g = gs();
        if (g.m_phase == 0 || g.m_game > 10 || view().Engine().InStep()) return true;
        std::string why;
        const std::string text = WriteSavedMatch(SavedMatch{g, {}, {}, {}, {}}, &why);
        if (text.empty()) {
            ADD_FAILURE() << "the match cannot be saved: " << why << "\n" << g.Dump();
            return false;
        }
        const std::optional<SavedMatch> back = ReadSavedMatch(text, &why);
        if (!back || WriteSavedMatch(*back) != text) {
            ADD_FAILURE() << "the saved match does not read back: " << why << "\n" << g.Dump();
            return false;
        }
        return true;
    }

    std::mt19937 m_rng;
    int m_firstGame = 1;
    bool m_dropFailed = false;
    RandomDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
};

long EnvOr(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(ViewSoak, EveryCardInOnePlaceAndEveryMatchEnds) {
    const long runs = EnvOr("QUINTRICK_SOAK_RUNS", 3);
    const long first = EnvOr("QUINTRICK_SOAK_SEED", 1);
    const int firstGame = int(EnvOr("QUINTRICK_SOAK_FIRST_GAME", 9));
    Figures figures;
    const auto start = std::chrono::steady_clock::now();
    for (long seed = first; seed < first + runs; ++seed) {
        Soak soak{static_cast<unsigned>(seed), firstGame};
        ASSERT_TRUE(soak.Run(figures, 20000)) << "seed " << seed;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "soak: " << figures.runs << " matches, " << figures.games << " games, "
              << figures.events << " events, " << seconds << " s\n";
    EXPECT_EQ(figures.runs, runs);
}

}  // namespace
}  // namespace quintrick::testing
