#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <csignal>

#include "engine/strings.h"
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
            EXPECT_EQ(box.calls[0], std::make_pair(int(kMsgUnsupportedFileType), int(kStyleInfo)));
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

TEST(SaveBitmapAsImage, FailuresShowTheirMessageAndReturnFalse) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const struct {
        QString path;
        const char* type;
        QImage image;
        int w;
        int message;  // kMsgFileNotWritten names the file that could not be written
    } cases[] = {
        {dir.filePath("plain/x.png"), "png", Sample(8, 8), 8,
         kMsgFileNotWritten},  // the folder is a file
        {dir.filePath("missing/x.gif"), "gif", Sample(8, 8), 8,
         kMsgFileNotWritten},                                         // no such folder
        {dir.filePath("x.jpe"), "jpe", Sample(8, 8), 8, kMsgMemory},  // no encoder
        {dir.filePath("x.png"), "png", QImage(), 8, kMsgMemory},      // no bitmap
        {dir.filePath("y.png"), "png", Sample(8, 8), 0, kMsgMemory},  // no size
    };
    for (const auto& c : cases) {
        RecordingBox box;
        EXPECT_FALSE(SaveBitmapAsImage(c.image, c.w, 8, c.path, c.type, box)) << c.type;
        ASSERT_EQ(box.calls.size(), 1u);
        EXPECT_EQ(box.calls[0], std::make_pair(c.message, int(kStyleError)));
        if (c.message == kMsgFileNotWritten) {
            EXPECT_EQ(box.prefixes[0], c.path.toStdString() + "\n");
        }
        EXPECT_FALSE(QFile::exists(c.path)) << c.path.toStdString();
    }
}

// A noisy picture: compresses badly, so its file is large whatever the format.
QImage Noise(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            row[x] = 0xff000000u | (seed >> 8);
        }
    }
    return image;
}

// Sets a limit on the size of the files this process writes (root is bound by it too), so a
// write fails part way through as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The game writes BMP itself: the file is byte for byte the one Qt's own writer makes, for an
// opaque picture at its size (rows of odd width, padded) and for one drawn to another size.
TEST(SaveBitmapAsImage, BmpIsWrittenAsQtWritesIt) {
    for (const QSize size : {QSize(37, 21), QSize(64, 48)}) {
        SCOPED_TRACE(size.width());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.bmp"));
        const QImage picture = Noise(37, 21);
        RecordingBox box;
        ASSERT_TRUE(SaveBitmapAsImage(picture, size.width(), size.height(), path, "bmp", box));
        QImage canvas = picture;
        if (size != picture.size()) {
            canvas = QImage(size, QImage::Format_ARGB32);
            canvas.fill(Qt::transparent);
            QPainter p(&canvas);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(QPoint(0, 0), size), picture);
        }
        QByteArray expected;
        QBuffer buffer(&expected);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImageWriter(&buffer, "bmp").write(canvas));
        EXPECT_EQ(Contents(path), expected);
    }
}

// A save that cannot be written leaves the file that was there exactly as it was, leaves no
// temporary file behind, and says that this file could not be written.
TEST(SaveBitmapAsImage, AFailedWriteNeverTouchesTheExistingFile) {
    for (const char* type : {"png", "gif", "bmp", "tiff", "jpeg"}) {
        SCOPED_TRACE(type);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("map.") + type);
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the player's own picture");
        }
        RecordingBox box;
        {
            const FileSizeLimit limit(4096);  // far less than the picture needs
            EXPECT_FALSE(SaveBitmapAsImage(Noise(300, 300), 300, 300, path, type, box));
        }
        EXPECT_EQ(Contents(path), "the player's own picture");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        ASSERT_EQ(box.calls.size(), 1u);
        EXPECT_EQ(box.calls[0], std::make_pair(int(kMsgFileNotWritten), int(kStyleError)));
        EXPECT_EQ(box.prefixes[0], path.toStdString() + "\n");
    }
}

// A write-protected file is not replaced, even though its folder would allow it; a folder or
// a device at the path is never replaced nor removed.
TEST(SaveBitmapAsImage, ProtectedFilesFoldersAndDevicesAreNotReplaced) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("map.png");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString protectedFile = dir.filePath("kept.png");
    {
        QFile f(protectedFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kept");
    }
    ASSERT_TRUE(QFile::setPermissions(protectedFile, QFile::ReadOwner | QFile::ReadUser));
    std::vector<QString> targets = {folder, QStringLiteral("/dev/null")};
    if (::geteuid() != 0) targets.push_back(protectedFile);  // root may write any file
    for (const QString& path : targets) {
        SCOPED_TRACE(path.toStdString());
        RecordingBox box;
        EXPECT_FALSE(SaveBitmapAsImage(Sample(8, 8), 8, 8, path, "png", box));
        ASSERT_EQ(box.calls.size(), 1u);
        EXPECT_EQ(box.calls[0], std::make_pair(int(kMsgFileNotWritten), int(kStyleError)));
        EXPECT_EQ(box.prefixes[0], path.toStdString() + "\n");
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(Contents(protectedFile), "kept");
    struct stat st {};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// A link at the path is replaced by the saved picture; the file it pointed to stays as it was.
TEST(SaveBitmapAsImage, ALinkIsReplacedNotFollowed) {
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim.txt");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }
    const QString path = dir.filePath("map.png");
    ASSERT_TRUE(QFile::link(victim, path));
    RecordingBox box;
    ASSERT_TRUE(SaveBitmapAsImage(Sample(8, 8), 8, 8, path, "png", box));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(Contents(victim), "not a picture");
    int w = 0;
    int h = 0;
    EXPECT_FALSE(LoadPictureFile(path, w, h).isNull());
}

TEST(FindEncoder, MimeTypesAreExactAndCaseSensitive) {
    for (const char* mime : {"image/jpeg", "image/gif", "image/bmp", "image/png", "image/tiff"})
        EXPECT_TRUE(FindEncoder(mime)) << mime;
    for (const char* mime : {"image/PNG", "image/jpg", "image/tif", "text/plain", ""})
        EXPECT_FALSE(FindEncoder(mime)) << mime;
}

}  // namespace
}  // namespace quintrick
