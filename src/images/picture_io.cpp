#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "images/image_files.h"

namespace quintrick {

namespace {
QImage DecodePicture(QIODevice& device, const char* format) {
    QImageReader reader(&device);
    if (format) {
        // Only this format's reader is asked: with detection on, Qt would load every image
        // plugin to find the one that reads it.
        reader.setFormat(format);
        reader.setAutoDetectImageFormat(false);
    } else {
        reader.setDecideFormatFromContent(true);
    }
    // The header's size decides before anything is decoded: a small file that claims an
    // enormous picture (a decompression bomb) is refused here.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() ||
        static_cast<qint64>(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    QImage picture;
    if (!reader.read(&picture) || picture.size() != size) return {};
    return picture;
}
}  // namespace

QImage ReadPicture(QIODevice& file, qint64 bytes, const char* format) {
    if (bytes <= 0 || bytes > kMaxPictureFileBytes) return {};
    // A file that holds exactly these bytes is decoded where it lies: a whole copy of it in
    // memory beside the decoded picture would only raise the peak (the card-back strip's file
    // is 4 MB).
    if (!file.isSequential() && file.pos() == 0 && file.size() == bytes) {
        return DecodePicture(file, format);
    }
    QByteArray data = file.read(bytes);
    if (data.size() != bytes) return {};
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return DecodePicture(buffer, format);
}

QImage LoadPictureFile(const QString& path, int& width, int& height, const char* format) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QImage picture = ReadPicture(file, file.size(), format);
    if (!picture.isNull()) {
        const QSize size = PictureSizeInPixels(picture);
        width = size.width();
        height = size.height();
    }
    return picture;
}

QSize PictureSizeInPixels(const QImage& picture) {
    return picture.isNull() ? QSize(0, 0) : picture.size();
}

bool RenderPicture(QPainter& painter, const QImage& picture) {
    if (picture.isNull() || !painter.isActive()) return false;
    painter.drawImage(QPoint(0, 0), picture);
    return true;
}

QImage LoadImageAsPicture(const QString& path, int& width, int& height, IMessageBox& box) {
    int w = 0;
    int h = 0;
    const QImage decoded = LoadPictureFile(path, w, h);
    if (decoded.isNull()) return {};
    // Transparent pixels take the colour of the top-left pixel, made opaque.
    QColor background = decoded.pixelColor(0, 0);
    background.setAlpha(255);
    QImage bitmap(decoded.size(), QImage::Format_RGB32);
    bitmap.fill(background);
    {
        QPainter painter(&bitmap);
        painter.drawImage(QPoint(0, 0), decoded);
    }
    width = w;
    height = h;
    return BitmapToPicture(bitmap, w, h, box);
}

QImage BitmapToPicture(const QImage& bitmap, int width, int height, IMessageBox& box) {
    const QString dir = GetTempDir(QString(), box);
    if (dir.isEmpty()) return {};
    const QString path = dir + QStringLiteral("/temp.jpeg");
    if (!SaveBitmapAsImage(bitmap, width, height, path, QStringLiteral("jpeg"), box,
                           SafeWrite::Cache))
        return {};
    QImage picture;
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) picture = ReadPicture(file, file.size(), "jpeg");
    }
    QFile::remove(path);  // the picture is in memory now
    return picture;
}

}  // namespace quintrick
