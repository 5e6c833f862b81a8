// The 24-bit BMP as this game writes it, byte for byte as Qt writes one: a 54-byte header, then
// the rows bottom first, three bytes a pixel (blue, green, red), each row padded to four bytes.
// Qt loads every image plugin before it picks its own BMP writer, so the game writes BMP itself.
#pragma once

#include <QByteArray>
#include <QImage>

class QFile;

namespace quintrick {

inline constexpr qint64 kBmpHeaderBytes = 54;

constexpr qint64 BmpRowBytes(qint64 width) {
    return (width * 24 + 31) / 32 * 4;
}

// Where row y (0 at the top) of a picture `height` rows high starts in its file.
constexpr qint64 BmpRowOffset(qint64 width, qint64 height, qint64 y) {
    return kBmpHeaderBytes + (height - 1 - y) * BmpRowBytes(width);
}

// The header of a width x height picture at the given resolution (dots a metre; 0 is taken for
// 2834); empty when the picture is too large for a BMP.
QByteArray BmpHeader(qint64 width, qint64 height, int dotsPerMeterX, int dotsPerMeterY);
// Whether the kBmpHeaderBytes at `header` are a header this game writes for a width x height
// picture, at any resolution.
bool IsOwnBmpHeader(const char* header, qint64 width, qint64 height);

// `count` pixels of 32 bits as blue, green and red bytes, and one such pixel back (opaque).
void PixelsToBgr(const QRgb* in, qint64 count, char* out);
inline QRgb BgrToPixel(const char* bgr) {
    const auto* b = reinterpret_cast<const uchar*>(bgr);
    return qRgb(b[2], b[1], b[0]);
}

// A picture of 32 bits a pixel into `file`, row after row without going back (a failed write
// stays in the file's error); false on any failure.
bool WriteBmp(const QImage& image, QFile& file);

}  // namespace quintrick
