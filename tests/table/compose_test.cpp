// The composed table, checked at a few key pixels per layer with flat stand-in images.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fake_surfaces.h"
#include "memory_profile.h"
#include "recording_box.h"
#include "table/card_backs.h"
#include "table/group_sign.h"
#include "table/table.h"

namespace quintrick {
namespace {

using namespace quintrick::testing;

bool Near(QRgb a, QRgb b, int tolerance = 2) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class Compose : public ::testing::Test {
  protected:
    void SetUp() override {
        FillFakeSurfaces(table.m_s);
        gs.m_notReady = 0;
        gs.m_phase = 1;
        gs.m_game = 2;
        gs.m_battle = 1;
        gs.m_trump = 1;
        for (int seat = 0; seat < kSeats; ++seat) {
            for (int i = 0; i < kHandSize; ++i) gs.m_hand[seat][i] = 1 + seat * 10 + i;
            gs.m_handCount[seat] = kHandSize;
            gs.m_playerName[seat] = "大鴉";
        }
        gs.m_hand[4] = {1, 2, 3, 4, 5, 6, 7, 8, 14, 15};
        gs.m_turn = 1;
        gs.m_leader = 1;
    }
    QRgb Buffer(int x, int y) const { return table.m_s.m_backBuffer.pixel(x, y); }
    QRgb Surface(int x, int y) const { return table.m_s.m_tableSurface.pixel(x, y); }

    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox messages;
    CTable table{gs, settings, profile, messages};
};

TEST_F(Compose, BackgroundGradientFollowsTheAngle) {
    const std::pair<int, int> cases[] = {{9, 24}, {21, 96}, {26, 126}};
    for (auto [angle, b] : cases) {
        table.SetKakudo(angle);
        table.RedrawTable(true);
        EXPECT_TRUE(Near(Buffer(600, 0), qRgb(102, 102, 153))) << angle;
        EXPECT_TRUE(Near(Buffer(1190, 899), qRgb(0, b, b), 3)) << angle;
    }
    table.m_isNt6 = false;
    table.RedrawTable(true);
    EXPECT_EQ(Buffer(1190, 899), qRgb(102, 102, 153));
}

TEST_F(Compose, IndicatorsToolbarAndPanel) {
    gs.m_suitLeft = {3, 0, 12, 13};
    table.RedrawTable(true);
    EXPECT_EQ(Buffer(10, 20), kKeySuit);  // the trump symbol is copied opaquely
    EXPECT_EQ(Buffer(30, 30), kSuitColour);
    EXPECT_EQ(Buffer(60, 12), kLabelColour);
    EXPECT_EQ(Buffer(20, 70), kToolbarColour);
    // Spades 13: glyph 1 starts 13 left of the single-digit place, glyph 3 three right of it.
    const int x = 995 + 43 * 3 + 15;
    const int y = 4 + 66 + 40 + 5;
    EXPECT_EQ(Buffer(x - 13, y), kKeyLcd);  // column 0 of glyph 1, copied opaquely
    EXPECT_EQ(Buffer(x - 12, y), GlyphColour(1));
    EXPECT_EQ(Buffer(x + 4, y), GlyphColour(3));
    EXPECT_EQ(Buffer(x + 18, y), GlyphColour(3));
    EXPECT_EQ(Buffer(x + 19, y), qRgb(0, 102, 204));
    EXPECT_EQ(Buffer(x - 14, y), qRgb(0, 102, 204));
    // Clubs 3: one glyph at the place itself.
    EXPECT_EQ(Buffer(995 + 15 + 1, y), GlyphColour(3));
    // Switched off: no panel.
    settings.m_nokoriDsp = 0;
    table.RedrawTable(true);
    EXPECT_NE(Buffer(995 + 15 + 1, y), GlyphColour(3));
}

TEST_F(Compose, DeclarationsSwapTheGroupCounters) {
    gs.m_picturesLeft = 7;
    gs.m_relatedNeed = 5;
    gs.m_unrelatedNeed = 4;
    const int y = 4 + 40 + 5;
    const std::array<std::pair<int, int>, 3> cases{{{0, 5}, {1, 7}, {2, 1}}};
    for (auto [declaration, related] : cases) {
        gs.m_declaration = declaration;
        table.RedrawTable(false);
        EXPECT_EQ(Buffer(995 + 15 + 1, y), GlyphColour(related)) << declaration;
    }
    gs.m_declaration = 1;
    table.RedrawTable(false);
    EXPECT_EQ(Buffer(995 + 58 + 1, y), GlyphColour(1));
}

TEST_F(Compose, ProjectedTableAt21Degrees) {
    table.SetKakudo(21);
    table.RedrawTable(true);
    EXPECT_EQ(table.FieldRect(), (Rect{292, 333, 934, 513}));
    EXPECT_EQ(table.DiscardRect(), (Rect{84, 533, 307, 604}));
    EXPECT_TRUE(Near(Buffer(600, 420), qRgb(0, 160, 0)));     // field
    EXPECT_TRUE(Near(Buffer(1000, 600), qRgb(24, 131, 56)));  // felt
    EXPECT_NE(Buffer(600, 221), Buffer(600, 223));            // the far edge starts at y 222
    EXPECT_EQ(Buffer(1000, 629), qRgb(0, 72, 0));             // front edge 625..633
    EXPECT_EQ(Buffer(1000, 625), qRgb(0, 0, 0));
    EXPECT_EQ(Buffer(1000, 633), qRgb(0, 0, 0));
    EXPECT_NE(Buffer(1000, 634), qRgb(0, 0, 0));
}

TEST_F(Compose, TableSurfaceLayers) {
    table.SetKakudo(21);
    gs.m_field = {9, 20, 30, 40, 50};
    gs.m_pictureTaker.fill(-1);
    gs.m_pictureTaker[0] = 4;  // card 9
    gs.m_pictureTaker[5] = 4;  // card 23
    gs.m_pictureTaker[1] = 0;  // card 10, sideways
    gs.m_showCount = 1;
    gs.m_showCard = {44, 45};
    table.RedrawTable(true);
    EXPECT_EQ(Surface(600, 560), CardPixel(50, 100, 164));   // seat 4's field card
    EXPECT_EQ(Surface(690 + 214, 460), CardPixel(9, 0, 0));  // seat 0's card turned
    EXPECT_EQ(Surface(235, 460), CardPixel(40, 0, 214));
    EXPECT_EQ(Surface(430, 625), CardPixel(9, 3, 4));   // captured at (427, 621)
    EXPECT_EQ(Surface(475, 625), CardPixel(23, 3, 4));  // and (472, 621)
    EXPECT_EQ(Surface(915 + 214, 235 + 45), CardPixel(10, 0, 0));
    EXPECT_EQ(Surface(400, 316), CardPixel(44, 1, 1));  // show card 0
    EXPECT_NE(Surface(590 + 5, 320), CardPixel(45, 5, 5));
    // The last trick replaces the field while it is held.
    gs.m_showLastTrick = 1;
    gs.m_lastTrick = {1, 2, 3, 4, 5};
    table.RedrawTable(true);
    EXPECT_EQ(Surface(600, 560), CardPixel(5, 100, 164));
}

TEST_F(Compose, ASidewaysCapturedPictureIsItsCardTurned) {
    // Picture k alone at seat 0 lies turned at (915, 235 + 45).
    const std::pair<int, CardId> pictures[] = {{0, 9}, {3, 12}, {4, 22}, {15, 51}};
    for (auto [k, card] : pictures) {
        gs.m_pictureTaker.fill(-1);
        gs.m_pictureTaker[k] = 0;
        table.RedrawTable(true);
        EXPECT_EQ(Surface(915 + 214, 235 + 45), CardPixel(card, 0, 0)) << k;
        EXPECT_EQ(Surface(915, 235 + 45 + 150), CardPixel(card, 150, 214)) << k;
    }
}

TEST_F(Compose, ElevenPicturesOfOneSeatCloseUp) {
    gs.m_pictureTaker.fill(-1);
    for (int k = 0; k < 11; ++k) gs.m_pictureTaker[k] = 2;
    table.RedrawTable(true);
    // The j-th card of seat 2 lies at (102 + 15 j, 10); the eleventh is picture 10 (card 35).
    EXPECT_EQ(Surface(102 + 15 * 11 + 5, 15), CardPixel(PictureCard(10), 5, 5));
    EXPECT_EQ(Surface(102 + 15 * 1 + 5, 15), CardPixel(PictureCard(0), 5, 5));
}

TEST_F(Compose, DiscardPileAndItsSide) {
    table.SetKakudo(21);
    gs.m_discardCount = 10;
    table.RedrawTable(true);
    EXPECT_EQ(table.m_discardTopRow, 785);
    EXPECT_EQ(table.m_discardBottomRow, 795);
    EXPECT_EQ(Surface(60, 640), kBackColour);
    EXPECT_EQ(table.m_discardSide, (Rect{92, 595, 304, 600}));
    EXPECT_EQ(Buffer(200, 597), qRgb(164, 164, 164));
    EXPECT_EQ(Buffer(92, 597), qRgb(96, 96, 96));
    // Thirty discards: one line across the side per ten cards.
    gs.m_discardCount = 30;
    table.RedrawTable(true);
    const Rect side = table.m_discardSide;
    const int step = side.Height() / 4;
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Buffer(200, side.top + i * step), qRgb(96, 96, 96));
}

TEST_F(Compose, HumanHandPlateAndMark) {
    table.SetKakudo(21);
    gs.m_turn = 4;
    gs.m_holder[4] = 1;
    table.RedrawTable(true);
    EXPECT_EQ(Buffer(343 + 5, 605), CardPixel(1, 5, 5));
    EXPECT_EQ(Buffer(343 + 33 * 9 + 150, 605), CardPixel(15, 150, 5));
    EXPECT_EQ(table.HandRect(), (Rect{343, 600, 343 + 330 + 118, 815}));
    EXPECT_EQ(table.CardRect(9), (Rect{640, 600, 791, 815}));
    EXPECT_EQ(table.TurnMarkRect(), (Rect{309, 600, 343, 634}));
    EXPECT_EQ(table.PlateRect(4), (Rect{277, 634, 343, 668}));
    EXPECT_EQ(Buffer(310, 610), kTurnMarkColour);
    EXPECT_NE(Buffer(309, 610), kKeyPlate);  // the key stays transparent
    EXPECT_EQ(Buffer(300, 660), kPlateColour);
    EXPECT_NE(Buffer(277, 660), kKeyWhite);
    // The related group's circle over the plate's top-left corner, its rim dark, not over the name.
    EXPECT_EQ(Buffer(281, 638), kGroupSignWhite);
    EXPECT_LT(qGray(Buffer(281, 630)), 64);
    EXPECT_EQ(Buffer(295, 651), kPlateColour);
}

TEST_F(Compose, ComputerHandsFaceDownNeverShowTheKey) {
    CardBackContext ctx{table.m_s, profile, messages, {}};
    CCardBackSet c;
    ASSERT_TRUE(ComposeHandStrip(ctx, c));
    ASSERT_TRUE(table.m_s.m_handFans.UseStrip(table.m_s.m_handStrip));
    gs.m_handCount = {10, 7, 1, 0, 10};
    table.RedrawTable(true);
    int keyPixels = 0;
    for (int y = 0; y < kBaseHeight; ++y) {
        for (int x = 0; x < kBaseWidth; ++x) keyPixels += Near(Buffer(x, y), kKeyStrip, 8);
    }
    EXPECT_EQ(keyPixels, 0);
    // A fan's card backs at the far right seat; the empty side hand keeps plate and mark.
    // (sheet pixels of the back cells have almost no blue, unlike the background there)
    EXPECT_LT(qBlue(Buffer(680 + 150, 35 + 150)), 20);
    EXPECT_GT(qBlue(Buffer(680 + 300, 35 + 150)), 100);
    EXPECT_EQ(table.PlateRect(3), (Rect{44, 191, 110, 225}));
}

TEST_F(Compose, OpenHandsOnlyInTheFirstThreeGames) {
    settings.m_openMode = 1;
    table.SetKakudo(21);
    // Seat 2 face up: card 0 (id 21) scaled to 115 x 165 at (316, 35).
    table.RedrawTable(true);
    const QRgb faceUp = Buffer(316 + 2, 35 + 2);
    EXPECT_TRUE(Near(faceUp, CardPixel(21, 3, 3), 4));
    gs.m_game = 4;
    table.RedrawTable(true);
    EXPECT_NE(Buffer(316 + 2, 35 + 2), faceUp);
}

TEST_F(Compose, ScoreBoardWritesMinusFiveAndTheTotal) {
    gs.m_showScore = 1;
    gs.m_points[0][0] = -5;
    gs.m_points[1][0] = 12;
    table.RedrawTable(true);
    EXPECT_EQ(Buffer(330, 250), qRgb(0, 70, 0));
    EXPECT_EQ(Buffer(326, 250), qRgb(255, 255, 0));
    EXPECT_EQ(Buffer(324, 250), qRgb(66, 66, 39));
    // "-5" right-aligned: minus at 508..523, 5 at 524..539, ending at x 540.
    EXPECT_EQ(Buffer(509, 265), GlyphColour(10));
    EXPECT_EQ(Buffer(525, 265), GlyphColour(5));
    EXPECT_EQ(Buffer(539, 265), GlyphColour(5));
    EXPECT_EQ(Buffer(540, 265), qRgb(0, 70, 0));
    // The total row adds the ten games: 7.
    EXPECT_EQ(Buffer(525, 260 + 300 + 5), GlyphColour(7));
    EXPECT_EQ(Buffer(540, 260 + 300 + 5), qRgb(0, 70, 0));
    EXPECT_EQ(Buffer(522, 260 + 300 + 5), qRgb(0, 70, 0));
}

class Paint : public Compose {
  protected:
    QImage PaintAt(QSize client, float sx, float sy, const CTable::PaintHooks& hooks = {}) {
        table.m_scales = {sx, sy};
        QImage screen(client, QImage::Format_RGB32);
        screen.fill(Qt::black);
        QPainter p(&screen);
        table.Paint(p, client, hooks);
        return screen;
    }
};

TEST_F(Paint, ComposingAndPaintingWriteNothing) {
    // The hands for the peek process are published by the game's events, never by a drawing.
    gs.m_handCount[3] = 0;
    gs.m_turn = 4;
    gs.m_leader = 1;
    gs.m_field[1] = MakeCard(1, 4);
    gs.m_cursor = 12;  // beyond the hand: the mark wraps when drawn, the field stays
    const int writes = profile.Writes();
    const GameState before = gs;
    table.RedrawTable(true);
    gs.m_handCount[0] = 9;
    table.RedrawTable(false);
    PaintAt({1200, 900}, 1.0f, 1.0f);
    EXPECT_EQ(profile.Writes(), writes);
    EXPECT_EQ(profile.ReadString("Cun", "0", "?"), "?");
    gs.m_handCount[0] = 10;
    EXPECT_EQ(gs.Dump(), before.Dump());
    EXPECT_EQ(gs.m_cursor, 12);
    EXPECT_EQ(gs.m_trickRank, before.m_trickRank);
}

// The margins continue the table's background: its gradient's colour of the row beside the
// table, its bottom colour below it.
TEST_F(Paint, StretchesTheTableAndFillsTheMarginsWithItsBackground) {
    table.RedrawTable(true);
    const QImage screen = PaintAt({700, 500}, 640.0f / 1200, 480.0f / 900);
    EXPECT_TRUE(Near(screen.pixel(650, 10), qRgb(102, 102, 153)));
    EXPECT_TRUE(Near(screen.pixel(10, 490), qRgb(0, 96, 96)));  // the bottom colour at 21 degrees
    EXPECT_TRUE(Near(screen.pixel(690, 470), screen.pixel(5, 470), 4));
    EXPECT_TRUE(Near(screen.pixel(320, 0), qRgb(102, 102, 153)));
    EXPECT_NE(screen.pixel(639, 479), qRgb(255, 255, 255));
}

TEST_F(Paint, BannerFollowsTheState) {
    struct Case {
        int notReady, phase, declaration;
        bool banner;
    } cases[] = {{1, 1, 0, true}, {0, 0, 0, true}, {0, 2, 0, true},
                 {0, 1, 1, true}, {0, 1, 2, true}, {0, 1, 0, false}};
    for (const Case& c : cases) {
        gs.m_notReady = c.notReady;
        gs.m_phase = c.phase;
        gs.m_declaration = c.declaration;
        table.RedrawTable(true);
        const QImage screen = PaintAt({1200, 900}, 1.0f, 1.0f);
        EXPECT_EQ(screen.pixel(90, 110) == kBannerColour, c.banner) << c.phase << c.declaration;
    }
}

TEST_F(Paint, InfoIndicatorsOnlyOnTheHumansTurnAfterAnotherLead) {
    table.SetKakudo(21);
    gs.m_turn = 4;
    gs.m_leader = 1;
    gs.m_calledSuit = 2;
    gs.m_field.fill(kNoCard);
    gs.m_field[1] = MakeCard(2, 5);
    gs.m_holder = {0, 1, 0, 0, 0};  // the leader is related, the human is not: danger
    table.RedrawTable(true);
    const Rect hand = table.HandRect();
    const GameState before = gs;
    QImage screen = PaintAt({1200, 900}, 1.0f, 1.0f);
    EXPECT_EQ(table.CalledSuitRect(), (Rect{hand.right + 8, 600, hand.right + 48, 637}));
    EXPECT_EQ(table.RightRect(), (Rect{hand.right + 52, 600, hand.right + 92, 637}));
    EXPECT_EQ(screen.pixel(hand.right + 20, 620), kSuitColour);
    EXPECT_EQ(screen.pixel(hand.right + 70, 620), kDangerSignColour);
    // Painting reads the state only (the right is worked out, not stored).
    EXPECT_EQ(gs.Dump(), before.Dump());
    EXPECT_EQ(gs.m_trickRank, before.m_trickRank);
    gs.m_holder = {0, 1, 0, 0, 2};  // the human's own group is winning
    screen = PaintAt({1200, 900}, 1.0f, 1.0f);
    EXPECT_EQ(screen.pixel(hand.right + 70, 620), kSafeSignColour);
    gs.m_leader = 4;
    screen = PaintAt({1200, 900}, 1.0f, 1.0f);
    EXPECT_NE(screen.pixel(hand.right + 70, 620), kSafeSignColour);
}

TEST_F(Paint, HooksRunInOrderAndTheMarkHidesUnderTheScore) {
    std::vector<int> calls;
    CTable::PaintHooks hooks{[&](QPainter&) { calls.push_back(1); },
                             [&](QPainter&) { calls.push_back(2); }};
    table.RedrawTable(true);
    PaintAt({1200, 900}, 1.0f, 1.0f, hooks);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    gs.m_showScore = 1;
    calls.clear();
    PaintAt({1200, 900}, 1.0f, 1.0f, hooks);
    EXPECT_EQ(calls, (std::vector<int>{2}));
}

TEST(Angle, StepsStopAtTheEndsAndStoreWholeDegrees) {
    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox messages;
    profile.WriteInt("Last", "Kakudo", 26);
    CTable table(gs, settings, profile, messages);
    int repaints = 0;
    table.m_repaint = [&] { ++repaints; };
    const int writes = profile.Writes();
    table.AngleUp();
    EXPECT_EQ(profile.Writes(), writes);
    EXPECT_EQ(repaints, 0);
    table.SetKakudo(17.5);
    table.AngleUp();
    EXPECT_EQ(table.Kakudo(), 18.5);
    EXPECT_EQ(profile.ReadInt("Last", "Kakudo", 0), 18);
    table.SetKakudo(9);
    table.AngleDown();
    EXPECT_EQ(profile.ReadInt("Last", "Kakudo", 0), 18);
    profile.WriteInt("Last", "Kakudo", 0);
    CTable fresh(gs, settings, profile, messages);
    EXPECT_EQ(fresh.Kakudo(), 9);
}

TEST(Angle, TableEdgeHitLiesRightOfTheIndicators) {
    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox messages;
    CTable table(gs, settings, profile, messages);  // 21 degrees: the edge is y 625..633
    EXPECT_TRUE(table.HitTableEdge(1100, 626));
    EXPECT_FALSE(table.HitTableEdge(1100, 625));
    EXPECT_FALSE(table.HitTableEdge(1100, 634));
    // The indicators' place follows the hand, drawn or not.
    for (int n : {0, 3, 10}) {
        gs.m_handCount[kHumanSeat] = n;
        const int right = table.HandRect().right + 92;
        EXPECT_EQ(table.RightRect().right, right);
        EXPECT_FALSE(table.HitTableEdge(right - 1, 630)) << n;
        EXPECT_TRUE(table.HitTableEdge(right, 630)) << n;
    }
}

TEST_F(Compose, HitAreasComeFromTheLayoutNotFromTheLastDraw) {
    table.SetKakudo(21);
    gs.m_handCount[kHumanSeat] = 3;
    // Nothing drawn yet: the rectangles already follow the state and the angle.
    EXPECT_EQ(table.HandRect(), HumanHandRect(3, 21));
    EXPECT_EQ(table.HitHandCard(table.CardRect(2).left + 1, table.CardRect(2).top + 1), 2);
    table.RedrawTable(true);
    gs.m_handCount[kHumanSeat] = 1;  // a card left the hand since the last draw
    EXPECT_EQ(table.HitHandCard(table.CardRect(0).left + 1, table.CardRect(0).top + 1), 0);
    EXPECT_EQ(table.CardRect(0), HumanCardRect(0, 1, 21));
    const Rect field = table.FieldRect();
    table.SetKakudo(9);
    EXPECT_NE(table.FieldRect(), field);
    EXPECT_EQ(table.FieldRect(), (Rect{292, 361, 934, 434}));
}

}  // namespace
}  // namespace quintrick
