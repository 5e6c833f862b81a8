// The two groups' name plates stay told apart without colour. The composed table is seen as a
// viewer with deuteranopia or protanopia sees it (the full-severity simulation of Machado,
// Oliveira and Fernandes 2009, a matrix on linear RGB): the sign on the plate of a related and of
// an unrelated player must each stand out from their rim, and differ from each other in shape,
// at the base scale and composed at twice the pixels.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "memory_profile.h"
#include "recording_box.h"
#include "table/card_backs.h"
#include "table/group_sign.h"
#include "table/table.h"

namespace quintrick {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

constexpr Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance of a pixel as the simulated viewer sees it.
double SeenLuminance(QRgb pixel, const Matrix& m) {
    const double in[3] = {Linear(qRed(pixel)), Linear(qGreen(pixel)), Linear(qBlue(pixel))};
    double out[3];
    for (int row = 0; row < 3; ++row) {
        out[row] = std::clamp(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2], 0.0, 1.0);
    }
    return 0.2126 * out[0] + 0.7152 * out[1] + 0.0722 * out[2];
}

// The contrast ratio of two luminances (1 .. 21).
double ContrastRatio(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// What a viewer sees of one sign: its pixels that read as white, and its darkest and lightest.
struct SeenSign {
    std::vector<bool> white;
    int whiteCount = 0;
    double darkest = 1;
    double lightest = 0;
};

constexpr double kWhite = 0.6;  // a pixel this bright reads as the sign's white

SeenSign See(const QImage& table, const QRect& box, const Matrix& m) {
    SeenSign s;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const double l = SeenLuminance(table.pixel(x, y), m);
            s.white.push_back(l >= kWhite);
            s.whiteCount += l >= kWhite;
            s.darkest = std::min(s.darkest, l);
            s.lightest = std::max(s.lightest, l);
        }
    }
    return s;
}

// The mean seen luminance of a plate's row through its middle, left of the name.
double PlateLuminance(const QImage& table, const QRect& plate, const Matrix& m) {
    double sum = 0;
    const int y = plate.center().y();
    const int x0 = plate.left() + plate.width() / 20;
    const int x1 = plate.left() + plate.width() / 10;
    for (int x = x0; x <= x1; ++x) sum += SeenLuminance(table.pixel(x, y), m);
    return sum / (x1 - x0 + 1);
}

class GroupSigns : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(table.BuildSurfaces());
        const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        ASSERT_TRUE(table.LoadCardSheet(folder)) << "the card data file beside the test";
        CardBackContext ctx{table.m_s, profile, messages, {}};
        ASSERT_TRUE(PrepareCardBacks(ctx, true));
        gs.ResetAtInitialUpdate();
        gs.m_notReady = 0;
        gs.m_phase = 1;
        gs.m_game = 1;
        gs.m_battle = 1;
        gs.m_trump = 0;
        const char* names[kSeats] = {"大鴉", "百舌", "喜鵲", "蒼鷺", "紅隼"};
        for (int player = 0; player < kSeats; ++player) gs.m_playerName[player] = names[player];
        gs.m_seatPlayer = {0, 1, 2, 3, 4};
        for (int seat = 0; seat < kSeats; ++seat) {
            gs.m_handCount[seat] = kHandSize;
            for (int i = 0; i < kHandSize; ++i) gs.m_hand[seat][i] = CardId(seat + 5 * i);
        }
        gs.m_field.fill(kNoCard);
        gs.m_turn = 2;
        gs.m_leader = 2;
        gs.m_pictureTaker.fill(-1);
        table.SetKakudo(21);
    }

    // The sign's pixels on a seat's plate in the composed table at scale `k`.
    QRect PlatePixels(int seat, double k) const {
        const Rect plate = PixelScale{k}(table.PlateRect(seat));
        return QRect(plate.left, plate.top, plate.Width(), plate.Height());
    }
    QRect SignPixels(int seat, double k) const {
        return GroupSignBox(QRectF(PlatePixels(seat, k))).toAlignedRect();
    }

    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox messages;
    CTable table{gs, settings, profile, messages};
};

TEST_F(GroupSigns, DifferInShapeAndStandOutForColourBlindViewers) {
    // Seat 1 holds the joker and seat 4 the trump ace: the related group; seats 0, 2, 3 are not.
    gs.m_holder = {kUnrelated, kJokerHolder, kUnrelated, kUnrelated, kTrumpAceHolder};
    const struct {
        const char* viewer;
        const Matrix* m;
        double k;
    } cases[] = {
        {"normal vision", &kNormal, 1.0},         {"deuteranopia", &kDeuteranopia, 1.0},
        {"protanopia", &kProtanopia, 1.0},        {"normal vision x2", &kNormal, 2.0},
        {"deuteranopia x2", &kDeuteranopia, 2.0}, {"protanopia x2", &kProtanopia, 2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.viewer);
        ASSERT_TRUE(table.SetPixelScale(c.k));
        table.RedrawTable(true);
        const QImage& composed = table.m_s.m_backBuffer;
        for (const auto& [related, unrelated] :
             {std::pair{1, 0}, std::pair{4, 3}, std::pair{1, 2}}) {
            const QRect a = SignPixels(related, c.k);
            const QRect b = SignPixels(unrelated, c.k);
            ASSERT_EQ(a.size(), b.size());
            ASSERT_TRUE(composed.rect().contains(a) && composed.rect().contains(b));
            const SeenSign circle = See(composed, a, *c.m);
            const SeenSign triangle = See(composed, b, *c.m);
            const int area = a.width() * a.height();
            // Each sign is there: white over a good share of its square, against its dark rim.
            EXPECT_GT(circle.whiteCount, area * 30 / 100) << "seat " << related;
            EXPECT_GT(triangle.whiteCount, area * 15 / 100) << "seat " << unrelated;
            EXPECT_GE(ContrastRatio(circle.lightest, circle.darkest), 7.0) << "seat " << related;
            EXPECT_GE(ContrastRatio(triangle.lightest, triangle.darkest), 7.0)
                << "seat " << unrelated;
            // The two differ in shape: the circle is fuller, and a fifth of the square is white in
            // one sign and not in the other.
            EXPECT_GT(circle.whiteCount, triangle.whiteCount * 5 / 4);
            int differ = 0;
            for (size_t i = 0; i < circle.white.size(); ++i)
                differ += circle.white[i] != triangle.white[i];
            EXPECT_GE(differ, area / 5) << differ << " of " << area;
            std::printf(
                "%-18s seats %d/%d: plates seen at luminance %.3f / %.3f, signs %d / %d white "
                "of %d, %d differ\n",
                c.viewer, related, unrelated,
                PlateLuminance(composed, PlatePixels(related, c.k), *c.m),
                PlateLuminance(composed, PlatePixels(unrelated, c.k), *c.m), circle.whiteCount,
                triangle.whiteCount, area, differ);
        }
    }
}

}  // namespace
}  // namespace quintrick
