#include "images/bmp.h"

#include <QFile>
#include <QtEndian>
#include <limits>

namespace quintrick {

namespace {
constexpr int kInfoBytes = 40;
}  // namespace

QByteArray BmpHeader(qint64 width, qint64 height, int dotsPerMeterX, int dotsPerMeterY) {
    const qint64 imageBytes = BmpRowBytes(width) * height;
    if (width <= 0 || height <= 0 ||
        kBmpHeaderBytes + imageBytes > std::numeric_limits<qint32>::max()) {
        return {};
    }
    QByteArray header(kBmpHeaderBytes, '\0');
    char* at = header.data();
    const auto put = [&at](auto value) {
        qToLittleEndian(value, at);
        at += sizeof(value);
    };
    *at++ = 'B';
    *at++ = 'M';
    put(qint32(kBmpHeaderBytes + imageBytes));
    put(qint32(0));  // reserved
    put(qint32(kBmpHeaderBytes));
    put(qint32(kInfoBytes));
    put(qint32(width));
    put(qint32(height));
    put(qint16(1));   // planes
    put(qint16(24));  // bits a pixel
    put(qint32(0));   // no compression
    put(qint32(imageBytes));
    put(qint32(dotsPerMeterX ? dotsPerMeterX : 2834));
    put(qint32(dotsPerMeterY ? dotsPerMeterY : 2834));
    put(qint32(0));  // colours used
    put(qint32(0));  // colours important
    return header;
}

bool IsOwnBmpHeader(const char* header, qint64 width, qint64 height) {
    const auto u16 = [header](int at) { return qFromLittleEndian<quint16>(header + at); };
    const auto i32 = [header](int at) { return qFromLittleEndian<qint32>(header + at); };
    return header[0] == 'B' && header[1] == 'M' &&
           i32(2) == kBmpHeaderBytes + BmpRowBytes(width) * height && i32(10) == kBmpHeaderBytes &&
           i32(14) == kInfoBytes && i32(18) == width && i32(22) == height && u16(26) == 1 &&
           u16(28) == 24 && i32(30) == 0;
}

void PixelsToBgr(const QRgb* in, qint64 count, char* out) {
    auto* b = reinterpret_cast<uchar*>(out);
    for (qint64 x = 0; x < count; ++x, b += 3) {
        b[0] = uchar(qBlue(in[x]));
        b[1] = uchar(qGreen(in[x]));
        b[2] = uchar(qRed(in[x]));
    }
}

bool WriteBmp(const QImage& image, QFile& file) {
    if (image.depth() != 32) return false;
    const QByteArray header =
        BmpHeader(image.width(), image.height(), image.dotsPerMeterX(), image.dotsPerMeterY());
    if (header.isEmpty() || file.write(header) != header.size()) return false;
    QByteArray row(BmpRowBytes(image.width()), '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        PixelsToBgr(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(),
                    row.data());
        if (file.write(row) != row.size()) return false;
    }
    return true;
}

}  // namespace quintrick
