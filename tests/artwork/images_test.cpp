// The table images and cursors in the resource file: sizes, key colours, layouts.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <optional>
#include <vector>

#include "art_texts.h"
#include "conquest/kuni_table.h"
#include "resource_ids.h"
#include "resource_images.h"
#include "resource_paths.h"

namespace quintrick {
namespace {

const QRgb kPurple = qRgb(102, 102, 153);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kLcd = qRgb(0, 102, 204);
const QRgb kSuitGreen = qRgb(153, 255, 153);
const QRgb kRed = qRgb(255, 0, 0);

QImage Load(int id, AssetLanguage language = AssetLanguage::Japanese) {
    return ReadPngResource(ImagePath(id, language)).convertToFormat(QImage::Format_RGB32);
}

constexpr AssetLanguage kLanguages[] = {AssetLanguage::Japanese, AssetLanguage::English};

bool Same(QRgb a, QRgb b) {
    return (a & 0xffffff) == (b & 0xffffff);
}

int CountKey(const QImage& image, const QRect& area, QRgb key) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += Same(image.pixel(x, y), key);
    return n;
}

template <typename Pred>
int Count(const QImage& image, const QRect& area, Pred pred) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += pred(QColor(image.pixel(x, y)));
    return n;
}

bool Reddish(const QColor& c) {
    return c.red() > 150 && c.green() < 90 && c.blue() < 100;
}
bool Greenish(const QColor& c) {
    return c.green() > 140 && c.red() < 120 && c.blue() < 130;
}
bool Bright(const QColor& c) {
    return c.lightness() > 150;
}
bool LcdLit(const QColor& c) {
    return c.green() > 200 && c.red() < 170 && c.blue() < 170;
}

struct ImageCase {
    int id;
    int width;
    int height;
    std::optional<QRgb> key;     // transparent colour, if the image is drawn keyed
    std::vector<QPoint> keyAt;   // pixels that must be exactly the key
    std::vector<QRect> artwork;  // areas of opaque artwork that must not contain the key
};

const std::vector<ImageCase>& Cases() {
    static const std::vector<ImageCase> cases = {
        {kBmpRedeal, 243, 62, kPurple, {{0, 0}, {242, 0}, {0, 61}, {242, 61}}, {{12, 8, 219, 46}}},
        {kBmpKan, 64, 34, kPurple, {{0, 0}, {63, 33}}, {{6, 5, 52, 24}}},
        {kBmpKoi, 64, 34, kPurple, {{0, 0}, {63, 33}}, {{6, 5, 52, 24}}},
        {kBmpIku, 64, 34, kPurple, {{0, 0}, {63, 33}}, {{6, 5, 52, 24}}},
        {kBmpTurnMark, 34, 34, kPurple, {{0, 0}, {33, 0}, {0, 33}, {33, 33}}, {{9, 9, 16, 16}}},
        {kBmpPlates, 132, 340, kWhite, {{0, 0}, {131, 339}}, {}},
        {kBmpPanel, 175, 138, std::nullopt, {}, {}},
        {kBmpLcdDigits, 176, 27, kLcd, {{0, 0}, {175, 26}}, {}},
        {kBmpSuit[0], 47, 53, kSuitGreen, {{0, 0}, {46, 52}}, {{19, 20, 9, 9}}},
        {kBmpSuit[1], 47, 53, kSuitGreen, {{0, 0}, {46, 52}}, {{19, 20, 9, 9}}},
        {kBmpSuit[2], 47, 53, kSuitGreen, {{0, 0}, {46, 52}}, {{19, 20, 9, 9}}},
        {kBmpSuit[3], 47, 53, kSuitGreen, {{0, 0}, {46, 52}}, {{19, 20, 9, 9}}},
        {kBmpGameLabel, 115, 26, std::nullopt, {}, {}},
        {kBmpGameDigits, 210, 26, std::nullopt, {}, {}},
        {kBmpBattleLabel, 115, 26, std::nullopt, {}, {}},
        {kBmpBattleDigits, 69, 26, std::nullopt, {}, {}},
        {kBmpToolbar, 163, 32, std::nullopt, {}, {}},
        {kBmpTrumpCall, 74, 38, kPurple, {{0, 0}, {73, 37}}, {{5, 5, 64, 28}}},
        {kBmpBanners, 163, 156, std::nullopt, {}, {}},
        {kBmpSuitCall, 74, 38, kPurple, {{0, 0}, {73, 37}}, {{5, 5, 64, 28}}},
        {kBmpCursorMark, 20, 18, kWhite, {{0, 0}, {19, 17}, {0, 17}}, {{7, 4, 6, 5}}},
        {kBmpSigns,
         80,
         37,
         kRed,
         {{0, 0}, {79, 0}, {40, 0}, {79, 36}},
         {{6, 4, 28, 4}, {52, 12, 16, 14}}},
    };
    return cases;
}

