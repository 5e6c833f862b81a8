// Small drawing steps shared by the layers: filled rectangles with an outline, frames, opaque,
// keyed and smooth copies between surfaces.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "geometry.h"

namespace quintrick {

inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Fills (left, top) .. (right - 1, bottom - 1) with `fill`, the outer `penWidth` pixels of it in
// `pen` (no outline when penWidth is 0).
void FillOutlined(QPainter& p, const Rect& r, QColor fill, QColor pen, int penWidth);
// A one-pixel frame on (left, top) .. (right - 1, bottom - 1).
void FrameRect(QPainter& p, const Rect& r, QColor pen);

// Copies the part `src` of `img` to (x, y) unscaled (keyed copies pass their transparent image).
inline void Copy(QPainter& p, int x, int y, const QImage& img, const Rect& src) {
    p.drawImage(QPoint(x, y), img, ToQRect(src));
}
inline void Copy(QPainter& p, int x, int y, const QImage& img) {
    p.drawImage(QPoint(x, y), img);
}

// Copies the part `src` of `img` stretched to `dst` with smooth (halftone) scaling.
void StretchSmooth(QPainter& p, const Rect& dst, const QImage& img, const Rect& src);

// Overwrites pixels of `dst` at (x, y) with the part `src` of `img` (both RGB32), clipped.
void Stamp(QImage& dst, int x, int y, const QImage& img, const Rect& src);

}  // namespace quintrick
