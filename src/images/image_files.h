// Image files: loading pictures (read whole, decoded by content), their size and painting,
// saving a bitmap as JPEG, GIF, BMP, PNG or TIFF, the program's cache folder, file types by
// extension, fonts for text stamped onto pictures, and showing a saved file's folder.
// A picture is a QImage; a null QImage means "no picture".
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "engine/host.h"
#include "files/safe_file.h"

class QIODevice;
class QPainter;

namespace quintrick {

// Files larger than this, or pictures of more pixels, are not loaded.
inline constexpr qint64 kMaxPictureFileBytes = 256LL << 20;
inline constexpr qint64 kMaxPicturePixels = 40LL << 20;

// Reads exactly `bytes` bytes from an open file and decodes them; none when the file is shorter,
// the data is no supported image (of `format`, when one is given), or the picture is
// unreasonably large. Without a format the content decides, which loads every image plugin.
QImage ReadPicture(QIODevice& file, qint64 bytes, const char* format = nullptr);

// Loads a picture file; the sizes are set only on success.
QImage LoadPictureFile(const QString& path, int& width, int& height, const char* format = nullptr);

// The picture's size in pixels; 0 x 0 for none.
QSize PictureSizeInPixels(const QImage& picture);

// Paints the picture at (0, 0) in its own size.
bool RenderPicture(QPainter& painter, const QImage& picture);

// Any supported file as a picture, by way of "temp.jpeg" in the cache folder: transparent
// pixels take the colour of the top-left pixel. The sizes are set when the file was decoded.
QImage LoadImageAsPicture(const QString& path, int& width, int& height, IMessageBox& box);

// A bitmap as a picture, saved as "temp.jpeg" in the cache folder, read back and removed.
QImage BitmapToPicture(const QImage& bitmap, int width, int height, IMessageBox& box);

// Saves the bitmap scaled to width x height as an image of the given type ("jpeg", "gif", "bmp",
// "png", "tiff"; any case; "jpg" and "tif" are taken for "jpeg" and "tiff"): JPEG at quality
// 100, PNG and TIFF compressed without loss. The file is written the safe way (WriteFileSafely):
// a failure leaves whatever was at `path` untouched. Returns false after showing message 30172
// naming the file when it could not be written, message 30001 on any other failure.
bool SaveBitmapAsImage(const QImage& bitmap, int width, int height, const QString& path,
                       const QString& type, IMessageBox& box, SafeWrite kind = SafeWrite::Durable);

// Whether there is an encoder for the MIME type (exact, case-sensitive); `format` receives the
// writer's format name.
bool FindEncoder(const QString& mime, QByteArray* format = nullptr);

// The program's cache folder (created owner-only), or a sub-folder of it; empty after showing
// message 30002 when it can be neither found nor created.
QString GetTempDir(const QString& subFolder, IMessageBox& box);

// Removes the user's card-back image "CardBackOne.jpg" from the cache folder; true when it was
// there.
bool DeleteTempCardBack(IMessageBox& box);

// "jpeg", "gif", "bmp", "png" or "tiff" from the lower-cased extension; empty after showing
// message 30056 for any other.
QString ImageTypeOf(const QString& path, IMessageBox& box);

// The first installed of the preferred Japanese gothic families.
QString PreferredGothicFamily();

// A font for text stamped onto a picture, selected into the painter; returns the painter's
// previous font. An empty or uninstalled face gives the preferred gothic family; the size is at
// least 2 points at the painter's vertical resolution. A slanted text (escapement) is drawn by
// rotating the painter.
QFont MakeFont(const QString& face, bool bold, QFont& font, QPainter& painter, int points,
               bool italic, bool strikeOut, bool underline);

// Shows the folder of a file in the desktop's file browser; false after showing message 30048.
bool OpenFolderInExplorer(const QString& filePath, IMessageBox& box);

}  // namespace quintrick
