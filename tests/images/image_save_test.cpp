#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "images/image_files.h"
#include "recording_box.h"

namespace quintrick {
namespace {

using test::RecordingBox;

// Four flat quarters and a frame: few colours, so even GIF keeps them exactly.
QImage Sample(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor(200, 30, 40));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(20, 160, 60));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(30, 60, 190));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(240, 230, 210));
    return image;
}

// The largest and the mean difference of a colour channel.
std::pair<int, double> ChannelDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                worst = std::max(worst, std::abs(d));
                sum += std::abs(d);
            }
        }
    }
    return {worst, sum / (3.0 * a.width() * a.height())};
}

TEST(ImageTypeOf, ExtensionRules) {
    const struct {
        const char* path;
        const char* type;
    } cases[] = {
        {"/x/Card.JPG", "jpeg"}, {"a.jpeg", "jpeg"}, {"b.Tiff", "tiff"}, {"c.tif", "tiff"},
        {"d.gif", "gif"},        {"e.BMP", "bmp"},   {"f.png", "png"},   {"g.jpe", ""},
        {"/tmp/noext", ""},      {"h.png.txt", ""},  {"trailing.", ""},
    };
    for (const auto& c : cases) {
        RecordingBox box;
        EXPECT_EQ(ImageTypeOf(c.path, box).toStdString(), c.type) << c.path;
        const bool refused = std::string(c.type).empty();
        ASSERT_EQ(box.calls.size(), refused ? 1u : 0u) << c.path;
        if (refused) {
            EXPECT_EQ(box.calls[0], std::make_pair(30056, int(kStyleInfo)));
        }
    }
}

TEST(SaveBitmapAsImage, EveryFormatRoundTripsWithItsSizeAndColours) {
    QTemporaryDir dir;
    const QImage source = Sample(64, 48);
    const struct {
        const char* file;
        const char* type;
        int maxDiff;  // JPEG keeps colour at half resolution: edges differ, areas do not
        double meanDiff;
    } cases[] = {
        {"map.jpg", "jpg", 96, 4.0}, {"map.jpeg", "JPEG", 96, 4.0}, {"map.gif", "gif", 0, 0},
        {"map.bmp", "bmp", 0, 0},    {"map.png", "PNG", 0, 0},      {"map.tif", "tif", 0, 0},
        {"map.tiff", "tiff", 0, 0},
    };
    for (const auto& c : cases) {
        RecordingBox box;
        const QString path = dir.filePath(c.file);
        ASSERT_TRUE(SaveBitmapAsImage(source, 64, 48, path, c.type, box)) << c.file;
        EXPECT_TRUE(box.calls.empty());
        int w = 0;
        int h = 0;
        const QImage back = LoadPictureFile(path, w, h);
        ASSERT_FALSE(back.isNull()) << c.file;
        EXPECT_EQ(QSize(w, h), QSize(64, 48)) << c.file;
        const auto [worst, mean] = ChannelDifference(source, back);
        EXPECT_LE(worst, c.maxDiff) << c.file;
        EXPECT_LE(mean, c.meanDiff) << c.file;
    }
}

TEST(SaveBitmapAsImage, ScalesToTheGivenSize) {
    QTemporaryDir dir;
    RecordingBox box;
    ASSERT_TRUE(SaveBitmapAsImage(Sample(64, 48), 32, 96, dir.filePath("s.png"), "png", box));
    int w = 0;
    int h = 0;
    const QImage back = LoadPictureFile(dir.filePath("s.png"), w, h);
    EXPECT_EQ(QSize(w, h), QSize(32, 96));
    EXPECT_EQ(back.pixel(2, 2), QColor(200, 30, 40).rgb());
}

TEST(SaveBitmapAsImage, FailuresShowTheMemoryMessageAndReturnFalse) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const struct {
        QString path;
        const char* type;
        QImage image;
        int w;
    } cases[] = {
        {dir.filePath("plain/x.png"), "png", Sample(8, 8), 8},    // the folder is a file
        {dir.filePath("missing/x.gif"), "gif", Sample(8, 8), 8},  // no such folder
        {dir.filePath("x.jpe"), "jpe", Sample(8, 8), 8},          // no encoder
        {dir.filePath("x.png"), "png", QImage(), 8},              // no bitmap
        {dir.filePath("y.png"), "png", Sample(8, 8), 0},          // no size
    };
    for (const auto& c : cases) {
        RecordingBox box;
        EXPECT_FALSE(SaveBitmapAsImage(c.image, c.w, 8, c.path, c.type, box)) << c.type;
        ASSERT_EQ(box.calls.size(), 1u);
        EXPECT_EQ(box.calls[0], std::make_pair(30001, int(kStyleError)));
        EXPECT_FALSE(QFile::exists(c.path)) << c.path.toStdString();
    }
}

TEST(FindEncoder, MimeTypesAreExactAndCaseSensitive) {
    for (const char* mime : {"image/jpeg", "image/gif", "image/bmp", "image/png", "image/tiff"})
        EXPECT_TRUE(FindEncoder(mime)) << mime;
    for (const char* mime : {"image/PNG", "image/jpg", "image/tif", "text/plain", ""})
        EXPECT_FALSE(FindEncoder(mime)) << mime;
}

}  // namespace
}  // namespace quintrick
