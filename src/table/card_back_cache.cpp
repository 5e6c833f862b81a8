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
    CSurfaces& s = ctx.s;
    const QString cache = QDir(dir).filePath(QString::fromLatin1(kStripCacheFile));
    // A damaged or foreign file is not trusted: only a whole strip is used, anything else is
    // composed again below and the file rewritten. The fans are read from the file as they are
    // needed, so the strip itself is not held in memory.
    if (!rebuild && s.m_handFans.UseFile(cache)) {
        if (!PrepareBackImage(ctx, true)) return false;
        if (Read(ctx.profile, entries::kCardWaku) == 1) {
            QPainter p(&s.m_backSideways);
            p.setPen(QColor::fromRgb(kFrameColour));
            p.drawRect(0, 0, kCardHeight - 1, kCardWidth - 1);
        }
        return true;
    }
    CCardBackSet composer;
    if (!ComposeHandStrip(ctx, composer)) return false;
    // From the file it was stored in, too; a failed save leaves the strip in memory in use, and
    // the next start composes it again.
    FileDescriptor stored;
    if (!SaveBitmapAsImage(s.m_handStrip, kStripWidth, kStripHeight, cache, QStringLiteral("bmp"),
                           ctx.messages, SafeWrite::Cache, &stored) ||
        !s.m_handFans.UseFile(std::move(stored))) {
        if (!s.m_handFans.UseStrip(s.m_handStrip)) return false;
    }
    s.m_handStrip = QImage();
    return true;
}

}  // namespace quintrick
