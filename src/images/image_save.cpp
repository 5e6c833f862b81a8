#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <memory>
#include <vector>

#include "engine/strings.h"
#include "files/safe_file.h"
#include "images/bmp.h"
#include "images/image_files.h"

namespace quintrick {
namespace {

constexpr int kMsgFileTypeRefused = 30056;
const QString kGifMime = QStringLiteral("image/gif");

// Qt reads GIF but does not write it: giflib writes an 8-bit palette image into the open file.
bool WriteGif(const QImage& image, QFile& file) {
    // Up to 256 colours are kept exactly; more are dithered.
    const QImage indexed = image.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    if (indexed.isNull()) return false;
    std::vector<GifColorType> colors(256);  // giflib wants a power of two
    const QList<QRgb> table = indexed.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i) {
        colors[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(table[i])),
                                               static_cast<GifByteType>(qGreen(table[i])),
                                               static_cast<GifByteType>(qBlue(table[i]))};
    }
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(256, colors.data()), GifFreeMapObject);
    if (!map) return false;

    int error = 0;
    const int fd = ::fcntl(file.handle(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) return false;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);  // owns fd from here on
    if (!gif) {
        ::close(fd);
        return false;
    }
    bool ok =
        EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map.get()) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        auto* row = const_cast<GifPixelType*>(indexed.constScanLine(y));
        ok = EGifPutLine(gif, row, indexed.width()) == GIF_OK;
    }
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return ok && closed;
}

enum class Saved { Yes, NoMemory, NotWritten };

Saved Save(const QImage& bitmap, int width, int height, const QString& path, const QString& type,
           SafeWrite kind) {
    if (bitmap.isNull() || width <= 0 || height <= 0 ||
        static_cast<qint64>(width) * height > kMaxPicturePixels)
        return Saved::NoMemory;
    QString lower = type.toLower();
    if (lower == QLatin1String("jpg")) lower = QStringLiteral("jpeg");
    if (lower == QLatin1String("tif")) lower = QStringLiteral("tiff");
    const QString mime = QStringLiteral("image/") + lower;
    QByteArray format;
    if (!FindEncoder(mime, &format)) return Saved::NoMemory;

    // An opaque bitmap of the size asked for is its own canvas for BMP: its file is byte for byte
    // the same, and a second copy of a large picture (the 4.9 MB card-back strip) is not made.
    const bool asItIs = format == "bmp" && bitmap.size() == QSize(width, height) &&
                        bitmap.format() == QImage::Format_RGB32;
    QImage canvas = asItIs ? bitmap : QImage(width, height, QImage::Format_ARGB32);
    if (canvas.isNull()) return Saved::NoMemory;
    if (!asItIs) {
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, width, height), bitmap);
    }
    const bool written = WriteFileSafely(path, kind, [&](QFile& file) {
        if (mime == kGifMime) return WriteGif(canvas, file);
        // No encoded copy of a large picture is held in memory for BMP.
        if (format == "bmp") return WriteBmp(canvas, file);
        // Encoded in memory first: some writers lose a failed write of the file (a seek clears
        // the error), a single write of the whole encoded image cannot.
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        // JPEG at its best quality. PNG and TIFF lose nothing whatever their compression: PNG
        // at its highest (its writer takes quality as the inverse of compression), TIFF with LZW.
        writer.setQuality(format == "png" ? 0 : 100);
        if (format == "tiff") writer.setCompression(1);
        return writer.write(canvas) && file.write(encoded) == encoded.size();
    });
    return written ? Saved::Yes : Saved::NotWritten;
}

}  // namespace

bool FindEncoder(const QString& mime, QByteArray* format) {
    if (mime == kGifMime) {
        if (format) *format = "gif";
        return true;
    }
    // BMP is written by the game itself: asking Qt for its encoders would load every image plugin.
    if (mime == QLatin1String("image/bmp")) {
        if (format) *format = "bmp";
        return true;
    }
    for (const QByteArray& type : QImageWriter::supportedMimeTypes()) {
        if (QString::fromLatin1(type) != mime) continue;
        const QList<QByteArray> formats = QImageWriter::imageFormatsForMimeType(type);
        if (formats.isEmpty()) return false;
        if (format) *format = formats.front();
        return true;
    }
    return false;
}

bool SaveBitmapAsImage(const QImage& bitmap, int width, int height, const QString& path,
                       const QString& type, IMessageBox& box, SafeWrite kind) {
    switch (Save(bitmap, width, height, path, type, kind)) {
        case Saved::Yes:
            return true;
        case Saved::NoMemory:
            box.ShowMessage(kMsgMemory, "", kStyleError);
            return false;
        case Saved::NotWritten:
            break;
    }
    box.ShowMessage(kMsgFileNotWritten, path.toStdString() + "\n", kStyleError);
    return false;
}

QString ImageTypeOf(const QString& path, IMessageBox& box) {
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString ext = dot < 0 ? QString() : path.mid(dot + 1).toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return QStringLiteral("jpeg");
    if (ext == QLatin1String("gif") || ext == QLatin1String("bmp") || ext == QLatin1String("png"))
        return ext;
    if (ext == QLatin1String("tif") || ext == QLatin1String("tiff")) return QStringLiteral("tiff");
    box.ShowMessage(kMsgFileTypeRefused, "", kStyleInfo);
    return {};
}

}  // namespace quintrick
