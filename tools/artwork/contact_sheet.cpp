// The contact sheet: everything the generator draws, on one picture, for a quick review.
#include <QPainter>
#include <algorithm>

#include "artwork.h"
#include "paint_util.h"
#include "resource_ids.h"

namespace quintrick::art {
namespace {

constexpr int kWidth = 2000;
constexpr int kMargin = 18;
// The smallest window shows the table at 640 / 1200.
constexpr double kSmallScale = 640.0 / 1200.0;

// Key colour of each image as the table draws it; invalid when copied opaque.
QColor KeyOf(int id) {
    switch (id) {
        case kBmpRedeal:
        case kBmpKan:
        case kBmpKoi:
        case kBmpIku:
        case kBmpTurnMark:
        case kBmpTrumpCall:
        case kBmpSuitCall:
            return QColor(102, 102, 153);
        case kBmpPlates:
        case kBmpCursorMark:
            return Qt::white;
        case kBmpLcdDigits:
            return QColor(0, 102, 204);
        case kBmpSigns:
            return QColor(255, 0, 0);
        default:
            if (id >= kBmpSuit[0] && id <= kBmpSuit[3]) return QColor(153, 255, 153);
            return QColor();
    }
}

QImage WithAlpha(const QImage& image, QColor key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (!key.isValid()) return out;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] & 0xffffff) == (key.rgb() & 0xffffff)) row[x] = 0;
        }
    }
    return out;
}

class Flow {
  public:
    explicit Flow(QPainter& p) : p_(p) {}
    void Heading(const QString& text) {
        Break();
        p_.setPen(QColor(30, 30, 40));
        p_.setFont(JapaneseFont(22));
        p_.drawText(QPointF(kMargin, y_ + 24), text);
        y_ += 36;
    }
    // Places a tile of the given size with a caption under it; returns its top-left.
    QPoint Place(QSize size, const QString& caption) {
        if (x_ + size.width() > kWidth - kMargin && x_ > kMargin) Break();
        const QPoint at(x_, y_);
        p_.setPen(QColor(60, 60, 70));
        p_.setFont(LatinFont(11, false));
        p_.drawText(QRectF(x_, y_ + size.height() + 2, std::max(size.width(), 60), 16),
                    Qt::AlignLeft | Qt::AlignTop, caption);
        x_ += std::max(size.width(), 60) + 14;
        rowHeight_ = std::max(rowHeight_, size.height() + 22);
        return at;
    }
    void Break() {
        if (rowHeight_ > 0) y_ += rowHeight_ + 8;
        x_ = kMargin;
        rowHeight_ = 0;
    }
    int Bottom() {
        Break();
        return y_;
    }

  private:
    QPainter& p_;
    int x_ = kMargin;
    int y_ = kMargin;
    int rowHeight_ = 0;
};

}  // namespace

QImage PaintContactSheet(const QImage& sheet, const std::vector<NamedImage>& images,
                         const std::vector<CursorImage>& cursors) {
    QImage canvas(kWidth, 6000, QImage::Format_RGB32);
    canvas.fill(QColor(236, 236, 240));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    Flow flow(p);

    flow.Heading(QStringLiteral("Card sheet (QuintrickSys.dll), 1963 x 860"));
    p.drawImage(flow.Place(sheet.size(), QString()), sheet);

    // Sample cards at the sizes the table shows them, on the felt colour.
    const int samples[] = {0, 13, 26, 8, 22, 34, 51, 10, 24, 37, 11, 12, 25, 38, 39, 47};
    const QSize open[] = {QSize(115, 165), QSize(140, 200)};
    for (const QSize& size : open) {
        flow.Heading(
            QStringLiteral("Cards at %1 x %2 (open hands)").arg(size.width()).arg(size.height()));
        for (int id : samples) {
            const QImage cell = sheet.copy(kCardWidth * (id % 13), kCardHeight * (id / 13),
                                           kCardWidth, kCardHeight);
            const QPoint at = flow.Place(size + QSize(8, 8), QStringLiteral("card %1").arg(id));
            p.fillRect(QRect(at, size + QSize(8, 8)), QColor(24, 131, 56));
            p.drawImage(QRect(at + QPoint(4, 4), size), cell);
        }
    }

    flow.Heading(QStringLiteral("Table images at their own size"));
    for (const NamedImage& image : images) {
        p.drawImage(
            flow.Place(image.image.size(), QStringLiteral("%1 %2").arg(image.id).arg(image.note)),
            image.image);
    }
    flow.Heading(QStringLiteral("Twice the size (detail)"));
    for (const NamedImage& image : images) {
        if (image.id == kBmpPlates) continue;  // shown whole below
        const QSize size = image.image.size() * 2;
        p.drawImage(QRect(flow.Place(size, QString::number(image.id)), size), image.image);
    }
    const QImage plates = std::find_if(images.begin(), images.end(), [](const NamedImage& i) {
                              return i.id == kBmpPlates;
                          })->image;
    p.drawImage(QRect(flow.Place(plates.size() * 2, QStringLiteral("154 x2")), plates.size() * 2),
                plates);

    flow.Heading(
        QStringLiteral("At the smallest table scale (640 x 480), key colours transparent, "
                       "over the table's background, felt and field"));
    const QColor grounds[3] = {QColor(102, 102, 153), QColor(24, 131, 56), QColor(0, 160, 0)};
    for (const NamedImage& image : images) {
        const QImage alpha = WithAlpha(image.image, KeyOf(image.id));
        const QSize size(int(image.image.width() * kSmallScale),
                         int(image.image.height() * kSmallScale));
        const QSize tile(size.width() * 3 + 16, size.height() + 8);
        const QPoint at = flow.Place(tile, QString::number(image.id));
        for (int i = 0; i < 3; ++i) {
            const QRect r(at.x() + i * (size.width() + 6), at.y(), size.width() + 4,
                          size.height() + 8);
            p.fillRect(r, grounds[i]);
            p.drawImage(QRect(r.topLeft() + QPoint(2, 4), size), alpha);
        }
    }

    flow.Heading(QStringLiteral("Cursors (x1 and x3, hot spot marked)"));
    for (const CursorImage& cursor : cursors) {
        const QPoint at = flow.Place(
            QSize(32 + 8 + 96, 96),
            QStringLiteral("%1 hot (%2, %3)").arg(cursor.id).arg(cursor.hotX).arg(cursor.hotY));
        p.fillRect(QRect(at, QSize(32, 32)), QColor(180, 200, 220));
        p.drawImage(at, cursor.image);
        p.fillRect(QRect(at + QPoint(40, 0), QSize(96, 96)), QColor(180, 200, 220));
        p.drawImage(QRect(at + QPoint(40, 0), QSize(96, 96)), cursor.image);
        p.setPen(QColor(0, 160, 255));
        p.drawEllipse(QPointF(at.x() + 40 + cursor.hotX * 3 + 1.5, at.y() + cursor.hotY * 3 + 1.5),
                      3, 3);
    }
    const int bottom = flow.Bottom();
    p.end();
    return canvas.copy(0, 0, kWidth, bottom + kMargin);
}

}  // namespace quintrick::art
