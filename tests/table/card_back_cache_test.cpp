// The card backs with the real images: the surfaces, the cache file "CardBackTen.bmp".
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>
#include <vector>

#include "engine/strings.h"
#include "images/image_files.h"
#include "memory_profile.h"
#include "recording_box.h"
#include "table/card_backs.h"
#include "table/hand_fans.h"
#include "table/layout.h"
#include "table/surfaces.h"

namespace quintrick {
namespace {

class CardBackCache : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(BuildSurfaces(s, messages));
        ASSERT_TRUE(LoadCardSheet(s));
        dir = GetTempDir({}, messages);
        ASSERT_FALSE(dir.isEmpty());
        cache = QDir(dir).filePath(kStripCacheFile);
        QDir(cache).removeRecursively();  // a folder left by an interrupted run
        QFile::remove(cache);
    }
    CSurfaces s;
    MemoryProfile profile;
    test::RecordingBox messages;
    CardBackContext ctx{s, profile, messages, {}};
    QString dir, cache;
};

// Every fan as it is drawn, from whatever the fans come from.
std::vector<QImage> AllFans(const HandFans& fans) {
    std::vector<QImage> all;
    for (int n = 1; n <= 10; ++n) all.push_back(fans.Fan(n));
    return all;
}

TEST_F(CardBackCache, SurfacesHaveTheirSizes) {
    EXPECT_EQ(s.m_backBuffer.size(), QSize(1200, 900));
    EXPECT_EQ(s.m_tableSurface.size(), QSize(1140, 846));
    EXPECT_EQ(s.m_handStrip.size(), QSize(3575, 342));
    EXPECT_TRUE(s.m_handFans.IsEmpty());  // no fan before the card backs are prepared
    EXPECT_EQ(s.m_imgPlates.size(), QSize(132, 340));
    EXPECT_EQ(s.m_imgBanners.size(), QSize(163, 156));
    EXPECT_EQ(s.m_imgSigns.size(), QSize(80, 37));
    EXPECT_EQ(s.m_cardSheet.size(), QSize(1963, 860));
    // A second build starts afresh: the sheet of the first is gone.
    ASSERT_TRUE(BuildSurfaces(s, messages));
    EXPECT_TRUE(s.m_cardSheet.isNull());
    EXPECT_TRUE(messages.calls.empty());
}

