#include "blit.h"

#include <algorithm>
#include <cstring>

namespace quintrick {

void FillOutlined(QPainter& p, const Rect& r, QColor fill, QColor pen, int penWidth, PixelScale s) {
    if (r.IsEmpty()) return;
    if (penWidth <= 0) {
        p.fillRect(ToQRect(s(r)), fill);
        return;
    }
    p.fillRect(ToQRect(s(r)), pen);
    const Rect inner{r.left + penWidth, r.top + penWidth, r.right - penWidth, r.bottom - penWidth};
    if (!inner.IsEmpty()) p.fillRect(ToQRect(s(inner)), fill);
}

void FrameRect(QPainter& p, const Rect& r, QColor pen, PixelScale s) {
    if (r.IsEmpty()) return;
    for (const Rect& side :
         {Rect{r.left, r.top, r.right, r.top + 1}, Rect{r.left, r.bottom - 1, r.right, r.bottom},
          Rect{r.left, r.top, r.left + 1, r.bottom}, Rect{r.right - 1, r.top, r.right, r.bottom}}) {
        p.fillRect(ToQRect(s(side)), pen);
    }
}

void StretchSmooth(QPainter& p, const Rect& dst, const QImage& img, const Rect& src) {
    if (dst.IsEmpty() || img.isNull()) return;
    const bool smooth = p.testRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRectF(ToQRect(dst)), img, QRectF(ToQRect(src)));
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void Stamp(QImage& dst, int x, int y, const QImage& img, const Rect& unscaled, PixelScale s) {
    const Rect src = s(unscaled);
    x = s(x);
    y = s(y);
    if (dst.isNull() || img.isNull()) return;
    if (dst.depth() != 32 || img.depth() != 32) return;
    const int x0 = std::max({0, -x, -src.left});
    const int y0 = std::max({0, -y, -src.top});
    const int x1 = std::min({src.Width(), dst.width() - x, img.width() - src.left});
    const int y1 = std::min({src.Height(), dst.height() - y, img.height() - src.top});
    if (x1 <= x0 || y1 <= y0) return;
    for (int r = y0; r < y1; ++r) {
        std::memcpy(dst.scanLine(y + r) + 4 * (x + x0),
                    img.constScanLine(src.top + r) + 4 * (src.left + x0), size_t(x1 - x0) * 4);
    }
}

}  // namespace quintrick