// Both artwork sets: the English images with words keep the sizes, keys and layouts.
TEST(TableImages, HaveTheirSizesAndKeyColours) {
    ASSERT_EQ(Cases().size(), 22u);
    for (const AssetLanguage language : kLanguages)
        for (const ImageCase& c : Cases()) {
            SCOPED_TRACE(ImagePath(c.id, language).toStdString());
            ASSERT_TRUE(QFile::exists(ImagePath(c.id, language)));
            const QImage image = Load(c.id, language);
            ASSERT_EQ(image.size(), QSize(c.width, c.height));
            for (const QPoint& at : c.keyAt)
                EXPECT_TRUE(Same(image.pixel(at), *c.key)) << at.x() << "," << at.y();
            for (const QRect& area : c.artwork) EXPECT_EQ(CountKey(image, area, *c.key), 0);
        }
}

// The seal on the suit dialog's OK button: red, with its word in light letters, one per language.
TEST(DialogPictures, OkSealInBothLanguages) {
    for (const AssetLanguage language : kLanguages) {
        SCOPED_TRACE(ImagePath(kBmpOkSeal, language).toStdString());
        const QImage seal = Load(kBmpOkSeal, language);
        ASSERT_EQ(seal.size(), QSize(16, 16));
        EXPECT_GT(Count(seal, seal.rect(), Reddish), 80);
        EXPECT_GT(Count(seal, QRect(3, 3, 10, 10), Bright), 15);
    }
    EXPECT_NE(ImagePath(kBmpOkSeal, AssetLanguage::English), ImagePath(kBmpOkSeal));
    EXPECT_NE(Load(kBmpOkSeal, AssetLanguage::English), Load(kBmpOkSeal));
}

TEST(TableImages, NamePlatesAreRedAndBlueOnWhite) {
    const QImage plates = Load(kBmpPlates);
    for (int row = 0; row < 10; ++row) {
        for (int col = 0; col < 2; ++col) {
            SCOPED_TRACE(row * 2 + col);
            const QRect plate(col * 66, row * 34, 66, 34);
            EXPECT_TRUE(Same(plates.pixel(plate.topLeft()), kWhite));
            EXPECT_TRUE(Same(plates.pixel(plate.bottomRight()), kWhite));
            const QRect inner = plate.adjusted(4, 4, -4, -4);
            EXPECT_EQ(CountKey(plates, inner, kWhite), 0);
            // The plate's colour and a light name written on it.
            const int red =
                Count(plates, inner, [](const QColor& c) { return c.red() > c.blue() + 60; });
            const int blue =
                Count(plates, inner, [](const QColor& c) { return c.blue() > c.red() + 60; });
            EXPECT_GT(col == 0 ? red : blue, inner.width() * inner.height() / 3);
            EXPECT_GT(Count(plates, inner, Bright), 40);
        }
    }
}

TEST(TableImages, PanelKeepsItsCounterRowsClearAndShowsKAndM) {
    const QImage panel = Load(kBmpPanel);
    EXPECT_EQ(CountKey(panel, QRect(2, 40, 169, 27), kLcd), 169 * 27);
    EXPECT_EQ(CountKey(panel, QRect(2, 106, 169, 27), kLcd), 169 * 27);
    EXPECT_GT(Count(panel, QRect(6, 3, 34, 35), Reddish), 40);    // red K
    EXPECT_GT(Count(panel, QRect(49, 3, 34, 35), Greenish), 40);  // green M
    for (int j = 0; j < 4; ++j) {
        // Each suit symbol of the lower half stands out from the panel blue.
        EXPECT_GT(Count(panel, QRect(43 * j + 8, 72, 30, 34),
                        [](const QColor& c) { return c.blue() < 150; }),
                  100)
            << j;
    }
}

TEST(TableImages, LcdGlyphsLightMoreSegmentsForEightThanForOne) {
    const QImage digits = Load(kBmpLcdDigits);
    std::vector<int> lit;
    for (int g = 0; g < 11; ++g) {
        const QRect cell(16 * g, 0, 16, 27);
        lit.push_back(Count(digits, cell, LcdLit));
        EXPECT_GT(lit.back(), 10) << g;
        EXPECT_TRUE(Same(digits.pixel(cell.topLeft()), kLcd)) << g;
    }
    EXPECT_GT(lit[8], lit[1] * 2);
    EXPECT_LT(lit[10], lit[1]);  // the minus is one segment
    // The minus lights nothing in its top and bottom thirds.
    EXPECT_EQ(Count(digits, QRect(160, 0, 16, 8), LcdLit), 0);
    EXPECT_EQ(Count(digits, QRect(160, 19, 16, 8), LcdLit), 0);
}

TEST(TableImages, SuitSymbolsAreRedOrBlack) {
    for (int suit = 0; suit < 4; ++suit) {
        const QImage image = Load(kBmpSuit[suit]);
        const int red = Count(image, QRect(14, 16, 19, 19), Reddish);
        SCOPED_TRACE(suit);
        if (suit == 1 || suit == 2)
            EXPECT_GT(red, 150);
        else
            EXPECT_EQ(red, 0);
    }
}

