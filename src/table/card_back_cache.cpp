// The card backs' files in the per-user cache folder: the stored strip "CardBackTen.bmp" and the
// user's own picture "CardBackOne.jpg".
#include <QDir>
#include <QFile>
#include <QPainter>

#include "card_backs.h"
#include "engine/settings_table.h"
#include "engine/strings.h"
#include "images/bmp.h"
#include "images/image_files.h"
#include "layout.h"

namespace quintrick {

namespace {

enum class Stored { Yes, NotComposed, NotWritten };

// Composes the strip a fan at a time straight into the file at `path` (written the safe way), so
// that only one fan is ever in memory. On success `stored` is the file, open for reading.
Stored StoreStripByFans(CardBackContext& ctx, const QString& path, FileDescriptor& stored) {
    CCardBackSet composer;
    QImage fan;
    bool composed = true;  // false only when the composition itself fails
    FileDescriptor kept;
    const bool written = WriteFileSafely(path, SafeWrite::Cache, [&](QFile& file) {
        kept = FileDescriptor::Duplicate(file.handle());
        // The rows' padding stays zero; the header goes last, with the canvases' resolution.
        if (!file.resize(kBmpHeaderBytes + BmpRowBytes(kStripWidth) * kStripHeight)) return false;
        bool rowsWritten = true;
        const bool done = ComposeFans(
            ctx, composer,
            [&fan](int n) {
                if (!MakeSurface(fan, FanWidth(n), kStripHeight)) return FanCanvas{};
                fan.fill(kKeyStrip);
                return FanCanvas{&fan, 0};
            },
            [&](int n) {
                QByteArray row(qsizetype(FanWidth(n)) * 3, '\0');
                for (int y = 0; y < kStripHeight && rowsWritten; ++y) {
                    PixelsToBgr(reinterpret_cast<const QRgb*>(fan.constScanLine(y)), fan.width(),
                                row.data());
                    rowsWritten =
                        file.seek(BmpRowOffset(kStripWidth, kStripHeight, y) + 3 * FanStart(n)) &&
                        file.write(row) == row.size();
                }
                return rowsWritten;
            });
        composed = done || !rowsWritten;
        if (!done) return false;
        const QByteArray header =
            BmpHeader(kStripWidth, kStripHeight, fan.dotsPerMeterX(), fan.dotsPerMeterY());
        return file.seek(0) && file.write(header) == header.size();
    });
    if (!composed) return Stored::NotComposed;
    if (!written) return Stored::NotWritten;
    stored = std::move(kept);
    return Stored::Yes;
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
    s.m_handStrip = QImage();  // the fans are composed one at a time
    FileDescriptor stored;
    switch (StoreStripByFans(ctx, cache, stored)) {
        case Stored::Yes:
            if (s.m_handFans.UseFile(std::move(stored))) return true;
            break;
        case Stored::NotComposed:
            return false;
        case Stored::NotWritten:
            ctx.messages.ShowMessage(kMsgFileNotWritten, cache.toStdString() + "\n", kStyleError);
            break;
    }
    // Not stored: the fans come from the whole strip in memory, and the next start composes it
    // again. The button flickered with the first composition already.
    CCardBackSet composer;
    CardBackContext quiet{ctx.s, ctx.profile, ctx.messages, {}};
    // The strip becomes the fans' own, without a second copy.
    return ComposeHandStrip(quiet, composer) && s.m_handFans.UseStrip(std::move(s.m_handStrip));
}

}  // namespace quintrick
