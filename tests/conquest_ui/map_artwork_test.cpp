// The map artwork of both languages: sizes and colours, label boxes and seeds where the
// coordinates table puts them, every seed on white in a region of its own, the standard map as a
// third of the enlarged one, and the English map's provinces filling as the Japanese ones do.
#include <gtest/gtest.h>

#include <QImage>

#include "conquest/kuni_coords.h"
#include "conquest/kuni_table.h"
#include "conquest/map_fill.h"
#include "resource_ids.h"
#include "resource_paths.h"

namespace quintrick {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSea = qRgb(204, 255, 255);

QImage Map(const QString& name) {
    return QImage(name).convertToFormat(QImage::Format_RGB32);
}

struct Language {
    AssetLanguage language;
    MapLabels labels;
    const char* name;
};
constexpr Language kLanguages[] = {{AssetLanguage::Japanese, MapLabels::Japanese, "ja"},
                                   {AssetLanguage::English, MapLabels::Romanised, "en"}};

QImage Enlarged(const Language& l) {
    return Map(MapImagePath(kMapEnlarged, l.language));
}
QImage Standard(const Language& l) {
    return Map(MapImagePath(kMapStandard, l.language));
}
QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xff000000u;
}

TEST(MapArtwork, SizesAndColours) {
    for (const Language& l : kLanguages) {
        const struct {
            int id;
            QSize size;
            int maxColours;
        } cases[] = {{kMapEnlarged, {1467, 1614}, 256},
                     {kMapStandard, {489, 538}, 256},
                     {kMapBanner, {1287, 323}, 16}};
        for (const auto& c : cases) {
            const QImage image(MapImagePath(c.id, l.language));
            ASSERT_FALSE(image.isNull()) << l.name << " " << c.id;
            EXPECT_EQ(image.size(), c.size) << l.name << " " << c.id;
            EXPECT_EQ(image.format(), QImage::Format_Indexed8) << l.name << " " << c.id;
            EXPECT_LE(image.colorCount(), c.maxColours) << l.name << " " << c.id;
        }
        const QImage banner = Map(MapImagePath(kMapBanner, l.language));
        EXPECT_EQ(At(banner, 2, 2), kWhite) << l.name;
        EXPECT_EQ(At(Enlarged(l), 1460, 1600), kSea) << l.name;
        EXPECT_EQ(At(Standard(l), 486, 535), kSea) << l.name;
    }
    // The words differ, the pictures do not: the English set is its own, drawn alike.
    for (const int id : {kMapEnlarged, kMapStandard, kMapBanner}) {
        EXPECT_NE(Map(MapImagePath(id, AssetLanguage::Japanese)),
                  Map(MapImagePath(id, AssetLanguage::English)))
            << id;
    }
}

