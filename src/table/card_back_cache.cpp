// The card backs' files in the per-user cache folder: the stored strip "CardBackTen.bmp" and the
// user's own picture "CardBackOne.jpg".
#include <QDir>
#include <QFile>
#include <QPainter>

#include "card_backs.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "images/image_files.h"
#include "layout.h"

namespace quintrick {

namespace {
// A stored strip is whole when it has the strip's size and the key colour around the one-card
// fan (a cut-off file decodes with the missing rows blank).
bool IsWholeStrip(const QImage& picture) {
    if (PictureSizeInPixels(picture) != QSize(kStripWidth, kStripHeight)) return false;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(150, 0), QPoint(0, 341), QPoint(150, 341)}) {
        if (rgb.pixel(at) != kKeyStrip) return false;
    }
    return true;
}
}  // namespace

bool LoadStoredFreeImage(CardBackContext& ctx) {
    const QString dir = GetTempDir({}, ctx.messages);
    if (dir.isEmpty()) return false;
    const QString path = QDir(dir).filePath(QString::fromLatin1(kFreeImageFile));
    if (!QFile::exists(path)) return false;
    if (!MakeSurface(ctx.s.m_cardBack, kCardWidth, kCardHeight)) {
        ctx.messages.ShowMessage(kMsgMemory, {}, kStyleError);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QImage picture = ReadPicture(file, file.size(), "jpeg");
    file.close();
    if (picture.isNull()) return false;
    QPainter p(&ctx.s.m_cardBack);
    return RenderPicture(p, picture);
}

bool PrepareCardBacks(CardBackContext& ctx, bool rebuild) {
    const QString dir = GetTempDir({}, ctx.messages);
    if (dir.isEmpty()) return false;
    CCardBackSet composer;
    CSurfaces& s = ctx.s;
    const QString cache = QDir(dir).filePath(QString::fromLatin1(kStripCacheFile));
    if (!rebuild && QFile::exists(cache)) {
        int width = 0, height = 0;
        const QImage picture = LoadPictureFile(cache, width, height, "bmp");
        // A damaged or foreign file is not trusted: only a whole strip is used, anything else
        // is composed again below and the file rewritten.
        if (IsWholeStrip(picture)) {
            s.m_handStrip = QImage();
            if (picture.format() == QImage::Format_RGB32) {
                // The whole strip as it is: painting it over the key colour would copy it.
                s.m_handStrip = picture;
            } else {
                if (!MakeSurface(s.m_handStrip, kStripWidth, kStripHeight)) return false;
                s.m_handStrip.fill(kKeyStrip);
                QPainter p(&s.m_handStrip);
                if (!RenderPicture(p, picture)) return false;
            }
            if (!PrepareBackImage(ctx, true)) return false;
            if (Read(ctx.profile, entries::kCardWaku) == 1) {
                QPainter p(&s.m_backSideways);
                p.setPen(QColor::fromRgb(kFrameColour));
                p.drawRect(0, 0, kCardHeight - 1, kCardWidth - 1);
            }
            return true;
        }
    }
    if (!ComposeHandStrip(ctx, composer)) return false;
    // A failed save leaves the strip in use; the next start composes it again.
    SaveBitmapAsImage(s.m_handStrip, kStripWidth, kStripHeight, cache, QStringLiteral("bmp"),
                      ctx.messages, SafeWrite::Cache);
    return true;
}

}  // namespace quintrick
