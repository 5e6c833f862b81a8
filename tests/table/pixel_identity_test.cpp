// The composed table with the real artwork and card sheet, compared pixel for pixel with the
// pictures it drew before: a fixed table at four angles, in open mode, under the score board,
// with the discards spread and with a card being dragged. Each picture is held as a hash of its
// pixels; the painted windows, reduced, are in docs/pixel-identity/ for looking. Any change of a
// single pixel fails.
//
// To look at a difference: QUINTRICK_PIXEL_DIR=/some/folder writes every picture there as PNG,
// and the hashes of this build to hashes.txt there ("name composed painted" a line), from which
// tools/regenerate-goldens pixels rewrites the hashes below.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "interaction/human_input.h"
#include "memory_profile.h"
#include "players/fuda_dashi.h"
#include "recording_box.h"
#include "scripted_host.h"
#include "table/card_backs.h"
#include "table/table.h"

namespace quintrick {
namespace {

class NoWindow : public IInputHost {
  public:
    void SetPointer(Pointer) override {}
    void RepaintNow() override {}
    void RepaintArea(const Rect&) override {}
    void OpenMenu(int) override {}
};

// 64-bit FNV-1a over the visible pixels, row by row (padding bytes excluded).
std::string PixelHash(const QImage& img) {
    std::uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* row = img.constScanLine(y);
        for (qsizetype i = 0; i < qsizetype(img.width()) * 4; ++i) {
            h = (h ^ row[i]) * 1099511628211ull;
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// A table in the second battle of game 3: every layer has something to show.
class PixelIdentity : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(table.BuildSurfaces());
        // The card data file lies beside the test executable.
        const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        ASSERT_TRUE(table.LoadCardSheet(folder)) << "the card data file beside the test";
        // Composed, stored in the cache folder and read back from there a fan at a time.
        CardBackContext ctx{table.m_s, profile, messages, {}};
        ASSERT_TRUE(PrepareCardBacks(ctx, true));
        ASSERT_TRUE(messages.calls.empty());

        gs.ResetAtInitialUpdate();
        gs.m_notReady = 0;
        gs.m_phase = 1;
        gs.m_game = 3;
        gs.m_battle = 2;
        gs.m_trump = 2;
        gs.m_calledSuit = 1;
        const char* names[kSeats] = {"大鴉", "百舌", "喜鵲", "蒼鷺", "紅隼"};
        for (int player = 0; player < kSeats; ++player) gs.m_playerName[player] = names[player];
        gs.m_seatPlayer = {0, 1, 2, 3, 4};
        gs.m_holder = {0, 1, 0, 0, 2};
        const int counts[kSeats] = {7, 6, 6, 7, 7};
        for (int seat = 0; seat < kSeats; ++seat) {
            gs.m_handCount[seat] = counts[seat];
            for (int i = 0; i < kHandSize; ++i) {
                gs.m_hand[seat][i] = i < counts[seat] ? CardId(seat + 5 * i) : kNoCard;
            }
        }
        gs.m_field = {kNoCard, 13, 27, kNoCard, kNoCard};
        gs.m_leader = 1;
        gs.m_turn = 3;
        gs.m_pictureTaker.fill(-1);
        const int takers[kPictureCards] = {4, 0, -1, 3, 1, -1, 2, 4, -1, -1, 0, -1, 3, -1, 4, -1};
        for (int k = 0; k < kPictureCards; ++k) gs.m_pictureTaker[k] = takers[k];
        gs.m_showCount = 2;
        gs.m_showCard = {22, 48};
        gs.m_discardCount = 14;
        for (int i = 0; i < 14; ++i) gs.m_discard[i] = CardId(51 - 3 * i);
        gs.m_picturesLeft = 7;
        gs.m_relatedNeed = 4;
        gs.m_unrelatedNeed = 3;
        gs.m_jokerLeft = 1;
        gs.m_suitLeft = {8, 5, 11, 9};
        for (int g = 0; g < 10; ++g) {
            for (int player = 0; player < kSeats; ++player) {
                gs.m_points[g][player] = g < 2 ? (g * 7 + player * 13) % 40 - 20 : 0;
            }
        }
        table.SetKakudo(21);
    }

    // The back buffer after a full redraw, and the window's paint at 1600 x 1200 over it.
    void Check(const char* name, const char* buffer, const char* painted) {
        table.m_scales = {};
        table.RedrawTable(true);
        const QImage composed = table.m_s.m_backBuffer.copy();
        const QSize client(1600, 1200);
        table.m_scales = {float(client.width()) / 1200, float(client.height()) / 900};
        QImage screen(client, QImage::Format_RGB32);
        screen.fill(Qt::black);
        {
            QPainter p(&screen);
            CTable::PaintHooks hooks;
            hooks.mark = [this](QPainter& q) { input.DrawCursorMark(q); };
            hooks.overlay = [this](QPainter& q) { input.DrawOverlay(q); };
            table.Paint(p, client, hooks);
        }
        const QString dir = qEnvironmentVariable("QUINTRICK_PIXEL_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            composed.save(QDir(dir).filePath(QStringLiteral("%1-table.png").arg(name)));
            screen.save(QDir(dir).filePath(QStringLiteral("%1-painted.png").arg(name)));
            QFile hashes(QDir(dir).filePath(QStringLiteral("hashes.txt")));
            if (hashes.open(QIODevice::Append | QIODevice::Text)) {
                hashes.write(QStringLiteral("%1 %2 %3\n")
                                 .arg(QLatin1String(name),
                                      QString::fromStdString(PixelHash(composed)),
                                      QString::fromStdString(PixelHash(screen)))
                                 .toUtf8());
            }
        }
        EXPECT_EQ(PixelHash(composed), buffer) << name << ": the composed table";
        EXPECT_EQ(PixelHash(screen), painted) << name << ": the painted window";
    }

    GameState gs;
    SettingCopies settings;
    MemoryProfile profile;
    test::RecordingBox messages;
    ScriptedHost host;
    CFudaDashi players{gs, host};
    CEngine engine{gs, settings, host, players};
    CTable table{gs, settings, profile, messages};
    NoWindow window;
    CHumanInput input{gs, settings, engine, table, profile, window};
};

TEST_F(PixelIdentity, FourAngles) {
    const struct {
        int angle;
        const char *name, *buffer, *painted;
    } cases[] = {
        {9, "angle09", "8c26edfe47695dda", "ae3b6baf3d4ef164"},
        {14, "angle14", "bfcd9ac50c76d376", "8b18b3c58a8b368d"},
        {21, "angle21", "add213c12d51e264", "adc880e27393ba2b"},
        {26, "angle26", "e20ceda61ad61422", "41d82367a337d146"},
    };
    for (const auto& c : cases) {
        table.SetKakudo(c.angle);
        Check(c.name, c.buffer, c.painted);
    }
}

TEST_F(PixelIdentity, OpenModeAndTheLastTrick) {
    settings.m_openMode = 1;
    gs.m_showLastTrick = 1;
    gs.m_lastTrick = {40, 41, 42, 43, 44};
    Check("open", "e60068c364d7298c", "6bd491eea72d221f");
}

TEST_F(PixelIdentity, ScoreBoard) {
    gs.m_showScore = 1;
    Check("score", "22271d7bb0939cd3", "2ee0a77f1bc03761");
}

TEST_F(PixelIdentity, DiscardsShown) {
    gs.m_showDiscards = 1;
    Check("discards", "add213c12d51e264", "d80d7dd1a8265d8c");
}

// The human's turn on another's lead: the called-suit and right indicators, the keyboard mark and
// a card held under the pointer.
TEST_F(PixelIdentity, DraggedCardAndIndicators) {
    settings.m_dspInfo = 1;
    // Seat 3's trump wins the trick and seat 3 is in the other group: the danger sign.
    gs.m_turn = kHumanSeat;
    gs.m_field = {kNoCard, 13, 27, 30, kNoCard};
    gs.m_cursor = 2;
    gs.m_pickedCard = gs.m_hand[kHumanSeat][3];
    gs.m_dragging = 1;
    gs.m_grabOffset = {40, 60};
    table.m_scales = {float(1600) / 1200, float(1200) / 900};
    table.RedrawTable(true);
    input.OnMouseMove(700, 500);
    Check("drag", "2dbe34aed100e53a", "b2f0607d2f11ce89");
}

// The mean difference per colour channel of two pictures of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// Composed at another scale the table is the base table drawn larger or smaller: brought back to
// 1200 x 900 it differs from the base composition only by the softening of the two scalings, far
// less than from the same table at another angle. The paint shows it pixel for pixel.
TEST_F(PixelIdentity, ComposedAtTheWindowsScale) {
    table.RedrawTable(true);
    const QImage base = table.m_s.m_backBuffer.copy();
    table.SetKakudo(14);
    table.RedrawTable(true);
    const QImage otherAngle = table.m_s.m_backBuffer.copy();
    table.SetKakudo(21);
    const struct {
        double k;
        QSize size;
        const char* name;
        const char* hash;
    } cases[] = {
        {4.0 / 3, {1600, 1200}, "scaled-1600", nullptr},
        {2.0, {2400, 1800}, "scaled-2x", nullptr},
        {1024.0 / 1200, {1024, 768}, "scaled-1024", nullptr},
        {1.0, {1200, 900}, "scaled-1200", "add213c12d51e264"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(table.SetPixelScale(c.k));
        table.RedrawTable(true);
        const QImage& composed = table.m_s.m_backBuffer;
        ASSERT_EQ(composed.size(), c.size) << c.name;
        const QImage back =
            composed.scaled(1200, 900, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double near = MeanDifference(back, base);
        const double far = MeanDifference(back, otherAngle);
        EXPECT_LT(near, 4.0) << c.name;
        EXPECT_GT(far, 3 * near + 4.0) << c.name;
        // The paint at the size it was composed for is the composed table itself.
        table.m_scales = {float(c.size.width()) / 1200, float(c.size.height()) / 900};
        QImage screen(c.size, QImage::Format_RGB32);
        screen.fill(Qt::black);
        {
            QPainter p(&screen);
            table.Paint(p, c.size);
        }
        EXPECT_TRUE(screen == composed) << c.name;
        if (c.hash) {
            EXPECT_EQ(PixelHash(composed), c.hash) << c.name;
        }
        const QString dir = qEnvironmentVariable("QUINTRICK_PIXEL_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            composed.save(QDir(dir).filePath(QStringLiteral("%1.png").arg(c.name)));
        }
        std::printf("%s: %.2f from the base table, %.2f from another angle\n", c.name, near, far);
    }
}

// The table keeps what did not change between two redraws. After every step of a sequence of
// changes its picture must equal that of a table composed afresh from the same state, at the base
// scale and at a larger one.
class RedrawsAtScale : public PixelIdentity, public ::testing::WithParamInterface<double> {};

TEST_P(RedrawsAtScale, RedrawsAfterChangesEqualAFreshTable) {
    const PixelScale scale{GetParam()};
    ASSERT_TRUE(table.SetPixelScale(scale.k));
    const auto fresh = [&] {
        CTable other{gs, settings, profile, messages};
        other.m_s = table.m_s;  // the same images (shared, never written by the composition)
        other.m_s.m_backBuffer = QImage();
        other.m_s.m_tableSurface = QImage();
        EXPECT_TRUE(other.SetPixelScale(scale.k));
        EXPECT_TRUE(MakeSurface(other.m_s.m_backBuffer, scale(1200), scale(900)));
        EXPECT_TRUE(MakeSurface(other.m_s.m_tableSurface, scale(1140), scale(846)));
        other.SetKakudo(table.Kakudo());
        other.RedrawTable(true);
        return other.m_s.m_backBuffer.copy();
    };
    const struct {
        const char* what;
        std::function<void()> change;
        bool withSurface;
    } steps[] = {
        {"a card to the field", [&] { gs.m_field[3] = 33; }, true},
        {"a sideways card", [&] { gs.m_field[0] = 44; }, true},
        {"the human's card", [&] { gs.m_field[4] = 9; }, true},
        {"the last trick held",
         [&] {
             gs.m_showLastTrick = 1, gs.m_lastTrick = {1, 2, 3, 4, 5};
         },
         true},
        {"the last trick let go", [&] { gs.m_showLastTrick = 0; }, true},
        {"the trick taken", [&] { gs.m_field.fill(kNoCard), gs.m_pictureTaker[2] = 1; }, true},
        {"a discard", [&] { gs.m_discardCount = 15; }, true},
        {"a redraw without the surface", [&] { gs.m_field[2] = 7; }, false},
        {"the change then drawn", [] {}, true},
        {"the angle", [&] { table.SetKakudo(17.25); }, false},
        {"a card at the new angle", [&] { gs.m_field[1] = 21; }, true},
        {"the show cards taken up", [&] { gs.m_showCount = 0; }, true},
        {"the discards cleared", [&] { gs.m_discardCount = 0; }, true},
        {"a new angle with a card", [&] { table.SetKakudo(25), gs.m_field[1] = 22; }, true},
        {"a computer's hand one card shorter", [&] { --gs.m_handCount[1]; }, true},
        {"every computer's hand one card shorter",
         [&] {
             for (int seat : {0, 1, 2, 3}) --gs.m_handCount[seat];
         },
         true},
        {"other card backs",
         [&] {
             QImage strip(kStripWidth, kStripHeight, QImage::Format_RGB32);
             strip.fill(qRgb(40, 0, 0));
             ASSERT_TRUE(table.m_s.m_handFans.UseStrip(strip));
         },
         true},
    };
    table.RedrawTable(true);
    for (const auto& step : steps) {
        step.change();
        table.RedrawTable(step.withSurface);
        // A redraw without the surface shows the surface as it was last drawn.
        if (!step.withSurface) continue;
        EXPECT_TRUE(table.m_s.m_backBuffer == fresh()) << step.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, RedrawsAtScale, ::testing::Values(1.0, 4.0 / 3));

}  // namespace
}  // namespace quintrick
