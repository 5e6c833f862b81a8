// The human's play and the computer's ticks on the real view, driven with QTest events.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <cmath>

#include "engine/strings.h"
#include "scripted_dialogs.h"
#include "shell/extras/command_ids.h"
#include "shell/extras/tip_window.h"
#include "shell/main_frame.h"
#include "text/ui_text.h"
#include "window_fixture.h"

namespace quintrick::testing {
namespace {

constexpr CardId C(int suit, int rank) {
    return MakeCard(suit, rank - 2);
}

class ViewPlay : public StartedWindow {
  protected:
    // A trick in which the human is to play: `leader` has led, the seats up to the human have
    // followed with `before`, and the human holds `hand`.
    void HumanToPlay(int leader, std::initializer_list<CardId> before,
                     std::initializer_list<CardId> hand) {
        gs().m_field.fill(kNoCard);
        gs().m_leader = leader;
        int seat = leader;
        for (CardId card : before) {
            gs().m_field[seat] = card;
            seat = (seat + 1) % 5;
        }
        if (before.size() > 0 && *before.begin() != kJoker)
            gs().m_calledSuit = SuitOf(*before.begin());
        gs().m_turn = kHumanSeat;
        auto& h = gs().m_hand[kHumanSeat];
        h.fill(kNoCard);
        std::copy(hand.begin(), hand.end(), h.begin());
        std::sort(h.begin(), h.begin() + hand.size());
        gs().m_handCount[kHumanSeat] = int(hand.size());
        gs().m_busy = 1;
        view().RedrawTable();
    }

    // A client point inside base point (bx, by).
    QPoint Screen(int bx, int by) {
        const Scales& s = view().Table().m_scales;
        return QPoint(int(std::ceil((bx + 0.5) * s.sx)), int(std::ceil((by + 0.5) * s.sy)));
    }
    QPoint CardPoint(int i) {
        const Rect r = view().Table().CardRect(i);
        return Screen(r.left + 8, r.top + 60);
    }
    QPoint FieldCentre() {
        const Rect f = view().Table().FieldRect();
        return Screen((f.left + f.right) / 2, (f.top + f.bottom) / 2);
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(&view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&view(), to);
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, to);
    }
};

TEST_F(ViewPlay, AComputerTrickPlaysOneCardPerTick) {
    gs().m_field.fill(kNoCard);
    gs().m_leader = gs().m_turn = 0;
    gs().m_busy = 0;
    for (int played = 1; played <= 4; ++played) {
        view().FireTimer(kGameTimerEvent);
        EXPECT_EQ(gs().FieldCount(), played) << gs().Dump();
    }
    EXPECT_EQ(gs().m_turn, kHumanSeat);
    view().FireTimer(kGameTimerEvent);  // the human's turn: the game waits
    EXPECT_EQ(gs().FieldCount(), 4);
    EXPECT_EQ(gs().m_busy, 1);
}

TEST_F(ViewPlay, TheComputersWaitWhilePausedOrWhileAMenuIsOpen) {
    struct Case {
        const char* what;
        std::function<void()> hold, release;
    };
    std::unique_ptr<QMenu> menu;
    std::unique_ptr<QMessageBox> question;
    const Case cases[] = {
        {"P", [this] { QTest::keyClick(&view(), Qt::Key_P); },
         [this] { QTest::keyClick(&view(), Qt::Key_P); }},
        {"a menu",
         [&menu, this] {
             menu = view().BuildPopupMenu(0);
             menu->popup(view().mapToGlobal(QPoint(20, 20)));
         },
         [&menu] { menu.reset(); }},
        {"a question",
         [&question, this] {
             question = std::make_unique<QMessageBox>(QMessageBox::Question, "Quintrick", "?",
                                                      QMessageBox::Yes | QMessageBox::No, &view());
             question->open();
         },
         [&question] { question.reset(); }},
    };
    view().KillTimer(kGameTimerEvent);  // only the ticks given here
    for (const Case& c : cases) {
        gs().m_field.fill(kNoCard);
        gs().m_leader = gs().m_turn = 0;
        gs().m_busy = 0;
        c.hold();
        ASSERT_TRUE(view().GameHeldStill()) << c.what;
        for (int i = 0; i < 4; ++i) view().FireTimer(kGameTimerEvent);
        EXPECT_EQ(gs().FieldCount(), 0) << c.what << ": no computer plays behind it";
        c.release();
        QCoreApplication::processEvents();
        EXPECT_FALSE(view().GameHeldStill()) << c.what;
        view().FireTimer(kGameTimerEvent);
        EXPECT_EQ(gs().FieldCount(), 1) << c.what << ": the game goes on";
    }
}

TEST_F(ViewPlay, KeysShowTheScoreTheLastTrickAndTheDiscards) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    gs().m_discard[0] = C(1, 2);
    gs().m_discardCount = 1;
    QTest::keyClick(&view(), Qt::Key_L);
    EXPECT_EQ(gs().m_showLastTrick, 1);
    QTest::keyClick(&view(), Qt::Key_D);
    EXPECT_EQ(gs().m_showDiscards, 0) << "one view at a time";
    QTest::keyClick(&view(), Qt::Key_L);
    EXPECT_EQ(gs().m_showLastTrick, 0);
    QTest::keyClick(&view(), Qt::Key_D);
    EXPECT_EQ(gs().m_showDiscards, 1);
    QTest::keyClick(&view(), Qt::Key_Escape);
    EXPECT_EQ(gs().m_showDiscards, 0);
    QTest::keyClick(&view(), Qt::Key_S);
    EXPECT_EQ(gs().m_showScore, 1);
    QTest::keyClick(&view(), Qt::Key_S);
    EXPECT_EQ(gs().m_showScore, 0);
    // Each key is named in its menu.
    const auto game = view().BuildPopupMenu(0);
    const auto settings = view().BuildPopupMenu(1);
    const std::pair<QMenu*, int> items[] = {{game.get(), kCmdLastTrick},
                                            {game.get(), kCmdDiscards},
                                            {game.get(), kCmdPause},
                                            {settings.get(), kCmdScore}};
    const char* keys[] = {"\tL", "\tD", "\tP", "\tS"};
    for (int i = 0; i < 4; ++i) {
        QAction* item = items[i].first->findChild<QAction*>(QString::number(items[i].second));
        ASSERT_NE(item, nullptr) << keys[i];
        EXPECT_TRUE(item->text().endsWith(QLatin1String(keys[i]))) << item->text().toStdString();
    }
}

