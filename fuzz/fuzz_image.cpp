// Any bytes as a picture file: decoding must refuse or succeed, never crash or run away.
#include <QBuffer>
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "images/image_files.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);  // image plugins
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QImage picture = quintrick::ReadPicture(buffer, bytes.size());
    if (!picture.isNull()) {
        const QSize size2 = quintrick::PictureSizeInPixels(picture);
        if (size2.width() <= 0 || size2.height() <= 0 ||
            static_cast<qint64>(size2.width()) * size2.height() > quintrick::kMaxPicturePixels)
            std::abort();
    }
    return 0;
}
