#include "scaled_art.h"

#include <QPainter>

#include "blit.h"
#include "layout.h"

namespace quintrick {

QImage ScaleCells(const QImage& base, int cellW, int cellH, PixelScale s) {
    if (base.isNull()) return {};
    const int w = cellW > 0 ? cellW : base.width();
    const int h = cellH > 0 ? cellH : base.height();
    const QImage::Format format =
        base.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    QImage out(s(base.width()), s(base.height()), format);
    if (out.isNull()) return {};
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int y = 0; y < base.height(); y += h) {
        for (int x = 0; x < base.width(); x += w) {
            const Rect cell{x, y, std::min(x + w, base.width()), std::min(y + h, base.height())};
            const Rect to = s(cell);
            if (to.IsEmpty()) continue;
            p.drawImage(QRectF(ToQRect(to)), base, QRectF(ToQRect(cell)));
        }
    }
    return out;
}

void ScaledArt::Reset(PixelScale s) {
    m_scale = s;
    m_images.clear();
    m_cards = {};
}

QImage& ScaledArt::Of(const QImage& base, int cellW, int cellH, bool follow) {
    Entry& e = m_images[&base];
    const qint64 key = follow ? base.cacheKey() : 1;
    if (e.key != key || (e.image.isNull() && !base.isNull())) {
        e.image = ScaleCells(base, cellW, cellH, m_scale);
        e.key = key;
    }
    return e.image;
}

const QImage& ScaledArt::Card(const QImage& sheet, CardId id, bool turned) {
    if (id < 0 || id > 51) return m_none;
    Entry& e = m_cards[size_t(id + (turned ? 52 : 0))];
    if (e.key != sheet.cacheKey() || e.image.isNull()) {
        const Point cell = CardCell(id);
        if (cell.x + kCardWidth > sheet.width() || cell.y + kCardHeight > sheet.height()) {
            return m_none;
        }
        e.image = ScaleCells(sheet.copy(cell.x, cell.y, kCardWidth, kCardHeight), 0, 0, m_scale);
        if (turned) e.image = e.image.transformed(QTransform().rotate(90));
        e.key = sheet.cacheKey();
    }
    return e.image;
}

}  // namespace quintrick