TEST_F(ViewPlay, TheTurnMarkPointsAtTheHumanWhileTheHumanAnswers) {
    HumanToPlay(0, {C(0, 5)}, {C(0, 3), C(0, 4), C(2, 6)});
    gs().m_turn = 1;  // a computer's turn
    std::vector<bool> marked;
    dialogs.onMessage = [this, &marked](int) { marked.push_back(view().Table().m_humanAnswers); };
    view().ShowMessage(kMsgRelatedSweepAsk, {}, kStyleQuestion);
    view().ShowMessage(kMsgRelatedWins, {}, kStyleInfo);
    EXPECT_EQ(marked, (std::vector<bool>{true, false})) << "a question, not a notice";
    EXPECT_FALSE(view().Table().m_humanAnswers) << "back to the player whose turn it is";
}

TEST_F(ViewPlay, TheTableSaysWhatItWaitsFor) {
    EXPECT_TRUE(view().StatusLine().isEmpty());
    gs().m_phase = 2;
    gs().m_turn = kHumanSeat;
    gs().m_showCount = 1;
    EXPECT_EQ(view().StatusLine(), UiText(kStatusShowCards).arg(1));
    gs().m_phase = 1;
    view().TogglePause();
    EXPECT_EQ(view().StatusLine(), UiText(kStatusPaused));
    view().TogglePause();
    EXPECT_TRUE(view().StatusLine().isEmpty());
}

TEST_F(ViewPlay, AnIllegalCardIsRefusedWithTheRuleMessageOnlyWhileRuleMessagesAreOn) {
    for (int ruleRem : {1, 0}) {
        view().Settings().m_ruleRem = ruleRem;
        dialogs.messages.clear();
        HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(2, 4), C(2, 6)});
        QTest::mousePress(&view(), Qt::LeftButton, {}, CardPoint(1));  // a heart
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, CardPoint(1));
        EXPECT_EQ(gs().m_handCount[kHumanSeat], 3);
        EXPECT_EQ(gs().m_dragging, 0);
        EXPECT_EQ(gs().m_field[kHumanSeat], kNoCard);
        EXPECT_EQ(dialogs.messages,
                  ruleRem ? std::vector<int>{kMsgRuleFollowSuit} : std::vector<int>{});
    }
}

