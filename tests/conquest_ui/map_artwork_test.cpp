// The map artwork: sizes and colours, label boxes and seeds where the coordinates table puts
// them, every seed on white in a region of its own, and the standard map as a third of the
// enlarged one.
#include <gtest/gtest.h>

#include <QImage>

#include "conquest/kuni_coords.h"
#include "conquest/kuni_table.h"
#include "conquest/map_fill.h"

namespace quintrick {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSea = qRgb(204, 255, 255);

QImage Map(const char* name) {
    return QImage(name).convertToFormat(QImage::Format_RGB32);
}
QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

TEST(MapArtwork, SizesAndColours) {
    const struct {
        const char* name;
        QSize size;
        int maxColours;
    } cases[] = {{":/map/163.png", {1467, 1614}, 256},
                 {":/map/164.png", {489, 538}, 256},
                 {":/map/192.png", {1287, 323}, 16}};
    for (const auto& c : cases) {
        const QImage image(c.name);
        ASSERT_FALSE(image.isNull()) << c.name;
        EXPECT_EQ(image.size(), c.size) << c.name;
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << c.name;
        EXPECT_LE(image.colorCount(), c.maxColours) << c.name;
    }
    const QImage banner = Map(":/map/192.png");
    EXPECT_EQ(At(banner, 2, 2), kWhite);
    EXPECT_EQ(At(Map(":/map/163.png"), 1460, 1600), kSea);
    EXPECT_EQ(At(Map(":/map/164.png"), 486, 535), kSea);
}

TEST(MapArtwork, LabelBoxesAtTheirOrigins) {
    const QImage map = Map(":/map/163.png");
    for (int p = 0; p < kProvinces; ++p) {
        const KuniCoord& k = KuniCoords[p];
        EXPECT_EQ(At(map, k.bx, k.by), kBlack) << KuniName(p);
        EXPECT_EQ(At(map, k.bx + 27, k.by + 14), kBlack) << KuniName(p);
        EXPECT_EQ(At(map, k.bx + 1, k.by + 1), qRgb(255, 255, 0)) << KuniName(p);
        EXPECT_EQ(At(map, k.bx + 26, k.by + 13), qRgb(255, 255, 0)) << KuniName(p);
    }
}

TEST(MapArtwork, LegendColumnIsWhite) {
    const QImage map = Map(":/map/164.png");
    for (int y = 99; y <= 258; ++y) {
        for (int x = 125; x <= 170; ++x) ASSERT_EQ(At(map, x, y), kWhite) << x << "," << y;
    }
}

// Every seed lies on white, and the fill from it reaches no other seed.
TEST(MapArtwork, EnlargedSeedsEachInARegionOfTheirOwn) {
    QImage map = Map(":/map/163.png");
    for (int p = 0; p < kProvinces; ++p) {
        const QPoint seed(KuniCoords[p].SeedX(), KuniCoords[p].SeedY());
        // Sequential fills: a seed that an earlier fill reached would no longer be white.
        ASSERT_EQ(At(map, seed.x(), seed.y()), kWhite) << KuniName(p);
        EXPECT_GT(SurfaceFill(map, seed, qRgb(1, 2, p)), 20) << KuniName(p);
    }
}

TEST(MapArtwork, StandardSeedsEachInARegionOfTheirOwn) {
    const QImage map = Map(":/map/164.png");
    for (int p = 0; p < kProvinces; ++p) {
        const QPoint seed(KuniCoords[p].sx, KuniCoords[p].sy);
        ASSERT_EQ(At(map, seed.x(), seed.y()), kWhite) << KuniName(p);
        QImage copy = map;
        const int filled = BoundaryFill(copy, seed, qRgb(1, 2, 3), kBlack);
        EXPECT_GT(filled, 0) << KuniName(p);
        EXPECT_LT(filled, 20000) << KuniName(p);  // closed by its border, not the sea
        for (int q = 0; q < kProvinces; ++q) {
            if (q == p) continue;
            EXPECT_NE(At(copy, KuniCoords[q].sx, KuniCoords[q].sy), qRgb(1, 2, 3))
                << KuniName(p) << " reaches " << KuniName(q);
        }
    }
}

// The standard map is the enlarged one at a third: land and sea agree block by block, and each
// standard seed, three times over, lies in its province on the enlarged map.
TEST(MapArtwork, StandardMapIsOneThird) {
    const QImage big = Map(":/map/163.png");
    const QImage small = Map(":/map/164.png");
    int agree = 0, total = 0;
    for (int y = 280; y < small.height(); ++y) {  // below the title and the legend
        for (int x = 0; x < small.width(); ++x) {
            int sea = 0;
            for (int d = 0; d < 9; ++d) sea += At(big, 3 * x + d % 3, 3 * y + d / 3) == kSea;
            const bool bigSea = sea >= 5;
            if (bigSea == (At(small, x, y) == kSea)) ++agree;
            ++total;
        }
    }
    EXPECT_GT(agree, total * 97 / 100);
    // Each province's area on the standard map lies over the same province of the enlarged map.
    QImage marked = big;
    const MapSeeds seeds = LoadMapSeeds();
    for (int p = 0; p < kProvinces; ++p) {
        for (const QPoint& seed : seeds.enlarged[p]) SurfaceFill(marked, seed, qRgb(3, 4, p));
    }
    // Pixels under the labels and costs belong to no fill.
    std::vector<char> labelled(static_cast<std::size_t>(big.width()) * big.height(), 0);
    for (const KuniCoord& k : KuniCoords) {
        for (int y = k.by; y < k.by + 27; ++y) {
            for (int x = k.bx; x < k.bx + 28; ++x)
                labelled[static_cast<std::size_t>(y) * big.width() + x] = 1;
        }
    }
    for (int p = 0; p < kProvinces; ++p) {
        QImage region = small;
        BoundaryFill(region, {KuniCoords[p].sx, KuniCoords[p].sy}, qRgb(5, 6, 7), kBlack);
        int pixels = 0, over = 0;
        for (int y = 0; y < small.height(); ++y) {
            for (int x = 0; x < small.width(); ++x) {
                if (At(region, x, y) != qRgb(5, 6, 7)) continue;
                bool same = false, hidden = true;
                for (int d = 0; d < 9; ++d) {
                    const int bx = 3 * x + d % 3, by = 3 * y + d / 3;
                    same = same || At(marked, bx, by) == qRgb(3, 4, p);
                    hidden = hidden && labelled[static_cast<std::size_t>(by) * big.width() + bx];
                }
                if (hidden) continue;
                ++pixels;
                over += same;
            }
        }
        EXPECT_GT(pixels, 0) << KuniName(p);
        EXPECT_GE(over * 10, pixels * 8) << KuniName(p) << " " << over << "/" << pixels;
    }
}

TEST(MapFill, SameColourChangesNothingAndStops) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(kWhite);
    EXPECT_EQ(SurfaceFill(image, {5, 5}, kWhite), 0);
    EXPECT_EQ(SurfaceFill(image, {5, 5}, qRgb(255, 0, 0)), 200);
    // A boundary fill over pixels that already have the fill colour ends too.
    for (int y = 0; y < 10; ++y) image.setPixel(10, y, kBlack);
    EXPECT_EQ(BoundaryFill(image, {2, 2}, qRgb(255, 0, 0), kBlack), 100);
    EXPECT_EQ(BoundaryFill(image, {30, 2}, qRgb(255, 0, 0), kBlack), 0);  // outside
}

}  // namespace
}  // namespace quintrick