// The strip is composed and stored once; the fans are read from the stored file, the strip is not
// kept in memory, and a later preparation reads the file without composing anything.
TEST_F(CardBackCache, ComposedOnceThenReadFromTheCache) {
    int flickers = 0;
    ctx.flicker = [&flickers] { ++flickers; };
    ASSERT_TRUE(PrepareCardBacks(ctx, false));
    ASSERT_TRUE(QFile::exists(cache));
    EXPECT_EQ(flickers, 10);
    EXPECT_TRUE(s.m_handStrip.isNull());
    const std::vector<QImage> stored = AllFans(s.m_handFans);
    CCardBackSet composer;
    ASSERT_TRUE(ComposeHandStrip(ctx, composer));
    HandFans composed;
    ASSERT_TRUE(composed.UseStrip(s.m_handStrip));
    EXPECT_EQ(stored, AllFans(composed));
    // Stored a fan at a time, the file is byte for byte Qt's BMP of the whole composed strip.
    QByteArray whole;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "bmp").write(s.m_handStrip));
    QFile file(cache);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == whole);
    EXPECT_EQ(stored[9].size(), QSize(496, 342));
    EXPECT_EQ(stored[0].pixel(0, 0), 0u);  // the key colour around the one-card fan: clear
    EXPECT_EQ(stored[0].pixel(75, 150) >> 24, 0xffu);

    const QImage sideways = s.m_backSideways;
    s.m_handFans.Clear();
    s.m_backSideways.fill(Qt::black);
    flickers = 0;
    ASSERT_TRUE(PrepareCardBacks(ctx, false));
    EXPECT_EQ(flickers, 0);
    EXPECT_EQ(AllFans(s.m_handFans), stored);
    // The frame line is drawn on the sideways back after a start from the cache, too.
    EXPECT_EQ(s.m_backSideways, sideways);
    EXPECT_EQ(s.m_backSideways.pixel(0, 0), kFrameColour);
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(CardBackCache, DamagedOrForeignCacheIsRebuilt) {
    ASSERT_TRUE(PrepareCardBacks(ctx, true));
    const std::vector<QImage> composed = AllFans(s.m_handFans);
    const QByteArray good = [&] {
        QFile f(cache);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_FALSE(good.isEmpty());
    QImage foreign(100, 50, QImage::Format_RGB32);
    foreign.fill(Qt::red);
    // A picture of the strip's size with the key colour around the one-card fan, as a PNG.
    QImage otherFormat(kStripWidth, kStripHeight, QImage::Format_RGB32);
    otherFormat.fill(QColor::fromRgb(kKeyStrip));
    const QByteArray contents[] = {good.left(200), good.left(good.size() - 1)};
    for (int round = 0; round < 4; ++round) {
        if (round == 0) {
            ASSERT_TRUE(foreign.save(cache, "BMP"));
        } else if (round == 1) {
            ASSERT_TRUE(otherFormat.save(cache, "PNG"));
        } else {
            QFile f(cache);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(contents[round - 2]);
        }
        s.m_handFans.Clear();
        ASSERT_TRUE(PrepareCardBacks(ctx, false)) << round;
        EXPECT_EQ(AllFans(s.m_handFans), composed) << round;
        QFile f(cache);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << round;
        EXPECT_EQ(f.readAll(), good) << round;
    }
}

// Another game storing other backs replaces the file, or it is removed: fans already in use stay
// those of the file they were read from.
TEST_F(CardBackCache, FansKeepTheFileTheyOpened) {
    ASSERT_TRUE(PrepareCardBacks(ctx, false));
    const std::vector<QImage> before = AllFans(s.m_handFans);
    QByteArray other = [&] {
        QFile f(cache);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_GT(other.size(), 2000000);
    for (qsizetype i = 1000000; i < 1100000; ++i) other[i] = char(~other[i]);
    {
        QFile f(cache + ".new");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(other);
    }
    ASSERT_TRUE(QFile::remove(cache));
    ASSERT_TRUE(QFile::rename(cache + ".new", cache));
    HandFans replaced;
    ASSERT_TRUE(replaced.UseFile(cache));
    EXPECT_NE(AllFans(replaced), before);
    EXPECT_EQ(AllFans(s.m_handFans), before);
    ASSERT_TRUE(QFile::remove(cache));
    EXPECT_EQ(AllFans(s.m_handFans), before);
    EXPECT_FALSE(replaced.UseFile(cache));
}

// When the strip cannot be stored (a folder or a pipe has its name), the player is told and the
// fans come from the composed strip in memory; the pipe is neither read nor waited on.
TEST_F(CardBackCache, AStripThatCannotBeStoredIsUsedFromMemory) {
    ASSERT_TRUE(PrepareCardBacks(ctx, true));
    const std::vector<QImage> composed = AllFans(s.m_handFans);
    for (const bool pipe : {false, true}) {
        SCOPED_TRACE(pipe ? "pipe" : "folder");
        messages.calls.clear();
        ASSERT_TRUE(QFile::remove(cache));
        ASSERT_EQ(pipe ? ::mkfifo(QFile::encodeName(cache).constData(), 0600)
                       : ::mkdir(QFile::encodeName(cache).constData(), 0700),
                  0);
        s.m_handFans.Clear();
        EXPECT_TRUE(PrepareCardBacks(ctx, false));
        EXPECT_TRUE(pipe ? QFile::remove(cache) : QDir().rmdir(cache));
        EXPECT_EQ(AllFans(s.m_handFans), composed);
        ASSERT_EQ(messages.calls.size(), 1u);
        EXPECT_EQ(messages.calls[0].first, kMsgFileNotWritten);
        // Stored again for the next round.
        ASSERT_TRUE(PrepareCardBacks(ctx, true));
    }
}

// Links planted in the cache folder under the cache's own names, pointing to a file of the
// player's: the cache files are written beside them and take their place, the player's file
// stays as it was, and the temporary picture is gone after use.
TEST_F(CardBackCache, LinksInTheCacheFolderAreNeverWrittenThrough) {
    QTemporaryDir own;
    const QString victim = own.filePath("notes.txt");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the player's notes");
    }
    const auto plant = [&](const char* name) {
        const QString link = QDir(dir).filePath(QString::fromLatin1(name));
        QFile::remove(link);
        EXPECT_TRUE(QFile::link(victim, link)) << name;
        return link;
    };
    const auto victimUntouched = [&] {
        QFile f(victim);
        return f.open(QIODevice::ReadOnly) && f.readAll() == "the player's notes";
    };

    plant(kStripCacheFile);
    ASSERT_TRUE(PrepareCardBacks(ctx, true));
    EXPECT_TRUE(victimUntouched());
    EXPECT_FALSE(QFileInfo(cache).isSymLink());
    int w = 0, h = 0;
    EXPECT_EQ(LoadPictureFile(cache, w, h).size(), QSize(kStripWidth, kStripHeight));

    const QString temp = plant("temp.jpeg");
    const QImage picture = BitmapToPicture(s.m_cardBack, kCardWidth, kCardHeight, messages);
    EXPECT_EQ(picture.size(), QSize(kCardWidth, kCardHeight));
    EXPECT_TRUE(victimUntouched());
    EXPECT_FALSE(QFileInfo::exists(temp) || QFileInfo(temp).isSymLink());  // removed after use

    const QString own1 = plant(kFreeImageFile);
    EXPECT_TRUE(SaveBitmapAsImage(s.m_cardBack, kCardWidth, kCardHeight, own1, "jpeg", messages));
    EXPECT_TRUE(victimUntouched());
    EXPECT_FALSE(QFileInfo(own1).isSymLink());
    EXPECT_TRUE(messages.calls.empty());
    QFile::remove(own1);
}

TEST_F(CardBackCache, OwnPictureMissingFallsBackToTheFirstBack) {
    profile.WriteInt("Last", "BackSet", 2);
    QFile::remove(QDir(dir).filePath(kFreeImageFile));
    ASSERT_TRUE(PrepareBackImage(ctx, false));
    EXPECT_EQ(s.m_cardBack, s.m_cardSheet.copy(0, 215, 151, 215));
}

TEST_F(CardBackCache, OwnPictureIsUsedWhenStored) {
    QImage own(151, 215, QImage::Format_RGB32);
    own.fill(QColor(200, 40, 40));
    ASSERT_TRUE(own.save(QDir(dir).filePath(kFreeImageFile), "JPEG", 100));
    profile.WriteInt("Last", "BackSet", 2);
    ASSERT_TRUE(PrepareBackImage(ctx, true));
    const QRgb p = s.m_backSideways.pixel(100, 75);
    EXPECT_NEAR(qRed(p), 200, 4);
    EXPECT_NEAR(qGreen(p), 40, 4);
    QFile::remove(QDir(dir).filePath(kFreeImageFile));
}

}  // namespace
}  // namespace quintrick