TEST_F(ViewPlay, ADropOutsideTheZoneReturnsTheCardInsidePlaysIt) {
    struct Case {
        const char* where;
        bool played;
    };
    for (const Case& c : {Case{"far", false}, Case{"centre", true}, Case{"just outside", true}}) {
        HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
        const Rect f = view().Table().FieldRect();
        QPoint to = FieldCentre();
        if (std::string(c.where) == "far") to = Screen(1190, 890);
        if (std::string(c.where) == "just outside") to = Screen(f.right + f.Width() / 8, f.top + 5);
        Drag(CardPoint(1), to);
        EXPECT_EQ(gs().m_dragging, 0) << c.where;
        if (c.played) {
            EXPECT_EQ(gs().m_field[kHumanSeat], C(0, 4)) << c.where;
            EXPECT_EQ(gs().m_turn, 0) << c.where;
        } else {
            EXPECT_EQ(gs().m_field[kHumanSeat], kNoCard) << c.where;
            ASSERT_EQ(gs().m_handCount[kHumanSeat], 3);
            EXPECT_EQ(gs().m_hand[kHumanSeat][1], C(0, 4)) << "back at its place";
        }
    }
}

// The explanation of the field shows when the pointer rests there, but not while a card is
// carried over it, nor after the card has been dropped there.
TEST_F(ViewPlay, NoExplanationWhileACardIsHeld) {
    view().Settings().m_dspRem = 1;
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    auto* tip = view().findChild<QWidget*>("explanationTip");
    const auto restOn = [&](QPoint at) {
        for (int step = 0; step < 3; ++step) QTest::mouseMove(&view(), at + QPoint(step, 0));
        QTest::qWait(CTipWindow::kReshowMs + 300);
    };
    restOn(FieldCentre());
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(tip->isVisible()) << "the field has an explanation";
    QTest::mouseMove(&view(), CardPoint(1));
    QTest::mousePress(&view(), Qt::LeftButton, {}, CardPoint(1));
    ASSERT_EQ(gs().m_dragging, 1);
    restOn(FieldCentre());
    EXPECT_FALSE(tip->isVisible()) << "a card is held";
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, FieldCentre() + QPoint(2, 0));
    ASSERT_EQ(gs().m_field[kHumanSeat], C(0, 4));
    QTest::qWait(CTipWindow::kReshowMs + 300);
    EXPECT_FALSE(tip->isVisible()) << "after the drop";
}

TEST_F(ViewPlay, DoubleClickAndKeyboardPlay) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    QTest::mouseDClick(&view(), Qt::LeftButton, {}, CardPoint(1));
    EXPECT_EQ(gs().m_field[kHumanSeat], C(0, 4));

    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    gs().m_cursor = 2;
    QTest::keyClick(&view(), Qt::Key_Right);  // wraps to the first card
    EXPECT_EQ(gs().m_cursor, 0);
    QTest::keyClick(&view(), Qt::Key_Left);  // wraps to the last card
    view().repaint();
    EXPECT_EQ(gs().m_cursor, 2);
    QTest::keyClick(&view(), Qt::Key_Home);
    EXPECT_EQ(gs().m_cursor, 0);
    QTest::keyClick(&view(), Qt::Key_End);
    EXPECT_EQ(gs().m_cursor, 2);
    QTest::keyClick(&view(), Qt::Key_Left);
    QTest::keyClick(&view(), Qt::Key_Return);
    EXPECT_EQ(gs().m_field[kHumanSeat], C(0, 4));
}

TEST_F(ViewPlay, LeadingTheJokerAsksForTheSuit) {
    view().Settings().m_ruleRem = 1;
    HumanToPlay(
        kHumanSeat, {},
        {kJoker, C(0, 3), C(1, 4), C(2, 6), C(3, 8), C(3, 9), C(3, 10), C(3, 11), C(3, 12)});
    dialogs.messages.clear();
    gs().m_cursor = 0;
    QTest::keyClick(&view(), Qt::Key_Space);
    EXPECT_EQ(dialogs.suitDialogs, 1);
    EXPECT_EQ(dialogs.messages, std::vector<int>{kMsgJokerLeadPrompt});
    EXPECT_EQ(gs().m_field[kHumanSeat], kJoker);
    EXPECT_EQ(gs().m_calledSuit, 2);
}

