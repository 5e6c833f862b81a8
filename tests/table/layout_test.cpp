// The table's geometry: projection, hit rectangles, hand positions, scales.
#include "table/layout.h"

#include <gtest/gtest.h>

#include "table/projection.h"

namespace quintrick {
namespace {

struct AngleCase {
    int angle;
    int H;
    int farTop;
    int farLeft;
    int farWidth;
    Rect field;
    int humanY;
    int farSeatsY;
    int sideSeatsY;
};

class AngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleTest, ProjectionAndPositions) {
    const AngleCase& c = GetParam();
    const Perspective p(c.angle);
    EXPECT_EQ(p.H, c.H);
    const ProjectionResult r = LayoutProjection(p, 10000, 10000);
    ASSERT_EQ(r.bands.size(), 170u);
    EXPECT_EQ(r.bands.front().top, c.farTop);
    EXPECT_EQ(r.bands.front().left, c.farLeft);
    EXPECT_EQ(r.bands.front().width, c.farWidth);
    // The nearest band is full width from x 30, one row above the front edge.
    EXPECT_EQ(r.bands.back().sourceY, 845);
    EXPECT_EQ(r.bands.back().top, 12 * c.angle + 372);
    EXPECT_EQ(r.bands.back().left, 30);
    EXPECT_GE(r.bands.back().width, 1139);
    EXPECT_TRUE(r.discardSide.IsEmpty());
    EXPECT_EQ(ProjectRect(p, kFieldHitRect), c.field);
    EXPECT_EQ(HumanHandLayout(10, p.ti).hand.y, c.humanY);
    EXPECT_EQ(ComputerHandLayout(1, 10, p.ti, false).hand.y, c.farSeatsY);
    EXPECT_EQ(ComputerHandLayout(2, 10, p.ti, true).hand.y, c.farSeatsY);
    EXPECT_EQ(ComputerHandLayout(0, 10, p.ti, false).hand.y, c.sideSeatsY);
    EXPECT_EQ(ComputerHandLayout(3, 10, p.ti, true).hand.y, c.sideSeatsY);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, AngleTest,
    ::testing::Values(AngleCase{21, 403, 222, 161, 878, {292, 333, 934, 513}, 600, 35, 225},
                      AngleCase{9, 166, 315, 161, 878, {292, 361, 934, 434}, 528, 119, 237},
                      AngleCase{14, 261, 280, 160, 879, {291, 352, 934, 468}, 558, 84, 232},
                      AngleCase{26, 512, 173, 161, 878, {292, 315, 934, 542}, 630, 0, 220}));

TEST(Projection, DiscardRectAndSideAt21) {
    const Perspective p(21);
    EXPECT_DOUBLE_EQ(std::round(p.T * 1e10) / 1e10, 0.3838640350);
    EXPECT_EQ(ProjectRect(p, kDiscardHitRect), (Rect{84, 533, 307, 604}));
    // Ten discards: the top card at surface y 634, the stack side (92, 595)-(304, 600).
    const Point top = DiscardTopPos(p.ti, 10);
    EXPECT_EQ(top, (Point{55, 634}));
    const ProjectionResult r = LayoutProjection(p, top.y + 151, top.y + 151 + 10);
    EXPECT_EQ(r.discardSide, (Rect{92, 595, 304, 600}));
    EXPECT_EQ(TableEdgeRect(p.ti), (Rect{30, 625, 1170, 634}));
}

TEST(Projection, FractionalAngleUsesTruncatedDegreesForOffsets) {
    const Perspective p(17.5);
    EXPECT_EQ(p.ti, 17);
    EXPECT_EQ(p.H, int(1050 * std::tan(17.5 * 3.1415926535 / 180)));
}

TEST(Projection, StoredAnglesAreHeldInRange) {
    const std::pair<int, double> cases[] = {{21, 21}, {9, 9},   {26, 26}, {0, 9},
                                            {5, 9},   {40, 26}, {-1, 26}};
    for (auto [stored, expected] : cases) EXPECT_EQ(AngleFromProfile(stored), expected) << stored;
}

TEST(Layout, HumanHandPositions) {
    struct Case {
        int n;
        int left;
    } cases[] = {{10, 343}, {8, 376}, {1, 491}};
    for (const Case& c : cases) {
        const HandLayout l = HumanHandLayout(c.n, 21);
        EXPECT_EQ(l.hand, (Point{c.left, 600})) << c.n;
        EXPECT_EQ(l.plate, (Point{c.left - 66, 634})) << c.n;
        EXPECT_EQ(l.mark, (Point{c.left - 34, 600})) << c.n;
        EXPECT_EQ(HumanHandRect(c.n, 21), (Rect{c.left, 600, c.left + 33 * c.n + 118, 815}));
        // The last card is whole and ends at L + 33 (n - 1) + 151; the others show a 33 strip.
        EXPECT_EQ(HumanCardRect(c.n - 1, c.n, 21).right, c.left + 33 * (c.n - 1) + 151);
        if (c.n > 1) {
            EXPECT_EQ(HumanCardRect(0, c.n, 21), (Rect{c.left, 600, c.left + 33, 815}));
        }
    }
}

TEST(Layout, ComputerHandPositions) {
    // Far seats face down: the fan squeezed to 0.6286 of its width.
    HandLayout l = ComputerHandLayout(1, 10, 21, false);
    EXPECT_EQ(l.hand, (Point{680, 35}));
    EXPECT_EQ(l.cardW, 311);
    EXPECT_EQ(l.plate, (Point{614, 69}));
    EXPECT_EQ(l.mark, (Point{646, 35}));
    EXPECT_EQ(ComputerHandLayout(2, 1, 21, false).cardW, 94);
    // Side seats face down: 150 x 300, 150 x 339 for one card.
    l = ComputerHandLayout(0, 8, 21, false);
    EXPECT_EQ(l.hand, (Point{1020, 225}));
    EXPECT_EQ(l.cardH, 300);
    EXPECT_EQ(l.plate, (Point{1054, 191}));
    EXPECT_EQ(l.mark, (Point{1020, 191}));
    EXPECT_EQ(ComputerHandLayout(3, 1, 21, false).cardH, 339);
    // Face up: seat 0's cards end at the same place whatever the count, the plate moves.
    l = ComputerHandLayout(0, 10, 21, true);
    EXPECT_EQ(l.hand, (Point{1080 - 270 - 13, 225}));
    EXPECT_EQ(l.plate, (Point{797 + 34, 191}));
    l = ComputerHandLayout(3, 4, 21, true);
    EXPECT_EQ(l.hand, (Point{10, 225}));
    EXPECT_EQ(l.step, 27);
    l = ComputerHandLayout(2, 4, 21, true);
    EXPECT_EQ(l.hand, (Point{316, 35}));
    EXPECT_EQ(l.step, 20);
    EXPECT_EQ(l.cardW, 115);
}

TEST(Layout, CardCellCorners) {
    EXPECT_EQ(CardCell(0), (Point{0, 0}));
    EXPECT_EQ(CardCell(13), (Point{0, 215}));
    EXPECT_EQ(CardCell(26), (Point{0, 430}));
    EXPECT_EQ(CardCell(51), (Point{1812, 645}));
}

TEST(Layout, FanColumns) {
    EXPECT_EQ(FanStart(1), 0);
    EXPECT_EQ(FanStart(2), 151);
    EXPECT_EQ(FanStart(2) + FanWidth(2) - 1, 411);
    EXPECT_EQ(FanStart(10), 3079);
    EXPECT_EQ(FanStart(10) + FanWidth(10), kStripWidth);
}

TEST(Layout, CapturedSpacingAndShowCards) {
    EXPECT_EQ(CapturedSpacing(1), 45);
    EXPECT_EQ(CapturedSpacing(5), 45);
    EXPECT_EQ(CapturedSpacing(6), 30);
    EXPECT_EQ(CapturedSpacing(10), 30);
    EXPECT_EQ(CapturedSpacing(11), 15);
    EXPECT_EQ(ShowCardPos(1), (Point{590, 315}));
}

TEST(Scales, ScreenAndBase) {
    const Scales s{640.0f / 1200, 480.0f / 900};
    EXPECT_EQ(s.BaseX(640), 1199);
    EXPECT_EQ(s.BaseY(480), 899);
    const Scales big{1.0f, 1.0f};
    EXPECT_EQ(big.BaseX(1200), 1200);
    // Positions and sizes are scaled independently.
    const Scales half{0.5f, 0.5f};
    EXPECT_EQ(half.ToScreenRect(Rect::At(101, 3, 151, 215)), Rect::At(50, 1, 75, 107));
}

}  // namespace
}  // namespace quintrick
