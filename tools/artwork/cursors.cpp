// The three cursors of the table, 32 x 32 with alpha.
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "artwork.h"
#include "paint_util.h"
#include "resource_ids.h"

namespace quintrick::art {
namespace {

QImage Blank() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// An up-down arrow centred on the hot spot (6, 8), "UpDown" in red below it.
QImage UpDown() {
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    const double cx = 6.5, top = 0.5, bottom = 16.5;
    arrow.moveTo(cx, top);
    arrow.lineTo(cx + 5.5, top + 5.5);
    arrow.lineTo(cx + 2, top + 5.5);
    arrow.lineTo(cx + 2, bottom - 5.5);
    arrow.lineTo(cx + 5.5, bottom - 5.5);
    arrow.lineTo(cx, bottom);
    arrow.lineTo(cx - 5.5, bottom - 5.5);
    arrow.lineTo(cx - 2, bottom - 5.5);
    arrow.lineTo(cx - 2, top + 5.5);
    arrow.lineTo(cx - 5.5, top + 5.5);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    // The word is squeezed to the cursor's width.
    const QFont font = LatinFont(10, true);
    const QString word = QStringLiteral("UpDown");
    const double squeeze = std::min(1.0, 30.0 / QFontMetricsF(font).horizontalAdvance(word));
    p.translate(1, 0);
    p.scale(squeeze, 1.0);
    OutlinedText(p, QRectF(0, 17, 30 / squeeze, 13), word, font, QColor(220, 0, 0), Qt::white, 2.0,
                 Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

// A red no-entry sign with its hot spot at the top-left corner.
QImage NoEntry() {
    QImage image = Blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(214, 16, 24));
    p.drawEllipse(QRectF(0.5, 0.5, 21, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 9, 14, 4));
    return image;
}

// A thin checkered horizontal bar centred on (15, 3).
QImage EdgeDrag() {
    QImage image = Blank();
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 31; ++x) {
            const bool edge = y == 0 || y == 6 || x == 0 || x == 30;
            const bool dark = ((x / 2) + (y / 2)) % 2 == 0;
            image.setPixel(x, y,
                           edge   ? qRgb(0, 0, 0)
                           : dark ? qRgb(30, 30, 30)
                                  : qRgb(250, 250, 250));
        }
    }
    return image;
}

}  // namespace

std::vector<CursorImage> PaintCursors() {
    return {
        {kCursorUpDown.id, UpDown(), kCursorUpDown.hotX, kCursorUpDown.hotY},
        {kCursorNoEntry.id, NoEntry(), kCursorNoEntry.hotX, kCursorNoEntry.hotY},
        {kCursorEdgeDrag.id, EdgeDrag(), kCursorEdgeDrag.hotX, kCursorEdgeDrag.hotY},
    };
}

}  // namespace quintrick::art