// Each label box is framed black and yellow inside, where the click finds it; the romanised
// boxes are at least as wide as the Japanese ones and cover neither each other nor a seed.
TEST(MapArtwork, LabelBoxesWhereTheClicksFindThem) {
    for (const Language& l : kLanguages) {
        const QImage map = Enlarged(l);
        for (int p = 0; p < kProvinces; ++p) {
            const LabelBox b = KuniLabel(p, l.labels);
            const int right = b.x + b.width - 1, bottom = b.y + b.height - 1;
            EXPECT_EQ(b.height, kLabelHeight);
            EXPECT_GE(b.width, kLabelWidth);
            EXPECT_EQ(At(map, b.x, b.y), kBlack) << l.name << " " << KuniName(p);
            EXPECT_EQ(At(map, right, bottom), kBlack) << l.name << " " << KuniName(p);
            EXPECT_EQ(At(map, b.x + 1, b.y + 1), qRgb(255, 255, 0)) << l.name << KuniName(p);
            EXPECT_EQ(At(map, right - 1, bottom - 1), qRgb(255, 255, 0)) << l.name << KuniName(p);
            for (const QPoint corner : {QPoint(b.x, b.y), QPoint(right, bottom)}) {
                EXPECT_EQ(ProvinceAtLabel(corner.x(), corner.y(), l.labels), p)
                    << l.name << " " << KuniName(p);
            }
            EXPECT_NE(ProvinceAtLabel(right + 1, b.y + 1, l.labels), p) << l.name << KuniName(p);
            EXPECT_NE(ProvinceAtLabel(b.x, bottom + 1, l.labels), p) << l.name << KuniName(p);
        }
    }
    for (int p = 0; p < kProvinces; ++p) {
        const LabelBox a = KuniLabel(p, MapLabels::Romanised);
        const QRect box(a.x, a.y, a.width, a.height);
        for (int q = 0; q < kProvinces; ++q) {
            const LabelBox b = KuniLabel(q, MapLabels::Romanised);
            if (q != p) {
                EXPECT_FALSE(box.intersects(QRect(b.x, b.y, b.width, b.height)))
                    << KuniRomanName(p) << " and " << KuniRomanName(q);
            }
            EXPECT_FALSE(box.contains(KuniCoords[q].SeedX(), KuniCoords[q].SeedY()))
                << KuniRomanName(p) << " covers the seed of " << KuniRomanName(q);
        }
    }
    EXPECT_EQ(KuniLabel(-1, MapLabels::Romanised).width, 0);
    EXPECT_EQ(KuniLabel(kProvinces, MapLabels::Japanese).width, 0);
}

// Outside the title and the legend the two standard maps are the same picture.
TEST(MapArtwork, EnglishStandardMapDiffersOnlyInItsWords) {
    const QImage ja = Standard(kLanguages[0]), en = Standard(kLanguages[1]);
    const QRect words(0, 0, 330, 270);
    int differ = 0, inWords = 0;
    for (int y = 0; y < ja.height(); ++y) {
        for (int x = 0; x < ja.width(); ++x) {
            if (At(ja, x, y) == At(en, x, y)) continue;
            (words.contains(x, y) ? inWords : differ) += 1;
        }
    }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(inWords, 500);
}

TEST(MapArtwork, LegendColumnIsWhite) {
    for (const Language& l : kLanguages) {
        const QImage map = Standard(l);
        for (int y = 99; y <= 258; ++y) {
            for (int x = 125; x <= 170; ++x)
                ASSERT_EQ(At(map, x, y), kWhite) << l.name << " " << x << "," << y;
        }
    }
}

// Every seed lies on white, and the fill from it reaches no other seed.
TEST(MapArtwork, EnlargedSeedsEachInARegionOfTheirOwn) {
    for (const Language& l : kLanguages) {
        QImage map = Enlarged(l);
        for (int p = 0; p < kProvinces; ++p) {
            const QPoint seed(KuniCoords[p].SeedX(), KuniCoords[p].SeedY());
            // Sequential fills: a seed that an earlier fill reached would no longer be white.
            ASSERT_EQ(At(map, seed.x(), seed.y()), kWhite) << l.name << " " << KuniName(p);
            EXPECT_GT(SurfaceFill(map, seed, qRgb(1, 2, p)), 20) << l.name << " " << KuniName(p);
        }
    }
}

TEST(MapArtwork, StandardSeedsEachInARegionOfTheirOwn) {
    for (const Language& l : kLanguages) {
        const QImage map = Standard(l);
        for (int p = 0; p < kProvinces; ++p) {
            const QPoint seed(KuniCoords[p].sx, KuniCoords[p].sy);
            ASSERT_EQ(At(map, seed.x(), seed.y()), kWhite) << l.name << " " << KuniName(p);
            QImage copy = map;
            const int filled = BoundaryFill(copy, seed, qRgb(1, 2, 3), kBlack);
            EXPECT_GT(filled, 0) << l.name << " " << KuniName(p);
            EXPECT_LT(filled, 20000) << l.name << " " << KuniName(p);  // closed by its border
            for (int q = 0; q < kProvinces; ++q) {
                if (q == p) continue;
                EXPECT_NE(At(copy, KuniCoords[q].sx, KuniCoords[q].sy), qRgb(1, 2, 3))
                    << l.name << " " << KuniName(p) << " reaches " << KuniName(q);
            }
        }
    }
}

