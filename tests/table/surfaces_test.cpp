// The card sheet, the quarter turns, the picture strip and the card backs.
#include "table/surfaces.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

#include "fake_surfaces.h"
#include "memory_profile.h"
#include "recording_box.h"
#include "resource_paths.h"
#include "table/card_backs.h"

namespace quintrick {
namespace {

using testing::CardPixel;
using testing::FillFakeSurfaces;

TEST(RotateCard, QuarterTurnClockwiseEveryPixel) {
    CSurfaces s;
    FillFakeSurfaces(s);
    for (CardId id : {0, 9, 51}) {
        RotateCard(s, id);
        const QImage& r = s.m_rotateScratch;
        EXPECT_EQ(r.pixel(214, 0), CardPixel(id, 0, 0)) << id;      // top-left
        EXPECT_EQ(r.pixel(0, 0), CardPixel(id, 0, 214)) << id;      // bottom-left
        EXPECT_EQ(r.pixel(214, 150), CardPixel(id, 150, 0)) << id;  // top-right
        EXPECT_EQ(r.pixel(0, 150), CardPixel(id, 150, 214)) << id;
        int wrong = 0;
        for (int t = 0; t < 215; ++t) {
            for (int c = 0; c < 151; ++c) wrong += r.pixel(214 - t, c) != CardPixel(id, c, t);
        }
        EXPECT_EQ(wrong, 0) << id;
    }
}

// The images of the first painted table are read as raw pixels: each is its PNG, in both
// languages, pixel for pixel.
TEST(FirstPaintBitmaps, RawPixelsAreThePictures) {
    const int ids[] = {130, 134, 136, 137, 146, 147, 148, 149,
                       152, 154, 165, 169, 170, 171, 172, 175};
    for (AssetLanguage language : {AssetLanguage::Japanese, AssetLanguage::English}) {
        for (int id : ids) {
            const QImage raw = ReadRawBitmap(RawImagePath(id, language));
            ASSERT_FALSE(raw.isNull()) << id;
            const QImage png = QImage(ImagePath(id, language)).convertToFormat(raw.format());
            EXPECT_TRUE(raw == png) << id << " " << int(language);
        }
    }
    // A picture with no raw copy, or a resource that is not one, is not taken for one.
    EXPECT_TRUE(ReadRawBitmap(RawImagePath(191)).isNull());
    EXPECT_TRUE(ReadRawBitmap(ImagePath(130)).isNull());
}

class CardSheetFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Write(const QByteArray& bytes) {
        const QString path = dir.filePath(kCardDataFile);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
    static QByteArray Jpeg() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        testing::MakeSheet().save(&buffer, "JPEG", 90);
        return bytes;
    }
    static QByteArray ReadAll(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(CardSheetFile, FirstFourBytesDoNotMatterAndTheFileIsOnlyRead) {
    const QByteArray good = Jpeg();
    ASSERT_EQ(good.left(4), QByteArray("\xff\xd8\xff\xe0", 4));
    CSurfaces reference;
    Write(good);
    ASSERT_TRUE(LoadCardSheet(reference, dir.path()));
    EXPECT_EQ(reference.m_cardSheet.size(), QSize(1963, 860));
    EXPECT_EQ(reference.m_cardSheet.format(), QImage::Format_RGB32);

    QByteArray spoiled = good;
    spoiled.replace(0, 4, QByteArray("QSYS"));
    const QString path = Write(spoiled);
    CSurfaces s;
    ASSERT_TRUE(LoadCardSheet(s, dir.path()));
    EXPECT_EQ(s.m_cardSheet, reference.m_cardSheet);
    EXPECT_EQ(ReadAll(path), spoiled);
    // Nothing is left behind in the cache folder or beside the data file.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    EXPECT_FALSE(QFile::exists(QDir(cache).filePath("card.jpeg")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{kCardDataFile});
}

// A card data file cut short decodes with its lower part grey, a smaller picture leaves cards
// outside it: neither is taken as the sheet.
TEST_F(CardSheetFile, CutShortOrTooSmallSheetIsRefused) {
    const QByteArray good = Jpeg();
    QByteArray small;
    {
        QBuffer buffer(&small);
        buffer.open(QIODevice::WriteOnly);
        testing::MakeSheet().copy(0, 0, 1963, 645).save(&buffer, "JPEG", 90);
    }
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"cut at two thirds", good.left(good.size() * 2 / 3)},
        {"end marker missing", good.left(good.size() - 2)},
        {"three rows only", small},
    };
    for (const auto& c : cases) {
        Write(c.bytes);
        CSurfaces s;
        s.m_cardSheet = testing::MakeSheet();
        EXPECT_FALSE(LoadCardSheet(s, dir.path())) << c.what;
        EXPECT_TRUE(s.m_cardSheet.isNull()) << c.what;
    }
    Write(good);
    CSurfaces s;
    EXPECT_TRUE(LoadCardSheet(s, dir.path()));
}

TEST_F(CardSheetFile, MissingOrUndecodableFileLeavesNoSheet) {
    CSurfaces s;
    s.m_cardSheet = testing::MakeSheet();
    EXPECT_FALSE(LoadCardSheet(s, dir.path()));
    EXPECT_TRUE(s.m_cardSheet.isNull());
    Write(QByteArray("not a picture at all"));
    EXPECT_FALSE(LoadCardSheet(s, dir.path()));
    EXPECT_TRUE(s.m_cardSheet.isNull());
    Write(QByteArray("ab"));
    EXPECT_FALSE(LoadCardSheet(s, dir.path()));
}

class CardBacks : public ::testing::Test {
  protected:
    void SetUp() override { FillFakeSurfaces(s); }
    CSurfaces s;
    MemoryProfile profile;
    test::RecordingBox messages;
    int flickers = 0;
    CardBackContext ctx{s, profile, messages, [this] { ++flickers; }};
};

TEST_F(CardBacks, UprightBackIsTheChosenSheetCell) {
    for (int set : {0, 1}) {
        profile.WriteInt("Last", "BackSet", set);
        ASSERT_TRUE(PrepareBackImage(ctx, false));
        const int y0 = 215 * (set + 1);
        EXPECT_EQ(s.m_cardBack.size(), QSize(151, 215));
        EXPECT_EQ(s.m_cardBack.pixel(0, 0), testing::SheetPixel(0, y0)) << set;
        EXPECT_EQ(s.m_cardBack.pixel(150, 214), testing::SheetPixel(150, y0 + 214)) << set;
    }
}

TEST_F(CardBacks, SidewaysBackIsTurnedClockwise) {
    ASSERT_TRUE(PrepareBackImage(ctx, false));
    const QImage upright = s.m_cardBack;
    ASSERT_TRUE(PrepareBackImage(ctx, true));
    EXPECT_EQ(s.m_backSideways.pixel(0, 0), upright.pixel(0, 214));
    EXPECT_EQ(s.m_backSideways.pixel(214, 150), upright.pixel(150, 0));
    EXPECT_EQ(s.m_backSideways.pixel(214, 0), upright.pixel(0, 0));
}

TEST_F(CardBacks, TurningTheSidewaysBackBackByNinetyDegreesGivesTheUprightBack) {
    ASSERT_TRUE(PrepareBackImage(ctx, false));
    const QImage upright = s.m_cardBack;
    ASSERT_TRUE(PrepareBackImage(ctx, true));
    CCardBackSet c;
    c.corners = {Point{0, 0}, Point{214, 0}, Point{214, 150}, Point{0, 150}};
    ASSERT_TRUE(RotateBack(ctx, c, 2 * std::atan(1.0)));
    EXPECT_EQ(c.turnedW, 151);
    EXPECT_EQ(c.turnedH, 215);
    EXPECT_EQ(c.ox, 0);
    EXPECT_EQ(c.oy, 214);
    EXPECT_EQ(s.m_cardBack, upright);
}

TEST_F(CardBacks, StripFansPivotOnTheirLineAndStayInTheirColumns) {
    CCardBackSet c;
    ASSERT_TRUE(ComposeHandStrip(ctx, c));
    EXPECT_EQ(flickers, 10);
    const QImage& strip = s.m_handStrip;
    // The one-card fan is the upright back at (0, 46), framed.
    EXPECT_EQ(strip.pixel(0, 46), kFrameColour);
    EXPECT_EQ(strip.pixel(5, 51), testing::SheetPixel(5, 215 + 5));
    EXPECT_EQ(strip.pixel(5, 45), kKeyStrip);
    for (int n = 2; n <= 10; ++n) {
        const int from = FanStart(n);
        const int to = from + FanWidth(n);
        int left = kStripWidth, right = -1, bottom = -1;
        for (int y = 0; y < kStripHeight; ++y) {
            for (int x = from; x < to; ++x) {
                if (strip.pixel(x, y) == kKeyStrip) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_LE(from, left) << n;
        EXPECT_LT(left, from + 4) << n;
        EXPECT_LE(right, to - 1) << n;
        EXPECT_GE(bottom, 260) << n;  // the cards turn about a point on y 261
    }
    // The discard pile's back is framed as well.
    EXPECT_EQ(s.m_backSideways.pixel(0, 0), kFrameColour);
    EXPECT_EQ(s.m_backSideways.pixel(214, 150), kFrameColour);
}

TEST_F(CardBacks, NoFrameWhenSwitchedOff) {
    profile.WriteInt("Last", "CardWaku", 0);
    CCardBackSet c;
    ASSERT_TRUE(ComposeHandStrip(ctx, c));
    EXPECT_EQ(s.m_handStrip.pixel(0, 46), testing::SheetPixel(0, 215));
    for (int x = 0; x < kStripWidth; ++x) {
        for (int y = 0; y < kStripHeight; ++y) ASSERT_NE(s.m_handStrip.pixel(x, y), kFrameColour);
    }
}

TEST_F(CardBacks, NoSheetNoBacks) {
    s.m_cardSheet = QImage();
    CCardBackSet c;
    EXPECT_FALSE(ComposeHandStrip(ctx, c));
}

}  // namespace
}  // namespace quintrick
