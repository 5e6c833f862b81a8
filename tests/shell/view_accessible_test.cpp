// The table for screen readers on the real view: the accessible tree (hand, field, status,
// announcement) follows the game. (The events that tell a screen reader of each change leave Qt
// only through a platform's accessibility bridge: the AT-SPI test in tests/e2e checks them.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QTest>

#include "engine/settings_table.h"
#include "engine/trick_rules.h"
#include "scripted_dialogs.h"
#include "shell/access_settings.h"
#include "shell/extras/command_ids.h"
#include "shell/key_reference.h"
#include "shell/main_frame.h"
#include "shell/table_speech.h"
#include "text/ui_text.h"

namespace quintrick::testing {
namespace {

class ViewAccessible : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ClearProfile();
        ASSERT_TRUE(OpenFrame(frame, dialogs));
        // As a screen reader does first: the tree is asked for.
        ASSERT_NE(table(), nullptr);
        dialogs.messages.clear();
        view().OnCommand(32771);  // start: deals the first game
        ASSERT_EQ(gs().m_phase, 1);
    }

    CT40913View& view() { return frame->View(); }
    GameState& gs() { return view().Gs(); }
    QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(&view()); }
    QAccessibleInterface* part(int i) { return table()->child(i); }

    bool UntilHumansTurn() {
        for (int i = 0; i < 200 && !view().HintAvailable(); ++i) view().FireTimer(kGameTimerEvent);
        return view().HintAvailable();
    }
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ViewAccessible, TheTreeHoldsTheHandTheFieldTheStatusAndTheAnnouncement) {
    ASSERT_TRUE(UntilHumansTurn());
    ASSERT_NE(table(), nullptr);
    ASSERT_EQ(table()->childCount(), 4);
    const struct {
        int index;
        QAccessible::Role role;
    } parts[] = {{0, QAccessible::List},
                 {1, QAccessible::List},
                 {2, QAccessible::StaticText},
                 {3, QAccessible::Notification}};
    for (const auto& p : parts) {
        ASSERT_NE(part(p.index), nullptr);
        EXPECT_EQ(part(p.index)->role(), p.role) << p.index;
        EXPECT_EQ(part(p.index)->parent(), table()) << p.index;
        EXPECT_EQ(table()->indexOfChild(part(p.index)), p.index);
    }

    QAccessibleInterface* hand = part(0);
    ASSERT_EQ(hand->childCount(), gs().m_handCount[kHumanSeat]);
    int playable = 0;
    for (int pos = 0; pos < hand->childCount(); ++pos) {
        QAccessibleInterface* card = hand->child(pos);
        const CardId id = gs().m_hand[kHumanSeat][pos];
        EXPECT_EQ(card->text(QAccessible::Name), UiCardName(id)) << pos;
        const bool legal = IsLegalPlay(gs(), kHumanSeat, id) == Rule::kNone;
        EXPECT_EQ(!card->state().disabled, legal) << pos;
        EXPECT_EQ(card->text(QAccessible::Description), PlayableText(legal)) << pos;
        EXPECT_EQ(card->state().selected, pos == gs().CursorInHand()) << pos;
        EXPECT_EQ(card->parent(), hand);
        playable += legal;
    }
    EXPECT_GT(playable, 0);

    QAccessibleInterface* field = part(1);
    ASSERT_EQ(field->childCount(), kSeats);
    for (int seat = 0; seat < kSeats; ++seat) {
        EXPECT_EQ(field->child(seat)->text(QAccessible::Name), FieldText(gs(), seat));
        const CardId card = gs().m_field[seat];
        if (card != kNoCard) {
            EXPECT_TRUE(field->child(seat)->text(QAccessible::Name).contains(UiCardName(card)));
        }
    }
    EXPECT_EQ(part(2)->text(QAccessible::Name), StatusText(gs(), true));
    // The computers before the human have been announced.
    EXPECT_FALSE(part(3)->text(QAccessible::Name).isEmpty());
}

TEST_F(ViewAccessible, TheKeyboardMarkAndAPlayedCardChangeTheTree) {
    ASSERT_TRUE(UntilHumansTurn());
    view().setFocus();
    const int first = gs().CursorInHand();
    QTest::keyClick(&view(), Qt::Key_Right);
    const int marked = gs().CursorInHand();
    ASSERT_NE(marked, first);
    EXPECT_TRUE(part(0)->child(marked)->state().selected);
    EXPECT_FALSE(part(0)->child(first)->state().selected);

    // The first playable card, played with Enter.
    const int pos = FirstLegalPosition(gs(), kHumanSeat);
    while (gs().CursorInHand() != pos) QTest::keyClick(&view(), Qt::Key_Right);
    const CardId card = gs().m_hand[kHumanSeat][pos];
    const int before = part(0)->childCount();
    QTest::keyClick(&view(), Qt::Key_Return);
    ASSERT_EQ(gs().m_field[kHumanSeat], card);
    EXPECT_EQ(part(0)->childCount(), before - 1);
    for (int i = 0; i < part(0)->childCount(); ++i) {
        EXPECT_NE(part(0)->child(i)->text(QAccessible::Name), UiCardName(card));
        EXPECT_TRUE(part(0)->child(i)->state().disabled) << "not the human's turn any more";
    }
    EXPECT_EQ(part(1)->child(kHumanSeat)->text(QAccessible::Name),
              QStringLiteral("あなた: ") + UiCardName(card));
    EXPECT_EQ(part(3)->text(QAccessible::Name),
              QStringLiteral("あなたが%1を出しました").arg(UiCardName(card)));
    EXPECT_TRUE(part(2)->text(QAccessible::Name).contains(QStringLiteral("の番です")));
}

