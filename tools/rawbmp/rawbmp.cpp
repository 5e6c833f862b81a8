// Writes a picture as raw RGB32 pixels for the images of the first painted table, which are then
// read without decoding: "QRW1", the width and the height as 32-bit little-endian numbers, and
// the rows top to bottom, four bytes a pixel (blue, green, red, 255).
// usage: quintrick-rawbmp IN.png OUT.raw
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quintrick-rawbmp IN.png OUT.raw\n");
        return 2;
    }
    const QImage picture = QImage(QFile::decodeName(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "quintrick-rawbmp: cannot read %s\n", argv[1]);
        return 1;
    }
    QSaveFile out(QFile::decodeName(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "quintrick-rawbmp: cannot write %s\n", argv[2]);
        return 1;
    }
    const quint32 size[2] = {qToLittleEndian(quint32(picture.width())),
                             qToLittleEndian(quint32(picture.height()))};
    out.write("QRW1", 4);
    out.write(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const quint32 pixel = qToLittleEndian(quint32(picture.pixel(x, y)));
            out.write(reinterpret_cast<const char*>(&pixel), 4);
        }
    }
    return out.commit() ? 0 : 1;
}
