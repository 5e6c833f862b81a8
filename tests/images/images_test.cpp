#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "engine/strings.h"
#include "images/image_files.h"
#include "recording_box.h"

namespace quintrick {
namespace {

using test::RecordingBox;

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Be32(quint32 v) {
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray PngChunk(const char* type, const QByteArray& data) {
    QByteArray body = QByteArray(type) + data;
    const auto crc = static_cast<quint32>(
        crc32(0, reinterpret_cast<const Bytef*>(body.constData()), static_cast<uInt>(body.size())));
    return Be32(static_cast<quint32>(data.size())) + body + Be32(crc);
}

// A valid grey PNG of side x side pixels, all zero: tiny on disk, enormous when decoded.
QByteArray PngBomb(quint32 side) {
    z_stream z{};
    deflateInit(&z, 9);
    QByteArray row(static_cast<qsizetype>(side) + 1, '\0');  // filter byte + pixels
    QByteArray out;
    char buf[1 << 16];
    for (quint32 y = 0; y < side; ++y) {
        z.next_in = reinterpret_cast<Bytef*>(row.data());
        z.avail_in = static_cast<uInt>(row.size());
        const int flush = y + 1 == side ? Z_FINISH : Z_NO_FLUSH;
        do {
            z.next_out = reinterpret_cast<Bytef*>(buf);
            z.avail_out = sizeof buf;
            deflate(&z, flush);
            out.append(buf, static_cast<qsizetype>(sizeof buf - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    const QByteArray ihdr = Be32(side) + Be32(side) + QByteArray("\x08\x00\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", out) +
           PngChunk("IEND", {});
}

// A BMP header that claims 100000 x 100000 pixels and holds none.
QByteArray BmpAbsurd() {
    QByteArray b(54, '\0');
    auto le = [&](int at, quint32 v) {
        for (int k = 0; k < 4; ++k) b[at + k] = char(v >> (8 * k));
    };
    b[0] = 'B';
    b[1] = 'M';
    le(2, 54);
    le(10, 54);
    le(14, 40);
    le(18, 100000);
    le(22, 100000);
    b[26] = 1;
    b[28] = 24;
    return b;
}

class ImageFiles : public ::testing::Test {
  protected:
    QString Saved(const char* name) {
        RecordingBox box;
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(QColor(10, 120, 200));
        image.setPixel(0, 0, qRgb(250, 250, 0));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(SaveBitmapAsImage(image, 40, 30, path, ImageTypeOf(path, box), box));
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ImageFiles, BadFilesLoadAsNoPictureAndLeaveTheSizes) {
    const QByteArray png = Bytes(Saved("good.png"));
    const QByteArray jpeg = Bytes(Saved("good.jpg"));
    const QByteArray gif = Bytes(Saved("good.gif"));
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.png", {}},
        {"cut.png", png.left(png.size() / 2)},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"cut.gif", gif.left(gif.size() / 2)},
        {"text.jpg", "this is no picture at all\n"},
        {"header-only.png", png.left(33)},
        {"absurd.bmp", BmpAbsurd()},
        {"bomb.png", PngBomb(12000)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        Put(path, c.bytes);
        int w = -7;
        int h = -7;
        EXPECT_TRUE(LoadPictureFile(path, w, h).isNull()) << c.name;
        EXPECT_EQ(w, -7) << c.name;
        EXPECT_EQ(h, -7) << c.name;
        RecordingBox box;
        EXPECT_TRUE(LoadImageAsPicture(path, w, h, box).isNull()) << c.name;
        EXPECT_EQ(w, -7) << c.name;
        EXPECT_TRUE(box.calls.empty()) << c.name;  // the callers say what went wrong
    }
    int w = 0;
    int h = 0;
    EXPECT_TRUE(LoadPictureFile(dir.filePath("none.png"), w, h).isNull());
}

TEST_F(ImageFiles, ContentDecidesTheFormatNotTheName) {
    const QString png = Saved("real.png");
    ASSERT_TRUE(QFile::rename(png, dir.filePath("named.jpg")));
    int w = 0;
    int h = 0;
    EXPECT_FALSE(LoadPictureFile(dir.filePath("named.jpg"), w, h).isNull());
    EXPECT_EQ(QSize(w, h), QSize(40, 30));
}

TEST_F(ImageFiles, ReadPictureNeedsEveryByte) {
    QByteArray png = Bytes(Saved("r.png"));
    QBuffer whole(&png);
    whole.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadPicture(whole, png.size()).size(), QSize(40, 30));
    QBuffer again(&png);
    again.open(QIODevice::ReadOnly);
    EXPECT_TRUE(ReadPicture(again, png.size() + 1).isNull());
    EXPECT_EQ(PictureSizeInPixels(QImage()), QSize(0, 0));
}

TEST_F(ImageFiles, LoadImageAsPictureFillsTransparencyWithTheCornerColour) {
    QImage argb(20, 10, QImage::Format_ARGB32);
    argb.fill(Qt::transparent);
    argb.setPixel(0, 0, qRgba(200, 40, 40, 255));
    for (int x = 10; x < 20; ++x)
        for (int y = 0; y < 10; ++y) argb.setPixel(x, y, qRgba(20, 20, 220, 255));
    const QString path = dir.filePath("alpha.png");
    ASSERT_TRUE(argb.save(path));
    RecordingBox box;
    int w = 0;
    int h = 0;
    const QImage picture = LoadImageAsPicture(path, w, h, box);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(QSize(w, h), QSize(20, 10));
    const QColor filled = picture.pixelColor(4, 6);
    EXPECT_NEAR(filled.red(), 200, 12);
    EXPECT_NEAR(filled.blue(), 40, 12);
    EXPECT_NEAR(picture.pixelColor(15, 5).blue(), 220, 12);
    // The conversion went through the cache folder's temp.jpeg, removed after use.
    const QString temp = GetTempDir(QString(), box) + "/temp.jpeg";
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_TRUE(box.calls.empty());

    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    EXPECT_TRUE(RenderPicture(painter, picture));
    EXPECT_FALSE(RenderPicture(painter, QImage()));
    painter.end();
    EXPECT_NEAR(target.pixelColor(15, 5).blue(), 220, 12);
}

TEST(TempDir, IsTheUsersOwnCacheFolderAndWorksTwice) {
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    ASSERT_FALSE(cache.isEmpty()) << "run through ctest";
    RecordingBox box;
    const QString first = GetTempDir(QString(), box);
    const QString second = GetTempDir(QString(), box);
    EXPECT_EQ(first, cache + "/Orvendel/Quintrick");
    EXPECT_EQ(second, first);
    EXPECT_EQ(QFileInfo(first).permissions() & 0x0077, QFile::Permissions());  // owner only
    EXPECT_EQ(GetTempDir("sub", box), first + "/sub");
    EXPECT_TRUE(QFileInfo(first + "/sub").isDir());
    EXPECT_TRUE(box.calls.empty());

    QFile back(first + "/CardBackOne.jpg");
    ASSERT_TRUE(back.open(QIODevice::WriteOnly));
    back.close();
    EXPECT_TRUE(DeleteTempCardBack(box));
    EXPECT_FALSE(QFile::exists(first + "/CardBackOne.jpg"));
    EXPECT_FALSE(DeleteTempCardBack(box));
}

TEST(TempDir, AFolderThatCannotBeMadeShowsTheReadMessage) {
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    ASSERT_FALSE(cache.isEmpty()) << "run through ctest";
    RecordingBox box;
    const QString blocker = GetTempDir(QString(), box) + "/blocked";
    Put(blocker, "a file where a folder should be");
    EXPECT_EQ(GetTempDir("blocked", box), QString());
    ASSERT_EQ(box.calls.size(), 1u);
    EXPECT_EQ(box.calls[0], std::make_pair(int(kMsgReadFailed), int(kStyleError)));
    QFile::remove(blocker);
}

TEST(MakeFont, PrefersAnInstalledJapaneseGothic) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont before = painter.font();
    const struct {
        const char* face;
        bool bold;
        int points;
    } cases[] = {{"", true, 20}, {"ＭＳ Ｐゴシック", false, 1}, {"Meiryo UI", true, 9}};
    for (const auto& c : cases) {
        QFont font;
        const QFont previous = MakeFont(c.face, c.bold, font, painter, c.points, true, false, true);
        EXPECT_EQ(font.family(), PreferredGothicFamily()) << c.face;
        EXPECT_EQ(font.bold(), c.bold);
        EXPECT_TRUE(font.italic() && font.underline() && !font.strikeOut());
        EXPECT_EQ(font.pixelSize(), (std::max(c.points, 2) * image.logicalDpiY() + 36) / 72);
        EXPECT_EQ(painter.font(), font);
        EXPECT_EQ(previous.family(), before.family());
        painter.setFont(before);
    }
    EXPECT_TRUE(PreferredGothicFamily().contains("Gothic") ||
                PreferredGothicFamily().contains("CJK"));
}

class UrlCatcher : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl& url) { urls.append(url); }

  public:
    QList<QUrl> urls;
};

TEST(OpenFolderInExplorer, OpensTheFilesFolder) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    RecordingBox box;
    EXPECT_TRUE(OpenFolderInExplorer("/home/user/maps/japan.png", box));
    EXPECT_TRUE(OpenFolderInExplorer("japan.png", box));
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile("/home/user/maps"));
    EXPECT_EQ(catcher.urls[1], QUrl::fromLocalFile(QDir::homePath()));
    EXPECT_TRUE(box.calls.empty());
}

}  // namespace
}  // namespace quintrick

#include "images_test.moc"
