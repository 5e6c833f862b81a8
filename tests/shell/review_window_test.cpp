// The review window on a kept game: a frame at every card and battle start, the keys that step
// through them, the human's choices with their values once the review is made off the GUI
// thread, the review kept and read back instantly, and a cancelled review.
#include "shell/review_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "match_runner.h"
#include "shell/play_reason.h"
#include "shell/result_panel.h"

namespace quintrick::testing {
namespace {

GameMoves FirstGame(int start, ComputerLevel computers = ComputerLevel::kRules) {
    RunnerOptions options;
    options.human = HumanPolicy::kRules;
    options.computers = computers;
    options.samples = 8;
    MatchRunner runner(3, start, 1, options);
    runner.m_host.m_keepLog = false;
    CMoveRecorder recorder(runner.m_gs);
    runner.m_host.AddObserver(&recorder);
    runner.Start();
    while (!recorder.Moves().Complete() && !runner.m_host.m_closeRequested) runner.Step();
    return recorder.Moves();
}

void Press(QWidget& w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

TEST(ReviewWindow, StepsThroughTheGameAndShowsTheChoicesOnceReviewed) {
    const GameMoves moves = FirstGame(5151);
    ASSERT_TRUE(moves.Complete());
    int plays = 0, battles = 0;
    for (const Move& m : moves.moves) {
        plays += m.kind == MoveKind::kPlay;
        battles += m.kind == MoveKind::kLeader;
    }
    std::string kept;
    int stored = 0;
    ReviewCache cache{[&kept] { return kept; },
                      [&](const std::string& text) {
                          kept = text;
                          ++stored;
                      }};
    const ReviewSettings settings{16, kMistakeThreshold};
    {
        CReviewWindow window(moves, cache, nullptr, settings);
        EXPECT_EQ(window.Frames(), plays + battles);
        EXPECT_TRUE(window.findChild<QProgressBar*>("reviewProgress")->isVisibleTo(&window));
        window.WaitForReview();
        ASSERT_TRUE(window.Reviewed());
        EXPECT_FALSE(window.findChild<QProgressBar*>("reviewProgress")->isVisibleTo(&window));
        EXPECT_EQ(stored, 1);
        EXPECT_NE(window.findChild<QLabel*>("reviewSummary")->text().indexOf(u':'), -1);
        // The keys: one card on, the end, the start, a trick on.
        Press(window, Qt::Key_Right);
        EXPECT_EQ(window.Frame(), 1);
        Press(window, Qt::Key_End);
        EXPECT_EQ(window.Frame(), window.Frames() - 1);
        Press(window, Qt::Key_Home);
        EXPECT_EQ(window.Frame(), 0);
        Press(window, Qt::Key_PageDown);  // the first card of the first trick
        EXPECT_EQ(window.Frame(), 1);
        Press(window, Qt::Key_PageDown);  // five cards on: the first of the second trick
        EXPECT_EQ(window.Frame(), 6);
        Press(window, Qt::Key_PageUp);
        EXPECT_EQ(window.Frame(), 1);
        // At each of the human's plays with a choice, the choices with the card played marked.
        const auto* choices = window.findChild<QTableWidget*>("reviewChoices");
        int shown = 0;
        for (int f = 0; f < window.Frames(); ++f) {
            window.ShowFrame(f);
            if (choices->rowCount() == 0) continue;
            ++shown;
            int marked = 0;
            for (int r = 0; r < choices->rowCount(); ++r)
                marked += choices->item(r, 0)->font().bold();
            EXPECT_EQ(marked, 1) << "frame " << f;
        }
        EXPECT_EQ(shown, static_cast<int>(window.Review()->decisions.size()));
        EXPECT_GT(shown, 0);
    }
    // Opened again: the kept review is there at once, nothing is made again.
    CReviewWindow again(moves, cache, nullptr, settings);
    EXPECT_TRUE(again.Reviewed());
    EXPECT_FALSE(again.findChild<QProgressBar*>("reviewProgress")->isVisibleTo(&again));
    again.WaitForReview();
    EXPECT_EQ(stored, 1);
}

TEST(ReviewWindow, ACancelledReviewLeavesTheGameToStepThrough) {
    const GameMoves moves = FirstGame(777);
    int stored = 0;
    CReviewWindow window(moves, {{}, [&](const std::string&) { ++stored; }}, nullptr,
                         {kDefaultSamples, kMistakeThreshold});
    window.CancelReview();
    window.WaitForReview();
    EXPECT_FALSE(window.Reviewed());
    EXPECT_EQ(stored, 0);
    EXPECT_GT(window.Frames(), 10);
    Press(window, Qt::Key_End);
    EXPECT_EQ(window.Frame(), window.Frames() - 1);
}

TEST(ReviewWindow, ADamagedGameIsRefusedWithItsReason) {
    GameMoves moves = FirstGame(4000);
    for (Move& m : moves.moves) {
        if (m.kind == MoveKind::kPlay && m.v[0] == kHumanSeat) {
            m.v[1] = m.v[1] == 51 ? 50 : 51;
            break;
        }
    }
    CReviewWindow window(moves, {}, nullptr, {8, kMistakeThreshold});
    EXPECT_EQ(window.Frames(), 0);
    EXPECT_FALSE(window.Reviewed());
    EXPECT_NE(window.findChild<QLabel*>("reviewCaption")->text().indexOf(QStringLiteral("move")),
              -1);
}

TEST(ReviewWindow, EveryComputerCardShowsWhyItWasChosen) {
    // The characters' orders and the sampling player: every step they name has its words, and
    // the caption at each card says them for a computer's card and nothing for the human's.
    for (const ComputerLevel level : {ComputerLevel::kRules, ComputerLevel::kStrong}) {
        const GameMoves moves = FirstGame(2024, level);
        ASSERT_TRUE(moves.Complete());
        CReviewWindow window(moves, {}, nullptr, {8, kMistakeThreshold});
        window.CancelReview();
        const auto* caption = window.findChild<QLabel*>("reviewCaption");
        const QString line = PlayReasonLine("search");
        const QString head = line.left(line.indexOf(PlayReasonText("search")));
        ASSERT_FALSE(head.isEmpty());
        int computerCards = 0, humanCards = 0;
        for (int move = 0; move < int(moves.moves.size()); ++move) {
            const Move& m = moves.moves[size_t(move)];
            if (m.kind != MoveKind::kPlay) continue;
            window.ShowFrame(window.FrameOfMove(move));
            const QString shown = caption->text();
            if (m.why.empty()) {
                ++humanCards;
                EXPECT_EQ(shown.indexOf(head), -1) << shown.toStdString();
                continue;
            }
            ++computerCards;
            const QString reason = PlayReasonText(m.why);
            EXPECT_FALSE(reason.isEmpty()) << "no words for the step " << m.why;
            EXPECT_NE(shown.indexOf(PlayReasonLine(m.why)), -1)
                << m.why << ": " << shown.toStdString();
        }
        EXPECT_GT(computerCards, 3 * humanCards);
        EXPECT_GT(humanCards, 0);
        window.WaitForReview();
    }
}

TEST(ReviewWindow, StepNamesTurnIntoTheirOwnWords) {
    struct Case {
        const char* why;
        bool words;
    };
    const Case cases[] = {
        {"take-trick", true},   {"lowest-of-suit", true}, {"joker-lead", true},   {"search", true},
        {"only-choice", true},  {"no-world", true},       {"lowest-legal", true}, {"", false},
        {"take-trick ", false}, {"unknown-step", false},
    };
    QStringList seen;
    for (const Case& c : cases) {
        const QString text = PlayReasonText(c.why);
        EXPECT_EQ(!text.isEmpty(), c.words) << c.why;
        EXPECT_EQ(!PlayReasonLine(c.why).isEmpty(), c.words) << c.why;
        if (c.words) {
            EXPECT_FALSE(seen.contains(text)) << c.why << " says what another step says";
            EXPECT_NE(PlayReasonLine(c.why).indexOf(text), -1) << c.why;
            seen << text;
        }
    }
}

TEST(ResultPanel, TheReviewButtonAndVAskForTheReviewTheOtherKeysJustClose) {
    GameResult result;
    result.game = 4;
    struct Case {
        int key;  // 0: the review button is clicked
        int answer;
    };
    const Case cases[] = {{Qt::Key_V, CResultPanel::kReview},
                          {0, CResultPanel::kReview},
                          {Qt::Key_Return, QDialog::Accepted},
                          {Qt::Key_Space, QDialog::Accepted},
                          {Qt::Key_Escape, QDialog::Accepted}};
    for (const Case& c : cases) {
        CResultPanel panel(result);
        QTimer::singleShot(0, &panel, [&panel, key = c.key] {
            if (key == 0) {
                panel.findChild<QPushButton*>("resultReview")->click();
            } else {
                Press(panel, key);
            }
        });
        EXPECT_EQ(panel.exec(), c.answer) << c.key;
    }
}

}  // namespace
}  // namespace quintrick::testing
