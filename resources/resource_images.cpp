#include "resource_images.h"

#include <QImageReader>

namespace quintrick {

QImage ReadPngResource(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace quintrick
