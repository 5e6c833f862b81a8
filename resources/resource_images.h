// Reading the PNG images of the resource file.
#pragma once

#include <QImage>
#include <QString>

namespace quintrick {

// The PNG at `path` (a resource path), null when it cannot be read. Only the PNG reader is
// asked: given just a path, Qt would load every image plugin to find one that reads it.
QImage ReadPngResource(const QString& path);

}  // namespace quintrick