TEST_F(ViewAccessible, EveryPlayOfATrickAndItsWinnerAreAnnounced) {
    ASSERT_TRUE(UntilHumansTurn());
    std::vector<QString> said;
    CTableAnnouncer listener(gs(), [&](const QString& text) { said.push_back(text); });
    view().Engine().AddObserver(&listener);
    const int before = gs().FieldCount();
    ASSERT_TRUE(view().Engine().PlayCardAt(FirstLegalPosition(gs(), kHumanSeat)));
    const auto won = [&] {
        return std::find_if(said.begin(), said.end(), [](const QString& s) {
            return s.contains(QStringLiteral("が取りました"));
        });
    };
    for (int i = 0; i < 20 && won() == said.end(); ++i) view().FireTimer(kGameTimerEvent);
    const auto end = won();
    ASSERT_NE(end, said.end());
    // The human's card and each one after it, in turn order, then the winner of the trick.
    std::vector<QString> plays(said.begin(), end);
    ASSERT_EQ(int(plays.size()), kSeats - before);
    for (int k = 0, seat = kHumanSeat; k < int(plays.size()); ++k, seat = NextSeat(seat)) {
        const QString expected = QStringLiteral("%1が%2を出しました")
                                     .arg(SeatName(gs(), seat), UiCardName(gs().m_lastTrick[seat]));
        EXPECT_TRUE(plays[k].startsWith(expected)) << plays[k].toStdString();
    }
    EXPECT_TRUE(plays.front().startsWith(QStringLiteral("あなたが")));
    // The announcement the screen reader has is the latest one.
    EXPECT_EQ(part(3)->text(QAccessible::Name).isEmpty(), false);
}

TEST_F(ViewAccessible, TheKeysOfTheKeyMapForPlayingWithoutSightOrMouse) {
    ASSERT_TRUE(UntilHumansTurn());
    view().setFocus();
    // I says the state of the game.
    QTest::keyClick(&view(), Qt::Key_I);
    EXPECT_EQ(part(3)->text(QAccessible::Name), StatusText(gs(), true));

    // M switches the sound off and on, and says so.
    const int soundOn = view().Settings().m_soundOn;
    QTest::keyClick(&view(), Qt::Key_M);
    EXPECT_EQ(view().Settings().m_soundOn, soundOn == 1 ? 0 : 1);
    EXPECT_EQ(Read(view().ProfileStore(), entries::kKoukaon), view().Settings().m_soundOn);
    QTest::keyClick(&view(), Qt::Key_M);
    EXPECT_EQ(view().Settings().m_soundOn, soundOn);

    // - and + in steps of 10 %, kept between 0 and 100 and stored.
    const struct {
        Qt::Key key;
        int volume;
    } steps[] = {{Qt::Key_Minus, 90}, {Qt::Key_Minus, 80}, {Qt::Key_Plus, 90},
                 {Qt::Key_Plus, 100}, {Qt::Key_Plus, 100}, {Qt::Key_Equal, 100}};
    for (const auto& step : steps) {
        QTest::keyClick(&view(), step.key);
        EXPECT_EQ(Read(view().ProfileStore(), entries::kVolume), step.volume);
        EXPECT_EQ(part(3)->text(QAccessible::Name), QStringLiteral("音量 %1 %").arg(step.volume));
    }
    for (int i = 0; i < 12; ++i) QTest::keyClick(&view(), Qt::Key_Minus);
    EXPECT_EQ(Read(view().ProfileStore(), entries::kVolume), 0);

    // ? opens the key reference over the table, with every key of the map; Escape closes it.
    QTest::keyClick(&view(), Qt::Key_Question, Qt::ShiftModifier);
    auto* keys = view().findChild<QFrame*>(QStringLiteral("keyReference"));
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(keys->isVisible());
    const QString text = keys->findChild<QLabel*>()->text();
    for (const KeyLine& line : TableKeys()) {
        EXPECT_TRUE(text.contains(line.keys.toHtmlEscaped())) << line.keys.toStdString();
        EXPECT_TRUE(text.contains(line.action.toHtmlEscaped())) << line.action.toStdString();
    }
    QTest::keyClick(keys, Qt::Key_Escape);
    EXPECT_FALSE(keys->isVisible());
    // The game's keys work again at once.
    const int mark = gs().CursorInHand();
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_NE(gs().CursorInHand(), mark);
}

TEST_F(ViewAccessible, TheAnnouncementsAsATextLine) {
    ASSERT_TRUE(UntilHumansTurn());
    QTest::keyClick(&view(), Qt::Key_I);
    EXPECT_EQ(view().findChild<QLabel*>(QStringLiteral("jimaku")), nullptr) << "off by default";
    view().OnCommand(kCmdJimaku);
    EXPECT_EQ(Read(view().ProfileStore(), entries::kJimaku), 1);
    ASSERT_TRUE(view().Engine().PlayCardAt(FirstLegalPosition(gs(), kHumanSeat)));
    auto* line = view().findChild<QLabel*>(QStringLiteral("jimaku"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text(), part(3)->text(QAccessible::Name));
    EXPECT_TRUE(line->text().startsWith(QStringLiteral("あなたが")));
    view().OnCommand(kCmdJimaku);
    EXPECT_FALSE(line->isVisible());
}

}  // namespace
}  // namespace quintrick::testing
