// The card backs' files in the per-user cache folder: the stored strip "CardBackTen.bmp" and the
// user's own picture "CardBackOne.jpg".
#include <QDir>
#include <QFile>

#include "card_backs.h"
#include "engine/strings.h"
#include "images/image_io.h"
#include "layout.h"

namespace quintrick {

bool LoadStoredFreeImage(CardBackContext& ctx) {
    const QString dir = GetTempDir(ctx.messages);
    if (dir.isEmpty()) return false;
    const QString path = QDir(dir).filePath(QString::fromLatin1(kFreeImageFile));
    if (!QFile::exists(path)) return false;
    if (!MakeSurface(ctx.s.m_cardBack, kCardWidth, kCardHeight)) {
        ctx.messages.ShowMessage(kMsgMemory, {}, kStyleError);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const auto picture = ReadPicture(file, file.size());
    file.close();
    if (!picture) return false;
    return RenderPicture(*picture, ctx.s.m_cardBack, QRect(0, 0, kCardWidth, kCardHeight));
}

bool PrepareCardBacks(CardBackContext& ctx, bool rebuild) {
    const QString dir = GetTempDir(ctx.messages);
    if (dir.isEmpty()) return false;
    CCardBackSet composer;
    CSurfaces& s = ctx.s;
    const QString cache = QDir(dir).filePath(QString::fromLatin1(kStripCacheFile));
    if (!rebuild && QFile::exists(cache)) {
        const auto picture = LoadPictureFile(cache);
        if (!picture) return false;
        // A damaged or foreign file is not trusted: only a whole strip is used, else it is
        // composed again below.
        if (PictureSizeInPixels(*picture) == QSize(kStripWidth, kStripHeight)) {
            if (!MakeSurface(s.m_handStrip, kStripWidth, kStripHeight)) return false;
            s.m_handStrip.fill(kKeyStrip);
            if (!RenderPicture(*picture, s.m_handStrip, QRect(0, 0, kStripWidth, kStripHeight))) {
                return false;
            }
            if (!PrepareBackImage(ctx, true)) return false;
            if (ctx.profile.ReadInt("Last", "CardWaku", 1) == 1) {
                QPainter p(&s.m_backSideways);
                p.setPen(QColor::fromRgb(kFrameColour));
                p.drawRect(0, 0, kCardHeight - 1, kCardWidth - 1);
            }
            return true;
        }
    }
    if (!ComposeHandStrip(ctx, composer)) return false;
    SaveBitmapAsImage(s.m_handStrip, QDir(dir).filePath(QString::fromLatin1(kStripCacheFile)),
                      "bmp");
    return true;
}

}  // namespace quintrick
