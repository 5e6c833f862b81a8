// quintrick-artwork: draws the card data file, the table images, the cursors and the contact
// sheet. Usage: quintrick-artwork <source root>; files go to resources/ and docs/ below it.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "artwork.h"
#include "resource_ids.h"

namespace {

using namespace quintrick::art;

bool WritePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    writer.setQuality(0);  // the strongest compression (a compression setting of 9 stores raw)
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

// The card data file: the sheet as a JPEG whose first four bytes are not the JPEG marker; the
// game restores them before decoding.
bool WriteCardData(const QImage& sheet, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(95);
    writer.setOptimizedWrite(true);
    if (!writer.write(sheet)) {
        std::fprintf(stderr, "cannot encode the card sheet: %s\n",
                     qPrintable(writer.errorString()));
        return false;
    }
    bytes.replace(0, 4, QByteArray("QTRK", 4));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d, %lld bytes)\n", qPrintable(path), sheet.width(), sheet.height(),
                static_cast<long long>(bytes.size()));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quintrick-artwork <source root>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"resources/bmp", "resources/cur", "resources/icons", "docs"}) {
        root.mkpath(sub);
    }

    bool ok = true;
    const QImage sheet = PaintCardSheet();
    ok &= WriteCardData(sheet, root.filePath("resources/QuintrickSys.dll"));
    const std::vector<NamedImage> images = PaintTableImages(ArtLanguage::Japanese);
    for (const NamedImage& image : images) {
        ok &= WritePng(image.image,
                       root.filePath(QStringLiteral("resources/bmp/%1.png").arg(image.id)));
    }
    // The English set: only the images with words differ.
    root.mkpath("resources/bmp/en");
    for (const NamedImage& image : PaintTableImages(ArtLanguage::English)) {
        if (std::ranges::find(quintrick::kBmpEnglishIds, image.id) ==
            std::end(quintrick::kBmpEnglishIds))
            continue;
        ok &= WritePng(image.image,
                       root.filePath(QStringLiteral("resources/bmp/en/%1.png").arg(image.id)));
    }
    const std::vector<CursorImage> cursors = PaintCursors();
    for (const CursorImage& cursor : cursors) {
        ok &= WritePng(cursor.image,
                       root.filePath(QStringLiteral("resources/cur/%1.png").arg(cursor.id)));
    }
    // The dialog pictures, and the program's icon for the desktop.
    ok &= WritePng(PaintOkSeal(ArtLanguage::Japanese), root.filePath("resources/bmp/182.png"));
    ok &= WritePng(PaintOkSeal(ArtLanguage::English), root.filePath("resources/bmp/en/182.png"));
    ok &= WritePng(PaintHomeMap(ArtLanguage::Japanese), root.filePath("resources/bmp/191.png"));
    ok &= WritePng(PaintHomeMap(ArtLanguage::English), root.filePath("resources/bmp/en/191.png"));
    for (const int size : kAppIconSizes) {
        ok &= WritePng(PaintAppIcon(size),
                       root.filePath(QStringLiteral("resources/icons/quintrick-%1.png").arg(size)));
    }
    ok &= WritePng(PaintContactSheet(sheet, images, cursors),
                   root.filePath("docs/artwork-contact-sheet.png"));
    return ok ? 0 : 1;
}