TEST_F(ViewPlay, ShowCardsInBattleTwo) {
    HumanToPlay(kHumanSeat, {},
                {C(0, 3), C(0, 4), C(1, 6), C(2, 8), C(3, 9), C(3, 10), C(3, 11), C(3, 12),
                 C(3, 13), C(3, 14)});
    gs().m_phase = 2;
    gs().m_battle = 2;
    gs().m_showCount = 0;
    gs().m_showPartner = gs().m_trumpPartner = kHumanSeat;
    gs().m_holder = {0, 1, 0, 0, 2};
    view().RedrawTable();
    QTest::mouseDClick(&view(), Qt::LeftButton, {}, CardPoint(0));
    EXPECT_EQ(gs().m_showCount, 1);
    EXPECT_EQ(gs().m_showCard[0], C(0, 3));
    Drag(CardPoint(0), FieldCentre());
    EXPECT_EQ(gs().m_showCard[1], C(0, 4));
    EXPECT_EQ(gs().m_phase, 1) << "the second show card finishes the show";
}

TEST_F(ViewPlay, PressingTheFieldShowsThePreviousTrickOnlyAfterTheFirstTrick) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    QTest::mousePress(&view(), Qt::LeftButton, {}, FieldCentre());
    EXPECT_EQ(gs().m_showLastTrick, 1);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, FieldCentre());
    EXPECT_EQ(gs().m_showLastTrick, 0);

    HumanToPlay(0, {C(0, 5)},
                {C(0, 3), C(0, 4), C(2, 6), C(2, 7), C(2, 8), C(2, 9), C(2, 10), C(2, 11), C(2, 12),
                 C(2, 13)});
    QTest::mousePress(&view(), Qt::LeftButton, {}, FieldCentre());
    EXPECT_EQ(gs().m_showLastTrick, 0) << "ten cards in hand: no previous trick";
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, FieldCentre());
}

TEST_F(ViewPlay, TheAngleFollowsTheFrontEdgeAndIsStoredAtRelease) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    view().Table().SetKakudo(21);
    view().RedrawTable();
    const Rect edge = TableEdgeRect(21);
    const int y = (edge.top + edge.bottom) / 2;
    ASSERT_TRUE(view().Table().HitTableEdge(1100, y));
    QTest::mousePress(&view(), Qt::LeftButton, {}, Screen(1100, y));
    ASSERT_TRUE(view().Input().AngleDragging());
    QTest::mouseMove(&view(), Screen(1100, 600));
    EXPECT_NEAR(view().Table().Kakudo(), 19.0, 0.1);
    QTest::mouseMove(&view(), Screen(1100, 486));
    EXPECT_NEAR(view().Table().Kakudo(), 9.5, 0.1);
    QTest::mouseMove(&view(), Screen(1100, 300));  // above the range: the angle stays
    EXPECT_NEAR(view().Table().Kakudo(), 9.5, 0.1);
    EXPECT_EQ(view().Input().CurrentPointer(), Pointer::NoEntry);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, Screen(1100, 300));
    EXPECT_EQ(view().Profile().ReadInt("Last", "Kakudo", 0), 9);
    EXPECT_NEAR(view().Table().Kakudo(), 9.5, 0.1) << "the fraction is kept in memory";
}

// The whole hand in the human's grip: the last card dragged onto the field is played.
TEST_F(ViewPlay, TheLastCardCanBeDraggedOntoTheField) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(2, 6)});
    Drag(CardPoint(0), FieldCentre());
    EXPECT_EQ(gs().m_field[kHumanSeat], C(2, 6)) << gs().Dump();
    EXPECT_EQ(gs().m_handCount[kHumanSeat], 0);
    EXPECT_EQ(gs().m_turn, 0);
    EXPECT_EQ(gs().m_dragging, 0);
}