// Every province filled from all its seeds, as the dialog colours it: a map of which province
// each pixel went to (-1 for none).
std::vector<int> FilledProvinces(QImage map, const ProvinceSeeds& seeds) {
    for (int p = 0; p < kProvinces; ++p) {
        for (const QPoint& seed : seeds[p]) SurfaceFill(map, seed, qRgb(3, 4, p));
    }
    std::vector<int> owner(static_cast<std::size_t>(map.width()) * map.height(), -1);
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            const QRgb c = At(map, x, y);
            if (qRed(c) == 3 && qGreen(c) == 4 && qBlue(c) < kProvinces)
                owner[static_cast<std::size_t>(y) * map.width() + x] = qBlue(c);
        }
    }
    return owner;
}

// White pixels of the map that no province's fill reached, outside the legend's white box.
int Unfilled(const QImage& map, const std::vector<int>& owner) {
    const QRect legend(60, 234, 466, 556);  // the legend box of the standard map, three times
    int unfilled = 0;
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            unfilled += At(map, x, y) == kWhite && !legend.contains(x, y) &&
                        owner[static_cast<std::size_t>(y) * map.width() + x] < 0;
        }
    }
    return unfilled;
}

// The English map cuts the provinces with other labels: filled from the English seeds and pieces,
// every province stays inside itself and reaches all of itself. Where both maps are white, a
// pixel goes to the same province on both (the Japanese map holding the provinces' shapes, as
// the standard map's test shows), and the English labels leave hardly more specks unfilled than
// the Japanese ones.
TEST(MapArtwork, EnglishFillsMatchTheProvinces) {
    const QImage jaMap = Enlarged(kLanguages[0]), enMap = Enlarged(kLanguages[1]);
    const std::vector<int> jaOwner =
        FilledProvinces(jaMap, LoadMapSeeds(AssetLanguage::Japanese).enlarged);
    const std::vector<int> enOwner =
        FilledProvinces(enMap, LoadMapSeeds(AssetLanguage::English).enlarged);
    std::array<int, kProvinces> jaPixels{}, enPixels{}, wrong{};
    for (int y = 0; y < enMap.height(); ++y) {
        for (int x = 0; x < enMap.width(); ++x) {
            if (At(enMap, x, y) != kWhite || At(jaMap, x, y) != kWhite) continue;
            const std::size_t i = static_cast<std::size_t>(y) * enMap.width() + x;
            if (jaOwner[i] >= 0) ++jaPixels[jaOwner[i]];
            if (enOwner[i] >= 0) ++enPixels[enOwner[i]];
            if (enOwner[i] >= 0 && enOwner[i] != jaOwner[i]) ++wrong[enOwner[i]];
        }
    }
    for (int p = 0; p < kProvinces; ++p) {
        EXPECT_EQ(wrong[p], 0) << KuniRomanName(p) << " spills into another province";
        EXPECT_GE(enPixels[p] * 100, jaPixels[p] * 99)
            << KuniRomanName(p) << " " << enPixels[p] << "/" << jaPixels[p];
    }
    EXPECT_LE(Unfilled(enMap, enOwner), Unfilled(jaMap, jaOwner) + 40);
}

// The standard map is the enlarged one at a third: land and sea agree block by block, and each
// standard seed, three times over, lies in its province on the enlarged map.
TEST(MapArtwork, StandardMapIsOneThird) {
    const QImage big = Map(MapImagePath(kMapEnlarged));
    const QImage small = Map(MapImagePath(kMapStandard));
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
