// The explanation tip: when it comes up and goes down, what it looks like, how wide it gets.
#include "shell/extras/tip_window.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "engine/strings.h"

namespace quintrick {
namespace {

class TipWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        view.resize(600, 450);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        Move({200, 200});
    }
    void Move(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        tip.RelayEvent(&e);
    }
    bool ComesUp(int withinMs) {
        return QTest::qWaitFor([&] { return tip.isVisible(); }, withinMs);
    }

    QWidget view;
    CTipWindow tip{&view};
};

TEST_F(TipWindow, ShowsAfterTheInitialDelayAndKeepsOrHides) {
    tip.Apply({HoverHelp::Action::Show, kTipTrump});
    EXPECT_FALSE(tip.isVisible());  // not before the pointer has rested
    ASSERT_TRUE(ComesUp(1000));
    EXPECT_EQ(tip.ToolText().toStdString(), LoadString(kTipTrump));
    // The balloon sits below the pointer.
    EXPECT_GT(tip.geometry().top(), view.mapToGlobal(QPoint(200, 200)).y());

    // A gap between the counters changes nothing; another element's text replaces it in place.
    tip.Apply({HoverHelp::Action::Keep, 0});
    EXPECT_TRUE(tip.isVisible());
    tip.Apply({HoverHelp::Action::Show, kTipTurnMark});
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.ToolText().toStdString(), LoadString(kTipTurnMark));

    tip.Apply({HoverHelp::Action::Hide, 0});
    EXPECT_FALSE(tip.isVisible());
    EXPECT_FALSE(tip.IsActive());
}

// The lines of a plate's tip: the character, the strength, the group; the group alone when the
// character has no text.
TEST_F(TipWindow, PlateTipEndsWithTheGroup) {
    const auto text = [](int id) { return std::string(LoadString(id)); };
    tip.Apply({HoverHelp::Action::Show, 30106, kTipTurnMark, kTipGroupRelated});
    EXPECT_EQ(tip.ToolText().toStdString(),
              text(30106) + "\n" + text(kTipTurnMark) + "\n" + text(kTipGroupRelated));
    tip.Apply({HoverHelp::Action::Show, 0, 0, kTipGroupUnrelated});
    EXPECT_EQ(tip.ToolText().toStdString(), text(kTipGroupUnrelated));
    EXPECT_EQ(text(kTipGroupRelated), "○の印：関係グループ");
}

TEST_F(TipWindow, SwitchingOffEmptiesTheTextAtOnce) {
    tip.Apply({HoverHelp::Action::Show, kTipField});
    ASSERT_TRUE(ComesUp(1000));
    tip.SetToolText({});  // the setting switched off
    EXPECT_FALSE(tip.isVisible());
    EXPECT_FALSE(ComesUp(400));
    // A text that cannot be loaded shows no balloon either.
    tip.Apply({HoverHelp::Action::Show, 0});
    EXPECT_FALSE(ComesUp(400));
}

TEST_F(TipWindow, AClickTakesItDownUntilAnotherTextComes) {
    tip.Apply({HoverHelp::Action::Show, kTipDiscard});
    ASSERT_TRUE(ComesUp(1000));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(200, 200),
                      view.mapToGlobal(QPointF(200, 200)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    tip.RelayEvent(&press);
    EXPECT_FALSE(tip.isVisible());
    tip.Apply({HoverHelp::Action::Show, kTipDiscard});
    EXPECT_FALSE(ComesUp(400));
    tip.Apply({HoverHelp::Action::Show, kTipRight});
    EXPECT_FALSE(tip.isVisible());
    EXPECT_TRUE(ComesUp(3000));
}

TEST_F(TipWindow, ColoursWidthAndLineBreaks) {
    const QString oneLine(200, QChar(0x6c34));  // 200 ideographs in one line wrap at 512 pixels
    const QSize wide = tip.BalloonSize(oneLine);
    const QSize narrow = tip.BalloonSize(QStringLiteral("現在の打ち手を表しています"));
    const QSize broken = tip.BalloonSize(QStringLiteral("現在の打ち手を\n表しています"));
    EXPECT_LE(wide.width(), 512 + 2 + 2 + 10);
    EXPECT_GT(wide.width(), 400);
    EXPECT_GT(wide.height(), 3 * narrow.height() / 2);
    EXPECT_LT(narrow.width(), 512);
    EXPECT_GT(broken.height(), narrow.height());
    EXPECT_LT(broken.width(), narrow.width());

    tip.Apply({HoverHelp::Action::Show, kTipTrump});
    ASSERT_TRUE(ComesUp(1000));
    const QImage shot = tip.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), tip.BalloonSize(tip.ToolText()));
    int background = 0, text = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb c = shot.pixel(x, y) & 0xffffff;
            background += c == 0xf0cfb5;
            text += c == 0x003366;
        }
    }
    EXPECT_GT(background, shot.width() * shot.height() / 2);
    EXPECT_GT(text, 20);
}

}  // namespace
}  // namespace quintrick