// Every release ends what the press held, wherever it happens; a card that is not played goes
// back to its place before anything else (menu, score board) happens.
TEST_F(ViewPlay, AHeldCardGoesBackBeforeTheMenuOpens) {
    const QPoint gameIcon = Screen(20, 80);
    for (int icon : {0, 1, 2}) {
        HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
        int handWhenMenuRan = -1;
        dialogs.onMenu = [&](QMenu&) {
            handWhenMenuRan = gs().m_dragging == 0 ? gs().m_handCount[kHumanSeat] : -1;
        };
        const QPoint to = icon == 0 ? gameIcon : Screen(icon == 1 ? 70 : 100, 80);
        Drag(CardPoint(1), to);
        EXPECT_EQ(handWhenMenuRan, 3) << "icon " << icon;
        EXPECT_EQ(gs().m_dragging, 0);
        EXPECT_EQ(gs().m_pickedCard, kNoCard);
        ASSERT_EQ(gs().m_handCount[kHumanSeat], 3);
        EXPECT_EQ(gs().m_hand[kHumanSeat][1], C(0, 4));
        // The next press picks a card up as usual, and the hand can still be played out.
        Drag(CardPoint(1), FieldCentre());
        EXPECT_EQ(gs().m_field[kHumanSeat], C(0, 4)) << "icon " << icon;
    }
    dialogs.onMenu = {};
}

TEST_F(ViewPlay, AReleaseUnderTheScoreBoardPutsTheCardBack) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    gs().m_showScore = 1;
    view().RedrawTable();
    Drag(CardPoint(2), CardPoint(2));
    EXPECT_EQ(gs().m_showScore, 0) << "the release hides the board";
    EXPECT_EQ(gs().m_dragging, 0);
    ASSERT_EQ(gs().m_handCount[kHumanSeat], 3);
    EXPECT_EQ(gs().m_hand[kHumanSeat][2], C(2, 6));
    QTest::mouseDClick(&view(), Qt::LeftButton, {}, CardPoint(0));
    EXPECT_EQ(gs().m_field[kHumanSeat], C(0, 3));
}

TEST_F(ViewPlay, APressWhileACardIsHeldIsIgnored) {
    HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
    QTest::mousePress(&view(), Qt::LeftButton, {}, CardPoint(0));
    ASSERT_EQ(gs().m_pickedCard, C(0, 3));
    // The release was lost: the next press comes while the card is still held.
    QTest::mousePress(&view(), Qt::LeftButton, {}, CardPoint(0));
    EXPECT_EQ(gs().m_pickedCard, C(0, 3));
    EXPECT_EQ(gs().m_handCount[kHumanSeat], 2);
    QTest::keyClick(&view(), Qt::Key_Return);  // no play while a card is held
    EXPECT_EQ(gs().m_field[kHumanSeat], kNoCard);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, Screen(1190, 890));
    ASSERT_EQ(gs().m_handCount[kHumanSeat], 3);
    EXPECT_EQ(gs().m_hand[kHumanSeat][0], C(0, 3));
    EXPECT_EQ(gs().m_hand[kHumanSeat][1], C(0, 4));
    EXPECT_EQ(gs().m_pickedCard, kNoCard);
}

TEST_F(ViewPlay, TheHeldViewsEndAtTheFirstReleaseWhereverItIs) {
    gs().m_discardCount = 2;
    gs().m_discard[0] = C(1, 3);
    gs().m_discard[1] = C(1, 4);
    for (const char* what : {"last trick", "discards", "angle"}) {
        HumanToPlay(0, {C(0, 5), C(0, 7), C(0, 9), C(0, 10)}, {C(0, 3), C(0, 4), C(2, 6)});
        const Rect d = view().Table().DiscardRect();
        const Rect edge = TableEdgeRect(Perspective(view().Table().Kakudo()).ti);
        QPoint at = FieldCentre();
        if (std::string(what) == "discards") at = Screen((d.left + d.right) / 2, d.top + 5);
        if (std::string(what) == "angle") at = Screen(1100, (edge.top + edge.bottom) / 2);
        QTest::mousePress(&view(), Qt::LeftButton, {}, at);
        const bool held =
            gs().m_showLastTrick == 1 || gs().m_showDiscards == 1 || view().Input().AngleDragging();
        ASSERT_TRUE(held) << what;
        QTest::mouseRelease(&view(), Qt::LeftButton, {}, Screen(20, 80));  // the game icon
        EXPECT_EQ(gs().m_showLastTrick, 0) << what;
        EXPECT_EQ(gs().m_showDiscards, 0) << what;
        EXPECT_FALSE(view().Input().AngleDragging()) << what;
        // The hand still plays.
        QTest::mouseDClick(&view(), Qt::LeftButton, {}, CardPoint(0));
        EXPECT_EQ(gs().m_field[kHumanSeat], C(0, 3)) << what;
    }
}

}  // namespace
}  // namespace quintrick::testing