// Every column of a blank gap is the label's plain background, ready for a stamped number.
void ExpectPlainGap(const QImage& label, int x, int width) {
    for (int y = 2; y < label.height() - 2; ++y) {
        for (int dx = 0; dx < width; ++dx) {
            ASSERT_EQ(label.pixel(x + dx, y), label.pixel(x, y)) << x + dx << "," << y;
        }
    }
}

TEST(TableImages, LabelsLeaveTheGapForTheNumber) {
    for (const AssetLanguage language : kLanguages) {
        const QImage game = Load(kBmpGameLabel, language);
        ExpectPlainGap(game, 32, 21);
        EXPECT_GT(Count(game, QRect(0, 0, 32, 26), Bright), 30);   // 第 / Game
        EXPECT_GT(Count(game, QRect(53, 0, 62, 26), Bright), 60);  // ゲーム / of 10
        const QImage battle = Load(kBmpBattleLabel, language);
        ExpectPlainGap(battle, 22, 23);
        EXPECT_GT(Count(battle, QRect(45, 0, 70, 26), Bright), 60);  // 戦目 / battle
    }
}

TEST(TableImages, DigitStripsAndBannersHaveTextInEveryCell) {
    struct Strip {
        int id;
        int cellWidth;
        int cellHeight;
        int cells;
    };
    const Strip strips[] = {
        {kBmpGameDigits, 21, 26, 10}, {kBmpBattleDigits, 23, 26, 3}, {kBmpBanners, 163, 26, 6}};
    for (const AssetLanguage language : kLanguages)
        for (const Strip& s : strips) {
            const QImage image = Load(s.id, language);
            const bool vertical = s.id == kBmpBanners;
            for (int i = 0; i < s.cells; ++i) {
                const QRect cell = vertical ? QRect(0, i * s.cellHeight, s.cellWidth, s.cellHeight)
                                            : QRect(i * s.cellWidth, 0, s.cellWidth, s.cellHeight);
                EXPECT_GT(Count(image, cell.adjusted(2, 3, -2, -3), Bright), 12)
                    << s.id << " cell " << i;
            }
        }
}

TEST(TableImages, SignsAreBlueSquareAndYellowDiamond) {
    const QImage signs = Load(kBmpSigns);
    EXPECT_GT(Count(signs, QRect(5, 4, 30, 30),
                    [](const QColor& c) { return c.blue() > 150 && c.red() < 60; }),
              300);
    EXPECT_GT(
        Count(signs, QRect(45, 6, 30, 25),
              [](const QColor& c) { return c.red() > 200 && c.green() > 170 && c.blue() < 60; }),
        200);
}

struct CursorCase {
    CursorSpec spec;
    int hotX;
    int hotY;
};

TEST(Cursors, LoadWithTheirHotSpots) {
    const CursorCase cases[] = {
        {kCursorUpDown, 6, 8}, {kCursorNoEntry, 0, 0}, {kCursorEdgeDrag, 15, 3}};
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(c.spec.id);
        EXPECT_EQ(c.spec.hotX, c.hotX);
        EXPECT_EQ(c.spec.hotY, c.hotY);
        const QImage image = ReadPngResource(CursorPath(c.spec.id));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_TRUE(QRect(QPoint(0, 0), image.size()).contains(c.hotX, c.hotY));
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(argb.pixel(31, 31)), 0);  // transparent around the shape
    }
    const QImage upDown =
        ReadPngResource(CursorPath(kCursorUpDown.id)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(upDown.pixel(6, 8)), 255);                   // the hot spot sits on the arrow
    EXPECT_GT(Count(upDown, QRect(0, 17, 32, 12), Reddish), 20);  // "UpDown" in red
    const QImage noEntry =
        ReadPngResource(CursorPath(kCursorNoEntry.id)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(Count(noEntry, QRect(0, 0, 22, 22), Reddish), 150);
    const QImage bar =
        ReadPngResource(CursorPath(kCursorEdgeDrag.id)).convertToFormat(QImage::Format_ARGB32);
    int opaqueRows = 0;
    for (int y = 0; y < 32; ++y) opaqueRows += qAlpha(bar.pixel(15, y)) == 255;
    EXPECT_LE(opaqueRows, 8);  // a thin bar
    EXPECT_EQ(qAlpha(bar.pixel(15, 3)), 255);
}

// Every text the generator writes has both languages, and the English set holds no Japanese.
TEST(ArtworkTexts, EnglishSetHasNoJapanese) {
    const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    std::vector<QString> english;
    for (const art::ArtText& t : art::AllArtTexts()) {
        EXPECT_FALSE(QString::fromUtf8(t.ja).isEmpty());
        english.push_back(QString::fromUtf8(t.en));
    }
    for (const char* name : art::kEnglishRosterNames) english.push_back(QString::fromUtf8(name));
    // Every character's home province has its English name for the character dialog's map.
    for (int c = 0; c < kCharacters; ++c) {
        const std::string_view home = KuniRomanName(HomeProvince(c));
        english.push_back(QString::fromUtf8(home.data(), qsizetype(home.size())));
    }
    ASSERT_GE(english.size(), 40u);
    for (const QString& text : english) {
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(japanese.match(text).hasMatch()) << text.toStdString();
    }
}

}  // namespace
}  // namespace quintrick
